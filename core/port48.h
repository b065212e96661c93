#pragma once

#include <cstdint>

#include "fields.h"

// The 48-port card calculator: Text2 (VLAN) or Text12 (port number) to the
// port number in Text3 and slot/port in Text4/Text5.
namespace core {

void CalculateVlan48(FormFields& fields, std::int16_t& port48);
void CalculateDirectPort(FormFields& fields, std::int16_t& port48);
void ClearPort48(FormFields& fields);

}  // namespace core
