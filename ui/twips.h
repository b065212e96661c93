#pragma once

#include <QRect>

#include "ui/window_definition.h"

namespace ui {

// 15 twips to a logical pixel, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}

inline QRect PixelRect(const TwipRect& rect) {
    return QRect(TwipsToPixels(rect.left), TwipsToPixels(rect.top),
                 TwipsToPixels(rect.width), TwipsToPixels(rect.height));
}

}  // namespace ui
