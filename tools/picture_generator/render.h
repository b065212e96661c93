#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "asset_catalog.h"
#include "picture_fonts.h"

namespace pictures {

// The picture of one asset in full colour, at its pixel size.
std::optional<QImage> Render(const AssetDefinition& asset, const PictureFonts& fonts, QString* error);

// Writes the picture in the asset's file format.
bool WriteAsset(const AssetDefinition& asset, const QImage& picture, const QString& path, QString* error);

}  // namespace pictures
