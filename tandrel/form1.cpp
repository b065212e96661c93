#include "tandrel/form1.h"

#include <string_view>

#include "core/port24.h"
#include "core/port48.h"
#include "tandrel/directory_notices.h"
#include "tandrel/form1_definition.h"
#include "tandrel/keypad.h"

namespace tandrel {

namespace {

constexpr char kProgramTitle[] = "tandrel";
constexpr std::string_view kKeypadFrame = "Frame1";

struct Wiring {
    std::string_view button;
    void (Form1::*handler)();
};

constexpr Wiring kWiring[] = {
    {"Command6", &Form1::Command6_Click},   {"Command24", &Form1::Command24_Click},
    {"Command20", &Form1::Command20_Click}, {"Command13", &Form1::Command13_Click},
    {"Command19", &Form1::Command19_Click}, {"Command10", &Form1::Command10_Click},
    {"Command2", &Form1::Command2_Click},   {"Command7", &Form1::Command7_Click},
    {"Command3", &Form1::Command3_Click},   {"Command1", &Form1::Command1_Click},
    {"Command8", &Form1::Command8_Click},   {"Command4", &Form1::Command4_Click},
    {"Command11", &Form1::Command11_Click}, {"Command9", &Form1::Command9_Click},
    {"Command5", &Form1::Command5_Click},   {"Command16", &Form1::Command16_Click},
    {"Command17", &Form1::Command17_Click}, {"Command18", &Form1::Command18_Click},
    {"Command12", &Form1::Command12_Click}, {"Command14", &Form1::Command14_Click},
    {"Command21", &Form1::Command21_Click}, {"y", &Form1::y_Click},
    {"Command15", &Form1::Command15_Click}, {"Command23", &Form1::Command23_Click},
    {"Command22", &Form1::Command22_Click}, {"Command25", &Form1::Command25_Click},
    {"Command26", &Form1::Command26_Click}, {"Command27", &Form1::Command27_Click},
};

}  // namespace

void ToggleKeypad(ui::Window& window) {
    window.SetFrameVisible(kKeypadFrame, !window.IsFrameVisible(kKeypadFrame));
}

Form1::Form1() : window_(std::make_unique<ui::Window>(Form1Definition(), QString::fromLatin1(kProgramTitle))) {
    for (const Wiring& wiring : kWiring) {
        window_->OnClick(wiring.button, [this, handler = wiring.handler] { (this->*handler)(); });
    }
}

Form1::~Form1() = default;

void Form1::Show() { window_->ShowAndActivate(); }

ui::Window& Form1::Window() { return *window_; }

void Form1::Command6_Click() { core::CalculateVlan48(window_->Fields(), port48); }
void Form1::Command24_Click() { core::CalculateDirectPort(window_->Fields(), port48); }
void Form1::Command20_Click() { core::ClearPort48(window_->Fields()); }
void Form1::Command13_Click() { core::CalculatePort24(window_->Fields(), window_->Notice(), port24); }
void Form1::Command19_Click() { core::ClearPort24(window_->Fields()); }
void Form1::Command10_Click() { KeypadDigit(window_->Fields(), "0"); }
void Form1::Command2_Click() { KeypadDigit(window_->Fields(), "1"); }
void Form1::Command7_Click() { KeypadDigit(window_->Fields(), "2"); }
void Form1::Command3_Click() { KeypadDigit(window_->Fields(), "3"); }
void Form1::Command1_Click() { KeypadDigit(window_->Fields(), "4"); }
void Form1::Command8_Click() { KeypadDigit(window_->Fields(), "5"); }
void Form1::Command4_Click() { KeypadDigit(window_->Fields(), "6"); }
void Form1::Command11_Click() { KeypadDigit(window_->Fields(), "7"); }
void Form1::Command9_Click() { KeypadDigit(window_->Fields(), "8"); }
void Form1::Command5_Click() { KeypadDigit(window_->Fields(), "9"); }
void Form1::Command16_Click() { KeypadOperator(window_->Fields(), kAdd, pendingOperand, pendingOperator); }
void Form1::Command17_Click() { KeypadOperator(window_->Fields(), kSubtract, pendingOperand, pendingOperator); }
void Form1::Command18_Click() { KeypadOperator(window_->Fields(), kMultiply, pendingOperand, pendingOperator); }
void Form1::Command12_Click() { KeypadOperator(window_->Fields(), kDivide, pendingOperand, pendingOperator); }
void Form1::Command14_Click() { KeypadEquals(window_->Fields(), pendingOperand, pendingOperator); }
void Form1::Command21_Click() { KeypadClear(window_->Fields()); }
void Form1::y_Click() { KeypadNegate(window_->Fields()); }
void Form1::Command15_Click() { ToggleKeypad(*window_); }
void Form1::Command23_Click() { ShowDslamDirectory(window_->Notice(), DirectoryList::OkpP2); }
void Form1::Command22_Click() { ShowDslamDirectory(window_->Notice(), DirectoryList::PondyP2); }
void Form1::Command25_Click() { ShowDslamDirectory(window_->Notice(), DirectoryList::Mp); }
void Form1::Command26_Click() { ShowDslamDirectory(window_->Notice(), DirectoryList::ThreeM); }
void Form1::Command27_Click() { ShowDslamDirectory(window_->Notice(), DirectoryList::Others); }

}  // namespace tandrel
