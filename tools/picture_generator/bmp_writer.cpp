#include "bmp_writer.h"

#include <QByteArray>
#include <QFile>
#include <cstdint>

namespace pictures {
namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dots per inch

void Put16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void Put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

std::uint32_t PaddedRow(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32) * 4;
}

QByteArray Headers(int width, int height, int bitsPerPixel, std::uint32_t colours) {
    const std::uint32_t pixelBytes = PaddedRow(width, bitsPerPixel) * static_cast<std::uint32_t>(height);
    const std::uint32_t offset = kHeadersSize + colours * 4;
    QByteArray out;
    out.append("BM");
    Put32(out, offset + pixelBytes);  // file size
    Put32(out, 0);                    // reserved
    Put32(out, offset);
    Put32(out, 40);                   // BITMAPINFOHEADER
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
    Put16(out, 1);                                   // planes
    Put16(out, static_cast<std::uint16_t>(bitsPerPixel));
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, colours);  // colours used
    Put32(out, 0);        // all colours important
    return out;
}

bool Save(const QByteArray& bytes, const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

bool WriteBmp24(const QImage& picture, const QString& path, QString* error) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    QByteArray bytes = Headers(width, height, 24, 0);
    const auto padding = static_cast<int>(PaddedRow(width, 24)) - width * 3;
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            bytes.append(static_cast<char>(qBlue(line[x])));
            bytes.append(static_cast<char>(qGreen(line[x])));
            bytes.append(static_cast<char>(qRed(line[x])));
        }
        bytes.append(padding, '\0');
    }
    return Save(bytes, path, error);
}

bool WriteBmp8(const QImage& indexed, const QString& path, QString* error) {
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() == 0) {
        *error = QStringLiteral("%1: an 8-bit bitmap needs an indexed picture").arg(path);
        return false;
    }
    const int width = indexed.width();
    const int height = indexed.height();
    const QList<QRgb> table = indexed.colorTable();
    QByteArray bytes = Headers(width, height, 8, static_cast<std::uint32_t>(table.size()));
    for (const QRgb colour : table) {
        bytes.append(static_cast<char>(qBlue(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append('\0');
    }
    const auto padding = static_cast<int>(PaddedRow(width, 8)) - width;
    for (int y = height - 1; y >= 0; --y) {
        bytes.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), width);
        bytes.append(padding, '\0');
    }
    return Save(bytes, path, error);
}

}  // namespace pictures
