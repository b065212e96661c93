#include "gif_writer.h"

#include <gif_lib.h>

#include <QFile>
#include <vector>

namespace pictures {
namespace {

// giflib wants a colour map whose size is a power of two.
int MapSize(int colours) {
    int size = 2;
    while (size < colours) size *= 2;
    return size;
}

QString GifError(const QString& path, int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("cannot write %1: %2").arg(path, QString::fromLatin1(text ? text : "giflib error"));
}

// giflib's output goes through the QFile it was opened with, so no platform
// file descriptors are needed.
int WriteToFile(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* file = static_cast<QFile*>(gif->UserData);
    return static_cast<int>(file->write(reinterpret_cast<const char*>(bytes), length));
}

}  // namespace

bool WriteGif(const QImage& indexed, const QString& path, QString* error) {
    const QList<QRgb> table = indexed.colorTable();
    if (indexed.format() != QImage::Format_Indexed8 || table.isEmpty() || table.size() > 256) {
        *error = QStringLiteral("%1: a GIF needs an indexed picture of at most 256 colours").arg(path);
        return false;
    }
    std::vector<GifColorType> colours(static_cast<std::size_t>(MapSize(static_cast<int>(table.size()))), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < table.size(); ++i) {
        colours[static_cast<std::size_t>(i)] = GifColorType{static_cast<GifByteType>(qRed(table[i])),
                                                            static_cast<GifByteType>(qGreen(table[i])),
                                                            static_cast<GifByteType>(qBlue(table[i]))};
    }

    // Opened here rather than by giflib, which would make the file private (0600).
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    int code = 0;
    GifFileType* gif = EGifOpen(&file, WriteToFile, &code);
    if (gif == nullptr) {
        *error = GifError(path, code);
        return false;
    }
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    bool written = map != nullptr &&
                   EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK &&
                   EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<std::size_t>(indexed.width()));
    for (int y = 0; written && y < indexed.height(); ++y) {
        const uchar* source = indexed.constScanLine(y);
        line.assign(source, source + indexed.width());
        written = EGifPutLine(gif, line.data(), indexed.width()) == GIF_OK;
    }
    if (!written) code = gif->Error;
    GifFreeMapObject(map);
    int closeCode = 0;
    if (EGifCloseFile(gif, &closeCode) != GIF_OK && written) {
        written = false;
        code = closeCode;
    }
    if (written && !file.flush()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    if (!written) *error = GifError(path, code);
    return written;
}

}  // namespace pictures
