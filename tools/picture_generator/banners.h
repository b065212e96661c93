#pragma once

#include <QImage>
#include <QSize>

#include "picture_fonts.h"

// The main window's three banners: plain shapes and words of our own on the
// window's calm blues. The main window shows only their top 49 px (and the
// left 297 px of the network banner), so everything lies there.
namespace pictures {

QImage TitleBanner(QSize size, const PictureFonts& fonts);    // "VLAN  TO  SLOT / PORT"
QImage NetworkBanner(QSize size, const PictureFonts& fonts);  // "DSLAM ACCESS NETWORK" and three linked nodes
QImage ShelfBanner(QSize size, const PictureFonts& fonts);    // a DSLAM shelf of sixteen numbered cards

}  // namespace pictures
