// picture_generator <output-dir> [--only file,file,...]
//
// Writes every picture file of orvane into <output-dir>, the same bytes on
// every run. With --only, just the named files.
#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <QStringList>
#include <cstdio>

#include "asset_catalog.h"
#include "picture_fonts.h"
#include "render.h"

namespace {

void Complain(const QString& text) { std::fprintf(stderr, "picture_generator: %s\n", qPrintable(text)); }

struct Arguments {
    QString outputDir;
    QSet<QString> only;  // empty for every file
};

std::optional<Arguments> Parse(const QStringList& arguments) {
    Arguments parsed;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--only") && i + 1 < arguments.size()) {
            for (const QString& name : arguments[++i].split(QLatin1Char(','), Qt::SkipEmptyParts)) parsed.only.insert(name);
        } else if (parsed.outputDir.isEmpty() && !arguments[i].startsWith(QLatin1String("--"))) {
            parsed.outputDir = arguments[i];
        } else {
            return std::nullopt;
        }
    }
    if (parsed.outputDir.isEmpty()) return std::nullopt;
    return parsed;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Fonts need a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);

    const std::optional<Arguments> arguments = Parse(QGuiApplication::arguments());
    if (!arguments) {
        Complain(QStringLiteral("usage: picture_generator <output-dir> [--only file,file,...]"));
        return 2;
    }
    QSet<QString> unknown = arguments->only;
    for (const pictures::AssetDefinition& asset : pictures::AssetCatalog())
        unknown.remove(QString::fromLatin1(asset.file.data(), static_cast<qsizetype>(asset.file.size())));
    if (!unknown.isEmpty()) {
        Complain(QStringLiteral("no such picture: %1").arg(QStringList(unknown.begin(), unknown.end()).join(QLatin1String(", "))));
        return 2;
    }
    const QDir outputDir(arguments->outputDir);
    if (!outputDir.exists() && !QDir().mkpath(arguments->outputDir)) {
        Complain(QStringLiteral("cannot create %1").arg(arguments->outputDir));
        return 1;
    }

    QString error;
    const std::optional<pictures::PictureFonts> fonts = pictures::PictureFonts::Load(&error);
    if (!fonts) {
        Complain(error);
        return 1;
    }
    for (const pictures::AssetDefinition& asset : pictures::AssetCatalog()) {
        const QString file = QString::fromLatin1(asset.file.data(), static_cast<qsizetype>(asset.file.size()));
        if (!arguments->only.isEmpty() && !arguments->only.contains(file)) continue;
        const std::optional<QImage> picture = pictures::Render(asset, *fonts, &error);
        if (!picture || !pictures::WriteAsset(asset, *picture, outputDir.filePath(file), &error)) {
            Complain(error);
            return 1;
        }
    }
    return 0;
}
