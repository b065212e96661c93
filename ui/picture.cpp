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
    // Stored pixels, not logical ones: DrawUnscaled maps them to the screen.
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage WindowPictures::Picture(std::string_view resourcePath) {
    const auto found = decoded_.find(resourcePath);
    if (found != decoded_.end()) {
        return found->second;
    }
    QImage image = DecodePicture(resourcePath);
    // A palette picture is expanded once here rather than at every paint.
    if (image.format() == QImage::Format_Indexed8) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    return decoded_.emplace(std::string(resourcePath), std::move(image)).first->second;
}

void DrawUnscaled(QPainter& painter, const QImage& image) {
    if (image.isNull()) {
        return;
    }
    // On a scaled screen (150 %, 200 %) the painter maps logical pixels to
    // several device pixels; undoing that scale puts each image pixel on one
    // device pixel, so the picture is never stretched or smoothed.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    if (ratio == 1.0) {
        painter.drawImage(QPoint(0, 0), image);
        return;
    }
    painter.save();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.drawImage(QPoint(0, 0), image);
    painter.restore();
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
