// The DSLAM pages show exactly the rows of tandrel's directory table.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "asset_catalog.h"
#include "directory_pages.h"
#include "tandrel/directory_rows.h"

namespace {

using pictures::PageTable;
using tandrel::DirectoryList;
using tandrel::PieceKind;

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::vector<std::string> NonEmptyLines(const std::string& cell) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= cell.size()) {
        const std::size_t end = std::min(cell.find('\n', start), cell.size());
        if (end > start) lines.push_back(cell.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> PieceTexts(const tandrel::DirectoryRow& row, PieceKind kind) {
    std::vector<std::string> texts;
    for (const tandrel::Piece& piece : row.pieces) {
        if (piece.kind != kind) continue;
        texts.push_back(Trimmed(kind == PieceKind::Address ? piece.address.Text() : std::string(piece.text)));
    }
    return texts;
}

std::size_t Column(const PageTable& table, std::string_view header) {
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        if (table.columns[c].header == header) return c;
    ADD_FAILURE() << "no column " << header;
    return 0;
}

struct ListCase {
    DirectoryList list;
    const char* caption;
    const char* vlanHeader;
    const char* nameHeader;
};

constexpr ListCase kLists[] = {
    {DirectoryList::PondyP2, "PONDY-P2 CONNECTED DSLAMS", "DSLAM VLAN(S)", "DSLAM"},
    {DirectoryList::OkpP2, "OKP-P2 CONNECTED DSLAMS", "DSLAM VLAN(S)", "DSLAM"},
    {DirectoryList::Mp, "MP DSLAMS", "DSLAM VLAN", "DSLAM"},
    {DirectoryList::ThreeM, "3M DSLAMS", "DSLAM VLAN", "DSLAM"},
    {DirectoryList::Others, "OTHERS", nullptr, "LINK"},
};

TEST(DirectoryPage, EveryRowShowsItsNumberNameVlansAddressesAndGroupsInOrder) {
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(c.caption);
        const PageTable table = pictures::DirectoryPageTable(c.list, c.caption);
        EXPECT_EQ(table.title, c.caption);

        std::vector<const tandrel::DirectoryRow*> rows;
        for (const tandrel::DirectoryNotice& notice : tandrel::NoticesOf(c.list))
            for (const tandrel::DirectoryRow& row : notice.rows) rows.push_back(&row);
        ASSERT_EQ(table.rows.size(), rows.size());

        for (std::size_t r = 0; r < rows.size(); ++r) {
            const tandrel::DirectoryRow& row = *rows[r];
            const auto& cells = table.rows[r].cells;
            SCOPED_TRACE(row.Text());
            ASSERT_EQ(cells.size(), table.columns.size());
            EXPECT_EQ(NonEmptyLines(cells[Column(table, "No.")]), PieceTexts(row, PieceKind::Number));
            EXPECT_EQ(NonEmptyLines(cells[Column(table, "ADDRESS")]), PieceTexts(row, PieceKind::Address));
            if (c.vlanHeader != nullptr) {
                EXPECT_EQ(NonEmptyLines(cells[Column(table, c.vlanHeader)]), PieceTexts(row, PieceKind::Vlan));
                EXPECT_EQ(NonEmptyLines(cells[Column(table, "GROUP")]), PieceTexts(row, PieceKind::Group));
                EXPECT_EQ(NonEmptyLines(cells[Column(table, c.nameHeader)]), PieceTexts(row, PieceKind::Name));
            } else {
                // OTHERS: the link words, or the total's words and count, in one cell.
                const std::string& words = cells[Column(table, c.nameHeader)];
                std::size_t from = 0;
                for (const std::string& text : PieceTexts(row, PieceKind::Text)) {
                    const std::size_t at = words.find(text, from);
                    EXPECT_NE(at, std::string::npos) << text;
                    if (at != std::string::npos) from = at + text.size();
                }
            }
        }
    }
}

TEST(DirectoryPage, SecondNoticeStartsANewGroupOfRows) {
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(c.caption);
        const PageTable table = pictures::DirectoryPageTable(c.list, c.caption);
        std::vector<std::size_t> expected;
        std::size_t index = 0;
        bool first = true;
        for (const tandrel::DirectoryNotice& notice : tandrel::NoticesOf(c.list)) {
            if (!first) expected.push_back(index);
            first = false;
            index += notice.rows.size();
        }
        std::vector<std::size_t> starts;
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            if (table.rows[r].startsGroup) starts.push_back(r);
        EXPECT_EQ(starts, expected);
    }
}

// A 3M row with two entries keeps each group tag, address and VLAN on the
// line of its own entry.
TEST(DirectoryPage, ThreeMEntriesLineUpGroupAddressAndVlan) {
    const PageTable table = pictures::DirectoryPageTable(DirectoryList::ThreeM, "3M DSLAMS");
    const std::size_t group = Column(table, "GROUP");
    const std::size_t vlan = Column(table, "DSLAM VLAN");
    const std::size_t address = Column(table, "ADDRESS");
    struct Case {
        std::size_t row;
        std::string number, group, vlan;
    };
    const Case cases[] = {
        {0, "1.", "T2 TCM\nT2 TCM", "2050\n2051"},  // tag written for both entries
        {2, "3", "OKP\n", "2052\n2053"},            // tag written once, for the first
        {1, "2", "T2 TCM", "2078"},                 // a single entry
        {12, "13", "", "2071"},                     // the row 13 without a tag
    };
    for (const Case& c : cases) {
        const auto& cells = table.rows.at(c.row).cells;
        EXPECT_EQ(cells[0], c.number);
        EXPECT_EQ(cells[group], c.group) << c.number;
        EXPECT_EQ(cells[vlan], c.vlan) << c.number;
        EXPECT_EQ(NonEmptyLines(cells[address]).size(), NonEmptyLines(c.vlan).size()) << c.number;
    }
}

TEST(DirectoryPage, EachDslamPictureDrawsTheListOfItsButton) {
    int pages = 0;
    for (const pictures::AssetDefinition& asset : pictures::AssetCatalog()) {
        if (asset.content != pictures::Content::Directory) continue;
        ++pages;
        for (const ListCase& c : kLists)
            if (c.list == asset.list) {
                EXPECT_EQ(asset.title, c.caption) << asset.file;
            }
    }
    EXPECT_EQ(pages, 5);
}

}  // namespace
