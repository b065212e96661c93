#include "ui/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

namespace {

// Pixels kept clear between a caption and the button's bevel on each side.
constexpr int kCaptionPadding = 2;

}  // namespace

QRect CaptionButton::CaptionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(kCaptionPadding, 0, -kCaptionPadding, 0);
}

bool CaptionButton::CaptionFitsOneLine() const {
    return fontMetrics().horizontalAdvance(text()) <= CaptionRect().width();
}

void CaptionButton::paintEvent(QPaintEvent* event) {
    if (CaptionFitsOneLine()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);  // bevel and focus, no caption
    QRect area = CaptionRect();
    if (isDown() || isChecked()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextWordWrap, option.palette,
                          isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace ui
