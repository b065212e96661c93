#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <string_view>

// Small helpers shared by orvane's window tests.
namespace orvane_test {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A twip rectangle of the window tables in logical pixels.
inline QRect Pixels(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// What widget draws inside region (widget coordinates) equals the top-left
// corner of picture, pixel for pixel: the picture unscaled from the corner.
inline bool ShowsPictureCorner(QWidget& widget, const QRect& region, const QImage& picture,
                               QPoint pictureOrigin = {0, 0}) {
    const QImage shown = widget.grab(region).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = picture.copy(QRect(pictureOrigin, region.size()))
                                .convertToFormat(QImage::Format_RGB32);
    return !picture.isNull() && shown.size() == expected.size() && shown == expected;
}

}  // namespace orvane_test
