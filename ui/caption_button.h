#pragma once

#include <QPushButton>

namespace ui {

// A command button whose caption wraps onto further lines, centred, when it
// is too long for one line, as the design's command buttons do; a caption
// that fits on one line is drawn as any push button's.
class CaptionButton final : public QPushButton {
    Q_OBJECT
public:
    CaptionButton(const QString& caption, QWidget* parent);

    // Where the caption is drawn: the style's contents rectangle less a
    // little padding at the sides.
    QRect CaptionRect() const;
    bool CaptionFitsOneLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
