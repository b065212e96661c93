#pragma once

#include <QImage>
#include <QString>

namespace pictures {

// A single-frame GIF of an indexed picture (Format_Indexed8, at most 256
// colours), written with giflib since Qt writes no GIF.
bool WriteGif(const QImage& indexed, const QString& path, QString* error);

}  // namespace pictures
