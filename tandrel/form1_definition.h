#pragma once

#include "ui/window_definition.h"

namespace tandrel {

// The calculator window: the 48-port and 24-port calculators, the keypad in
// Frame1 and the five directory buttons.
const ui::WindowDefinition& Form1Definition();

}  // namespace tandrel
