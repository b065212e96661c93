#include "picture_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace pictures {
namespace {

constexpr const char* kFontFiles[] = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
};

}  // namespace

std::optional<PictureFonts> PictureFonts::Load(QString* error) {
    QString family;
    for (const char* file : kFontFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            *error = QStringLiteral("cannot load the font file %1 (Debian package fonts-liberation2)")
                         .arg(QString::fromLatin1(file));
            return std::nullopt;
        }
        family = families.front();
    }
    return PictureFonts(family);
}

QFont PictureFonts::Regular(int pixelSize) const { return Make(pixelSize, false); }
QFont PictureFonts::Bold(int pixelSize) const { return Make(pixelSize, true); }

QFont PictureFonts::Make(int pixelSize, bool bold) const {
    QFont font(family_);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setKerning(true);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace pictures
