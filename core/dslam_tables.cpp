#include "dslam_tables.h"

#include <algorithm>
#include <array>

namespace core {
namespace {

constexpr PortRule kRem48Less1 = PortRule::Rem48Less1;
constexpr PortRule kRem48 = PortRule::Rem48;
constexpr PortRule kRem24Less1 = PortRule::Rem24Less1;

// OKP-480
constexpr std::array<Band, 12> kBands3900{{
    {0, 47, 0, kRem48Less1},
    {48, 95, 1, kRem48Less1},
    {96, 143, 2, kRem48Less1},
    {144, 191, 3, kRem48Less1},
    {192, 239, 4, kRem48Less1},
    {240, 287, 5, kRem48Less1},
    {288, 335, 6, kRem48Less1},
    {336, 383, 9, kRem48Less1},
    {384, 431, 10, kRem48Less1},
    {432, 479, 11, kRem48},
    {480, 528, 12, kRem48Less1},
    {529, 576, 13, kRem48},
}};

// Ariyankuppam-240
constexpr std::array<Band, 4> kBands3901{{
    {0, 47, 0, kRem48Less1},
    {48, 95, 1, kRem48Less1},
    {96, 143, 2, kRem48Less1},
    {144, 167, 4, kRem24Less1},
}};

// Moolakulam-240
constexpr std::array<Band, 7> kBands3902{{
    {0, 47, 0, kRem48Less1},
    {48, 95, 1, kRem48Less1},
    {96, 143, 2, kRem48Less1},
    {144, 191, 3, kRem48Less1},
    {192, 215, 4, kRem24Less1},
    {216, 239, 5, kRem24Less1},
    {240, 263, 6, kRem48Less1},
}};

// Kirumampakkam-120
constexpr std::array<Band, 2> kBands3903{{
    {0, 47, 0, kRem48Less1},
    {48, 71, 2, kRem24Less1},
}};

// Tirubhuvanai-120
constexpr std::array<Band, 3> kBands3904{{
    {0, 47, 0, kRem48Less1},
    {48, 95, 1, kRem48Less1},
    {96, 119, 2, kRem24Less1},
}};

// Villianur-120
constexpr std::array<Band, 4> kBands3905{{
    {0, 47, 0, kRem48Less1},
    {48, 95, 1, kRem24Less1},
    {96, 119, 2, kRem24Less1},
    {120, 167, 1, kRem48Less1},
}};

// Thattanchavady-120
constexpr std::array<Band, 3> kBands3906{{
    {0, 47, 0, kRem48Less1},
    {48, 95, 1, kRem24Less1},
    {96, 119, 2, kRem24Less1},
}};

// DSLAM VLANs low..high (both inclusive) of one family.
struct FamilyRange {
    std::int16_t low;
    std::int16_t high;
    DslamFamily family;
    std::span<const Band> bands;
};

constexpr std::array<FamilyRange, 18> kFamilies{{
    {2002, 2023, DslamFamily::Ports48, {}},
    {2025, 2025, DslamFamily::Ports48, {}},
    {2027, 2027, DslamFamily::Ports48, {}},
    {2050, 2078, DslamFamily::Ports48, {}},
    {3500, 3500, DslamFamily::Ports24, {}},
    {3505, 3505, DslamFamily::Ports24, {}},
    {3522, 3522, DslamFamily::Ports24, {}},
    {3523, 3523, DslamFamily::Ports24, {}},
    {3605, 3605, DslamFamily::Ports24, {}},
    {3780, 3780, DslamFamily::Ports24, {}},
    {3789, 3789, DslamFamily::Ports24, {}},
    {3900, 3900, DslamFamily::SlotTable, kBands3900},
    {3901, 3901, DslamFamily::SlotTable, kBands3901},
    {3902, 3902, DslamFamily::SlotTable, kBands3902},
    {3903, 3903, DslamFamily::SlotTable, kBands3903},
    {3904, 3904, DslamFamily::SlotTable, kBands3904},
    {3905, 3905, DslamFamily::SlotTable, kBands3905},
    {3906, 3906, DslamFamily::SlotTable, kBands3906},
}};

}  // namespace

std::optional<DslamEntry> FindDslam(std::int16_t dslamVlan) {
    const auto found = std::find_if(kFamilies.begin(), kFamilies.end(), [dslamVlan](const FamilyRange& range) {
        return range.low <= dslamVlan && dslamVlan <= range.high;
    });
    if (found == kFamilies.end()) {
        return std::nullopt;
    }
    return DslamEntry{found->family, found->bands};
}

const Band* FindBand(std::span<const Band> bands, std::int16_t innerOffset) {
    const auto found = std::find_if(bands.begin(), bands.end(), [innerOffset](const Band& band) {
        return band.low <= innerOffset && innerOffset <= band.high;
    });
    return found == bands.end() ? nullptr : &*found;
}

}  // namespace core
