#include "tandrel/keypad.h"

#include "core/checked_arithmetic.h"
#include "core/conversions.h"

namespace tandrel {

namespace {

constexpr std::string_view kDisplay = "Text1";

}  // namespace

void KeypadDigit(core::FormFields& fields, std::string_view digit) {
    fields.Write(kDisplay, fields.Read(kDisplay).append(digit));
}

void KeypadOperator(core::FormFields& fields, std::int16_t code, std::int16_t& pendingOperand,
                    std::int16_t& pendingOperator) {
    const std::int16_t operand = core::Int16FromText(fields.Read(kDisplay));
    pendingOperand = operand;
    fields.Write(kDisplay, "");
    pendingOperator = code;
}

void KeypadEquals(core::FormFields& fields, std::int16_t pendingOperand, std::int16_t pendingOperator) {
    // With no operation pending the display is not even read, so "=" can never fault.
    if (pendingOperator < kAdd || pendingOperator > kDivide) {
        return;
    }
    const core::CheckedDouble display = core::LeadingNumber(fields.Read(kDisplay));
    const core::CheckedDouble pending = static_cast<double>(pendingOperand);
    core::CheckedDouble result = 0.0;
    switch (pendingOperator) {
    case kAdd: result = display + pending; break;
    case kSubtract: result = pending - display; break;
    case kMultiply: result = display * pending; break;
    case kDivide: result = pending / display; break;
    default: return;
    }
    fields.Write(kDisplay, core::NumberText(result.Value()));
}

void KeypadClear(core::FormFields& fields) { fields.Write(kDisplay, ""); }

void KeypadNegate(core::FormFields& fields) {
    const std::int32_t value = core::RoundToInt16(core::LeadingNumber(fields.Read(kDisplay)));
    // Negated in 32 bits, then wrapped back to 16: -(-32768) becomes -32768 again.
    fields.Write(kDisplay, core::Int16Text(static_cast<std::int16_t>(-value)));
}

}  // namespace tandrel
