#pragma once

#include <QObject>

#include <cstdint>
#include <memory>

#include "ui/window.h"

namespace tandrel {

// Shows the keypad frame when it is hidden, hides it when it is shown.
void ToggleKeypad(ui::Window& window);

// The calculator window with its variables and one click handler per button.
class Form1 : public QObject {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    void Show();
    ui::Window& Window();

    // The window variables, 0 when the window opens.
    std::int16_t port48 = 0;
    std::int16_t port24 = 0;
    std::int16_t pendingOperand = 0;
    std::int16_t pendingOperator = 0;

    void Command6_Click();
    void Command24_Click();
    void Command20_Click();
    void Command13_Click();
    void Command19_Click();
    void Command10_Click();
    void Command2_Click();
    void Command7_Click();
    void Command3_Click();
    void Command1_Click();
    void Command8_Click();
    void Command4_Click();
    void Command11_Click();
    void Command9_Click();
    void Command5_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command12_Click();
    void Command14_Click();
    void Command21_Click();
    void y_Click();
    void Command15_Click();
    void Command23_Click();
    void Command22_Click();
    void Command25_Click();
    void Command26_Click();
    void Command27_Click();

private:
    // Owned here for the program's whole run; closing only hides it.
    std::unique_ptr<ui::Window> window_;
};

}  // namespace tandrel
