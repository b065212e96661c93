#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Windows as plain data. Positions and sizes are in twips (15 to a logical
// pixel); colours are 0x00BBGGRR, or 0x800000nn for the desktop's colour nn.
// Nothing here depends on the window toolkit.
namespace ui {

enum class ControlKind { Label, TextBox, Button, Frame, PictureBox };
enum class Alignment { Left, Centre, Right };
enum class FontStyle { Default, Bold975 };  // Bold975: bold 9.75 pt "MS Sans Serif"
enum class StartPosition { CentreScreen, ToolkitDefault };
enum class WindowState { Normal, Maximised };

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlDefinition {
    std::string_view name;   // object name of the widget: "Text2", "Command9", "y"
    ControlKind kind = ControlKind::Label;
    std::string_view text;   // caption, or a text box's initial text
    TwipRect rect;           // from the client area, or from the frame named below
    int tabIndex = 0;
    std::optional<std::uint32_t> foreColour = std::nullopt;  // none: toolkit default
    std::optional<std::uint32_t> backColour = std::nullopt;  // none: toolkit default
    Alignment alignment = Alignment::Left;
    FontStyle font = FontStyle::Default;
    std::string_view frame = {};    // containing frame's name; empty for the window
    std::string_view picture = {};  // picture box image, a Qt resource path (":/...")
    // What a screen reader calls the control where its own caption or the
    // label beside it does not say it ("slot", "display"), or what a picture
    // box shows. Empty: the builder derives it (see accessibility.h).
    std::string_view accessibleName = {};
};

struct WindowDefinition {
    std::string_view name;     // "Form1", "Form11"
    std::string_view caption;  // title-bar text, may be empty
    int clientWidth = 0;       // twips
    int clientHeight = 0;      // twips
    StartPosition startPosition = StartPosition::ToolkitDefault;
    WindowState state = WindowState::Normal;
    std::uint32_t backColour = 0x00FFC0C0;
    std::string_view backgroundPicture = {};  // Qt resource path, empty for none
    std::span<const ControlDefinition> controls;
    // What the window shows, for a screen reader, when its caption does not
    // say it (a reference page's picture); empty for none.
    std::string_view accessibleDescription = {};
};

}  // namespace ui
