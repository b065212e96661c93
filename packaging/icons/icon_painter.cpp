// Writes each program's icon as <name>.svg and <name>-<size>.png for the
// usual sizes into the folder given as the only argument. Run by the build;
// the same shapes give the same files on every run.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <charconv>
#include <cstdio>
#include <string>

#include "icon_shapes.h"

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

std::string Number(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Colour(std::uint32_t rgb) {
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rgb & 0xFFFFFFu, 16);
    const std::string hex(buffer, result.ptr);
    return "#" + std::string(6 - hex.size(), '0') + hex;
}

std::string Svg(const icons::Icon& icon) {
    const std::string grid = Number(icons::kGrid);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + grid +
                      "\" height=\"" + grid + "\" viewBox=\"0 0 " + grid + " " + grid + "\">\n";
    for (const icons::Shape& shape : icon.shapes) {
        if (shape.kind == icons::ShapeKind::Circle) {
            svg += "  <circle cx=\"" + Number(shape.x) + "\" cy=\"" + Number(shape.y) +
                   "\" r=\"" + Number(shape.width) + "\" fill=\"" + Colour(shape.rgb) + "\"/>\n";
        } else {
            svg += "  <rect x=\"" + Number(shape.x) + "\" y=\"" + Number(shape.y) +
                   "\" width=\"" + Number(shape.width) + "\" height=\"" + Number(shape.height) +
                   "\" rx=\"" + Number(shape.radius) + "\" fill=\"" + Colour(shape.rgb) + "\"/>\n";
        }
    }
    return svg + "</svg>\n";
}

QImage Png(const icons::Icon& icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(double(size) / icons::kGrid, double(size) / icons::kGrid);
    painter.setPen(Qt::NoPen);
    for (const icons::Shape& shape : icon.shapes) {
        painter.setBrush(QColor::fromRgb(shape.rgb));
        QPainterPath path;
        if (shape.kind == icons::ShapeKind::Circle) {
            path.addEllipse(QPointF(shape.x, shape.y), shape.width, shape.width);
        } else {
            path.addRoundedRect(QRectF(shape.x, shape.y, shape.width, shape.height),
                                shape.radius, shape.radius);
        }
        painter.drawPath(path);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_painter OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "icon_painter: cannot make %s\n", argv[1]);
        return 1;
    }
    for (const icons::Icon& icon : icons::Icons()) {
        const QString name = QString::fromUtf8(icon.name.data(), qsizetype(icon.name.size()));
        QFile svg(folder.filePath(name + QStringLiteral(".svg")));
        const std::string text = Svg(icon);
        if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            svg.write(text.data(), qint64(text.size())) != qint64(text.size())) {
            std::fprintf(stderr, "icon_painter: cannot write %s\n", qPrintable(svg.fileName()));
            return 1;
        }
        for (const int size : kSizes) {
            const QString file = folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(size));
            if (!Png(icon, size).save(file, "PNG")) {
                std::fprintf(stderr, "icon_painter: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
