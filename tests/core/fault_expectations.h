#pragma once

#include <optional>

#include "core/faults.h"

namespace core::testing_support {

// The condition of the ArithmeticFault that action raises, or nothing when it
// raises none. Any other exception escapes to fail the test.
template <typename Action>
std::optional<ArithmeticCondition> ArithmeticFaultOf(Action&& action) {
    try {
        action();
    } catch (const ArithmeticFault& fault) {
        return fault.Condition();
    }
    return std::nullopt;
}

}  // namespace core::testing_support
