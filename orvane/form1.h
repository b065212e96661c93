#pragma once

#include <QObject>

#include <cstdint>
#include <memory>

#include "orvane/reference_pages.h"
#include "ui/window.h"

namespace orvane {

// The main window of orvane with its own variables and its reference pages.
// Closing the window does not end this object: pages the user opened stay
// open, and the program ends when the last window has been closed.
class Form1 : public QObject {
    Q_OBJECT
public:
    // The integers the calculators keep from one click to the next.
    struct Variables {
        std::int16_t port48 = 0;
        std::int16_t port24 = 0;
        std::int16_t dslamVlan = 0;
        std::int16_t innerOffset = 0;
    };

    Form1();
    ~Form1() override;

    // Shows the window maximised (or brings it to the front).
    void Show();

    ui::Window& Window();
    const Variables& WindowVariables() const;
    const ReferencePageRegistry& Pages() const;

    void Command6_Click();
    void Command24_Click();
    void Command20_Click();
    void Command13_Click();
    void Command19_Click();
    void Command9_Click();
    void Command1_Click();
    void Command7_Click();
    void Command8_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command23_Click();
    void Command22_Click();
    void Command25_Click();
    void Command26_Click();
    void Command27_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command14_Click();
    void Command15_Click();

private:
    std::unique_ptr<ui::Window> window_;
    Variables variables_;
    ReferencePageRegistry pages_;
};

}  // namespace orvane
