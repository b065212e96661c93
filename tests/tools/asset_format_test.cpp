// The committed picture files in orvane/assets/ have exactly the agreed
// format, size and depth, read from their own header bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>

#include "expected_assets.h"
#include "image_headers.h"

namespace {

namespace fs = std::filesystem;
using expected_assets::ExpectedAsset;
using image_headers::ImageFacts;

}  // namespace

namespace expected_assets {
void PrintTo(const ExpectedAsset& asset, std::ostream* out) { *out << asset.file; }
}  // namespace expected_assets

namespace {

const fs::path kAssetsDir = ORVANE_ASSETS_DIR;

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += "\n  " + text;
    return joined;
}

class CommittedAsset : public testing::TestWithParam<ExpectedAsset> {};

TEST_P(CommittedAsset, HeaderHasTheAgreedFormatSizeAndDepth) {
    const fs::path file = kAssetsDir / GetParam().file;
    ASSERT_TRUE(fs::exists(file)) << file;
    const ImageFacts facts = image_headers::ReadFacts(image_headers::ReadBytes(file));
    const auto mismatches = expected_assets::Mismatches(facts, GetParam());
    EXPECT_TRUE(mismatches.empty()) << file << Joined(mismatches);
}

std::string TestName(const testing::TestParamInfo<ExpectedAsset>& info) {
    std::string name = info.param.file;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(OrvaneAssets, CommittedAsset, testing::ValuesIn(expected_assets::ExpectedAssets()), TestName);

TEST(OrvaneAssetsFolder, HoldsNoPictureOutsideTheAgreedList) {
    std::set<std::string> agreed;
    for (const ExpectedAsset& asset : expected_assets::ExpectedAssets()) agreed.insert(asset.file);
    for (const fs::directory_entry& entry : fs::directory_iterator(kAssetsDir)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".bmp" && extension != ".gif" && extension != ".jpg" && extension != ".jpeg") continue;
        EXPECT_TRUE(agreed.count(entry.path().filename().string())) << "unlisted picture " << entry.path();
    }
}

// The checker itself: the faults it exists to catch are reported.
std::vector<unsigned char> BmpHeaders(int width, int height, int bits, std::uint32_t compression, std::uint32_t colours) {
    const std::uint32_t row = (static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits) + 31) / 32 * 4;
    // biClrUsed 0 means a full palette of 2^bits entries.
    const std::uint32_t entries = colours == 0 ? (1u << bits) : colours;
    const std::uint32_t offset = 54 + 4 * entries;
    const std::uint32_t size = offset + row * static_cast<std::uint32_t>(height);
    std::vector<unsigned char> b(size, 0);
    auto put = [&b](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, size, 4);
    put(10, offset, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, static_cast<std::uint32_t>(bits), 2);
    put(30, compression, 4);
    put(46, colours, 4);
    return b;
}

TEST(AssetHeaderCheck, ReportsEachWayAnEightBitBitmapCanGoWrong) {
    const ExpectedAsset form6{"form6.bmp", image_headers::Kind::Bmp, 960, 720, 8};
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        bool acceptable;
    };
    const Case cases[] = {
        {"8 bits, 176 colours", BmpHeaders(960, 720, 8, 0, 176), true},
        {"8 bits, full 256 palette", BmpHeaders(960, 720, 8, 0, 0), true},
        {"dropped to 4 bits", BmpHeaders(960, 720, 4, 0, 16), false},
        {"8 bits, only 16 colours", BmpHeaders(960, 720, 8, 0, 16), false},
        {"run-length compressed", BmpHeaders(960, 720, 8, 1, 176), false},
        {"one pixel short", BmpHeaders(959, 720, 8, 0, 176), false},
    };
    for (const Case& c : cases) {
        const auto mismatches = expected_assets::Mismatches(image_headers::ReadFacts(c.bytes), form6);
        EXPECT_EQ(mismatches.empty(), c.acceptable) << c.what << Joined(mismatches);
    }
    std::vector<unsigned char> truncated = BmpHeaders(960, 720, 8, 0, 176);
    truncated.resize(truncated.size() / 2);
    EXPECT_FALSE(expected_assets::Mismatches(image_headers::ReadFacts(truncated), form6).empty());
}

}  // namespace
