// The baseline the programs' start-up and memory are measured against: a
// plain Qt program that builds a window with the same controls and pictures
// as orvane's (default) or tandrel's (--tandrel) main window, by hand, and
// shows it the same way: orvane's maximised, tandrel's at its size, centred.
#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>
#include <QWindow>

#include <cstring>
#include <span>

#include "bench/fixture_tables.h"

namespace {

QColor FromBgr(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

void SetBackground(QWidget& widget, unsigned bgr, QPalette::ColorRole role, bool fill) {
    if (bgr == 0) return;
    QPalette palette = widget.palette();
    palette.setColor(role, FromBgr(bgr));
    widget.setPalette(palette);
    widget.setAutoFillBackground(fill);
}

void Build(QWidget& window, std::span<const bench::FixtureControl> controls, const QFont& bold) {
    QMap<QString, QWidget*> frames;
    for (const bench::FixtureControl& c : controls) {
        if (c.kind != bench::Kind::Frame) continue;
        auto* frame = new QFrame(&window);
        frame->setFrameShape(QFrame::Box);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setGeometry(c.x, c.y, c.width, c.height);
        SetBackground(*frame, c.back, QPalette::Window, true);
        frame->lower();
        frames.insert(QString::fromLatin1(c.frame), frame);
    }
    QWidget* firstFocus = nullptr;
    for (const bench::FixtureControl& c : controls) {
        QWidget* parent = c.frame ? frames.value(QString::fromLatin1(c.frame), &window) : &window;
        const QString text = QString::fromLatin1(c.text);
        QWidget* widget = nullptr;
        switch (c.kind) {
        case bench::Kind::Frame: continue;
        case bench::Kind::Label: {
            auto* label = new QLabel(text, parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            SetBackground(*label, c.back, QPalette::Window, true);
            label->lower();
            widget = label;
            break;
        }
        case bench::Kind::TextBox: {
            auto* box = new QLineEdit(text, parent);
            SetBackground(*box, c.back, QPalette::Base, false);
            if (!firstFocus) firstFocus = box;
            widget = box;
            break;
        }
        case bench::Kind::Button: {
            auto* button = new QPushButton(text, parent);
            SetBackground(*button, c.back, QPalette::Button, false);
            widget = button;
            break;
        }
        case bench::Kind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            picture->setPixmap(QPixmap(QString::fromLatin1(c.picture)));
            widget = picture;
            break;
        }
        }
        widget->setGeometry(c.x, c.y, c.width, c.height);
        if (c.bold) widget->setFont(bold);
    }
    if (firstFocus) firstFocus->setFocus();
}

}  // namespace

int main(int argc, char** argv) {
    const bool tandrel = argc > 1 && std::strcmp(argv[1], "--tandrel") == 0;
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont regular(QStringLiteral("Liberation Sans"));
    regular.setPixelSize(11);
    QApplication::setFont(regular);
    QFont bold = regular;
    bold.setPixelSize(13);
    bold.setBold(true);

    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, FromBgr(0x00FFC0C0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (tandrel) {
        Build(window, bench::kTandrelControls, bold);
        window.setWindowTitle(QStringLiteral("TANDREL"));
        QRect client(0, 0, 692, 505);
        client.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
        window.setGeometry(client);
        window.show();
    } else {
        Build(window, bench::kOrvaneControls, bold);
        window.setWindowTitle(QStringLiteral(" "));
        window.resize(1016, 591);
        window.showMaximized();
    }
    return QApplication::exec();
}
