#include "tandrel/form1_definition.h"

namespace tandrel {

namespace {

using ui::Alignment;
using ui::ControlDefinition;
using ui::ControlKind;
using ui::FontStyle;

constexpr ControlKind Label = ControlKind::Label;
constexpr ControlKind TextBox = ControlKind::TextBox;
constexpr ControlKind Button = ControlKind::Button;
constexpr ControlKind Frame = ControlKind::Frame;

constexpr std::uint32_t kLavender = 0x00FFC0C0;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kClearBlue = 0x00FF8080;
constexpr std::uint32_t kWindowFrameColour = 0x80000006;
constexpr std::uint32_t kWindowTextColour = 0x80000008;
constexpr std::uint32_t kInfoTextColour = 0x80000017;

// One row per control, in twips from the window's client area or from the
// frame the row names.
constexpr ControlDefinition kControls[] = {
    // 48-port section.
    {.name = "Label9", .kind = Label, .text = "48    PORT   CALCULATOR", .rect = {0, 0, 5775, 375}, .tabIndex = 29, .backColour = kLavender, .alignment = Alignment::Centre, .font = FontStyle::Bold975},
    // Where the labels' rectangles meet, an earlier label lies above a later
    // one: Label2 over the foot of Label5, Label5 over the foot of Label1, so
    // that no label's rectangle lies over another's caption.
    {.name = "Label2", .kind = Label, .text = "     VLANIID - 127", .rect = {120, 1560, 1815, 495}, .tabIndex = 24, .foreColour = kWindowFrameColour},
    {.name = "Label5", .kind = Label, .text = "DIRECT PORT", .rect = {360, 1080, 1335, 495}, .tabIndex = 44, .backColour = kLavender},
    {.name = "Label1", .kind = Label, .text = "ENTER VLAN  OR", .rect = {360, 720, 1815, 495}, .tabIndex = 23, .foreColour = kWindowFrameColour},
    {.name = "Text2", .kind = TextBox, .text = " ", .rect = {1920, 600, 1935, 375}, .tabIndex = 19, .backColour = kWhite},
    {.name = "Text12", .kind = TextBox, .text = "", .rect = {1920, 1080, 1935, 375}, .tabIndex = 43, .backColour = kWhite},
    {.name = "Text3", .kind = TextBox, .text = " ", .rect = {1920, 1560, 1935, 375}, .tabIndex = 20, .backColour = kWhite},
    {.name = "Label3", .kind = Label, .text = "     SLOT/PORT", .rect = {120, 2160, 1815, 495}, .tabIndex = 25, .foreColour = kWindowFrameColour},
    {.name = "Text4", .kind = TextBox, .text = " ", .rect = {1920, 2040, 855, 375}, .tabIndex = 21, .backColour = kWhite, .accessibleName = "slot"},
    {.name = "Text5", .kind = TextBox, .text = " ", .rect = {3000, 2040, 855, 375}, .tabIndex = 22, .backColour = kWhite, .accessibleName = "port on the slot"},

    // 24-port section: the heading on the window, the rest inside Frame2.
    {.name = "Label10", .kind = Label, .text = " 24  PORT CALCULATOR", .rect = {5715, 0, 4665, 360}, .tabIndex = 30, .foreColour = kWindowTextColour, .backColour = kLavender, .alignment = Alignment::Centre, .font = FontStyle::Bold975},
    {.name = "Frame2", .kind = Frame, .text = " ", .rect = {5520, 360, 4455, 2175}, .tabIndex = 31, .backColour = kLavender, .accessibleName = "24 PORT CALCULATOR"},
    {.name = "Label4", .kind = Label, .text = "ENTER VLAN", .rect = {240, 360, 1455, 255}, .tabIndex = 32, .foreColour = kWindowFrameColour, .backColour = kLavender, .frame = "Frame2"},
    {.name = "Text7", .kind = TextBox, .text = " ", .rect = {1800, 240, 2175, 375}, .tabIndex = 35, .backColour = kWhite, .frame = "Frame2"},
    {.name = "Label8", .kind = Label, .text = "VLANID - 127", .rect = {240, 840, 1215, 255}, .tabIndex = 33, .foreColour = kWindowFrameColour, .backColour = kLavender, .frame = "Frame2"},
    {.name = "Text8", .kind = TextBox, .text = " ", .rect = {1800, 720, 2175, 375}, .tabIndex = 36, .backColour = kWhite, .frame = "Frame2"},
    {.name = "Label11", .kind = Label, .text = "SLOT/PORT", .rect = {240, 1320, 975, 375}, .tabIndex = 34, .foreColour = kWindowFrameColour, .backColour = kLavender, .frame = "Frame2"},
    {.name = "Text9", .kind = TextBox, .text = " ", .rect = {1800, 1200, 975, 375}, .tabIndex = 37, .backColour = kWhite, .frame = "Frame2", .accessibleName = "slot"},
    {.name = "Text10", .kind = TextBox, .text = " ", .rect = {3000, 1200, 975, 375}, .tabIndex = 38, .backColour = kWhite, .frame = "Frame2", .accessibleName = "port on the slot"},
    {.name = "Command13", .kind = Button, .text = "CALCULATE", .rect = {240, 1800, 1215, 375}, .tabIndex = 41, .frame = "Frame2"},
    {.name = "Command19", .kind = Button, .text = "CLEAR", .rect = {1800, 1800, 2175, 375}, .tabIndex = 39, .backColour = kClearBlue, .frame = "Frame2"},

    // The keypad, inside Frame1.
    {.name = "Frame1", .kind = Frame, .text = "", .rect = {0, 2520, 5295, 4335}, .tabIndex = 0, .foreColour = kInfoTextColour, .backColour = kLavender, .accessibleName = "keypad"},
    {.name = "Text1", .kind = TextBox, .text = " ", .rect = {960, 840, 3135, 495}, .tabIndex = 3, .alignment = Alignment::Right, .frame = "Frame1", .accessibleName = "display"},
    {.name = "Command21", .kind = Button, .text = "C", .rect = {960, 1560, 3135, 375}, .tabIndex = 1, .frame = "Frame1"},
    {.name = "Command11", .kind = Button, .text = "7", .rect = {960, 2040, 615, 375}, .tabIndex = 8, .frame = "Frame1"},
    {.name = "Command9", .kind = Button, .text = "8", .rect = {1800, 2040, 615, 375}, .tabIndex = 10, .frame = "Frame1"},
    {.name = "Command5", .kind = Button, .text = "9", .rect = {2640, 2040, 615, 375}, .tabIndex = 14, .frame = "Frame1"},
    {.name = "Command12", .kind = Button, .text = "/", .rect = {3480, 2040, 615, 375}, .tabIndex = 7, .frame = "Frame1"},
    {.name = "Command1", .kind = Button, .text = " 4", .rect = {960, 2640, 615, 375}, .tabIndex = 18, .frame = "Frame1"},
    {.name = "Command8", .kind = Button, .text = "5", .rect = {1800, 2640, 615, 375}, .tabIndex = 11, .frame = "Frame1"},
    {.name = "Command4", .kind = Button, .text = "6", .rect = {2640, 2640, 615, 375}, .tabIndex = 15, .frame = "Frame1"},
    {.name = "Command18", .kind = Button, .text = "*", .rect = {3480, 2640, 615, 375}, .tabIndex = 4, .frame = "Frame1"},
    {.name = "Command2", .kind = Button, .text = " 1", .rect = {960, 3120, 615, 375}, .tabIndex = 17, .frame = "Frame1"},
    {.name = "Command7", .kind = Button, .text = "2", .rect = {1800, 3120, 615, 375}, .tabIndex = 12, .frame = "Frame1"},
    {.name = "Command3", .kind = Button, .text = "3", .rect = {2640, 3120, 615, 375}, .tabIndex = 16, .frame = "Frame1"},
    {.name = "Command17", .kind = Button, .text = "-", .rect = {3480, 3120, 615, 375}, .tabIndex = 5, .frame = "Frame1"},
    {.name = "Command10", .kind = Button, .text = " 0", .rect = {960, 3720, 615, 375}, .tabIndex = 9, .frame = "Frame1"},
    {.name = "y", .kind = Button, .text = "+/-", .rect = {1800, 3720, 615, 375}, .tabIndex = 13, .frame = "Frame1"},
    {.name = "Command14", .kind = Button, .text = "=", .rect = {2640, 3720, 615, 375}, .tabIndex = 2, .frame = "Frame1"},
    {.name = "Command16", .kind = Button, .text = "+", .rect = {3480, 3720, 615, 375}, .tabIndex = 6, .frame = "Frame1"},

    // The 48-port buttons stand on the window over Frame1's top band, not in
    // the frame: they lie above it and stay when the keypad is hidden.
    {.name = "Command6", .kind = Button, .text = "VLAN CALCULATE", .rect = {240, 2640, 1575, 375}, .tabIndex = 26, .backColour = kLavender},
    {.name = "Command24", .kind = Button, .text = "PORT CALCULATE", .rect = {1920, 2640, 1575, 375}, .tabIndex = 45, .backColour = kLavender},
    {.name = "Command20", .kind = Button, .text = "CLEAR", .rect = {3600, 2640, 1455, 375}, .tabIndex = 40, .backColour = kLavender},

    // Toggle and directory buttons; Label6 is covered by Command26.
    {.name = "Command15", .kind = Button, .text = "TOGGLE CALCULATOR", .rect = {0, 6840, 5295, 375}, .tabIndex = 27, .backColour = kLavender},
    {.name = "Command23", .kind = Button, .text = "OKP-P2 CONNECTED DSLAMS", .rect = {6360, 2880, 2775, 495}, .tabIndex = 42, .backColour = kLavender},
    {.name = "Command22", .kind = Button, .text = "PONDY-P2 CONNECTED DSLAMS", .rect = {6360, 3720, 2775, 495}, .tabIndex = 46, .backColour = kLavender},
    {.name = "Command25", .kind = Button, .text = "MP DSLAMS", .rect = {6360, 4560, 2775, 495}, .tabIndex = 47, .backColour = kLavender},
    {.name = "Command26", .kind = Button, .text = "3M DSLAMS", .rect = {6360, 5400, 2775, 615}, .tabIndex = 48, .backColour = kLavender},
    {.name = "Command27", .kind = Button, .text = "OTHERS", .rect = {6360, 6240, 2775, 615}, .tabIndex = 49, .backColour = kLavender},
    {.name = "Label6", .kind = Label, .text = "Label6", .rect = {7200, 5640, 15, 375}, .tabIndex = 28, .backColour = kLavender},
};

constexpr ui::WindowDefinition kForm1 = {
    .name = "Form1",
    .caption = "TANDREL",
    .clientWidth = 10380,
    .clientHeight = 7575,
    .startPosition = ui::StartPosition::CentreScreen,
    .state = ui::WindowState::Normal,
    .backColour = kLavender,
    .controls = kControls,
};

}  // namespace

const ui::WindowDefinition& Form1Definition() { return kForm1; }

}  // namespace tandrel
