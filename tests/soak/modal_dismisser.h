#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

namespace soak {

// One modal box as it appeared, before it was dismissed.
struct SeenModal {
    bool messageBox = false;  // false: some other dialog
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// While alive, watches the whole application for modal dialogs and
// dismisses each one right after it appears, the way a careless user does:
// by clicking OK, pressing Enter, pressing Escape or closing the box, chosen
// at random. The dismissal is queued to the dialog's own event loop, so no
// time passes waiting. A dialog that stays open after that is closed by its
// first button and counted as stubborn.
class ModalDismisser : public QObject {
    Q_OBJECT
public:
    explicit ModalDismisser(std::uint64_t seed);
    ~ModalDismisser() override;

    // The modals seen since the last call, oldest first.
    std::vector<SeenModal> TakeSeen();
    int Stubborn() const { return stubborn_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Dismiss(QDialog* dialog);

    std::uint64_t state_;
    std::vector<SeenModal> seen_;
    int stubborn_ = 0;
};

}  // namespace soak
