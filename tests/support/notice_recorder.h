#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <vector>

class QWidget;

namespace test_support {

// One modal message box as it appeared on screen.
struct RecordedNotice {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;   // buttons the box offered
    QString buttonText;    // caption of its first button ("OK")
};

// While alive, watches for modal message boxes, records each one as it
// appears and dismisses it by clicking its OK button. A short repeating timer
// does the watching, so it also fires inside the nested event loop of a
// message box that a click handler is waiting on: a handler that shows two
// notices in a row is recorded whole.
class NoticeRecorder {
public:
    NoticeRecorder();
    ~NoticeRecorder();
    NoticeRecorder(const NoticeRecorder&) = delete;
    NoticeRecorder& operator=(const NoticeRecorder&) = delete;

    const std::vector<RecordedNotice>& Notices() const;
    void Clear();

private:
    void Poll();

    QTimer timer_;
    std::vector<RecordedNotice> notices_;
};

// Clicks the named button of the window. Modal notices that the click raises
// are dismissed: recorded by the live NoticeRecorder if there is one, else
// dismissed unrecorded. Fails the running test when there is no such button,
// or when the window is shown and the button is hidden (a user cannot click
// it then).
void ClickButton(QWidget& window, const char* name);

// The text of the named text box; fails the running test when there is none.
QString BoxText(QWidget& window, const char* name);
void SetBoxText(QWidget& window, const char* name, const QString& text);

}  // namespace test_support

// The window tests use these names unqualified.
using test_support::BoxText;
using test_support::ClickButton;
using test_support::NoticeRecorder;
using test_support::RecordedNotice;
using test_support::SetBoxText;
