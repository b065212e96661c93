#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <map>
#include <string>
#include <string_view>

namespace ui {

// Decodes a stored picture (BMP, GIF's first frame, JPEG) at its stored size.
// An undecodable picture gives a null image and a warning.
QImage DecodePicture(std::string_view resourcePath);

// Draws image with its top-left pixel at the painter's origin, one image
// pixel to one device pixel (on a 200 % screen a 100-pixel-wide picture
// covers 50 logical pixels), cut off by the painter's clip.
void DrawUnscaled(QPainter& painter, const QImage& image);

// The pictures of one window, each decoded once however many places show it
// (a page's background and its picture box share one image).
class WindowPictures {
public:
    QImage Picture(std::string_view resourcePath);

private:
    std::map<std::string, QImage, std::less<>> decoded_;
};

// A picture box: its image at its top-left corner, unscaled, cut off at its
// edges. It takes part in keyboard focus like the other controls.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(QImage image, QWidget* parent);
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace ui
