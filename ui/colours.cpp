#include "ui/colours.h"

namespace ui {
namespace {

constexpr std::uint32_t kSystemColourFlag = 0x80000000u;

// The desktop colours the windows use, by their number. The palette has no
// role for a window frame; its window text colour is what frames are drawn
// in on ordinary desktops (black on a light theme), so that stands in.
QPalette::ColorRole SystemColourRole(std::uint32_t number) {
    switch (number) {
    case 0x06: return QPalette::WindowText;   // window frame
    case 0x08: return QPalette::WindowText;   // window text
    case 0x0F: return QPalette::Button;       // button face
    case 0x12: return QPalette::ButtonText;   // button text
    case 0x17: return QPalette::ToolTipText;  // information text
    case 0x18: return QPalette::ToolTipBase;  // information background
    case 0x05: return QPalette::Base;         // window background
    default: return QPalette::WindowText;
    }
}

}  // namespace

QColor DefinitionColour(std::uint32_t colour, const QPalette& palette) {
    if ((colour & kSystemColourFlag) != 0) {
        return palette.color(QPalette::Active, SystemColourRole(colour & 0xFFu));
    }
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

}  // namespace ui
