#include "ui/caption_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <limits>

#include "ui/caption_button.h"

namespace ui {
namespace {

// Pixels kept clear between a button caption and the button's bevel.
constexpr int kButtonPadding = 2;

constexpr int kUnbounded = std::numeric_limits<int>::max() / 4;

// The siblings stacked above widget within its parent.
QList<const QWidget*> SiblingsAbove(const QWidget& widget) {
    QList<const QWidget*> above;
    const QObject* parent = widget.parent();
    if (!parent) {
        return above;
    }
    bool passed = false;
    for (const QObject* child : parent->children()) {
        if (child == &widget) {
            passed = true;
            continue;
        }
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (passed && sibling && !sibling->isWindow() && !sibling->isHidden()) {
            above.push_back(sibling);
        }
    }
    return above;
}

// Where a label's caption is laid out, in its parent's coordinates.
QRect LabelTextRect(const QLabel& label) {
    const QFontMetrics metrics(label.font());
    const QRect layout(0, 0, label.width(), kUnbounded);
    const int flags = static_cast<int>(label.alignment()) |
                      (label.wordWrap() ? Qt::TextWordWrap : 0);
    return metrics.boundingRect(layout, flags, label.text()).translated(label.pos());
}

// The part of a sibling stacked above that hides what lies beneath: the
// whole widget, but of a label that fills no background only its caption.
QRect CoveringRect(const QWidget& sibling) {
    if (const auto* label = qobject_cast<const QLabel*>(&sibling);
        label && !label->autoFillBackground()) {
        return label->text().trimmed().isEmpty() ? QRect() : LabelTextRect(*label);
    }
    return sibling.geometry();
}

bool LabelFits(const QLabel& label) {
    const QList<const QWidget*> above = SiblingsAbove(label);
    for (const QWidget* sibling : above) {
        if (sibling->geometry().contains(label.geometry())) {
            return true;  // covered wholly: never seen
        }
    }
    if (label.text().trimmed().isEmpty()) {
        return true;
    }
    const QRect text = LabelTextRect(label);
    if (!label.geometry().contains(text)) {
        return false;
    }
    if (const QWidget* parent = label.parentWidget(); parent && !parent->rect().contains(text)) {
        return false;
    }
    // What a control above may cover without cutting a letter: the line's
    // room above the capitals.
    const QFontMetrics metrics(label.font());
    const QRect ink = text.adjusted(0, qMax(0, metrics.ascent() - metrics.capHeight()), 0, 0);
    for (const QWidget* sibling : above) {
        if (CoveringRect(*sibling).intersects(ink)) {
            return false;
        }
    }
    return true;
}

bool ButtonFits(const QPushButton& button) {
    const QString caption = button.text();
    const QFontMetrics metrics(button.font());
    if (const auto* wrapping = qobject_cast<const CaptionButton*>(&button)) {
        const QRect area = wrapping->CaptionRect();
        if (wrapping->CaptionFitsOneLine()) {
            return metrics.height() <= area.height();
        }
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, area.width(), kUnbounded),
                                                   Qt::AlignHCenter | Qt::TextWordWrap, caption);
        return wrapped.width() <= area.width() && wrapped.height() <= area.height();
    }
    if (caption.contains(QLatin1Char('\n'))) {
        return false;
    }
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = caption;
    option.features = QStyleOptionButton::None;
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option,
                                                         &button);
    return metrics.horizontalAdvance(caption) <= contents.width() - 2 * kButtonPadding &&
           metrics.height() <= contents.height();
}

}  // namespace

bool CaptionFits(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return LabelFits(*label);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return ButtonFits(*button);
    }
    return true;
}

QStringList CaptionsThatDoNotFit(const QWidget& window) {
    QStringList misfits;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow() || CaptionFits(*child)) {
            continue;
        }
        QString caption;
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            caption = label->text();
        } else if (const auto* button = qobject_cast<const QPushButton*>(child)) {
            caption = button->text();
        }
        misfits.push_back(QStringLiteral("%1 \"%2\" in %3x%4 px")
                              .arg(child->objectName(), caption)
                              .arg(child->width())
                              .arg(child->height()));
    }
    return misfits;
}

}  // namespace ui
