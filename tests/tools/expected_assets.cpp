#include "expected_assets.h"

namespace expected_assets {
namespace {

using image_headers::Kind;

constexpr ExpectedAsset kAssets[] = {
    {"picture1.gif", Kind::Gif, 400, 49},       {"picture2.gif", Kind::Gif, 329, 51},
    {"picture3.bmp", Kind::Bmp, 715, 124, 24},  {"form2.jpg", Kind::Jpeg, 598, 659},
    {"form3.bmp", Kind::Bmp, 853, 736, 24},     {"form4.bmp", Kind::Bmp, 571, 514, 24},
    {"form5.bmp", Kind::Bmp, 681, 626, 24},     {"form6.bmp", Kind::Bmp, 960, 720, 8},
    {"form8.bmp", Kind::Bmp, 598, 865, 24},     {"form9.jpg", Kind::Jpeg, 598, 740},
    {"form10.bmp", Kind::Bmp, 779, 577, 24},    {"form11.jpg", Kind::Jpeg, 537, 2264},
    {"form12.bmp", Kind::Bmp, 505, 1344, 24},   {"form13.bmp", Kind::Bmp, 505, 630, 24},
    {"form14.bmp", Kind::Bmp, 1069, 589, 24},   {"form15.bmp", Kind::Bmp, 1070, 593, 24},
    {"form16.bmp", Kind::Bmp, 1069, 600, 24},   {"form17.bmp", Kind::Bmp, 1070, 1160, 24},
    {"form18.bmp", Kind::Bmp, 1070, 480, 24},   {"form19.bmp", Kind::Bmp, 853, 496, 24},
};

std::string Size(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

}  // namespace

std::span<const ExpectedAsset> ExpectedAssets() { return kAssets; }

std::vector<std::string> Mismatches(const image_headers::ImageFacts& facts, const ExpectedAsset& expected) {
    std::vector<std::string> found;
    if (!facts.problem.empty()) found.push_back("header: " + facts.problem);
    if (facts.kind != expected.kind) {
        found.push_back("wrong file format");
        return found;
    }
    if (facts.width != expected.width || facts.height != expected.height)
        found.push_back("size " + Size(facts.width, facts.height) + ", expected " + Size(expected.width, expected.height));
    switch (expected.kind) {
        case Kind::Bmp:
            if (facts.bitsPerPixel != expected.bmpBits)
                found.push_back("biBitCount " + std::to_string(facts.bitsPerPixel) + ", expected " + std::to_string(expected.bmpBits));
            if (facts.compression != 0) found.push_back("compressed (biCompression " + std::to_string(facts.compression) + ")");
            if (expected.bmpBits == 8 && facts.paletteColours <= 16)
                found.push_back("palette of " + std::to_string(facts.paletteColours) + " colours, more than 16 expected");
            break;
        case Kind::Gif:
            if (facts.frames != 1) found.push_back(std::to_string(facts.frames) + " image descriptors, expected 1");
            break;
        case Kind::Jpeg:
            if (facts.startOfFrame != 0xC0) found.push_back("not a baseline JPEG (SOF0)");
            if (facts.components != 3 || facts.componentIds != std::vector<int>{1, 2, 3})
                found.push_back("not three YCbCr components");
            break;
        case Kind::Unknown: break;
    }
    return found;
}

}  // namespace expected_assets
