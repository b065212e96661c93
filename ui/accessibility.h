#pragma once

#include <QString>
#include <QWidget>

#include <span>

#include "ui/window_definition.h"

namespace ui {

// What a screen reader calls a control, with runs of blanks read as one:
// - its accessibleName from the table when it has one;
// - a text box: the caption of the label beside it on its left, or else of
//   the nearest label above it, among the controls of its own frame;
// - a button, label or frame: its caption;
// - otherwise (a picture box the table does not describe) empty.
QString AccessibleNameOf(const ControlDefinition& control,
                         std::span<const ControlDefinition> controls);

// Gives widget, made from control, its accessible name, and a picture box
// its description as a picture.
void ApplyAccessibleName(QWidget& widget, const ControlDefinition& control,
                         std::span<const ControlDefinition> controls);

// Makes screen readers present picture boxes as graphics. Idempotent.
void InstallAccessibleRoles();

}  // namespace ui
