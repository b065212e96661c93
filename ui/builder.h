#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <map>
#include <string>
#include <string_view>

#include "ui/picture.h"
#include "ui/window_definition.h"

namespace ui {

// The widgets that BuildControls made, by control name.
struct BuiltControls {
    std::map<std::string, QWidget*, std::less<>> all;
    std::map<std::string, QLineEdit*, std::less<>> textBoxes;
    std::map<std::string, QPushButton*, std::less<>> buttons;
    std::map<std::string, QWidget*, std::less<>> frames;
    QWidget* firstFocus = nullptr;  // lowest tab index that can take the focus
};

// Makes every control of definition as a child of window (or of its frame):
// object names, pixel rectangles, texts, colours, fonts, pictures, stacking
// with labels lowest, and the focus order by tab index.
// Pictures come from pictures, so that each is decoded once per window.
BuiltControls BuildControls(const WindowDefinition& definition, QWidget& window,
                            WindowPictures& pictures);

// Applies a definition's colours to a widget: the text colour to textRole,
// the background to backgroundRole (filled by the widget itself).
void ApplyColours(QWidget& widget, const ControlDefinition& control,
                  QPalette::ColorRole textRole, QPalette::ColorRole backgroundRole);

}  // namespace ui
