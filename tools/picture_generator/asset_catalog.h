#pragma once

#include <span>
#include <string_view>

#include "sample_pages.h"
#include "tandrel/directory_rows.h"

// Every picture file of orvane: its name, file format, pixel size and what it
// shows. The generator walks this table and nothing else.
namespace pictures {

enum class FileFormat { Bmp24, Bmp8, Jpeg, Gif };

enum class Content { TitleBanner, NetworkBanner, ShelfBanner, Directory, Officers, Mpls };

struct AssetDefinition {
    std::string_view file;
    FileFormat format;
    int width;
    int height;
    Content content;
    std::string_view title = {};  // the caption of the button that opens the page
    // Officers and MPLS pages.
    NameRange names = {'A', 'Z'};
    PhoneKind phone = PhoneKind::Mobile;
    unsigned seed = 0;
    // DSLAM pages.
    tandrel::DirectoryList list = tandrel::DirectoryList::PondyP2;
    // The part of the picture that its page shows when it is narrower than
    // the picture (the rest is cut off); 0 for the whole width.
    int shownWidth = 0;
    // Blank rows above the title, so that a small picture box showing the
    // picture's top-left corner again blends into the background.
    int topMargin = 0;
};

std::span<const AssetDefinition> AssetCatalog();

}  // namespace pictures
