#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

#include "page_table.h"
#include "picture_fonts.h"

// Draws a reference table: title at the top left, the note under it, then a
// header row and ruled rows, black on white in 12 to 13 px type.
namespace pictures {

struct TableLayout {
    int shownWidth = 0;  // keep the table inside this many pixels; 0 for the picture's width
    int topMargin = 0;   // extra blank rows above the title
};

class TablePainter {
public:
    explicit TablePainter(const PictureFonts& fonts) : fonts_(fonts) {}

    // How many one-line rows fit under the title and header of `table`.
    int RowCapacity(const PageTable& table, QSize size, const TableLayout& layout) const;

    // nullopt (and `error`) when the rows do not fit in legible type.
    std::optional<QImage> Paint(const PageTable& table, QSize size, const TableLayout& layout,
                                QString* error) const;

private:
    int HeaderTop(const PageTable& table, QSize size, const TableLayout& layout) const;

    const PictureFonts& fonts_;
};

}  // namespace pictures
