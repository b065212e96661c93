#include "orvane/form1_definition.h"

#include <array>

namespace orvane {
namespace {

using ui::Alignment;
using ui::ControlDefinition;
using ui::FontStyle;
using enum ui::ControlKind;

constexpr std::uint32_t kFormBlue = 0x00FFC0C0;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kDarkBlue = 0x00FF8080;
constexpr std::uint32_t kWindowText = 0x80000008;
constexpr std::uint32_t kWindowFrame = 0x80000006;

// One row per control, section by section as the window reads; rectangles in
// twips from the client area, or from Frame2 for the rows that name it.
constexpr std::array kControls = {
    // 48-port section
    ControlDefinition{.name = "Label9", .kind = Label, .text = "48    PORT   CALCULATOR", .rect = {1680, 0, 5775, 375}, .tabIndex = 8, .backColour = kFormBlue, .font = FontStyle::Bold975},
    ControlDefinition{.name = "Label1", .kind = Label, .text = "ENTER VLAN  OR", .rect = {360, 720, 1815, 495}, .tabIndex = 4, .foreColour = kWindowFrame},
    ControlDefinition{.name = "Text2", .kind = TextBox, .text = " ", .rect = {1920, 600, 1935, 375}, .tabIndex = 0, .backColour = kWhite},
    ControlDefinition{.name = "Label5", .kind = Label, .text = "DIRECT PORT", .rect = {360, 1080, 1335, 495}, .tabIndex = 23, .backColour = kFormBlue},
    ControlDefinition{.name = "Text12", .kind = TextBox, .text = "", .rect = {1920, 1080, 1935, 375}, .tabIndex = 22, .backColour = kWhite},
    ControlDefinition{.name = "Label2", .kind = Label, .text = "     VLANIID - 127", .rect = {120, 1560, 1815, 495}, .tabIndex = 5, .foreColour = kWindowFrame},
    ControlDefinition{.name = "Text3", .kind = TextBox, .text = " ", .rect = {1920, 1560, 1935, 375}, .tabIndex = 1, .backColour = kWhite},
    ControlDefinition{.name = "Label3", .kind = Label, .text = "     SLOT/PORT", .rect = {120, 2160, 1815, 495}, .tabIndex = 6, .foreColour = kWindowFrame},
    ControlDefinition{.name = "Text4", .kind = TextBox, .text = " ", .rect = {1920, 2040, 855, 375}, .tabIndex = 2, .backColour = kWhite, .accessibleName = "slot"},
    ControlDefinition{.name = "Text5", .kind = TextBox, .text = " ", .rect = {3000, 2040, 855, 375}, .tabIndex = 3, .backColour = kWhite, .accessibleName = "port on the slot"},
    ControlDefinition{.name = "Command6", .kind = Button, .text = "VLAN CALCULATE", .rect = {240, 2640, 1575, 375}, .tabIndex = 7, .backColour = kFormBlue},
    ControlDefinition{.name = "Command24", .kind = Button, .text = "PORT CALCULATE", .rect = {1920, 2640, 1575, 375}, .tabIndex = 24, .backColour = kFormBlue},
    ControlDefinition{.name = "Command20", .kind = Button, .text = "CLEAR", .rect = {3600, 2640, 1455, 375}, .tabIndex = 19, .backColour = kFormBlue},

    // 24-port section: the heading on the window, the rest inside Frame2
    ControlDefinition{.name = "Label10", .kind = Label, .text = " 24  PORT CALCULATOR", .rect = {0, 3120, 4665, 360}, .tabIndex = 9, .foreColour = kWindowText, .backColour = kFormBlue, .alignment = Alignment::Centre, .font = FontStyle::Bold975},
    ControlDefinition{.name = "Frame2", .kind = Frame, .text = " ", .rect = {120, 3600, 4575, 3135}, .tabIndex = 10, .backColour = kFormBlue, .accessibleName = "24 PORT CALCULATOR"},
    ControlDefinition{.name = "Label4", .kind = Label, .text = "ENTER VLAN", .rect = {240, 720, 1455, 255}, .tabIndex = 11, .foreColour = kWindowFrame, .backColour = kFormBlue, .frame = "Frame2"},
    ControlDefinition{.name = "Text7", .kind = TextBox, .text = " ", .rect = {1800, 600, 2175, 375}, .tabIndex = 14, .backColour = kWhite, .frame = "Frame2"},
    ControlDefinition{.name = "Label8", .kind = Label, .text = "VLANID - 127", .rect = {240, 1200, 1215, 255}, .tabIndex = 12, .foreColour = kWindowFrame, .backColour = kFormBlue, .frame = "Frame2"},
    ControlDefinition{.name = "Text8", .kind = TextBox, .text = " ", .rect = {1800, 1080, 2175, 375}, .tabIndex = 15, .backColour = kWhite, .frame = "Frame2"},
    ControlDefinition{.name = "Label11", .kind = Label, .text = "SLOT/PORT", .rect = {240, 1800, 975, 375}, .tabIndex = 13, .foreColour = kWindowFrame, .backColour = kFormBlue, .frame = "Frame2"},
    ControlDefinition{.name = "Text9", .kind = TextBox, .text = " ", .rect = {1800, 1680, 975, 375}, .tabIndex = 16, .backColour = kWhite, .frame = "Frame2", .accessibleName = "slot"},
    ControlDefinition{.name = "Text10", .kind = TextBox, .text = " ", .rect = {3000, 1680, 975, 375}, .tabIndex = 17, .backColour = kWhite, .frame = "Frame2", .accessibleName = "port on the slot"},
    ControlDefinition{.name = "Command13", .kind = Button, .text = "CALCULATE", .rect = {240, 2280, 1215, 375}, .tabIndex = 20, .frame = "Frame2"},
    ControlDefinition{.name = "Command19", .kind = Button, .text = "CLEAR", .rect = {1800, 2280, 2175, 375}, .tabIndex = 18, .backColour = kDarkBlue, .frame = "Frame2"},

    // DSLAM VLAN section
    ControlDefinition{.name = "Label6", .kind = Label, .text = "VLAN BASED CALCULATOR", .rect = {12000, 2280, 3255, 375}, .tabIndex = 54, .backColour = kFormBlue, .font = FontStyle::Bold975},
    ControlDefinition{.name = "Label15", .kind = Label, .text = "ENTER   THE FOLLOWING   FEILD", .rect = {12120, 2760, 2895, 375}, .tabIndex = 47, .foreColour = kWindowText, .backColour = kFormBlue},
    ControlDefinition{.name = "Label7", .kind = Label, .text = "DSLAM VLAN ", .rect = {12360, 3120, 1095, 495}, .tabIndex = 46, .foreColour = kWindowText, .backColour = kFormBlue},
    ControlDefinition{.name = "Label12", .kind = Label, .text = " INNER VLAN", .rect = {13560, 3120, 1215, 255}, .tabIndex = 43, .foreColour = kWindowText, .backColour = kFormBlue},
    ControlDefinition{.name = "Text1", .kind = TextBox, .text = "", .rect = {12360, 3480, 1095, 525}, .tabIndex = 38},
    ControlDefinition{.name = "Text6", .kind = TextBox, .text = "", .rect = {13680, 3480, 1095, 525}, .tabIndex = 39},
    ControlDefinition{.name = "Label14", .kind = Label, .text = "      CALCULATED OUTPUT", .rect = {12360, 4320, 2415, 375}, .tabIndex = 45, .backColour = kFormBlue},
    ControlDefinition{.name = "Label13", .kind = Label, .text = "        SLOT            PORT", .rect = {12360, 4680, 2415, 255}, .tabIndex = 44, .backColour = kFormBlue},
    ControlDefinition{.name = "Text11", .kind = TextBox, .text = "", .rect = {12360, 4920, 1095, 495}, .tabIndex = 40, .accessibleName = "calculated slot"},
    ControlDefinition{.name = "Text13", .kind = TextBox, .text = "", .rect = {13680, 4920, 1095, 495}, .tabIndex = 41, .accessibleName = "calculated port"},
    ControlDefinition{.name = "Command9", .kind = Button, .text = "CALCULATE BASED ON DSLAM VLAN ", .rect = {12360, 5640, 2415, 495}, .tabIndex = 42},

    // Reference buttons: officers' directories in the middle
    ControlDefinition{.name = "Command8", .kind = Button, .text = "OFFICERS LL S-Z", .rect = {6120, 3360, 2175, 495}, .tabIndex = 35},
    ControlDefinition{.name = "Command1", .kind = Button, .text = "OFFICERS LL A-M", .rect = {8520, 3360, 2175, 495}, .tabIndex = 29},
    ControlDefinition{.name = "Command7", .kind = Button, .text = "OFFICERS LL M-S", .rect = {6120, 4080, 2175, 495}, .tabIndex = 34},
    ControlDefinition{.name = "Command5", .kind = Button, .text = "OFFICERS MOBILE  S-Z", .rect = {8520, 4080, 2175, 495}, .tabIndex = 33},
    ControlDefinition{.name = "Command4", .kind = Button, .text = "OFFICERS MOBILE  N - R", .rect = {6120, 4920, 2175, 495}, .tabIndex = 32},
    ControlDefinition{.name = "Command3", .kind = Button, .text = "OFFICERS MOBILE  J-M", .rect = {8520, 4920, 2175, 495}, .tabIndex = 31},
    ControlDefinition{.name = "Command2", .kind = Button, .text = "OFFICERS MOBILE A - J", .rect = {6120, 5640, 4575, 495}, .tabIndex = 30},

    // Reference buttons: DSLAM lists, then MPLS node lists, across the bottom
    ControlDefinition{.name = "Command23", .kind = Button, .text = "OKP-P2 CONNECTED DSLAMS", .rect = {240, 7440, 2175, 495}, .tabIndex = 21, .backColour = kFormBlue},
    ControlDefinition{.name = "Command22", .kind = Button, .text = "PONDY-P2 CONNECTED DSLAMS", .rect = {3240, 7440, 2175, 495}, .tabIndex = 25, .backColour = kFormBlue},
    ControlDefinition{.name = "Command25", .kind = Button, .text = "MP DSLAMS", .rect = {6360, 7440, 2055, 495}, .tabIndex = 26, .backColour = kFormBlue},
    ControlDefinition{.name = "Command26", .kind = Button, .text = "3M DSLAMS", .rect = {9600, 7440, 2055, 495}, .tabIndex = 27, .backColour = kFormBlue},
    ControlDefinition{.name = "Command27", .kind = Button, .text = "OTHERS", .rect = {12480, 7440, 2175, 495}, .tabIndex = 28, .backColour = kFormBlue},
    ControlDefinition{.name = "Command10", .kind = Button, .text = "MPLS A-C", .rect = {240, 8040, 2175, 495}, .tabIndex = 49},
    ControlDefinition{.name = "Command11", .kind = Button, .text = "MPLS C-H", .rect = {3240, 8040, 2175, 495}, .tabIndex = 50},
    ControlDefinition{.name = "Command12", .kind = Button, .text = "MPLS  H-M", .rect = {6360, 8040, 2055, 495}, .tabIndex = 51},
    ControlDefinition{.name = "Command14", .kind = Button, .text = "MPLS M -S", .rect = {9600, 8040, 2055, 495}, .tabIndex = 52},
    ControlDefinition{.name = "Command15", .kind = Button, .text = "MPLS S-Z", .rect = {12480, 8040, 2175, 495}, .tabIndex = 53},

    // Banners along the top
    ControlDefinition{.name = "Picture1", .kind = PictureBox, .text = "", .rect = {4320, 600, 6135, 735}, .tabIndex = 36, .picture = ":/orvane/picture1.gif", .accessibleName = "banner: VLAN to slot and port"},
    ControlDefinition{.name = "Picture2", .kind = PictureBox, .text = "", .rect = {10440, 600, 4455, 735}, .tabIndex = 37, .picture = ":/orvane/picture2.gif", .accessibleName = "banner: DSLAM access network"},
    ControlDefinition{.name = "Picture3", .kind = PictureBox, .text = "", .rect = {4320, 1320, 10575, 735}, .tabIndex = 48, .picture = ":/orvane/picture3.bmp", .accessibleName = "banner: a DSLAM shelf of line cards"},
};

constexpr ui::WindowDefinition kForm1{
    .name = "Form1",
    .caption = "",
    .clientWidth = 15240,
    .clientHeight = 8865,
    .startPosition = ui::StartPosition::CentreScreen,
    .state = ui::WindowState::Maximised,
    .backColour = kFormBlue,
    .controls = kControls,
};

}  // namespace

const ui::WindowDefinition& Form1Definition() { return kForm1; }

}  // namespace orvane
