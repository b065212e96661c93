#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/notice.h"

namespace ui {

// Shows a modal message box parented to parent and waits until it is
// dismissed: the program's title, plain text with its blanks kept, one "OK".
void ShowMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon);

// ShowNotice as a modal message box of one window, without an icon.
class MessageBoxNotice final : public core::ShowNotice {
public:
    MessageBoxNotice(QWidget* parent, QString programTitle);
    void operator()(std::string_view text) override;

private:
    QPointer<QWidget> parent_;
    QString programTitle_;
};

}  // namespace ui
