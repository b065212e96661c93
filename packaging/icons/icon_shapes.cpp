#include "icon_shapes.h"

#include <array>

namespace icons {
namespace {

constexpr Shape Box(double x, double y, double w, double h, double r, std::uint32_t rgb) {
    return {ShapeKind::RoundedRect, x, y, w, h, r, rgb};
}

constexpr Shape Dot(double cx, double cy, double r, std::uint32_t rgb) {
    return {ShapeKind::Circle, cx, cy, r, 0, 0, rgb};
}

// orvane: a DSLAM line card standing on the window's lavender, with its
// handle, two status lights and two columns of subscriber ports.
constexpr std::array kOrvane = {
    Box(2, 2, 60, 60, 10, 0xC0C0FF),
    Box(14, 4, 36, 56, 3, 0x2F4F6F),
    Box(18, 7, 28, 5, 1.5, 0x8FA8C0),
    Dot(22, 17, 2.5, 0x4CD964),
    Dot(42, 17, 2.5, 0xFFB020),
    Box(19, 24, 10, 5, 1, 0xE8F0F8), Box(35, 24, 10, 5, 1, 0xE8F0F8),
    Box(19, 31, 10, 5, 1, 0xE8F0F8), Box(35, 31, 10, 5, 1, 0xE8F0F8),
    Box(19, 38, 10, 5, 1, 0xE8F0F8), Box(35, 38, 10, 5, 1, 0xE8F0F8),
    Box(19, 45, 10, 5, 1, 0xE8F0F8), Box(35, 45, 10, 5, 1, 0xE8F0F8),
    Box(19, 52, 10, 5, 1, 0xE8F0F8), Box(35, 52, 10, 5, 1, 0xE8F0F8),
};

// tandrel: a small keypad calculator: a display over four rows of keys, the
// operator column in orange.
constexpr std::uint32_t kKey = 0xD8DCE4;
constexpr std::uint32_t kOperator = 0xF0A030;
constexpr std::array kTandrel = {
    Box(8, 2, 48, 60, 7, 0x3A4150),
    Box(13, 7, 38, 12, 2, 0xC8E6C0),
    Box(30, 11, 17, 4, 1, 0x2F4F2F),
    Box(13, 23, 8, 7, 1.5, kKey), Box(23, 23, 8, 7, 1.5, kKey), Box(33, 23, 8, 7, 1.5, kKey), Box(43, 23, 8, 7, 1.5, kOperator),
    Box(13, 32, 8, 7, 1.5, kKey), Box(23, 32, 8, 7, 1.5, kKey), Box(33, 32, 8, 7, 1.5, kKey), Box(43, 32, 8, 7, 1.5, kOperator),
    Box(13, 41, 8, 7, 1.5, kKey), Box(23, 41, 8, 7, 1.5, kKey), Box(33, 41, 8, 7, 1.5, kKey), Box(43, 41, 8, 7, 1.5, kOperator),
    Box(13, 50, 8, 7, 1.5, kKey), Box(23, 50, 8, 7, 1.5, kKey), Box(33, 50, 8, 7, 1.5, kKey), Box(43, 50, 8, 7, 1.5, kOperator),
};

constexpr std::array kIcons = {
    Icon{"orvane", kOrvane},
    Icon{"tandrel", kTandrel},
};

}  // namespace

std::span<const Icon> Icons() { return kIcons; }

}  // namespace icons
