#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace ui {
namespace {

const QString kDesignFamily = QStringLiteral("MS Sans Serif");
const QString kFallbackFamily = QStringLiteral("Liberation Sans");

// Pixel sizes of the fallback, measured so that every caption of both
// programs' windows fits its rectangle (see caption_fit.h and its tests).
constexpr int kFallbackRegularPixels = 11;
constexpr int kFallbackBoldPixels = 13;

bool HasDesignFamily() {
    // fontconfig answers any family name with a substitute, so ask for the
    // families that are really installed.
    return QFontDatabase::families().contains(kDesignFamily);
}

}  // namespace

QFont ControlFont(FontStyle style) {
    const bool bold = style == FontStyle::Bold975;
    if (HasDesignFamily()) {
        QFont font(kDesignFamily);
        font.setPointSizeF(bold ? 9.75 : 8.25);
        font.setBold(bold);
        return font;
    }
    QFont font(kFallbackFamily);
    font.setPixelSize(bold ? kFallbackBoldPixels : kFallbackRegularPixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace ui
