#include "orvane/form1.h"

#include <QString>

#include <array>
#include <string_view>

#include "core/dslam_vlan.h"
#include "core/port24.h"
#include "core/port48.h"
#include "orvane/form1_definition.h"

// The pictures live in a static library; naming its resources here keeps the
// linker from dropping them from the program.
static void LoadOrvaneAssets() { Q_INIT_RESOURCE(assets); }

namespace orvane {
namespace {

struct Wiring {
    std::string_view button;
    void (Form1::*handler)();
};

constexpr std::array<Wiring, 23> kWiring = {{
    {"Command6", &Form1::Command6_Click},
    {"Command24", &Form1::Command24_Click},
    {"Command20", &Form1::Command20_Click},
    {"Command13", &Form1::Command13_Click},
    {"Command19", &Form1::Command19_Click},
    {"Command9", &Form1::Command9_Click},
    {"Command1", &Form1::Command1_Click},
    {"Command7", &Form1::Command7_Click},
    {"Command8", &Form1::Command8_Click},
    {"Command2", &Form1::Command2_Click},
    {"Command3", &Form1::Command3_Click},
    {"Command4", &Form1::Command4_Click},
    {"Command5", &Form1::Command5_Click},
    {"Command23", &Form1::Command23_Click},
    {"Command22", &Form1::Command22_Click},
    {"Command25", &Form1::Command25_Click},
    {"Command26", &Form1::Command26_Click},
    {"Command27", &Form1::Command27_Click},
    {"Command10", &Form1::Command10_Click},
    {"Command11", &Form1::Command11_Click},
    {"Command12", &Form1::Command12_Click},
    {"Command14", &Form1::Command14_Click},
    {"Command15", &Form1::Command15_Click},
}};

}  // namespace

Form1::Form1() {
    LoadOrvaneAssets();
    window_ = std::make_unique<ui::Window>(Form1Definition(), QStringLiteral("orvane"));
    // Owned here, not by the toolkit: closing the window leaves the pages and
    // this object alone.
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    for (const Wiring& wiring : kWiring) {
        window_->OnClick(wiring.button, [this, handler = wiring.handler] { (this->*handler)(); });
    }
}

Form1::~Form1() = default;

void Form1::Show() { window_->ShowAndActivate(); }

ui::Window& Form1::Window() { return *window_; }
const Form1::Variables& Form1::WindowVariables() const { return variables_; }
const ReferencePageRegistry& Form1::Pages() const { return pages_; }

void Form1::Command6_Click() { core::CalculateVlan48(window_->Fields(), variables_.port48); }
void Form1::Command24_Click() { core::CalculateDirectPort(window_->Fields(), variables_.port48); }
void Form1::Command20_Click() { core::ClearPort48(window_->Fields()); }
void Form1::Command13_Click() { core::CalculatePort24(window_->Fields(), window_->Notice(), variables_.port24); }
void Form1::Command19_Click() { core::ClearPort24(window_->Fields()); }
void Form1::Command9_Click() { core::CalculateFromDslamVlan(window_->Fields(), window_->Notice(), variables_.dslamVlan, variables_.innerOffset); }
void Form1::Command1_Click() { pages_.ShowReferencePage("Form11"); }
void Form1::Command7_Click() { pages_.ShowReferencePage("Form12"); }
void Form1::Command8_Click() { pages_.ShowReferencePage("Form13"); }
void Form1::Command2_Click() { pages_.ShowReferencePage("Form2"); }
void Form1::Command3_Click() { pages_.ShowReferencePage("Form8"); }
void Form1::Command4_Click() { pages_.ShowReferencePage("Form9"); }
void Form1::Command5_Click() { pages_.ShowReferencePage("Form10"); }
void Form1::Command23_Click() { pages_.ShowReferencePage("Form19"); }
void Form1::Command22_Click() { pages_.ShowReferencePage("Form3"); }
void Form1::Command25_Click() { pages_.ShowReferencePage("Form4"); }
void Form1::Command26_Click() { pages_.ShowReferencePage("Form5"); }
void Form1::Command27_Click() { pages_.ShowReferencePage("Form6"); }
void Form1::Command10_Click() { pages_.ShowReferencePage("Form14"); }
void Form1::Command11_Click() { pages_.ShowReferencePage("Form15"); }
void Form1::Command12_Click() { pages_.ShowReferencePage("Form16"); }
void Form1::Command14_Click() { pages_.ShowReferencePage("Form17"); }
void Form1::Command15_Click() { pages_.ShowReferencePage("Form18"); }

}  // namespace orvane
