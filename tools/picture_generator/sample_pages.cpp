#include "sample_pages.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <span>
#include <string>

namespace pictures {
namespace {

// Words by initial letter; index 0 is 'A'. Plain given names and plain
// nature words, so that nobody reads a row as a real entry.
constexpr std::array<std::array<std::string_view, 4>, 26> kGivenNames{{
    {"Abel", "Adira", "Akash", "Alma"},     {"Bala", "Bela", "Bharat", "Bina"},
    {"Celine", "Chandra", "Chitra", "Cyril"}, {"Deepa", "Devan", "Dinesh", "Dora"},
    {"Elan", "Emil", "Esha", "Ezra"},       {"Faisal", "Farah", "Felix", "Fiona"},
    {"Ganesh", "Gita", "Gopal", "Greta"},   {"Hari", "Hema", "Hilda", "Hugo"},
    {"Indra", "Ira", "Isha", "Ivan"},       {"Jaya", "Jeeva", "Joel", "Jomon"},
    {"Kala", "Karl", "Kavya", "Kiran"},     {"Lata", "Lenin", "Lila", "Lokesh"},
    {"Mala", "Manoj", "Mira", "Mohan"},     {"Naveen", "Nikhil", "Nila", "Nora"},
    {"Olga", "Omar", "Oviya", "Owen"},      {"Padma", "Paul", "Prakash", "Priya"},
    {"Qadir", "Qamar", "Quinn", "Quentin"}, {"Rajan", "Ravi", "Rekha", "Rosa"},
    {"Sara", "Selvi", "Sunil", "Suresh"},   {"Tamil", "Tara", "Theo", "Tulsi"},
    {"Uday", "Uma", "Ursula", "Usha"},      {"Vani", "Vera", "Vijay", "Vinod"},
    {"Wasim", "Wendy", "Wilma", "Wren"},    {"Xavier", "Xena", "Xiomara", "Xylon"},
    {"Yamuna", "Yash", "Yusuf", "Yvette"},  {"Zara", "Zeno", "Zoya", "Zubin"},
}};

constexpr std::array<std::array<std::string_view, 4>, 26> kNodeWords{{
    {"ALDER", "AMBER", "ASPEN", "ACACIA"},   {"BANYAN", "BASALT", "BIRCH", "BAMBOO"},
    {"CEDAR", "COBALT", "CORAL", "CYPRESS"}, {"DAHLIA", "DUNE", "DEWDROP", "DRIFTWOOD"},
    {"EASTFIELD", "ELM", "EMBER", "EBONY"},  {"FERN", "FIR", "FLINT", "FOXGLOVE"},
    {"GINGER", "GRANITE", "GROVE", "GARNET"}, {"HARBOUR", "HAZEL", "HOLLY", "HERON"},
    {"INDIGO", "IRIS", "IVY", "IRONWOOD"},   {"JADE", "JASMINE", "JUNIPER", "JETTY"},
    {"KELP", "KESTREL", "KITE", "KNOLL"},    {"LARCH", "LAUREL", "LILAC", "LOTUS"},
    {"MAPLE", "MARBLE", "MEADOW", "MYRTLE"}, {"NEEM", "NORTHGATE", "NUTMEG", "NECTAR"},
    {"OAK", "OLIVE", "ONYX", "ORCHID"},      {"PEBBLE", "PINE", "POPLAR", "PRAIRIE"},
    {"QUARTZ", "QUAY", "QUILL", "QUINCE"},   {"REED", "RIVERSIDE", "ROWAN", "RUBY"},
    {"SAGE", "SANDAL", "SLATE", "SPRUCE"},   {"TAMARIND", "TEAK", "THISTLE", "TOPAZ"},
    {"UMBER", "UPLAND", "UNDERHILL", "UTOPIA"}, {"VALLEY", "VETIVER", "VIOLET", "VISTA"},
    {"WALNUT", "WILLOW", "WHARF", "WREN"},   {"XENON", "XERIC", "XYLEM", "XYST"},
    {"YARROW", "YEW", "YONDER", "YUCCA"},    {"ZENITH", "ZEPHYR", "ZINC", "ZINNIA"},
}};

constexpr std::string_view kInitials = "ABDGKLMNPRSTV";
constexpr std::array<std::string_view, 8> kDesignations{
    "SDE", "JTO", "AGM", "DGM", "SDE (NOC)", "JTO (BB)", "AE", "SDE (TX)"};
constexpr std::array<std::string_view, 8> kOffices{
    "Central Exch", "North Exch", "East Exch", "South Exch",
    "Broadband NOC", "Transmission", "Planning", "Customer Care"};
constexpr std::array<std::string_view, 4> kRoles{"PE", "P", "AGG", "CE"};

// A small linear congruential generator of our own, so that the numbers are
// the same on every machine and with every standard library.
class Sequence {
public:
    explicit Sequence(unsigned seed) : state_(seed * 2654435761u + 12345u) {}
    std::uint32_t Next(std::uint32_t bound) {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ >> 8) % bound;
    }

private:
    std::uint32_t state_;
};

std::string Digits(std::uint32_t value, int width) {
    std::string text(static_cast<std::size_t>(width), '0');
    for (int i = width - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return text;
}

std::string Decimal(int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// The letter of row `index` of `rowCount`, spreading the rows evenly over
// the range's letters, and how many earlier rows had the same letter.
struct LetterSlot {
    int letter;      // 0 for 'A'
    int occurrence;  // 0 for the first row with this letter
};

std::vector<LetterSlot> SpreadOverLetters(NameRange range, int rowCount) {
    const int first = range.first - 'A';
    const int letters = range.last - range.first + 1;
    std::vector<LetterSlot> slots;
    std::array<int, 26> seen{};
    for (int i = 0; i < rowCount; ++i) {
        const int letter = first + i * letters / rowCount;
        slots.push_back({letter, seen[static_cast<std::size_t>(letter)]++});
    }
    return slots;
}

void NumberRows(std::vector<PageRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].cells[0] = Decimal(static_cast<int>(i + 1));
}

}  // namespace

PageTable OfficersTable(std::string_view title, NameRange range, PhoneKind phone,
                        unsigned seed, int rowCount) {
    PageTable table;
    table.title = std::string(title);
    table.note = std::string(kOfficersNote);
    table.sample = true;
    table.columns = {{"No."}, {"NAME", true}, {"DESIGNATION"}, {"OFFICE", true},
                     {phone == PhoneKind::Mobile ? "MOBILE" : "LANDLINE"}};

    Sequence numbers(seed);
    for (const LetterSlot slot : SpreadOverLetters(range, rowCount)) {
        const auto& names = kGivenNames[static_cast<std::size_t>(slot.letter)];
        const std::size_t pick = static_cast<std::size_t>(slot.occurrence) % names.size();
        const std::size_t round = static_cast<std::size_t>(slot.occurrence) / names.size();
        // Five steps a round keep the initials of one name apart for 13 rounds.
        const char initial = kInitials[(round * 5 + pick * 3 + static_cast<std::size_t>(slot.letter) + seed) % kInitials.size()];
        std::string name = std::string(names[pick]) + ' ' + initial + '.';

        // Leading zeros make both forms undiallable on purpose.
        std::string number = phone == PhoneKind::Mobile
                                 ? "00000-" + Digits(numbers.Next(100000), 5)
                                 : "0000-2" + Digits(numbers.Next(100000), 5);
        table.rows.push_back({{"", std::move(name),
                               std::string(kDesignations[numbers.Next(kDesignations.size())]),
                               std::string(kOffices[numbers.Next(kOffices.size())]),
                               std::move(number)}});
    }
    std::stable_sort(table.rows.begin(), table.rows.end(),
                     [](const PageRow& a, const PageRow& b) { return a.cells[1] < b.cells[1]; });
    NumberRows(table.rows);
    return table;
}

PageTable MplsTable(std::string_view title, NameRange range, unsigned seed, int rowCount) {
    PageTable table;
    table.title = std::string(title);
    table.note = std::string(kMplsNote);
    table.sample = true;
    table.columns = {{"No."},       {"NODE", true}, {"ROLE"},           {"LOOPBACK"},
                     {"MGMT ADDRESS"}, {"UPLINK"}, {"SITE", true}};

    Sequence numbers(seed);
    for (const LetterSlot slot : SpreadOverLetters(range, rowCount)) {
        const auto& words = kNodeWords[static_cast<std::size_t>(slot.letter)];
        const std::size_t pick = static_cast<std::size_t>(slot.occurrence) % words.size();
        const int unit = slot.occurrence / static_cast<int>(words.size()) + 1;
        const std::string_view role = kRoles[numbers.Next(kRoles.size())];
        std::string node = std::string(words[pick]) + '-' + std::string(role) + '-' + Digits(static_cast<std::uint32_t>(unit), 2);

        std::string site(words[pick].substr(0, 1));
        for (const char c : words[pick].substr(1)) site += static_cast<char>(c - 'A' + 'a');
        site += " Exchange";

        // Host numbers 1 to 254; the uplink takes the first host of a /30.
        const int host = static_cast<int>(numbers.Next(254)) + 1;
        const int mgmt = static_cast<int>(numbers.Next(254)) + 1;
        const int link = static_cast<int>(numbers.Next(63)) * 4 + 1;
        table.rows.push_back({{"", std::move(node), std::string(role),
                               "192.0.2." + Decimal(host) + "/32",
                               "198.51.100." + Decimal(mgmt),
                               "203.0.113." + Decimal(link) + "/30",
                               std::move(site)}});
    }
    std::stable_sort(table.rows.begin(), table.rows.end(),
                     [](const PageRow& a, const PageRow& b) { return a.cells[1] < b.cells[1]; });
    NumberRows(table.rows);
    return table;
}

}  // namespace pictures
