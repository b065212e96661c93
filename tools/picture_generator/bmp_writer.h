#pragma once

#include <QImage>
#include <QString>

// Uncompressed Windows bitmaps written byte by byte, so that the file has
// exactly the depth asked for (Qt's own writer picks the depth itself) and no
// field that could change from one run to the next.
namespace pictures {

// 24 bits a pixel, BI_RGB, rows bottom-up.
bool WriteBmp24(const QImage& picture, const QString& path, QString* error);

// 8 bits a pixel with the image's colour table; `indexed` is Format_Indexed8.
bool WriteBmp8(const QImage& indexed, const QString& path, QString* error);

}  // namespace pictures
