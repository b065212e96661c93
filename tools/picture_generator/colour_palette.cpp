#include "colour_palette.h"

namespace pictures {
namespace {

int Mix(int from, int to, int step, int steps) { return from + (to - from) * step / (steps + 1); }

}  // namespace

QList<QRgb> BlendPalette(std::span<const QRgb> bases, int steps) {
    QList<QRgb> palette(bases.begin(), bases.end());
    for (std::size_t a = 0; a < bases.size(); ++a) {
        for (std::size_t b = a + 1; b < bases.size(); ++b) {
            for (int step = 1; step <= steps; ++step) {
                palette.push_back(qRgb(Mix(qRed(bases[a]), qRed(bases[b]), step, steps),
                                       Mix(qGreen(bases[a]), qGreen(bases[b]), step, steps),
                                       Mix(qBlue(bases[a]), qBlue(bases[b]), step, steps)));
            }
        }
    }
    return palette;
}

QImage ToIndexed(const QImage& picture, const QList<QRgb>& palette) {
    return picture.convertToFormat(QImage::Format_Indexed8, palette,
                                   Qt::ThresholdDither | Qt::AvoidDither | Qt::ColorOnly);
}

}  // namespace pictures
