#include "table_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "picture_colours.h"

namespace pictures {
namespace {

constexpr int kMargin = 14;
constexpr int kTitlePixels = 21;
constexpr int kNotePixels = 12;
constexpr int kCellPadding = 6;
constexpr int kRowHeight = 20;      // one line of 13 px type
constexpr int kSmallestRow = 15;    // below this the rows are no longer legible
constexpr int kLargestBody = 13;
constexpr int kSmallestBody = 10;

QStringList LinesOf(const std::string& cell) {
    return QString::fromStdString(cell).split(QLatin1Char('\n'));
}

int LineCount(const PageRow& row) {
    qsizetype lines = 1;
    for (const std::string& cell : row.cells) lines = std::max(lines, LinesOf(cell).size());
    return static_cast<int>(lines);
}

int TableWidth(QSize size, const TableLayout& layout) {
    return (layout.shownWidth > 0 ? std::min(layout.shownWidth, size.width()) : size.width()) - 2 * kMargin;
}

// Natural column widths in the given fonts.
std::vector<int> NaturalWidths(const PageTable& table, const QFont& header, const QFont& body) {
    const QFontMetrics headerMetrics(header);
    const QFontMetrics bodyMetrics(body);
    std::vector<int> widths;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        int width = headerMetrics.horizontalAdvance(QString::fromStdString(table.columns[c].header));
        for (const PageRow& row : table.rows) {
            if (c >= row.cells.size()) continue;
            for (const QString& line : LinesOf(row.cells[c])) width = std::max(width, bodyMetrics.horizontalAdvance(line));
        }
        widths.push_back(width + 2 * kCellPadding);
    }
    return widths;
}

// Spreads what is left of the table's width over the stretching columns.
void Stretch(std::vector<int>& widths, const PageTable& table, int tableWidth) {
    int total = 0;
    for (const int width : widths) total += width;
    std::vector<std::size_t> stretching;
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        if (table.columns[c].stretch) stretching.push_back(c);
    if (stretching.empty() || total >= tableWidth) return;
    const int extra = tableWidth - total;
    for (std::size_t i = 0; i < stretching.size(); ++i) {
        const int share = extra * static_cast<int>(i + 1) / static_cast<int>(stretching.size()) -
                          extra * static_cast<int>(i) / static_cast<int>(stretching.size());
        widths[stretching[i]] += share;
    }
}

}  // namespace

int TablePainter::HeaderTop(const PageTable& table, QSize size, const TableLayout& layout) const {
    const QFontMetrics title(fonts_.Bold(kTitlePixels));
    const QFontMetrics note(fonts_.Bold(kNotePixels));
    const QRect noteBox = note.boundingRect(QRect(0, 0, TableWidth(size, layout), 1000), Qt::TextWordWrap,
                                            QString::fromStdString(table.note));
    return kMargin + layout.topMargin + title.height() + 4 + noteBox.height() + 8;
}

int TablePainter::RowCapacity(const PageTable& table, QSize size, const TableLayout& layout) const {
    const int bodyTop = HeaderTop(table, size, layout) + kRowHeight + 2;
    return std::max(0, (size.height() - kMargin / 2 - bodyTop) / kRowHeight);
}

