#include "asset_catalog.h"

namespace pictures {
namespace {

using tandrel::DirectoryList;

AssetDefinition Banner(std::string_view file, FileFormat format, int width, int height, Content content) {
    return {.file = file, .format = format, .width = width, .height = height, .content = content};
}

AssetDefinition Officers(std::string_view file, FileFormat format, int width, int height,
                         std::string_view title, NameRange names, PhoneKind phone, unsigned seed) {
    return {.file = file, .format = format, .width = width, .height = height, .content = Content::Officers,
            .title = title, .names = names, .phone = phone, .seed = seed};
}

AssetDefinition Mpls(std::string_view file, int width, int height, std::string_view title,
                     NameRange names, unsigned seed) {
    return {.file = file, .format = FileFormat::Bmp24, .width = width, .height = height,
            .content = Content::Mpls, .title = title, .names = names, .seed = seed};
}

AssetDefinition Directory(std::string_view file, FileFormat format, int width, int height,
                          std::string_view title, DirectoryList list, int shownWidth = 0, int topMargin = 0) {
    return {.file = file, .format = format, .width = width, .height = height, .content = Content::Directory,
            .title = title, .list = list, .shownWidth = shownWidth, .topMargin = topMargin};
}

using enum FileFormat;
using enum PhoneKind;

// Page titles are the captions of the buttons that open them, blanks included.
// Form5's box is 617 px wide, so its table stays inside that; Form6's small
// box repeats the picture's top-left 41 x 9 px at (48, 32), which a blank
// band above the title keeps invisible.
const AssetDefinition kAssets[] = {
    Banner("picture1.gif", Gif, 400, 49, Content::TitleBanner),
    Banner("picture2.gif", Gif, 329, 51, Content::NetworkBanner),
    Banner("picture3.bmp", Bmp24, 715, 124, Content::ShelfBanner),
    Officers("form2.jpg", Jpeg, 598, 659, "OFFICERS MOBILE A - J", {'A', 'J'}, Mobile, 2),
    Directory("form3.bmp", Bmp24, 853, 736, "PONDY-P2 CONNECTED DSLAMS", DirectoryList::PondyP2),
    Directory("form4.bmp", Bmp24, 571, 514, "MP DSLAMS", DirectoryList::Mp),
    Directory("form5.bmp", Bmp24, 681, 626, "3M DSLAMS", DirectoryList::ThreeM, 617),
    Directory("form6.bmp", Bmp8, 960, 720, "OTHERS", DirectoryList::Others, 0, 44),
    Officers("form8.bmp", Bmp24, 598, 865, "OFFICERS MOBILE  J-M", {'J', 'M'}, Mobile, 8),
    Officers("form9.jpg", Jpeg, 598, 740, "OFFICERS MOBILE  N - R", {'N', 'R'}, Mobile, 9),
    Officers("form10.bmp", Bmp24, 779, 577, "OFFICERS MOBILE  S-Z", {'S', 'Z'}, Mobile, 10),
    Officers("form11.jpg", Jpeg, 537, 2264, "OFFICERS LL A-M", {'A', 'M'}, Landline, 11),
    Officers("form12.bmp", Bmp24, 505, 1344, "OFFICERS LL M-S", {'M', 'S'}, Landline, 12),
    Officers("form13.bmp", Bmp24, 505, 630, "OFFICERS LL S-Z", {'S', 'Z'}, Landline, 13),
    Mpls("form14.bmp", 1069, 589, "MPLS A-C", {'A', 'C'}, 14),
    Mpls("form15.bmp", 1070, 593, "MPLS C-H", {'C', 'H'}, 15),
    Mpls("form16.bmp", 1069, 600, "MPLS  H-M", {'H', 'M'}, 16),
    Mpls("form17.bmp", 1070, 1160, "MPLS M -S", {'M', 'S'}, 17),
    Mpls("form18.bmp", 1070, 480, "MPLS S-Z", {'S', 'Z'}, 18),
    Directory("form19.bmp", Bmp24, 853, 496, "OKP-P2 CONNECTED DSLAMS", DirectoryList::OkpP2),
};

}  // namespace

std::span<const AssetDefinition> AssetCatalog() { return kAssets; }

}  // namespace pictures
