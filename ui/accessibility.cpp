#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>
#include <limits>
#include <optional>

#include "ui/picture.h"

namespace ui {
namespace {

QString Spoken(std::string_view text) {
    // "ENTER VLAN  OR" and "     SLOT/PORT" are spaced for the eye, not the ear.
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).simplified();
}

int Bottom(const TwipRect& r) { return r.top + r.height; }
int Right(const TwipRect& r) { return r.left + r.width; }
int MiddleY(const TwipRect& r) { return r.top + r.height / 2; }

bool Overlap(int aStart, int aEnd, int bStart, int bEnd) { return aStart < bEnd && bStart < aEnd; }

// A label stands beside a box when its middle lies within the box's height
// and it starts left of the box; the distance is from the label's right edge.
std::optional<int> BesideDistance(const TwipRect& label, const TwipRect& box) {
    const int middle = MiddleY(label);
    if (label.left >= box.left || middle < box.top || middle >= Bottom(box)) {
        return std::nullopt;
    }
    return std::max(0, box.left - Right(label));
}

// A label stands above a box when they share some width and the label's
// middle lies above the box's top edge.
std::optional<int> AboveDistance(const TwipRect& label, const TwipRect& box) {
    if (!Overlap(label.left, Right(label), box.left, Right(box)) || MiddleY(label) >= box.top) {
        return std::nullopt;
    }
    return box.top - MiddleY(label);
}

QString NearestLabel(const ControlDefinition& box, std::span<const ControlDefinition> controls,
                     std::optional<int> (*distance)(const TwipRect&, const TwipRect&)) {
    const ControlDefinition* nearest = nullptr;
    int best = std::numeric_limits<int>::max();
    for (const ControlDefinition& label : controls) {
        if (label.kind != ControlKind::Label || label.frame != box.frame ||
            Spoken(label.text).isEmpty()) {
            continue;
        }
        if (const std::optional<int> d = distance(label.rect, box.rect); d && *d < best) {
            best = *d;
            nearest = &label;
        }
    }
    return nearest ? Spoken(nearest->text) : QString();
}

QAccessibleInterface* PictureBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::PictureBox") && object && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

QString AccessibleNameOf(const ControlDefinition& control,
                         std::span<const ControlDefinition> controls) {
    if (!control.accessibleName.empty()) {
        return Spoken(control.accessibleName);
    }
    switch (control.kind) {
    case ControlKind::TextBox: {
        const QString beside = NearestLabel(control, controls, BesideDistance);
        return beside.isEmpty() ? NearestLabel(control, controls, AboveDistance) : beside;
    }
    case ControlKind::Button:
    case ControlKind::Label:
    case ControlKind::Frame: return Spoken(control.text);
    case ControlKind::PictureBox: break;
    }
    return {};
}

void ApplyAccessibleName(QWidget& widget, const ControlDefinition& control,
                         std::span<const ControlDefinition> controls) {
    const QString name = AccessibleNameOf(control, controls);
    if (!name.isEmpty()) {
        widget.setAccessibleName(name);
    }
    if (control.kind == ControlKind::PictureBox) {
        const QImage& image = static_cast<const PictureBox&>(widget).Image();
        widget.setAccessibleDescription(
            image.isNull() ? QStringLiteral("Picture, not available")
                           : QStringLiteral("Picture, %1 by %2 pixels")
                                 .arg(image.width())
                                 .arg(image.height()));
    }
}

void InstallAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(PictureBoxAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace ui
