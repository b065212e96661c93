#include "tests/soak/modal_dismisser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>

namespace soak {

ModalDismisser::ModalDismisser(std::uint64_t seed) : state_(seed | 1u) {
    qApp->installEventFilter(this);
}

ModalDismisser::~ModalDismisser() { qApp->removeEventFilter(this); }

std::vector<SeenModal> ModalDismisser::TakeSeen() { return std::exchange(seen_, {}); }

bool ModalDismisser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) {
        return false;
    }
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow()) {
        return false;
    }
    SeenModal seen;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        seen.messageBox = true;
        seen.text = box->text();
        seen.icon = box->icon();
        for (const QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
    }
    seen.title = dialog->windowTitle();
    seen_.push_back(std::move(seen));
    QMetaObject::invokeMethod(
        this, [this, guarded = QPointer<QDialog>(dialog)] { Dismiss(guarded); }, Qt::QueuedConnection);
    return false;
}

void ModalDismisser::Dismiss(QDialog* dialog) {
    if (!dialog || !dialog->isVisible()) {
        return;
    }
    // A small xorshift keeps the choice of gesture reproducible from the seed.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    const QPointer<QDialog> guarded(dialog);
    auto* box = qobject_cast<QMessageBox*>(dialog);
    switch (state_ % 4) {
    case 0:
        if (box && box->button(QMessageBox::Ok)) {
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        } else {
            dialog->reject();
        }
        break;
    case 1: QTest::keyClick(dialog, Qt::Key_Return); break;
    case 2: QTest::keyClick(dialog, Qt::Key_Escape); break;
    default: dialog->close(); break;
    }
    if (guarded && guarded->isVisible()) {
        ++stubborn_;
        if (box && !box->buttons().isEmpty()) {
            box->buttons().front()->click();
        } else {
            guarded->reject();
        }
    }
}

}  // namespace soak
