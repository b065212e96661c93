#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace ui {

// A colour of a window definition: 0x00BBGGRR as it stands, or 0x800000nn,
// the desktop's colour number nn, taken from the matching role of palette.
QColor DefinitionColour(std::uint32_t colour, const QPalette& palette);

}  // namespace ui
