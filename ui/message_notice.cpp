#include "ui/message_notice.h"

namespace ui {

void ShowMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    // Modal for the whole program: no other click is handled meanwhile.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

MessageBoxNotice::MessageBoxNotice(QWidget* parent, QString programTitle)
    : parent_(parent), programTitle_(std::move(programTitle)) {}

void MessageBoxNotice::operator()(std::string_view text) {
    ShowMessage(parent_, programTitle_,
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                QMessageBox::NoIcon);
}

}  // namespace ui
