#pragma once

#include <cstdint>

#include "fields.h"
#include "notice.h"

// Slot and port from a DSLAM VLAN (Text1) and an inner VLAN (Text6),
// written into Text11 and Text13.
namespace core {

void CalculateFromDslamVlan(FormFields& fields, ShowNotice& notice, std::int16_t& dslamVlan,
                            std::int16_t& innerOffset);

}  // namespace core
