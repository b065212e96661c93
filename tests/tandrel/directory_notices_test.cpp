#include "tandrel/directory_notices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using tandrel::DirectoryList;
using tandrel::DirectoryNotice;
using tandrel::PieceKind;

struct RecordingNotice final : core::ShowNotice {
    std::vector<std::string> texts;
    void operator()(std::string_view text) override { texts.emplace_back(text); }
};

std::vector<std::string> Shown(DirectoryList list) {
    RecordingNotice notice;
    tandrel::ShowDslamDirectory(notice, list);
    return notice.texts;
}

bool StartsWith(const std::string& text, std::string_view start) { return text.starts_with(start); }

TEST(ShowDslamDirectory, EachButtonShowsItsNoticesInOrder) {
    const auto pondy = Shown(DirectoryList::PondyP2);
    ASSERT_EQ(pondy.size(), 1u);
    EXPECT_TRUE(StartsWith(pondy[0], "1   PY-Main-480 3505    192.0.2.")) << pondy[0];

    const auto okp = Shown(DirectoryList::OkpP2);
    ASSERT_EQ(okp.size(), 1u);
    EXPECT_TRUE(StartsWith(okp[0], "     1   OKP-480 3900    ")) << okp[0];

    const auto mp = Shown(DirectoryList::Mp);
    ASSERT_EQ(mp.size(), 2u);
    EXPECT_TRUE(StartsWith(mp[0], "1   Villianur-240   T2 VIN   ")) << mp[0];
    EXPECT_TRUE(StartsWith(mp[1], " 12  Tiruchitrambalam-240    T2 TCM  ")) << mp[1];

    const auto threeM = Shown(DirectoryList::ThreeM);
    ASSERT_EQ(threeM.size(), 2u);
    EXPECT_TRUE(StartsWith(threeM[0], "1. AUROVILLE T2 TCM   ")) << threeM[0];
    EXPECT_TRUE(StartsWith(threeM[1], "   11  RAINBOWNAGAR    LSP  ")) << threeM[1];

    const auto others = Shown(DirectoryList::Others);
    ASSERT_EQ(others.size(), 1u);
    EXPECT_TRUE(StartsWith(others[0], "1   T2-->OKP-->T1 CHENNAI       ")) << others[0];
}

TEST(ShowDslamDirectory, RepeatsTheSameTexts) {
    for (const DirectoryList list : {DirectoryList::PondyP2, DirectoryList::OkpP2, DirectoryList::Mp,
                                     DirectoryList::ThreeM, DirectoryList::Others}) {
        EXPECT_EQ(Shown(list), Shown(list));
    }
}

struct Edges {
    DirectoryList list;
    std::size_t index;
    std::size_t leadingBlanks;
    const char* end;
};

// Leading blanks, and the exact end (trailing blanks included, or none).
TEST(DirectoryNotices, BeginAndEndExactly) {
    const Edges edges[] = {
        {DirectoryList::PondyP2, 0, 0, "192.0.2.36 , 37 UTS "},
        {DirectoryList::OkpP2, 0, 5, "12  Thattanchavady-120  3906    198.51.100.16    HTL "},
        {DirectoryList::Mp, 0, 0, "11 Kalapet-240 T2 TCM   203.0.113.12   2012"},
        {DirectoryList::Mp, 1, 1, "24  PY-Main-480 T1 PY    203.0.113.27   2027"},
        {DirectoryList::ThreeM, 0, 0, "   2067  "},
        {DirectoryList::ThreeM, 1, 3, "16  TRICHITRAMBALAM T2 TCM   203.0.113.179   2078 "},
        {DirectoryList::Others, 0, 0, "2   T2-->PY-->T1 CHENNAI        198.51.100.2  3   TOTAL PORTS EQUIPPED        8152 "},
    };
    for (const Edges& edge : edges) {
        const std::string text = Shown(edge.list).at(edge.index);
        EXPECT_EQ(text.find_first_not_of(' '), edge.leadingBlanks) << text;
        EXPECT_TRUE(text.ends_with(edge.end)) << text;
    }
}

TEST(DirectoryNotices, HoldNoLineBreaks) {
    for (const DirectoryNotice& notice : tandrel::DirectoryNotices()) {
        const std::string text = notice.Text();
        EXPECT_EQ(text.find_first_of("\r\n\t"), std::string::npos) << text;
    }
}

struct Contents {
    const char* rowNumbers;  // the Number pieces, joined by blanks
    const char* vlans;       // the Vlan pieces, joined by "|"
};

std::string Joined(const DirectoryNotice& notice, PieceKind kind, const char* glue) {
    std::string joined;
    for (const auto& row : notice.rows) {
        for (const auto& piece : row.pieces) {
            if (piece.kind == kind) {
                if (!joined.empty()) joined += glue;
                joined.append(piece.text);
            }
        }
    }
    return joined;
}

