#pragma once

#include <string_view>

#include "page_table.h"
#include "tandrel/directory_rows.h"

// The DSLAM pages drawn straight from tandrel's directory row table, so that
// a page and its notice can never tell different stories.
namespace pictures {

// One table row per directory row, in notice order; the first row of a
// second notice starts a new group. 3M rows with two entries get two lines
// in the group, address and VLAN cells.
PageTable DirectoryPageTable(tandrel::DirectoryList list, std::string_view title);

inline constexpr std::string_view kDirectoryNote =
    "Same rows as tandrel's directory list. Addresses are examples from the documentation "
    "ranges \u2013 replace with your own.";

}  // namespace pictures