std::optional<QImage> TablePainter::Paint(const PageTable& table, QSize size, const TableLayout& layout,
                                          QString* error) const {
    const int tableWidth = TableWidth(size, layout);
    const int headerTop = HeaderTop(table, size, layout);

    // Row height: the full 20 px when the rows fit, less when a fixed list is long.
    int lines = 0;
    for (const PageRow& row : table.rows) lines += LineCount(row);
    const int bodyRoom = size.height() - kMargin / 2 - (headerTop + kRowHeight + 2);
    const int rowHeight = lines == 0 ? kRowHeight : std::min(kRowHeight, bodyRoom / lines);
    if (rowHeight < kSmallestRow) {
        *error = QStringLiteral("%1: %2 lines do not fit in %3 px").arg(QString::fromStdString(table.title)).arg(lines).arg(bodyRoom);
        return std::nullopt;
    }

    // Type size: the largest that lets every column show its whole text.
    int bodyPixels = std::min(kLargestBody, rowHeight - 5);
    std::vector<int> widths;
    for (;; --bodyPixels) {
        widths = NaturalWidths(table, fonts_.Bold(std::min(bodyPixels, 12)), fonts_.Regular(bodyPixels));
        int total = 0;
        for (const int width : widths) total += width;
        if (total <= tableWidth) break;
        if (bodyPixels == kSmallestBody) {
            *error = QStringLiteral("%1: the columns need %2 px, %3 px available")
                         .arg(QString::fromStdString(table.title)).arg(total).arg(tableWidth);
            return std::nullopt;
        }
    }
    Stretch(widths, table, tableWidth);
    int usedWidth = 0;
    for (const int width : widths) usedWidth += width;

    QImage image(size, QImage::Format_RGB32);
    image.fill(colours::kPaper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // Title and note.
    const QFont titleFont = fonts_.Bold(kTitlePixels);
    const int titleTop = kMargin + layout.topMargin;
    painter.setFont(titleFont);
    painter.setPen(colours::kTitle);
    painter.drawText(QRect(kMargin, titleTop, tableWidth, QFontMetrics(titleFont).height()),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(table.title));
    painter.setFont(fonts_.Bold(kNotePixels));
    painter.setPen(table.sample ? colours::kWarning : colours::kNote);
    const int noteTop = titleTop + QFontMetrics(titleFont).height() + 4;
    painter.drawText(QRect(kMargin, noteTop, tableWidth, headerTop - noteTop), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromStdString(table.note));

    // Header row.
    const int left = kMargin;
    const int headerHeight = kRowHeight + 2;
    painter.fillRect(QRect(left, headerTop, usedWidth, headerHeight), colours::kHeader);
    painter.setFont(fonts_.Bold(std::min(bodyPixels, 12)));
    painter.setPen(colours::kTitle);
    int x = left;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        painter.drawText(QRect(x + kCellPadding, headerTop, widths[c] - 2 * kCellPadding, headerHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(table.columns[c].header));
        x += widths[c];
    }

    // Body rows, shaded alternately; the row number column is centred.
    painter.setFont(fonts_.Regular(bodyPixels));
    int y = headerTop + headerHeight;
    std::vector<int> groupRules;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const PageRow& row = table.rows[r];
        const int height = LineCount(row) * rowHeight;
        // Below the rule that closes the row above.
        if (r % 2 == 1) painter.fillRect(QRect(left, y + 1, usedWidth, height - 1), colours::kShade);
        if (row.startsGroup) groupRules.push_back(y);
        painter.setPen(colours::kInk);
        x = left;
        for (std::size_t c = 0; c < table.columns.size() && c < row.cells.size(); ++c) {
            const QStringList cellLines = LinesOf(row.cells[c]);
            for (qsizetype l = 0; l < cellLines.size(); ++l) {
                const Qt::Alignment align = (c == 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
                painter.drawText(QRect(x + kCellPadding, y + static_cast<int>(l) * rowHeight, widths[c] - 2 * kCellPadding, rowHeight),
                                 align, cellLines[l]);
            }
            x += widths[c];
        }
        y += height;
        painter.setPen(colours::kRule);
        painter.drawLine(left, y, left + usedWidth - 1, y);
    }
    const int bottom = y;

    // Grid: column rules, frame, and a heavy rule where a second notice starts.
    painter.setPen(colours::kRule);
    x = left;
    for (std::size_t c = 0; c + 1 < widths.size(); ++c) {
        x += widths[c];
        painter.drawLine(x, headerTop, x, bottom);
    }
    painter.setPen(colours::kTitle);
    painter.drawRect(QRect(left, headerTop, usedWidth - 1, bottom - headerTop));
    painter.drawLine(left, headerTop + headerHeight, left + usedWidth - 1, headerTop + headerHeight);
    for (const int rule : groupRules) painter.fillRect(QRect(left, rule - 1, usedWidth, 2), colours::kTitle);
    painter.end();
    return image;
}

}  // namespace pictures