TEST(DirectoryNotices, HoldTheirRowsAndVlansInOrder) {
    const Contents expected[] = {
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17",
         "3505|3500|3504|3912|3605|3602|3780|3789|3911|3914|3915|3913|1192|1196|1190.1191,1193|3910|1182 , 83"},
        {"1 2 3 4 5 6 7 8 9 10 11 12",
         "3900|3901|3902|3903|3904|3905|1180 ,81|1184 , 85|3522|3523|451 , 452|3906"},
        {"1 2 3 4 5 6 7 8 9 10 11", "2002|2003|2004|2005|2006|2007|2008|2009|2024|2011|2012"},
        {"12 13 14 15 16 17 18 19 20 21 22 23 24",
         "2013|2014|2015|2016|2017|2018|2019|2020|2021|2022|2023|2025|2027"},
        {"1. 2 3 4 5 6 7 8 9 10",
         "2050|2051|2078|2052|2053|2054|2055|2056|2057|2058|2059|2060|2061|2062|2063|2064|2065|2066|2067"},
        {"11 12 13 13 14 15 16", "2068|2069|2070|2071|2072|2073|2074|2075|2076|2077|2078"},
        {"1 2 3", ""},
    };
    const auto notices = tandrel::DirectoryNotices();
    ASSERT_EQ(notices.size(), std::size(expected));
    for (std::size_t i = 0; i < notices.size(); ++i) {
        EXPECT_EQ(Joined(notices[i], PieceKind::Number, " "), expected[i].rowNumbers) << "notice " << i;
        EXPECT_EQ(Joined(notices[i], PieceKind::Vlan, "|"), expected[i].vlans) << "notice " << i;
    }
}

TEST(DirectoryNotices, NoticesOfEachListAreInButtonOrder) {
    const auto all = tandrel::DirectoryNotices();
    const DirectoryList order[] = {DirectoryList::PondyP2, DirectoryList::OkpP2, DirectoryList::Mp, DirectoryList::Mp,
                                   DirectoryList::ThreeM, DirectoryList::ThreeM, DirectoryList::Others};
    ASSERT_EQ(all.size(), std::size(order));
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].list, order[i]);
    }
    EXPECT_EQ(tandrel::NoticesOf(DirectoryList::Mp).data(), all.data() + 2);
    EXPECT_EQ(tandrel::NoticesOf(DirectoryList::ThreeM).size(), 2u);
}

TEST(DirectoryNotices, GroupTagsAsWrittenPerList) {
    const std::map<DirectoryList, std::set<std::string>> expected = {
        {DirectoryList::PondyP2, {"UTS", "HTL"}},
        {DirectoryList::OkpP2, {"UTS", "HTL"}},
        {DirectoryList::Mp, {"T2 VIN", "T1 PY", "T2 TCM", "T2V"}},
        {DirectoryList::ThreeM, {"T2 TCM", "OKP", "PY T1", "VIN", "LSP"}},
        {DirectoryList::Others, {}},
    };
    std::map<DirectoryList, std::set<std::string>> found;
    for (const DirectoryNotice& notice : tandrel::DirectoryNotices()) {
        auto& groups = found[notice.list];
        for (const auto& row : notice.rows)
            for (const auto& piece : row.pieces)
                if (piece.kind == PieceKind::Group) groups.emplace(piece.text);
    }
    EXPECT_EQ(found, expected);
}

// Gaps are blanks only and fields never begin or end with one, so that the
// pieces can be laid out as columns. Two fields meet without a gap only where
// a group tag runs into its address.
TEST(DirectoryRows, PiecesAreFieldsSeparatedByGaps) {
    for (const DirectoryNotice& notice : tandrel::DirectoryNotices()) {
        for (const auto& row : notice.rows) {
            const std::string text = row.Text();
            ASSERT_FALSE(row.pieces.empty());
            // Only a notice's leading blanks open a row.
            const bool opensWithGap = row.pieces.front().kind == PieceKind::Gap;
            EXPECT_TRUE(!opensWithGap || &row == &notice.rows.front()) << text;
            for (std::size_t i = 0; i < row.pieces.size(); ++i) {
                const auto& piece = row.pieces[i];
                const std::string piece_text =
                    piece.kind == PieceKind::Address ? piece.address.Text() : std::string(piece.text);
                ASSERT_FALSE(piece_text.empty()) << text;
                if (piece.kind == PieceKind::Gap) {
                    EXPECT_EQ(piece_text.find_first_not_of(' '), std::string::npos) << text;
                    if (i > 0) {
                        EXPECT_NE(row.pieces[i - 1].kind, PieceKind::Gap) << text;
                    }
                    continue;
                }
                EXPECT_NE(piece_text.front(), ' ') << text;
                EXPECT_NE(piece_text.back(), ' ') << text;
                if (i > 0 && row.pieces[i - 1].kind != PieceKind::Gap) {
                    EXPECT_EQ(row.pieces[i - 1].kind, PieceKind::Group) << text;
                    EXPECT_EQ(piece.kind, PieceKind::Address) << text;
                }
            }
        }
    }
}

// The first of an address text's addresses in full, the others by last number.
std::vector<std::string> Addresses(const tandrel::AddressText& address) {
    const std::string first(address.first);
    const std::string prefix = first.substr(0, first.rfind('.') + 1);
    std::vector<std::string> all{first};
    if (!address.second.empty()) all.push_back(prefix + std::string(address.second));
    if (!address.third.empty()) all.push_back(prefix + std::string(address.third));
    return all;
}

