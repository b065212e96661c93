#include "ui/picture.h"

#include <QImageReader>
#include <QPainter>
#include <QtDebug>

namespace ui {

QImage DecodePicture(std::string_view resourcePath) {
    const QString path = QString::fromUtf8(resourcePath.data(),
                                           static_cast<qsizetype>(resourcePath.size()));
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage image = reader.read();  // a GIF gives its first frame
    if (image.isNull()) {
        qWarning("cannot decode picture %s: %s", qPrintable(path),
                 qPrintable(reader.errorString()));
    }
    // One image pixel to one logical pixel, whatever the screen's ratio.
    image.setDevicePixelRatio(1.0);
    return image;
}

void DrawUnscaled(QPainter& painter, const QImage& image) {
    if (!image.isNull()) {
        painter.drawImage(QPoint(0, 0), image);
    }
}

PictureBox::PictureBox(QImage image, QWidget* parent) : QWidget(parent), image_(std::move(image)) {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    DrawUnscaled(painter, image_);
}

}  // namespace ui
