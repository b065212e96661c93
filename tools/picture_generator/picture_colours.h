#pragma once

#include <QRgb>
#include <array>

// The few colours every picture is drawn with; the indexed pictures build
// their colour tables from these.
namespace pictures::colours {

inline constexpr QRgb kPaper = 0xFFFFFFFF;
inline constexpr QRgb kTitle = 0xFF1F3A5F;    // dark navy: title, header text, frame
inline constexpr QRgb kNote = 0xFF4A5A6A;     // slate grey: note under a title
inline constexpr QRgb kWarning = 0xFFB03A2E;  // brick red: the sample-data warning
inline constexpr QRgb kHeader = 0xFFD6E4F5;   // header row
inline constexpr QRgb kShade = 0xFFF1F5FB;    // every other row
inline constexpr QRgb kRule = 0xFF9AAFC7;     // grid lines
inline constexpr QRgb kInk = 0xFF1A1A1A;      // cell text

inline constexpr std::array<QRgb, 8> kTableColours{kPaper, kTitle, kNote, kWarning, kHeader, kShade, kRule, kInk};

// Banners.
inline constexpr QRgb kSteel = 0xFF2F5D8C;
inline constexpr QRgb kNavy = 0xFF1F3A5F;
inline constexpr QRgb kSky = 0xFF9CC3E6;
inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kWindow = 0xFFC0C0FF;   // the main window's background
inline constexpr QRgb kChassis = 0xFF34495E;
inline constexpr QRgb kCard = 0xFF5D7A96;
inline constexpr QRgb kLed = 0xFF3CC46A;

}  // namespace pictures::colours
