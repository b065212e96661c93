#include "ui/builder.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QtDebug>

#include <algorithm>
#include <limits>
#include <vector>

#include "ui/accessibility.h"
#include "ui/caption_button.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace ui {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment Horizontal(Alignment alignment) {
    switch (alignment) {
    case Alignment::Centre: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

QWidget* MakeLabel(const ControlDefinition& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(Text(control.text));
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    label->setContentsMargins(0, 0, 0, 0);
    // Drawn from the top edge, never centred vertically.
    label->setAlignment(Horizontal(control.alignment) | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    ApplyColours(*label, control, QPalette::WindowText, QPalette::Window);
    return label;
}

QWidget* MakeTextBox(const ControlDefinition& control, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    // A box holds whatever it is given: Qt would otherwise cut texts at 32767.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setText(Text(control.text));
    box->setCursorPosition(0);
    box->setAlignment(Horizontal(control.alignment) | Qt::AlignVCenter);
    ApplyColours(*box, control, QPalette::Text, QPalette::Base);
    return box;
}

QWidget* MakeButton(const ControlDefinition& control, QWidget* parent) {
    auto* button = new CaptionButton(Text(control.text), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    ApplyColours(*button, control, QPalette::ButtonText, QPalette::Button);
    return button;
}

QWidget* MakeFrame(const ControlDefinition& control, QWidget* parent) {
    const QString caption = Text(control.text);
    QWidget* frame = nullptr;
    if (caption.trimmed().isEmpty()) {
        // A blank caption shows no title: a plain bordered frame.
        auto* plain = new QFrame(parent);
        plain->setFrameShape(QFrame::Box);
        plain->setFrameShadow(QFrame::Sunken);
        frame = plain;
    } else {
        frame = new QGroupBox(caption, parent);
    }
    frame->setFocusPolicy(Qt::NoFocus);
    ApplyColours(*frame, control, QPalette::WindowText, QPalette::Window);
    return frame;
}

QWidget* MakePictureBox(const ControlDefinition& control, QWidget* parent, WindowPictures& pictures) {
    QImage image = control.picture.empty() ? QImage() : pictures.Picture(control.picture);
    auto* box = new PictureBox(std::move(image), parent);
    ApplyColours(*box, control, QPalette::WindowText, QPalette::Window);
    return box;
}

QWidget* MakeControl(const ControlDefinition& control, QWidget* parent, WindowPictures& pictures) {
    switch (control.kind) {
    case ControlKind::Label: return MakeLabel(control, parent);
    case ControlKind::TextBox: return MakeTextBox(control, parent);
    case ControlKind::Button: return MakeButton(control, parent);
    case ControlKind::Frame: return MakeFrame(control, parent);
    case ControlKind::PictureBox: return MakePictureBox(control, parent, pictures);
    }
    return nullptr;
}

bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Frame;
}

}  // namespace

void ApplyColours(QWidget& widget, const ControlDefinition& control,
                  QPalette::ColorRole textRole, QPalette::ColorRole backgroundRole) {
    if (!control.foreColour && !control.backColour) {
        return;  // the toolkit's default look
    }
    QPalette palette = widget.palette();
    if (control.foreColour) {
        const QColor colour = DefinitionColour(*control.foreColour, palette);
        palette.setColor(textRole, colour);
        if (textRole == QPalette::Text) {
            palette.setColor(QPalette::WindowText, colour);
        }
    }
    if (control.backColour) {
        const QColor colour = DefinitionColour(*control.backColour, palette);
        palette.setColor(backgroundRole, colour);
        // Labels and frames fill their own background; buttons and text boxes
        // draw theirs from the Button and Base roles.
        if (backgroundRole == QPalette::Window) {
            widget.setAutoFillBackground(true);
        }
    }
    widget.setPalette(palette);
}

BuiltControls BuildControls(const WindowDefinition& definition, QWidget& window,
                            WindowPictures& pictures) {
    BuiltControls built;
    InstallAccessibleRoles();
    const QFont regular = ControlFont(FontStyle::Default);

    // Frames first, so that the controls inside them find their parent
    // whatever order the table lists them in.
    const auto make = [&](const ControlDefinition& control) {
        QWidget* parent = &window;
        if (!control.frame.empty()) {
            const auto frame = built.frames.find(control.frame);
            if (frame != built.frames.end()) {
                parent = frame->second;
            } else {
                qWarning("control %.*s names an unknown frame %.*s",
                         static_cast<int>(control.name.size()), control.name.data(),
                         static_cast<int>(control.frame.size()), control.frame.data());
            }
        }
        QWidget* widget = MakeControl(control, parent, pictures);
        widget->setObjectName(Text(control.name));
        widget->setFont(control.font == FontStyle::Default ? regular : ControlFont(control.font));
        widget->setGeometry(PixelRect(control.rect));
        ApplyAccessibleName(*widget, control, definition.controls);
        const std::string name(control.name);
        built.all.emplace(name, widget);
        switch (control.kind) {
        case ControlKind::TextBox: built.textBoxes.emplace(name, static_cast<QLineEdit*>(widget)); break;
        case ControlKind::Button: built.buttons.emplace(name, static_cast<QPushButton*>(widget)); break;
        case ControlKind::Frame: built.frames.emplace(name, widget); break;
        default: break;
        }
    };
    for (const ControlDefinition& control : definition.controls) {
        if (control.kind == ControlKind::Frame) {
            make(control);
        }
    }
    for (const ControlDefinition& control : definition.controls) {
        if (control.kind != ControlKind::Frame) {
            make(control);
        }
    }

    // Stacking within each parent: labels lowest, then frames, then every
    // other control, so that a button on the window over a frame stays on top.
    // Lowering in reverse table order keeps the table's order within a kind:
    // a later label lies over an earlier one.
    const auto lowerAll = [&](ControlKind kind) {
        for (auto control = definition.controls.rbegin(); control != definition.controls.rend();
             ++control) {
            if (control->kind == kind) {
                built.all.at(std::string(control->name))->lower();
            }
        }
    };
    lowerAll(ControlKind::Frame);
    lowerAll(ControlKind::Label);

    // Focus order by tab index over the controls that take the focus.
    std::vector<const ControlDefinition*> focusable;
    for (const ControlDefinition& control : definition.controls) {
        if (TakesFocus(control.kind)) {
            focusable.push_back(&control);
        }
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const ControlDefinition* a, const ControlDefinition* b) {
                         return a->tabIndex < b->tabIndex;
                     });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(built.all.at(std::string(focusable[i - 1]->name)),
                             built.all.at(std::string(focusable[i]->name)));
    }
    if (!focusable.empty()) {
        built.firstFocus = built.all.at(std::string(focusable.front()->name));
    }
    return built;
}

}  // namespace ui
