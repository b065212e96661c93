#include "tests/support/notice_recorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <optional>

namespace test_support {
namespace {

// Recorders alive right now, innermost last; ClickButton uses it to know
// whether someone is already watching for notices.
std::vector<NoticeRecorder*>& LiveRecorders() {
    static std::vector<NoticeRecorder*> live;
    return live;
}

QMessageBox* OpenMessageBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        box && box->isVisible()) {
        return box;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

QAbstractButton* DismissButton(QMessageBox& box) {
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        return ok;
    }
    const auto buttons = box.buttons();
    return buttons.isEmpty() ? nullptr : buttons.front();
}

template <typename Widget>
Widget* FindNamed(QWidget& window, const char* name) {
    auto* found = window.findChild<Widget*>(QString::fromUtf8(name));
    if (!found) {
        QTest::qFail(qPrintable(QStringLiteral("window %1 has no %2 named %3")
                                    .arg(window.objectName(),
                                         QString::fromUtf8(Widget::staticMetaObject.className()),
                                         QString::fromUtf8(name))),
                     __FILE__, __LINE__);
    }
    return found;
}

}  // namespace

NoticeRecorder::NoticeRecorder() {
    LiveRecorders().push_back(this);
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

NoticeRecorder::~NoticeRecorder() {
    timer_.stop();
    std::erase(LiveRecorders(), this);
}

const std::vector<RecordedNotice>& NoticeRecorder::Notices() const { return notices_; }

void NoticeRecorder::Clear() { notices_.clear(); }

void NoticeRecorder::Poll() {
    QMessageBox* box = OpenMessageBox();
    if (!box) {
        return;
    }
    const auto buttons = box->buttons();
    notices_.push_back({box->windowTitle(), box->text(), box->icon(),
                        static_cast<int>(buttons.size()),
                        buttons.isEmpty() ? QString() : buttons.front()->text()});
    if (QAbstractButton* dismiss = DismissButton(*box)) {
        dismiss->click();
    } else {
        box->reject();
    }
}

void ClickButton(QWidget& window, const char* name) {
    QPushButton* button = FindNamed<QPushButton>(window, name);
    if (!button) {
        return;
    }
    // Nobody can click a button that is not on the screen.
    if (window.isVisible() && !button->isVisible()) {
        QTest::qFail(qPrintable(QStringLiteral("button %1 is hidden").arg(button->objectName())),
                     __FILE__, __LINE__);
        return;
    }
    std::optional<NoticeRecorder> dismisser;
    if (LiveRecorders().empty()) {
        dismisser.emplace();
    }
    button->click();
}

QString BoxText(QWidget& window, const char* name) {
    const QLineEdit* box = FindNamed<QLineEdit>(window, name);
    return box ? box->text() : QString();
}

void SetBoxText(QWidget& window, const char* name, const QString& text) {
    if (QLineEdit* box = FindNamed<QLineEdit>(window, name)) {
        box->setText(text);
    }
}

}  // namespace test_support
