#pragma once

#include <QFont>
#include <QString>
#include <optional>

// The one font family every picture is drawn with, loaded from its own font
// files so that the pictures do not depend on which fonts a machine has set
// up (see picture_fonts.cpp for where the files are looked for).
namespace pictures {

class PictureFonts {
public:
    // Loads the regular and bold faces; nullopt when a file is missing.
    static std::optional<PictureFonts> Load(QString* error);

    QFont Regular(int pixelSize) const;
    QFont Bold(int pixelSize) const;

private:
    explicit PictureFonts(QString family) : family_(std::move(family)) {}
    QFont Make(int pixelSize, bool bold) const;

    QString family_;
};

}  // namespace pictures
