#pragma once

#include <cstdint>
#include <string_view>

#include "core/fields.h"

// The four-function keypad on the display Text1. The first operand and the
// pending operation are the window's 16-bit pendingOperand and
// pendingOperator. Every fault arises before the first change, so a key that
// faults leaves the display and both variables as they were.
namespace tandrel {

// Operator codes of the keys "+", "-", "*" and "/"; any other code is no operation.
inline constexpr std::int16_t kAdd = 1;
inline constexpr std::int16_t kSubtract = 2;
inline constexpr std::int16_t kMultiply = 3;
inline constexpr std::int16_t kDivide = 4;

// Appends the one digit character ("0" to "9") to the display.
void KeypadDigit(core::FormFields& fields, std::string_view digit);

// Takes the display as the first operand (Int16FromText) and empties it.
void KeypadOperator(core::FormFields& fields, std::int16_t code, std::int16_t& pendingOperand,
                    std::int16_t& pendingOperator);

// Applies the pending operation to pendingOperand and the display's leading
// number; the pending values stay, so "=" again repeats it.
void KeypadEquals(core::FormFields& fields, std::int16_t pendingOperand, std::int16_t pendingOperator);

// Empties the display only.
void KeypadClear(core::FormFields& fields);

// The display's leading number, rounded to 16 bits and negated in two's
// complement (-32768 stays -32768).
void KeypadNegate(core::FormFields& fields);

}  // namespace tandrel
