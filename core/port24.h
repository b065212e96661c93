#pragma once

#include <cstdint>

#include "fields.h"
#include "notice.h"

// The 24-port frame calculator: Text7 (VLAN ID) to the offset in Text8 and
// slot/port in Text9/Text10, with the second frame from VLAN ID 511 on.
namespace core {

void CalculatePort24(FormFields& fields, ShowNotice& notice, std::int16_t& port24);
void ClearPort24(FormFields& fields);

}  // namespace core
