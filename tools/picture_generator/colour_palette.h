#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <span>

// Fixed colour tables for the indexed pictures (the GIFs and the 8-bit BMP).
// A picture is drawn in full colour from a few base colours; its
// antialiased edges are blends of two of them, so a table of the bases and
// of evenly spaced blends between every pair maps it back with no visible loss.
namespace pictures {

// The bases, then `steps` blends between each pair of bases.
QList<QRgb> BlendPalette(std::span<const QRgb> bases, int steps);

// Each pixel to its nearest palette entry; no dithering, so the same
// picture always gives the same indices.
QImage ToIndexed(const QImage& picture, const QList<QRgb>& palette);

}  // namespace pictures
