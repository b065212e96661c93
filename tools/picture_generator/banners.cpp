#include "banners.h"

#include <QPainter>
#include <QPointF>

#include "picture_colours.h"

namespace pictures {
namespace {

constexpr int kShownHeight = 49;

QImage Blank(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

QImage TitleBanner(QSize size, const PictureFonts& fonts) {
    QImage image = Blank(size, colours::kSteel);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(0, kShownHeight - 6, size.width(), 3), colours::kSky);
    painter.setFont(fonts.Bold(24));
    painter.setPen(colours::kWhite);
    painter.drawText(QRect(0, 0, size.width(), kShownHeight - 6), Qt::AlignCenter,
                     QStringLiteral("VLAN  TO  SLOT / PORT"));
    return image;
}

QImage NetworkBanner(QSize size, const PictureFonts& fonts) {
    constexpr int kShownWidth = 297;
    QImage image = Blank(size, colours::kNavy);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(0, kShownHeight - 6, size.width(), 3), colours::kSky);
    painter.setFont(fonts.Bold(16));
    painter.setPen(colours::kWhite);
    painter.drawText(QRect(12, 0, kShownWidth - 12, kShownHeight - 6), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("DSLAM ACCESS NETWORK"));

    // Three nodes on a line, at the right of the part the window shows.
    const QPointF nodes[] = {{kShownWidth - 44.0, 24.5}, {kShownWidth - 29.0, 15.5}, {kShownWidth - 14.0, 24.5}};
    painter.setPen(QPen(QColor::fromRgb(colours::kSky), 2.0));
    painter.drawLine(nodes[0], nodes[1]);
    painter.drawLine(nodes[1], nodes[2]);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(colours::kWhite));
    for (const QPointF& node : nodes) painter.drawEllipse(node, 4.5, 4.5);
    return image;
}

QImage ShelfBanner(QSize size, const PictureFonts& fonts) {
    constexpr int kCards = 16;
    constexpr int kGap = 4;
    QImage image = Blank(size, colours::kWindow);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const QRect chassis(6, 4, 692, size.height() - 8);
    painter.fillRect(chassis, colours::kChassis);
    const int inner = chassis.width() - 2 * kGap;
    painter.setFont(fonts.Bold(10));
    for (int card = 0; card < kCards; ++card) {
        const int left = chassis.left() + kGap + card * inner / kCards;
        const int right = chassis.left() + kGap + (card + 1) * inner / kCards - kGap;
        const QRect face(left, chassis.top() + 4, right - left, chassis.height() - 8);
        painter.fillRect(face, colours::kCard);
        painter.setPen(colours::kWhite);
        painter.drawText(QRect(face.left(), face.top() + 1, face.width(), 13), Qt::AlignCenter,
                         QString::number(card + 1));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(colours::kLed));
        painter.drawEllipse(QPointF(face.left() + 9.5, face.top() + 20.5), 2.5, 2.5);
        painter.drawEllipse(QPointF(face.right() - 8.5, face.top() + 20.5), 2.5, 2.5);
        // Port rows: short bars, two columns of four.
        for (int port = 0; port < 4; ++port) {
            const int y = face.top() + 26 + port * 5;
            painter.fillRect(QRect(face.left() + 5, y, face.width() / 2 - 7, 3), colours::kSky);
            painter.fillRect(QRect(face.left() + face.width() / 2 + 2, y, face.width() / 2 - 7, 3), colours::kSky);
        }
    }
    return image;
}

}  // namespace pictures
