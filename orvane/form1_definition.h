#pragma once

#include "ui/window_definition.h"

namespace orvane {

// The main window: the 48-port, 24-port and DSLAM VLAN calculators, the
// seventeen reference buttons and the three banners.
const ui::WindowDefinition& Form1Definition();

}  // namespace orvane
