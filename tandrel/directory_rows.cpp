#include "tandrel/directory_rows.h"

#include <algorithm>

// Every row as tagged pieces. A field keeps its own inner blanks ("Rainbow
// Nagar-480", "1182 , 83"); a Gap is the run of blanks between two fields,
// and a notice's leading blanks open its first row. The addresses are taken
// from the documentation ranges: PONDY-P2 in 192.0.2.x, OKP-P2 and the links
// in 198.51.100.x, MP in 203.0.113.(VLAN - 2000), 3M in 203.0.113.(VLAN - 1900).
namespace tandrel {

namespace {

constexpr Piece Number(std::string_view text) { return {PieceKind::Number, text, {}}; }
constexpr Piece Name(std::string_view text) { return {PieceKind::Name, text, {}}; }
constexpr Piece Vlan(std::string_view text) { return {PieceKind::Vlan, text, {}}; }
constexpr Piece Group(std::string_view text) { return {PieceKind::Group, text, {}}; }
constexpr Piece Words(std::string_view text) { return {PieceKind::Text, text, {}}; }
constexpr Piece Gap(std::string_view text) { return {PieceKind::Gap, text, {}}; }
constexpr Piece Address(std::string_view first, std::string_view separator = {},
                        std::string_view second = {}, std::string_view third = {}) {
    return {PieceKind::Address, {}, {first, separator, second, third}};
}

// PONDY-P2: number, name, VLAN(s), address, group.
constexpr Piece kPondy1[] = {Number("1"), Gap("   "), Name("PY-Main-480"), Gap(" "), Vlan("3505"), Gap("    "),
                             Address("192.0.2.10", " , ", "11"), Gap("   "), Group("UTS"), Gap(" ")};
constexpr Piece kPondy2[] = {Number("2"), Gap("   "), Name("Py-Main-240"), Gap(" "), Vlan("3500"), Gap("    "),
                             Address("192.0.2.12"), Gap(" "), Group("UTS"), Gap(" ")};
constexpr Piece kPondy3[] = {Number("3"), Gap("   "), Name("Lawspet-480"), Gap(" "), Vlan("3504"), Gap("    "),
                             Address("192.0.2.14", " , ", "15"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy4[] = {Number("4"), Gap("   "), Name("Lawspet-240"), Gap(" "), Vlan("3912"), Gap("    "),
                             Address("192.0.2.16"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy5[] = {Number("5"), Gap("   "), Name("Moolakulam-120"), Gap("  "), Vlan("3605"), Gap("    "),
                             Address("192.0.2.17"), Gap("   "), Group("UTS"), Gap(" ")};
constexpr Piece kPondy6[] = {Number("6"), Gap("   "), Name("Lawspet-120"), Gap(" "), Vlan("3602"), Gap("    "),
                             Address("192.0.2.18"), Gap("   "), Group("UTS"), Gap(" ")};
constexpr Piece kPondy7[] = {Number("7"), Gap("   "), Name("Elangonagar-480"), Gap(" "), Vlan("3780"), Gap("    "),
                             Address("192.0.2.20", " , ", "21"), Gap("  "), Group("UTS"), Gap(" ")};
constexpr Piece kPondy8[] = {Number("8"), Gap("   "), Name("Rainbow Nagar-480"), Gap("   "), Vlan("3789"), Gap("    "),
                             Address("192.0.2.22", " ,", "23"), Gap(" "), Group("UTS"), Gap(" ")};
constexpr Piece kPondy9[] = {Number("9"), Gap("   "), Name("Auroville-240"), Gap("   "), Vlan("3911"), Gap("    "),
                             Address("192.0.2.24"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy10[] = {Number("10"), Gap("  "), Name("Kalapet-120"), Gap(" "), Vlan("3914"), Gap("    "),
                              Address("192.0.2.25"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy11[] = {Number("11"), Gap("  "), Name("Tiruchitrambalam-120"), Gap("    "), Vlan("3915"), Gap("    "),
                              Address("192.0.2.26"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy12[] = {Number("12"), Gap("  "), Name("Badharsahib-DLC-240"), Gap(" "), Vlan("3913"), Gap("    "),
                              Address("192.0.2.27"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy13[] = {Number("13"), Gap("  "), Name("Tirukanur  32 -DSLM"), Gap(" "), Vlan("1192"), Gap("    "),
                              Address("192.0.2.28"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy14[] = {Number("14"), Gap("  "), Name("Karikalampakkam-64"), Gap("  "), Vlan("1196"), Gap("    "),
                              Address("192.0.2.30", " ,  ", "31"), Gap("    "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy15[] = {Number("15"), Gap("  "), Name("Pondy Main-96"), Gap("   "), Vlan("1190.1191,1193"), Gap("  "),
                              Address("192.0.2.32", ",", "33", "34"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy16[] = {Number("16"), Gap("  "), Name("Muthialpet-480"), Gap("  "), Vlan("3910"), Gap("    "),
                              Address("192.0.2.35"), Gap("   "), Group("HTL"), Gap(" ")};
constexpr Piece kPondy17[] = {Number("17"), Gap("  "), Name("Kandamangalam -64"), Gap("   "), Vlan("1182 , 83"), Gap("   "),
                              Address("192.0.2.36", " , ", "37"), Gap(" "), Group("UTS"), Gap(" ")};

constexpr DirectoryRow kPondyRows[] = {
    {kPondy1},  {kPondy2},  {kPondy3},  {kPondy4},  {kPondy5},  {kPondy6},  {kPondy7},  {kPondy8}, {kPondy9},
    {kPondy10}, {kPondy11}, {kPondy12}, {kPondy13}, {kPondy14}, {kPondy15}, {kPondy16}, {kPondy17},
};

// OKP-P2: number, name, VLAN(s), address, group; the notice opens with five blanks.
constexpr Piece kOkp1[] = {Gap("     "), Number("1"), Gap("   "), Name("OKP-480"), Gap(" "), Vlan("3900"), Gap("    "),
                           Address("198.51.100.10"), Gap(" "), Group("HTL"), Gap("     ")};
constexpr Piece kOkp2[] = {Number("2"), Gap("   "), Name("Ariyankuppam-240"), Gap("    "), Vlan("3901"), Gap("    "),
                           Address("198.51.100.11"), Gap(" "), Group("HTL"), Gap("     ")};
constexpr Piece kOkp3[] = {Number("3"), Gap("   "), Name("Moolakulam-240"), Gap("  "), Vlan("3902"), Gap("    "),
                           Address("198.51.100.12"), Gap(" "), Group("HTL"), Gap("     ")};
constexpr Piece kOkp4[] = {Number("4"), Gap("   "), Name("Kirumampakkam-120"), Gap("   "), Vlan("3903"), Gap("    "),
                           Address("198.51.100.13"), Gap("    "), Group("HTL"), Gap("     ")};
constexpr Piece kOkp5[] = {Number("5"), Gap("   "), Name("Tirubhuvanai-120"), Gap("    "), Vlan("3904"), Gap("    "),
                           Address("198.51.100.14"), Gap("    "), Group("HTL"), Gap("     ")};
constexpr Piece kOkp6[] = {Number("6"), Gap("   "), Name("Villianur-120"), Gap("   "), Vlan("3905"), Gap("    "),
                           Address("198.51.100.15"), Gap("    "), Group("HTL"), Gap("     ")};
constexpr Piece kOkp7[] = {Number("7"), Gap("   "), Name("Bahour-64"), Gap("   "), Vlan("1180 ,81"), Gap("   "),
                           Address("198.51.100.20", " , ", "21"), Gap("   "), Group("UTS"), Gap("  ")};
constexpr Piece kOkp8[] = {Number("8"), Gap("   "), Name("Kariyamanickkam-64"), Gap("  "), Vlan("1184 , 85"), Gap("   "),
                           Address("198.51.100.22", " , ", "23"), Gap("   "), Group("UTS"), Gap("     ")};
constexpr Piece kOkp9[] = {Number("9"), Gap("   "), Name("Mettupalayam-480"), Gap("    "), Vlan("3522"), Gap("    "),
                           Address("198.51.100.24", " , ", "25"), Gap("  "), Group("UTS"), Gap("     ")};
constexpr Piece kOkp10[] = {Number("10"), Gap("  "), Name("Natesan Nagar-480"), Gap("   "), Vlan("3523"), Gap("    "),
                            Address("198.51.100.26", " , ", "27"), Gap("   "), Group("UTS"), Gap("     ")};
constexpr Piece kOkp11[] = {Number("11"), Gap("  "), Name("Tavalakuppam-64"), Gap(" "), Vlan("451 , 452"), Gap("   "),
                            Address("198.51.100.28", " , ", "29"), Gap(" "), Group("UTS"), Gap("     ")};
constexpr Piece kOkp12[] = {Number("12"), Gap("  "), Name("Thattanchavady-120"), Gap("  "), Vlan("3906"), Gap("    "),
                            Address("198.51.100.16"), Gap("    "), Group("HTL"), Gap(" ")};

constexpr DirectoryRow kOkpRows[] = {
    {kOkp1}, {kOkp2}, {kOkp3}, {kOkp4}, {kOkp5}, {kOkp6}, {kOkp7}, {kOkp8}, {kOkp9}, {kOkp10}, {kOkp11}, {kOkp12},
};

// MP: number, name, group, address, VLAN.
constexpr Piece kMp1[] = {Number("1"), Gap("   "), Name("Villianur-240"), Gap("   "), Group("T2 VIN"), Gap("   "),
                          Address("203.0.113.2"), Gap("    "), Vlan("2002"), Gap("    ")};
constexpr Piece kMp2[] = {Number("2"), Gap("   "), Name("Rainbow nagar -2-120"), Gap("    "), Group("T1 PY"), Gap("    "),
                          Address("203.0.113.3"), Gap("    "), Vlan("2003"), Gap("    ")};
// The tag "T2V" runs straight into the address.
constexpr Piece kMp3[] = {Number("3"), Gap("   "), Name("Kandamangalam -96"), Gap("   "), Group("T2V"),
                          Address("203.0.113.4"), Gap("  "), Vlan("2004"), Gap(" ")};
constexpr Piece kMp4[] = {Number("4"), Gap("  "), Name("Kariyamanickkam-120"), Gap(" "), Group("T2 VIN"), Gap("   "),
                          Address("203.0.113.5"), Gap("    "), Vlan("2005"), Gap(" ")};
constexpr Piece kMp5[] = {Number("5"), Gap("  "), Name("Kirumampakkam-120"), Gap("   "), Group("T2 VIN"), Gap("   "),
                          Address("203.0.113.6"), Gap("    "), Vlan("2006"), Gap(" ")};
constexpr Piece kMp6[] = {Number("6"), Gap("  "), Name("Tavalakuppam-120"), Gap(" "), Group("T2 VIN"), Gap("  "),
                          Address("203.0.113.7"), Gap("    "), Vlan("2007"), Gap(" ")};
constexpr Piece kMp7[] = {Number("7"), Gap("  "), Name("Thirubhuvanai-120"), Gap("   "), Group("T2 VIN"), Gap("   "),
                          Address("203.0.113.8"), Gap("    "), Vlan("2008"), Gap(" ")};
constexpr Piece kMp8[] = {Number("8"), Gap("  "), Name("Lawspet-480"), Gap(" "), Group("T2 VIN"), Gap("   "),
                          Address("203.0.113.9"), Gap("    "), Vlan("2009"), Gap(" ")};
constexpr Piece kMp9[] = {Number("9"), Gap("  "), Name("Moolakulam- 240"), Gap(" "), Group("T1 PY"), Gap("   "),
                          Address("203.0.113.24"), Gap("    "), Vlan("2024"), Gap(" ")};
constexpr Piece kMp10[] = {Number("10"), Gap(" "), Name("Auroville-240"), Gap("   "), Group("T2 TCM"), Gap("   "),
                           Address("203.0.113.11"), Gap("   "), Vlan("2011"), Gap(" ")};
// The first notice ends on the VLAN, with no blank after it.
constexpr Piece kMp11[] = {Number("11"), Gap(" "), Name("Kalapet-240"), Gap(" "), Group("T2 TCM"), Gap("   "),
                           Address("203.0.113.12"), Gap("   "), Vlan("2012")};

// The second MP notice opens with one blank.
constexpr Piece kMp12[] = {Gap(" "), Number("12"), Gap("  "), Name("Tiruchitrambalam-240"), Gap("    "), Group("T2 TCM"), Gap("  "),
                           Address("203.0.113.13"), Gap("    "), Vlan("2013"), Gap("    ")};
constexpr Piece kMp13[] = {Number("13"), Gap("  "), Name("Katterikuppam-120"), Gap("   "), Group("T2 TCM"), Gap("   "),
                           Address("203.0.113.14"), Gap("   "), Vlan("2014"), Gap(" ")};
constexpr Piece kMp14[] = {Number("14"), Gap(" "), Name("Tirukanur-120"), Gap("   "), Group("T2 TCM"), Gap("   "),
                           Address("203.0.113.15"), Gap("   "), Vlan("2015"), Gap(" ")};
constexpr Piece kMp15[] = {Number("15"), Gap(" "), Name("Ariyankuppam-120"), Gap("        "), Group("T2 VIN"), Gap("   "),
                           Address("203.0.113.16"), Gap("   "), Vlan("2016"), Gap(" ")};
constexpr Piece kMp16[] = {Number("16"), Gap(" "), Name("Mettupalayam-480"), Gap("    "), Group("T1 PY"), Gap("    "),
                           Address("203.0.113.17"), Gap("   "), Vlan("2017"), Gap(" ")};
constexpr Piece kMp17[] = {Number("17"), Gap(" "), Name("Elango nagar-480"), Gap("    "), Group("T1 PY"), Gap("    "),
                           Address("203.0.113.18"), Gap("   "), Vlan("2018"), Gap(" ")};
constexpr Piece kMp18[] = {Number("18"), Gap(" "), Name("Rainbow Nagar-1-240"), Gap(" "), Group("T1 PY"), Gap("    "),
                           Address("203.0.113.19"), Gap("   "), Vlan("2019"), Gap(" ")};
constexpr Piece kMp19[] = {Number("19"), Gap(" "), Name("Natesan Nagar-1-240"), Gap(" "), Group("T1 PY"), Gap("    "),
                           Address("203.0.113.20"), Gap("   "), Vlan("2020"), Gap(" ")};
constexpr Piece kMp20[] = {Number("20"), Gap(" "), Name("Muthialpet -240"), Gap(" "), Group("T1 PY"), Gap("    "),
                           Address("203.0.113.21"), Gap("   "), Vlan("2021"), Gap("        ")};
constexpr Piece kMp21[] = {Number("21"), Gap("  "), Name("Natesan Nagar-2-240"), Gap(" "), Group("T1 PY"), Gap("    "),
                           Address("203.0.113.22"), Gap("   "), Vlan("2022"), Gap("    ")};
constexpr Piece kMp22[] = {Number("22"), Gap("  "), Name("Badharsahib-DLC -120"), Gap("    "), Group("T1 PY"), Gap("    "),
                           Address("203.0.113.23"), Gap("   "), Vlan("2023"), Gap("    ")};
constexpr Piece kMp23[] = {Number("23"), Gap("  "), Name("Okp-240"), Gap(" "), Group("T1 PY"), Gap(" "),
                           Address("203.0.113.25"), Gap("  "), Vlan("2025"), Gap("    ")};
constexpr Piece kMp24[] = {Number("24"), Gap("  "), Name("PY-Main-480"), Gap(" "), Group("T1 PY"), Gap("    "),
                           Address("203.0.113.27"), Gap("   "), Vlan("2027")};

constexpr DirectoryRow kMpFirstRows[] = {
    {kMp1}, {kMp2}, {kMp3}, {kMp4}, {kMp5}, {kMp6}, {kMp7}, {kMp8}, {kMp9}, {kMp10}, {kMp11},
};
constexpr DirectoryRow kMpSecondRows[] = {
    {kMp12}, {kMp13}, {kMp14}, {kMp15}, {kMp16}, {kMp17}, {kMp18},
    {kMp19}, {kMp20}, {kMp21}, {kMp22}, {kMp23}, {kMp24},
};

// 3M: number, name, then one or two entries of group (where written), address, VLAN.
constexpr Piece k3m1[] = {Number("1."), Gap(" "), Name("AUROVILLE"), Gap(" "), Group("T2 TCM"), Gap("   "),
                          Address("203.0.113.150"), Gap("   "), Vlan("2050"), Gap("    "), Group("T2 TCM"), Gap("   "),
                          Address("203.0.113.151"), Gap("   "), Vlan("2051"), Gap("    ")};
constexpr Piece k3m2[] = {Number("2"), Gap("   "), Name("TRICHITRAMBALAM"), Gap(" "), Group("T2 TCM"), Gap("   "),
                          Address("203.0.113.178"), Gap("   "), Vlan("2078"), Gap(" ")};
constexpr Piece k3m3[] = {Number("3"), Gap("  "), Name("METTUPALAYAM-1"), Gap("  "), Group("OKP"), Gap("  "),
                          Address("203.0.113.152"), Gap("   "), Vlan("2052"), Gap("    "),
                          Address("203.0.113.153"), Gap("    "), Vlan("2053"), Gap("    ")};
constexpr Piece k3m4[] = {Number("4"), Gap("   "), Name("MOOLAKULAM"), Gap("  "), Group("OKP"), Gap("  "),
                          Address("203.0.113.154"), Gap("   "), Vlan("2054"), Gap("   "),
                          Address("203.0.113.155"), Gap("   "), Vlan("2055"), Gap("    ")};
constexpr Piece k3m5[] = {Number("5"), Gap("   "), Name("OKP-1"), Gap("   "), Group("OKP"), Gap("  "),
                          Address("203.0.113.156"), Gap("   "), Vlan("2056"), Gap("     "),
                          Address("203.0.113.157"), Gap("   "), Vlan("2057"), Gap("    ")};
constexpr Piece k3m6[] = {Number("6"), Gap("   "), Name("PONDY-MAIN-1"), Gap("    "), Group("PY T1"), Gap("    "),
                          Address("203.0.113.158"), Gap("   "), Vlan("2058"), Gap("                 "),
                          Address("203.0.113.159"), Gap("   "), Vlan("2059"), Gap("    ")};
constexpr Piece k3m7[] = {Number("7"), Gap("   "), Name("PONDY-MAIN-2"), Gap("    "), Group("PY T1"), Gap("    "),
                          Address("203.0.113.160"), Gap("   "), Vlan("2060"), Gap("    "),
                          Address("203.0.113.161"), Gap("    "), Vlan("2061"), Gap("    ")};
constexpr Piece k3m8[] = {Number("8"), Gap("   "), Name("VILLIYANUR"), Gap("  "), Group("VIN"), Gap("  "),
                          Address("203.0.113.162"), Gap("   "), Vlan("2062"), Gap("  "),
                          Address("203.0.113.163"), Gap("  "), Vlan("2063"), Gap("    ")};
constexpr Piece k3m9[] = {Number("9"), Gap("   "), Name("LAWSPET-1"), Gap("   "), Group("LSP"), Gap("  "),
                          Address("203.0.113.164"), Gap("   "), Vlan("2064"), Gap("     "),
                          Address("203.0.113.165"), Gap("   "), Vlan("2065"), Gap("    ")};
constexpr Piece k3m10[] = {Number("10"), Gap("  "), Name("LAWSPET-2"), Gap("   "), Group("LSP"), Gap("  "),
                           Address("203.0.113.166"), Gap("   "), Vlan("2066"), Gap("     "),
                           Address("203.0.113.167"), Gap("   "), Vlan("2067"), Gap("  ")};

// The second 3M notice opens with three blanks; row 13 stands twice, the
// first time without a group tag.
constexpr Piece k3m11[] = {Gap("   "), Number("11"), Gap("  "), Name("RAINBOWNAGAR"), Gap("    "), Group("LSP"), Gap("  "),
                           Address("203.0.113.168"), Gap("   "), Vlan("2068"), Gap("    "), Group("LSP"), Gap("  "),
                           Address("203.0.113.169"), Gap("   "), Vlan("2069"), Gap("    ")};
constexpr Piece k3m12[] = {Number("12"), Gap("  "), Name("ELANGONAGAR"), Gap(" "), Group("PY T1"), Gap("    "),
                           Address("203.0.113.170"), Gap("   "), Vlan("2070"), Gap("    ")};
constexpr Piece k3m13a[] = {Number("13"), Gap("  "), Name("TRICHITRAMBALAM"), Gap("      "),
                            Address("203.0.113.171"), Gap("   "), Vlan("2071"), Gap("    ")};
constexpr Piece k3m13b[] = {Number("13"), Gap("  "), Name("MUTHIALPET"), Gap("  "), Group("PY T1"), Gap("    "),
                            Address("203.0.113.172"), Gap("   "), Vlan("2072"), Gap("     "),
                            Address("203.0.113.173"), Gap("   "), Vlan("2073"), Gap("    ")};
constexpr Piece k3m14[] = {Number("14"), Gap("  "), Name("NATESANNAGAR-1"), Gap("  "), Group("OKP"), Gap("  "),
                           Address("203.0.113.174"), Gap("   "), Vlan("2074"), Gap("     "),
                           Address("203.0.113.175"), Gap(" "), Vlan("2075"), Gap("  ")};
constexpr Piece k3m15[] = {Number("15"), Gap("  "), Name("BADARSAHIB"), Gap("  "), Group("PY T1"), Gap("    "),
                           Address("203.0.113.176"), Gap("   "), Vlan("2076"), Gap("     "),
                           Address("203.0.113.177"), Gap("   "), Vlan("2077"), Gap("    ")};
constexpr Piece k3m16[] = {Number("16"), Gap("  "), Name("TRICHITRAMBALAM"), Gap(" "), Group("T2 TCM"), Gap("   "),
                           Address("203.0.113.179"), Gap("   "), Vlan("2078"), Gap(" ")};

constexpr DirectoryRow k3mFirstRows[] = {
    {k3m1}, {k3m2}, {k3m3}, {k3m4}, {k3m5}, {k3m6}, {k3m7}, {k3m8}, {k3m9}, {k3m10},
};
constexpr DirectoryRow k3mSecondRows[] = {
    {k3m11}, {k3m12}, {k3m13a}, {k3m13b}, {k3m14}, {k3m15}, {k3m16},
};

// OTHERS: two links with their address, then the count of equipped ports.
constexpr Piece kOthers1[] = {Number("1"), Gap("   "), Words("T2-->OKP-->T1 CHENNAI"), Gap("       "),
                              Address("198.51.100.1"), Gap("  ")};
constexpr Piece kOthers2[] = {Number("2"), Gap("   "), Words("T2-->PY-->T1 CHENNAI"), Gap("        "),
                              Address("198.51.100.2"), Gap("  ")};
constexpr Piece kOthers3[] = {Number("3"), Gap("   "), Words("TOTAL PORTS EQUIPPED"), Gap("        "),
                              Words("8152"), Gap(" ")};

constexpr DirectoryRow kOthersRows[] = {{kOthers1}, {kOthers2}, {kOthers3}};

constexpr DirectoryNotice kNotices[] = {
    {DirectoryList::PondyP2, kPondyRows},   {DirectoryList::OkpP2, kOkpRows},
    {DirectoryList::Mp, kMpFirstRows},      {DirectoryList::Mp, kMpSecondRows},
    {DirectoryList::ThreeM, k3mFirstRows},  {DirectoryList::ThreeM, k3mSecondRows},
    {DirectoryList::Others, kOthersRows},
};

}  // namespace

std::string AddressText::Text() const {
    std::string text(first);
    if (!second.empty()) {
        text.append(separator).append(second);
    }
    if (!third.empty()) {
        text.append(",").append(third);
    }
    return text;
}

std::string DirectoryRow::Text() const {
    std::string text;
    for (const Piece& piece : pieces) {
        if (piece.kind == PieceKind::Address) {
            text += piece.address.Text();
        } else {
            text.append(piece.text);
        }
    }
    return text;
}

std::string DirectoryNotice::Text() const {
    std::string text;
    for (const DirectoryRow& row : rows) {
        text += row.Text();
    }
    return text;
}

std::span<const DirectoryNotice> DirectoryNotices() { return kNotices; }

std::span<const DirectoryNotice> NoticesOf(DirectoryList list) {
    const std::span<const DirectoryNotice> all = kNotices;
    const auto first = std::find_if(all.begin(), all.end(),
                                    [list](const DirectoryNotice& notice) { return notice.list == list; });
    const auto last = std::find_if(first, all.end(),
                                   [list](const DirectoryNotice& notice) { return notice.list != list; });
    return all.subspan(static_cast<std::size_t>(first - all.begin()), static_cast<std::size_t>(last - first));
}

}  // namespace tandrel
