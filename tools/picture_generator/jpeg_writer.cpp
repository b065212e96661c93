#include "jpeg_writer.h"

#include <QImageWriter>

namespace pictures {

bool WriteJpeg(const QImage& picture, const QString& path, QString* error) {
    QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    rgb.setDotsPerMeterX(3780);
    rgb.setDotsPerMeterY(3780);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(rgb)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

}  // namespace pictures
