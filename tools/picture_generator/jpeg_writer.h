#pragma once

#include <QImage>
#include <QString>

namespace pictures {

// A baseline colour JPEG (YCbCr) at a fixed quality, with no text fields.
bool WriteJpeg(const QImage& picture, const QString& path, QString* error);

}  // namespace pictures
