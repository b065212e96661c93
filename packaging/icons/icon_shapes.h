#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The programs' icons as a few flat shapes on a 64 x 64 grid, so that the
// SVG and every PNG size are drawn from one description.
namespace icons {

enum class ShapeKind { RoundedRect, Circle };

struct Shape {
    ShapeKind kind = ShapeKind::RoundedRect;
    double x = 0;  // left, or the circle's centre
    double y = 0;  // top, or the circle's centre
    double width = 0;   // the circle's radius in width; height unused
    double height = 0;
    double radius = 0;  // corner radius of a rectangle
    std::uint32_t rgb = 0;  // 0xRRGGBB
};

struct Icon {
    std::string_view name;  // the program, and the icon's file name
    std::span<const Shape> shapes;  // painted in order
};

constexpr int kGrid = 64;

std::span<const Icon> Icons();

}  // namespace icons
