#pragma once

#include <string>
#include <vector>

// A reference table as plain text, before any drawing: what one page picture
// shows. A cell may hold several lines, separated by '\n'.
namespace pictures {

struct PageColumn {
    std::string header;
    bool stretch = false;  // takes a share of any width left over
};

struct PageRow {
    std::vector<std::string> cells;  // one per column
    bool startsGroup = false;        // drawn with a heavier rule above it
};

struct PageTable {
    std::string title;
    std::string note;       // one line under the title
    bool sample = false;    // the note warns that the rows are invented
    std::vector<PageColumn> columns;
    std::vector<PageRow> rows;
};

}  // namespace pictures
