#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace ui {

// Whether the caption of a label or button can be read whole where it
// stands in its window's font:
// - a button's caption stays on one line within the button's contents, or,
//   on a CaptionButton, wrapped at blanks, within them;
// - a label's caption, wrapped within its width from its top edge, lies
//   inside the label and clear of every control stacked above it (a label
//   that another control covers wholly is never seen and passes).
// Other widgets pass.
bool CaptionFits(const QWidget& control);

// A description of each label or button in window whose caption does not
// fit, empty when all fit.
QStringList CaptionsThatDoNotFit(const QWidget& window);

}  // namespace ui
