#pragma once

#include <QFont>

#include "ui/window_definition.h"

namespace ui {

// The font of a control: "MS Sans Serif" when the system really has it
// (8.25 pt, or bold 9.75 pt), else Liberation Sans at a fixed pixel size, so
// that captions keep their size relative to the twip geometry.
QFont ControlFont(FontStyle style);

}  // namespace ui
