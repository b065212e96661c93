// The invented officers' and MPLS tables: plainly marked, names in the page's
// letter range and in order, numbers undiallable, addresses only from the
// documentation ranges, and the same rows every time.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "asset_catalog.h"
#include "sample_pages.h"

namespace pictures {
void PrintTo(const AssetDefinition& asset, std::ostream* out) { *out << asset.file; }
}  // namespace pictures

namespace {

using pictures::AssetDefinition;
using pictures::Content;
using pictures::PageTable;

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

PageTable SampleOf(const AssetDefinition& asset, int rows) {
    return asset.content == Content::Mpls ? pictures::MplsTable(asset.title, asset.names, asset.seed, rows)
                                          : pictures::OfficersTable(asset.title, asset.names, asset.phone, asset.seed, rows);
}

// Host part of an address in one of the ranges, or -1.
int HostIn(std::string_view address, std::string_view network) {
    if (!StartsWith(address, network)) return -1;
    std::string_view host = address.substr(network.size());
    host = host.substr(0, host.find('/'));
    if (!AllDigits(host) || host.size() > 3) return -1;
    return std::stoi(std::string(host));
}

class SamplePage : public testing::TestWithParam<AssetDefinition> {};

TEST_P(SamplePage, IsMarkedAsSampleAndTitledByItsCaption) {
    const PageTable table = SampleOf(GetParam(), 40);
    EXPECT_TRUE(table.sample);
    EXPECT_TRUE(StartsWith(table.note, "SAMPLE DATA")) << table.note;
    EXPECT_EQ(table.title, GetParam().title);
}

TEST_P(SamplePage, RowsAreDistinctNumberedAndSortedWithinTheLetterRange) {
    const AssetDefinition& asset = GetParam();
    const PageTable table = SampleOf(asset, 110);  // as many as the tallest page
    ASSERT_EQ(table.rows.size(), 110u);
    std::set<std::string> names;
    std::set<char> letters;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::string& name = table.rows[r].cells.at(1);
        EXPECT_EQ(table.rows[r].cells.at(0), std::to_string(r + 1));
        ASSERT_FALSE(name.empty());
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        EXPECT_GE(letter, asset.names.first) << name;
        EXPECT_LE(letter, asset.names.last) << name;
        letters.insert(letter);
        if (r > 0) {
            EXPECT_LE(table.rows[r - 1].cells[1], name);
        }
        EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
    }
    EXPECT_EQ(letters.size(), static_cast<std::size_t>(asset.names.last - asset.names.first + 1));
}

TEST_P(SamplePage, NumbersAndAddressesAreOnlyPlaceholders) {
    const AssetDefinition& asset = GetParam();
    const PageTable table = SampleOf(asset, 110);
    for (const pictures::PageRow& row : table.rows) {
        if (asset.content == Content::Officers) {
            const std::string& phone = row.cells.back();
            const std::string_view prefix = asset.phone == pictures::PhoneKind::Mobile ? "00000-" : "0000-2";
            EXPECT_TRUE(StartsWith(phone, prefix)) << phone;
            EXPECT_TRUE(AllDigits(std::string_view(phone).substr(prefix.size()))) << phone;
        } else {
            const int loopback = HostIn(row.cells.at(3), "192.0.2.");
            const int management = HostIn(row.cells.at(4), "198.51.100.");
            const int uplink = HostIn(row.cells.at(5), "203.0.113.");
            for (const int host : {loopback, management, uplink}) {
                EXPECT_GE(host, 1) << row.cells[1];
                EXPECT_LE(host, 254) << row.cells[1];
            }
        }
    }
}

TEST_P(SamplePage, SameRowsOnEveryCall) {
    const PageTable first = SampleOf(GetParam(), 60);
    const PageTable second = SampleOf(GetParam(), 60);
    ASSERT_EQ(first.rows.size(), second.rows.size());
    for (std::size_t r = 0; r < first.rows.size(); ++r) EXPECT_EQ(first.rows[r].cells, second.rows[r].cells);
}

std::vector<AssetDefinition> SampleAssets() {
    std::vector<AssetDefinition> assets;
    for (const AssetDefinition& asset : pictures::AssetCatalog())
        if (asset.content == Content::Officers || asset.content == Content::Mpls) assets.push_back(asset);
    return assets;
}

std::string TestName(const testing::TestParamInfo<AssetDefinition>& info) {
    std::string name(info.param.file);
    return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(OfficersAndMpls, SamplePage, testing::ValuesIn(SampleAssets()), TestName);

}  // namespace
