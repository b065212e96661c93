#include "picture_fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QStringList>

#ifndef PICTURE_FONT_DIR
#define PICTURE_FONT_DIR ""
#endif

namespace pictures {
namespace {

constexpr const char* kFontFiles[] = {
    "LiberationSans-Regular.ttf",
    "LiberationSans-Bold.ttf",
};

// Where the font files are looked for, first match wins: the folder named by
// PICTURE_FONT_DIR in the environment, the one the build was configured with,
// then the system's font folders.
QStringList FontFolders() {
    QStringList folders;
    if (const QString chosen = qEnvironmentVariable("PICTURE_FONT_DIR"); !chosen.isEmpty()) {
        folders << chosen;
    }
    if (const QString configured = QString::fromUtf8(PICTURE_FONT_DIR); !configured.isEmpty()) {
        folders << configured;
    }
    for (const QString& system : QStandardPaths::standardLocations(QStandardPaths::FontsLocation)) {
        folders << system << system + QStringLiteral("/truetype/liberation2");
    }
    return folders;
}

QString FindFontFile(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

}  // namespace

std::optional<PictureFonts> PictureFonts::Load(QString* error) {
    QString family;
    const QStringList folders = FontFolders();
    for (const char* file : kFontFiles) {
        const QString name = QString::fromLatin1(file);
        const QString path = FindFontFile(name, folders);
        const int id = path.isEmpty() ? -1 : QFontDatabase::addApplicationFont(path);
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            *error = QStringLiteral("cannot load the font file %1 from %2 (Liberation Sans: Debian "
                                    "package fonts-liberation2; or set PICTURE_FONT_DIR)")
                         .arg(name, folders.join(QStringLiteral(", ")));
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
