#include "ui/window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QtDebug>

#include "ui/builder.h"
#include "ui/colours.h"
#include "ui/fault_boundary.h"
#include "ui/fonts.h"
#include "ui/line_edit_fields.h"
#include "ui/message_notice.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace ui {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

struct Window::Parts {
    Parts(Window& window, const WindowDefinition& definition, QString title)
        : programTitle(std::move(title)),
          clientSize(TwipsToPixels(definition.clientWidth), TwipsToPixels(definition.clientHeight)),
          startPosition(definition.startPosition),
          state(definition.state),
          emptyCaption(definition.caption.empty()),
          background(definition.backgroundPicture.empty()
                         ? QImage()
                         : pictures.Picture(definition.backgroundPicture)),
          controls(BuildControls(definition, window, pictures)),
          fields(controls.textBoxes),
          notice(&window, programTitle) {}

    const QString programTitle;
    const QSize clientSize;
    const StartPosition startPosition;
    const WindowState state;
    const bool emptyCaption;
    WindowPictures pictures;  // decoded here, once each, while the window is built
    const QImage background;
    BuiltControls controls;
    LineEditFields fields;
    MessageBoxNotice notice;
    bool shownOnce = false;
    bool handlerRunning = false;
};

Window::Window(const WindowDefinition& definition, QString programTitle) : QWidget(nullptr) {
    setObjectName(Text(definition.name));
    setWindowTitle(Text(definition.caption));
    // A window without a caption is read out by the program's name.
    setAccessibleName(Text(definition.caption).simplified().isEmpty() ? programTitle
                                                                     : Text(definition.caption));
    setAccessibleDescription(Text(definition.accessibleDescription));
    setFont(ControlFont(FontStyle::Default));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, DefinitionColour(definition.backColour, palette));
    setPalette(palette);
    setAutoFillBackground(true);
    parts_ = std::make_unique<Parts>(*this, definition, std::move(programTitle));
    resize(parts_->clientSize);
    if (parts_->controls.firstFocus) {
        parts_->controls.firstFocus->setFocus(Qt::OtherFocusReason);
    }
}

Window::~Window() = default;

core::FormFields& Window::Fields() { return parts_->fields; }

core::ShowNotice& Window::Notice() { return parts_->notice; }

QWidget* Window::Control(std::string_view name) const {
    const auto found = parts_->controls.all.find(name);
    return found == parts_->controls.all.end() ? nullptr : found->second;
}

void Window::SetFrameVisible(std::string_view frame, bool visible) {
    const auto found = parts_->controls.frames.find(frame);
    if (found == parts_->controls.frames.end()) {
        qWarning("the window has no frame %.*s", static_cast<int>(frame.size()), frame.data());
        return;
    }
    found->second->setVisible(visible);
}

bool Window::IsFrameVisible(std::string_view frame) const {
    const auto found = parts_->controls.frames.find(frame);
    return found != parts_->controls.frames.end() && !found->second->isHidden();
}

void Window::OnClick(std::string_view button, std::function<void()> handler) {
    const auto found = parts_->controls.buttons.find(button);
    if (found == parts_->controls.buttons.end()) {
        qWarning("the window has no button %.*s", static_cast<int>(button.size()), button.data());
        return;
    }
    connect(found->second, &QPushButton::clicked, this, [this, handler = std::move(handler)] {
        // One handler at a time: a click that reaches the window while a
        // handler waits in a notice is not run.
        if (parts_->handlerRunning) {
            return;
        }
        parts_->handlerRunning = true;
        RunGuarded(this, parts_->programTitle, handler);
        parts_->handlerRunning = false;
    });
}

void Window::ShowAndActivate() {
    if (isVisible()) {
        // Minimised windows are restored: bringing one to the front means
        // the user can see it.
        if (windowState() & Qt::WindowMinimized) {
            setWindowState(windowState() & ~Qt::WindowMinimized);
        }
        raise();
        activateWindow();
        return;
    }
    // The restored geometry comes first, so that restoring a maximised
    // window gives the designed client size at the designed position.
    setWindowState(Qt::WindowNoState);
    resize(parts_->clientSize);
    if (parts_->startPosition == StartPosition::CentreScreen) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            QRect client(QPoint(0, 0), parts_->clientSize);
            client.moveCenter(available.center());
            setGeometry(client);
        }
    }
    if (parts_->emptyCaption) {
        // On X11 Qt fills an empty title with the application name; a lone
        // blank keeps the title bar empty.
        create();
        if (QWindow* handle = windowHandle()) {
            handle->setTitle(QStringLiteral(" "));
        }
    }
    if (parts_->state == WindowState::Maximised) {
        showMaximized();
    } else {
        show();
    }
    if (!parts_->shownOnce && parts_->controls.firstFocus) {
        parts_->controls.firstFocus->setFocus(Qt::OtherFocusReason);
    }
    parts_->shownOnce = true;
    raise();
    activateWindow();
}

void Window::paintEvent(QPaintEvent*) {
    if (parts_->background.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(rect());
    DrawUnscaled(painter, parts_->background);
}

}  // namespace ui
