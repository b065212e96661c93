#pragma once

// The two windows of the baseline fixture, written out by hand: the same
// number and kinds of controls as orvane's and tandrel's main windows, at
// their pixel rectangles, with their background colours (0x00BBGGRR, 0 for
// the toolkit's default) and pictures. Controls inside a frame are placed
// from the frame's corner.
namespace bench {

enum class Kind { Label, TextBox, Button, Frame, Picture };

struct FixtureControl {
    Kind kind;
    const char* text;
    int x, y, width, height;
    unsigned back;
    const char* frame;    // a frame's own name; else the containing frame's, or nullptr
    const char* picture;  // resource path of a picture, or nullptr
    bool bold = false;
};

using enum Kind;

inline constexpr FixtureControl kOrvaneControls[] = {
    {Label, "48    PORT   CALCULATOR", 112, 0, 385, 25, 0x00FFC0C0, nullptr, nullptr, true},
    {Label, "ENTER VLAN  OR", 24, 48, 121, 33, 0, nullptr, nullptr},
    {TextBox, " ", 128, 40, 129, 25, 0x00FFFFFF, nullptr, nullptr},
    {Label, "DIRECT PORT", 24, 72, 89, 33, 0x00FFC0C0, nullptr, nullptr},
    {TextBox, "", 128, 72, 129, 25, 0x00FFFFFF, nullptr, nullptr},
    {Label, "     VLANIID - 127", 8, 104, 121, 33, 0, nullptr, nullptr},
    {TextBox, " ", 128, 104, 129, 25, 0x00FFFFFF, nullptr, nullptr},
    {Label, "     SLOT/PORT", 8, 144, 121, 33, 0, nullptr, nullptr},
    {TextBox, " ", 128, 136, 57, 25, 0x00FFFFFF, nullptr, nullptr},
    {TextBox, " ", 200, 136, 57, 25, 0x00FFFFFF, nullptr, nullptr},
    {Button, "VLAN CALCULATE", 16, 176, 105, 25, 0x00FFC0C0, nullptr, nullptr},
    {Button, "PORT CALCULATE", 128, 176, 105, 25, 0x00FFC0C0, nullptr, nullptr},
    {Button, "CLEAR", 240, 176, 97, 25, 0x00FFC0C0, nullptr, nullptr},
    {Label, " 24  PORT CALCULATOR", 0, 208, 311, 24, 0x00FFC0C0, nullptr, nullptr, true},
    {Frame, " ", 8, 240, 305, 209, 0x00FFC0C0, "Frame2", nullptr},
    {Label, "ENTER VLAN", 16, 48, 97, 17, 0x00FFC0C0, "Frame2", nullptr},
    {TextBox, " ", 120, 40, 145, 25, 0x00FFFFFF, "Frame2", nullptr},
    {Label, "VLANID - 127", 16, 80, 81, 17, 0x00FFC0C0, "Frame2", nullptr},
    {TextBox, " ", 120, 72, 145, 25, 0x00FFFFFF, "Frame2", nullptr},
    {Label, "SLOT/PORT", 16, 120, 65, 25, 0x00FFC0C0, "Frame2", nullptr},
    {TextBox, " ", 120, 112, 65, 25, 0x00FFFFFF, "Frame2", nullptr},
    {TextBox, " ", 200, 112, 65, 25, 0x00FFFFFF, "Frame2", nullptr},
    {Button, "CALCULATE", 16, 152, 81, 25, 0, "Frame2", nullptr},
    {Button, "CLEAR", 120, 152, 145, 25, 0x00FF8080, "Frame2", nullptr},
    {Label, "VLAN BASED CALCULATOR", 800, 152, 217, 25, 0x00FFC0C0, nullptr, nullptr, true},
    {Label, "ENTER   THE FOLLOWING   FEILD", 808, 184, 193, 25, 0x00FFC0C0, nullptr, nullptr},
    {Label, "DSLAM VLAN ", 824, 208, 73, 33, 0x00FFC0C0, nullptr, nullptr},
    {Label, " INNER VLAN", 904, 208, 81, 17, 0x00FFC0C0, nullptr, nullptr},
    {TextBox, "", 824, 232, 73, 35, 0, nullptr, nullptr},
    {TextBox, "", 912, 232, 73, 35, 0, nullptr, nullptr},
    {Label, "      CALCULATED OUTPUT", 824, 288, 161, 25, 0x00FFC0C0, nullptr, nullptr},
    {Label, "        SLOT            PORT", 824, 312, 161, 17, 0x00FFC0C0, nullptr, nullptr},
    {TextBox, "", 824, 328, 73, 33, 0, nullptr, nullptr},
    {TextBox, "", 912, 328, 73, 33, 0, nullptr, nullptr},
    {Button, "CALCULATE BASED ON DSLAM VLAN ", 824, 376, 161, 33, 0, nullptr, nullptr},
    {Button, "OFFICERS LL S-Z", 408, 224, 145, 33, 0, nullptr, nullptr},
    {Button, "OFFICERS LL A-M", 568, 224, 145, 33, 0, nullptr, nullptr},
    {Button, "OFFICERS LL M-S", 408, 272, 145, 33, 0, nullptr, nullptr},
    {Button, "OFFICERS MOBILE  S-Z", 568, 272, 145, 33, 0, nullptr, nullptr},
    {Button, "OFFICERS MOBILE  N - R", 408, 328, 145, 33, 0, nullptr, nullptr},
    {Button, "OFFICERS MOBILE  J-M", 568, 328, 145, 33, 0, nullptr, nullptr},
    {Button, "OFFICERS MOBILE A - J", 408, 376, 305, 33, 0, nullptr, nullptr},
    {Button, "OKP-P2 CONNECTED DSLAMS", 16, 496, 145, 33, 0x00FFC0C0, nullptr, nullptr},
    {Button, "PONDY-P2 CONNECTED DSLAMS", 216, 496, 145, 33, 0x00FFC0C0, nullptr, nullptr},
    {Button, "MP DSLAMS", 424, 496, 137, 33, 0x00FFC0C0, nullptr, nullptr},
    {Button, "3M DSLAMS", 640, 496, 137, 33, 0x00FFC0C0, nullptr, nullptr},
    {Button, "OTHERS", 832, 496, 145, 33, 0x00FFC0C0, nullptr, nullptr},
    {Button, "MPLS A-C", 16, 536, 145, 33, 0, nullptr, nullptr},
    {Button, "MPLS C-H", 216, 536, 145, 33, 0, nullptr, nullptr},
    {Button, "MPLS  H-M", 424, 536, 137, 33, 0, nullptr, nullptr},
    {Button, "MPLS M -S", 640, 536, 137, 33, 0, nullptr, nullptr},
    {Button, "MPLS S-Z", 832, 536, 145, 33, 0, nullptr, nullptr},
    {Picture, "", 288, 40, 409, 49, 0, nullptr, ":/orvane/picture1.gif"},
    {Picture, "", 696, 40, 297, 49, 0, nullptr, ":/orvane/picture2.gif"},
    {Picture, "", 288, 88, 705, 49, 0, nullptr, ":/orvane/picture3.bmp"},
};

inline constexpr FixtureControl kTandrelControls[] = {
    {Label, "48    PORT   CALCULATOR", 0, 0, 385, 25, 0x00FFC0C0, nullptr, nullptr, true},
    {Label, "ENTER VLAN  OR", 24, 48, 121, 33, 0, nullptr, nullptr},
    {TextBox, " ", 128, 40, 129, 25, 0x00FFFFFF, nullptr, nullptr},
    {Label, "DIRECT PORT", 24, 72, 89, 33, 0x00FFC0C0, nullptr, nullptr},
    {TextBox, "", 128, 72, 129, 25, 0x00FFFFFF, nullptr, nullptr},
    {Label, "     VLANIID - 127", 8, 104, 121, 33, 0, nullptr, nullptr},
    {TextBox, " ", 128, 104, 129, 25, 0x00FFFFFF, nullptr, nullptr},
    {Label, "     SLOT/PORT", 8, 144, 121, 33, 0, nullptr, nullptr},
    {TextBox, " ", 128, 136, 57, 25, 0x00FFFFFF, nullptr, nullptr},
    {TextBox, " ", 200, 136, 57, 25, 0x00FFFFFF, nullptr, nullptr},
    {Button, "VLAN CALCULATE", 16, 176, 105, 25, 0x00FFC0C0, nullptr, nullptr},
    {Button, "PORT CALCULATE", 128, 176, 105, 25, 0x00FFC0C0, nullptr, nullptr},
    {Button, "CLEAR", 240, 176, 97, 25, 0x00FFC0C0, nullptr, nullptr},
    {Label, " 24  PORT CALCULATOR", 381, 0, 311, 24, 0x00FFC0C0, nullptr, nullptr, true},
    {Frame, " ", 368, 24, 297, 145, 0x00FFC0C0, "Frame2", nullptr},
    {Label, "ENTER VLAN", 16, 24, 97, 17, 0x00FFC0C0, "Frame2", nullptr},
    {TextBox, " ", 120, 16, 145, 25, 0x00FFFFFF, "Frame2", nullptr},
    {Label, "VLANID - 127", 16, 56, 81, 17, 0x00FFC0C0, "Frame2", nullptr},
    {TextBox, " ", 120, 48, 145, 25, 0x00FFFFFF, "Frame2", nullptr},
    {Label, "SLOT/PORT", 16, 88, 65, 25, 0x00FFC0C0, "Frame2", nullptr},
    {TextBox, " ", 120, 80, 65, 25, 0x00FFFFFF, "Frame2", nullptr},
    {TextBox, " ", 200, 80, 65, 25, 0x00FFFFFF, "Frame2", nullptr},
    {Button, "CALCULATE", 16, 120, 81, 25, 0, "Frame2", nullptr},
    {Button, "CLEAR", 120, 120, 145, 25, 0x00FF8080, "Frame2", nullptr},
    {Frame, "", 0, 168, 353, 289, 0x00FFC0C0, "Frame1", nullptr},
    {TextBox, " ", 64, 56, 209, 33, 0, "Frame1", nullptr},
    {Button, "C", 64, 104, 209, 25, 0, "Frame1", nullptr},
    {Button, "7", 64, 136, 41, 25, 0, "Frame1", nullptr},
    {Button, "8", 120, 136, 41, 25, 0, "Frame1", nullptr},
    {Button, "9", 176, 136, 41, 25, 0, "Frame1", nullptr},
    {Button, "/", 232, 136, 41, 25, 0, "Frame1", nullptr},
    {Button, " 4", 64, 176, 41, 25, 0, "Frame1", nullptr},
    {Button, "5", 120, 176, 41, 25, 0, "Frame1", nullptr},
    {Button, "6", 176, 176, 41, 25, 0, "Frame1", nullptr},
    {Button, "*", 232, 176, 41, 25, 0, "Frame1", nullptr},
    {Button, " 1", 64, 208, 41, 25, 0, "Frame1", nullptr},
    {Button, "2", 120, 208, 41, 25, 0, "Frame1", nullptr},
    {Button, "3", 176, 208, 41, 25, 0, "Frame1", nullptr},
    {Button, "-", 232, 208, 41, 25, 0, "Frame1", nullptr},
    {Button, " 0", 64, 248, 41, 25, 0, "Frame1", nullptr},
    {Button, "+/-", 120, 248, 41, 25, 0, "Frame1", nullptr},
    {Button, "=", 176, 248, 41, 25, 0, "Frame1", nullptr},
    {Button, "+", 232, 248, 41, 25, 0, "Frame1", nullptr},
    {Button, "TOGGLE CALCULATOR", 0, 456, 353, 25, 0x00FFC0C0, nullptr, nullptr},
    {Button, "OKP-P2 CONNECTED DSLAMS", 424, 192, 185, 33, 0x00FFC0C0, nullptr, nullptr},
    {Button, "PONDY-P2 CONNECTED DSLAMS", 424, 248, 185, 33, 0x00FFC0C0, nullptr, nullptr},
    {Button, "MP DSLAMS", 424, 304, 185, 33, 0x00FFC0C0, nullptr, nullptr},
    {Button, "3M DSLAMS", 424, 360, 185, 41, 0x00FFC0C0, nullptr, nullptr},
    {Button, "OTHERS", 424, 416, 185, 41, 0x00FFC0C0, nullptr, nullptr},
    {Label, "Label6", 480, 376, 1, 25, 0x00FFC0C0, nullptr, nullptr},
};

}  // namespace bench
