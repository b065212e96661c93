#include "render.h"

#include "banners.h"
#include "bmp_writer.h"
#include "colour_palette.h"
#include "directory_pages.h"
#include "gif_writer.h"
#include "jpeg_writer.h"
#include "picture_colours.h"
#include "sample_pages.h"
#include "table_painter.h"

namespace pictures {
namespace {

// Sample tables get as many rows as fill the picture.
PageTable SampleTable(const AssetDefinition& asset, int rows) {
    return asset.content == Content::Mpls
               ? MplsTable(asset.title, asset.names, asset.seed, rows)
               : OfficersTable(asset.title, asset.names, asset.phone, asset.seed, rows);
}

QList<QRgb> PaletteOf(const AssetDefinition& asset) {
    switch (asset.content) {
        case Content::TitleBanner: {
            constexpr QRgb bases[] = {colours::kSteel, colours::kSky, colours::kWhite};
            return BlendPalette(bases, 30);
        }
        case Content::NetworkBanner: {
            constexpr QRgb bases[] = {colours::kNavy, colours::kSky, colours::kWhite};
            return BlendPalette(bases, 30);
        }
        default:
            return BlendPalette(colours::kTableColours, 6);
    }
}

}  // namespace

std::optional<QImage> Render(const AssetDefinition& asset, const PictureFonts& fonts, QString* error) {
    const QSize size(asset.width, asset.height);
    switch (asset.content) {
        case Content::TitleBanner: return TitleBanner(size, fonts);
        case Content::NetworkBanner: return NetworkBanner(size, fonts);
        case Content::ShelfBanner: return ShelfBanner(size, fonts);
        case Content::Directory:
        case Content::Officers:
        case Content::Mpls: break;
    }
    const TablePainter painter(fonts);
    const TableLayout layout{asset.shownWidth, asset.topMargin};
    if (asset.content == Content::Directory) {
        return painter.Paint(DirectoryPageTable(asset.list, asset.title), size, layout, error);
    }
    const int rows = painter.RowCapacity(SampleTable(asset, 0), size, layout);
    return painter.Paint(SampleTable(asset, rows), size, layout, error);
}

bool WriteAsset(const AssetDefinition& asset, const QImage& picture, const QString& path, QString* error) {
    switch (asset.format) {
        case FileFormat::Bmp24: return WriteBmp24(picture, path, error);
        case FileFormat::Bmp8: return WriteBmp8(ToIndexed(picture, PaletteOf(asset)), path, error);
        case FileFormat::Gif: return WriteGif(ToIndexed(picture, PaletteOf(asset)), path, error);
        case FileFormat::Jpeg: return WriteJpeg(picture, path, error);
    }
    return false;
}

}  // namespace pictures
