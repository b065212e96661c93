#pragma once

#include <string_view>

#include "page_table.h"

// Invented reference tables for the officers' directories and the MPLS node
// lists. Every name, number and address is made up by a fixed formula (same
// rows on every run); the addresses lie in the documentation ranges
// 192.0.2.0/24, 198.51.100.0/24 and 203.0.113.0/24.
namespace pictures {

enum class PhoneKind { Mobile, Landline };

struct NameRange {
    char first;  // 'A'
    char last;   // 'J', inclusive
};

// `seed` varies the numbers between pages; `rowCount` rows, sorted by name.
PageTable OfficersTable(std::string_view title, NameRange range, PhoneKind phone,
                        unsigned seed, int rowCount);

PageTable MplsTable(std::string_view title, NameRange range, unsigned seed, int rowCount);

inline constexpr std::string_view kOfficersNote =
    "SAMPLE DATA \u2013 replace with your own. Names and numbers are invented.";
inline constexpr std::string_view kMplsNote =
    "SAMPLE DATA \u2013 replace with your own. Node names, sites and addresses are invented.";

}  // namespace pictures
