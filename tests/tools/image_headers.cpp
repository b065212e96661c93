#include "image_headers.h"

#include <fstream>
#include <iterator>

namespace image_headers {
namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t Le16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t Le32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint32_t Be16(const Bytes& b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }

ImageFacts Bmp(const Bytes& b) {
    ImageFacts facts;
    facts.kind = Kind::Bmp;
    if (b.size() < 54) {
        facts.problem = "shorter than its headers";
        return facts;
    }
    const std::uint32_t fileSize = Le32(b, 2);
    const std::uint32_t pixelOffset = Le32(b, 10);
    const std::uint32_t infoSize = Le32(b, 14);
    facts.width = static_cast<std::int32_t>(Le32(b, 18));
    const auto height = static_cast<std::int32_t>(Le32(b, 22));
    facts.height = height < 0 ? -height : height;
    facts.bitsPerPixel = static_cast<int>(Le16(b, 28));
    facts.compression = Le32(b, 30);
    const std::uint32_t used = Le32(b, 46);
    if (facts.bitsPerPixel <= 8) facts.paletteColours = used == 0 ? (1 << facts.bitsPerPixel) : static_cast<int>(used);

    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(facts.width) * facts.bitsPerPixel + 31) / 32 * 4;
    if (fileSize != b.size()) facts.problem = "bfSize differs from the file's size";
    else if (infoSize < 40) facts.problem = "info header shorter than BITMAPINFOHEADER";
    else if (Le16(b, 26) != 1) facts.problem = "planes is not 1";
    else if (pixelOffset < 14 + infoSize + 4u * static_cast<std::uint32_t>(facts.paletteColours))
        facts.problem = "pixels overlap the palette";
    else if (pixelOffset + rowBytes * facts.height > b.size()) facts.problem = "pixel rows run past the end";
    return facts;
}

// Skips a run of GIF data sub-blocks; returns the offset after the terminator.
std::size_t SkipSubBlocks(const Bytes& b, std::size_t at) {
    while (at < b.size() && b[at] != 0) at += 1 + b[at];
    return at + 1;
}

ImageFacts Gif(const Bytes& b) {
    ImageFacts facts;
    facts.kind = Kind::Gif;
    if (b.size() < 13) {
        facts.problem = "shorter than its screen descriptor";
        return facts;
    }
    facts.width = static_cast<int>(Le16(b, 6));
    facts.height = static_cast<int>(Le16(b, 8));
    std::size_t at = 13;
    if (b[10] & 0x80) at += 3u * (2u << (b[10] & 7));
    while (at < b.size()) {
        const unsigned char block = b[at];
        if (block == 0x3B) return facts;  // trailer
        if (block == 0x21 && at + 1 < b.size()) {
            at = SkipSubBlocks(b, at + 2);
        } else if (block == 0x2C && at + 10 < b.size()) {
            ++facts.frames;
            const unsigned char packed = b[at + 9];
            at += 10;
            if (packed & 0x80) at += 3u * (2u << (packed & 7));
            at = SkipSubBlocks(b, at + 1);  // after the LZW minimum code size
        } else {
            facts.problem = "unknown block";
            return facts;
        }
    }
    facts.problem = "no trailer";
    return facts;
}

ImageFacts Jpeg(const Bytes& b) {
    ImageFacts facts;
    facts.kind = Kind::Jpeg;
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) {
            facts.problem = "marker expected";
            return facts;
        }
        const int marker = b[at + 1];
        const std::size_t length = Be16(b, at + 2);
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame && at + 10 <= b.size()) {
            if (facts.startOfFrame != 0) facts.problem = "two frames";
            facts.startOfFrame = marker;
            facts.height = static_cast<int>(Be16(b, at + 5));
            facts.width = static_cast<int>(Be16(b, at + 7));
            facts.components = b[at + 9];
            for (int c = 0; c < facts.components && at + 10 + 3 * c < b.size(); ++c)
                facts.componentIds.push_back(b[at + 10 + 3 * static_cast<std::size_t>(c)]);
        }
        if (marker == 0xDA) break;  // start of scan: the headers are over
        at += 2 + length;
    }
    if (facts.startOfFrame == 0) facts.problem = "no start of frame";
    if (b.size() < 2 || b[b.size() - 2] != 0xFF || b[b.size() - 1] != 0xD9) facts.problem = "no end-of-image marker";
    return facts;
}

}  // namespace

std::vector<unsigned char> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ImageFacts ReadFacts(const std::vector<unsigned char>& b) {
    if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return Bmp(b);
    if (b.size() >= 6 && (std::string(b.begin(), b.begin() + 6) == "GIF87a" || std::string(b.begin(), b.begin() + 6) == "GIF89a"))
        return Gif(b);
    if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return Jpeg(b);
    ImageFacts facts;
    facts.problem = "not a BMP, GIF or JPEG signature";
    return facts;
}

}  // namespace image_headers