bool IsDocumentationAddress(const std::string& address) {
    int parts[4] = {};
    const char* at = address.data();
    const char* end = address.data() + address.size();
    for (int i = 0; i < 4; ++i) {
        const auto [next, error] = std::from_chars(at, end, parts[i]);
        if (error != std::errc() || parts[i] < 0 || parts[i] > 255) return false;
        at = next;
        if (i < 3) {
            if (at == end || *at != '.') return false;
            ++at;
        }
    }
    if (at != end) return false;
    return (parts[0] == 192 && parts[1] == 0 && parts[2] == 2) ||
           (parts[0] == 198 && parts[1] == 51 && parts[2] == 100) ||
           (parts[0] == 203 && parts[1] == 0 && parts[2] == 113);
}

TEST(DirectoryRows, AddressesAreUniqueDocumentationAddresses) {
    std::set<std::string> seen;
    for (const DirectoryNotice& notice : tandrel::DirectoryNotices()) {
        for (const auto& row : notice.rows) {
            for (const auto& piece : row.pieces) {
                if (piece.kind != PieceKind::Address) continue;
                for (const std::string& address : Addresses(piece.address)) {
                    EXPECT_TRUE(IsDocumentationAddress(address)) << address;
                    EXPECT_TRUE(seen.insert(address).second) << "twice: " << address;
                }
            }
        }
    }
}

struct AddressForm {
    std::size_t notice;
    std::size_t row;
    const char* shape;  // the address text with each number written as "n"
};

std::string Shape(const std::string& text) {
    std::string shape;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (shape.empty() || shape.back() != 'n') shape += 'n';
        } else {
            shape += c;
        }
    }
    return shape;
}

TEST(DirectoryRows, AddressTextsTakeTheirRowsForms) {
    const AddressForm forms[] = {
        {0, 0, "n.n.n.n , n"}, {0, 1, "n.n.n.n"},     {0, 7, "n.n.n.n ,n"}, {0, 13, "n.n.n.n ,  n"},
        {0, 14, "n.n.n.n,n,n"}, {0, 16, "n.n.n.n , n"}, {1, 0, "n.n.n.n"},    {1, 6, "n.n.n.n , n"},
        {1, 10, "n.n.n.n , n"}, {2, 2, "n.n.n.n"},     {4, 1, "n.n.n.n"},    {6, 1, "n.n.n.n"},
    };
    const auto notices = tandrel::DirectoryNotices();
    for (const AddressForm& form : forms) {
        const auto& row = notices[form.notice].rows[form.row];
        std::vector<std::string> shapes;
        for (const auto& piece : row.pieces)
            if (piece.kind == PieceKind::Address) shapes.push_back(Shape(piece.address.Text()));
        ASSERT_EQ(shapes.size(), 1u) << row.Text();
        EXPECT_EQ(shapes[0], form.shape) << row.Text();
    }
}

TEST(DirectoryRows, ThreeMRowsWithTwoEntriesHoldTwoAddresses) {
    // Rows "1.", 3 to 10 of the first notice; 11, the second 13, 14 and 15 of the second.
    const std::pair<std::size_t, std::vector<std::size_t>> twoAddressRows[] = {
        {4, {0, 2, 3, 4, 5, 6, 7, 8, 9}},
        {5, {0, 3, 4, 5}},
    };
    const auto notices = tandrel::DirectoryNotices();
    for (const auto& [notice, rows] : twoAddressRows) {
        for (std::size_t row = 0; row < notices[notice].rows.size(); ++row) {
            std::size_t addresses = 0;
            for (const auto& piece : notices[notice].rows[row].pieces)
                addresses += piece.kind == PieceKind::Address ? 1 : 0;
            const bool two = std::find(rows.begin(), rows.end(), row) != rows.end();
            EXPECT_EQ(addresses, two ? 2u : 1u) << notices[notice].rows[row].Text();
        }
    }
}

TEST(DirectoryRows, RowTextsAreExact) {
    const auto notices = tandrel::DirectoryNotices();
    EXPECT_EQ(notices[0].rows[14].Text(), "15  Pondy Main-96   1190.1191,1193  192.0.2.32,33,34   HTL ");
    EXPECT_EQ(notices[0].rows[7].Text(), "8   Rainbow Nagar-480   3789    192.0.2.22 ,23 UTS ");
    EXPECT_EQ(notices[2].rows[2].Text(), "3   Kandamangalam -96   T2V203.0.113.4  2004 ");
    EXPECT_EQ(notices[4].rows[5].Text(),
              "6   PONDY-MAIN-1    PY T1    203.0.113.158   2058                 203.0.113.159   2059    ");
    EXPECT_EQ(notices[5].rows[2].Text(), "13  TRICHITRAMBALAM      203.0.113.171   2071    ");
    EXPECT_EQ(notices[6].rows[2].Text(), "3   TOTAL PORTS EQUIPPED        8152 ");
}

}  // namespace
