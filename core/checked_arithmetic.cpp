#include "checked_arithmetic.h"

#include <cmath>
#include <cstdint>

namespace core {

// The conditions are read off the operands and the result rather than the
// floating-point status flags, which the optimiser may reorder or drop:
// - invalid: a NaN from operands that are not NaN (0/0, inf-inf, 0*inf);
// - division by zero: an infinity from dividing a finite value by zero;
// - overflow: any other infinity from finite operands.
// Underflow and inexact results leave no mark.
CheckedDouble CheckedDouble::Result(double result, CheckedDouble a, CheckedDouble b, bool divide) {
    unsigned flags = a.flags_ | b.flags_;
    if (std::isnan(result) && !std::isnan(a.value_) && !std::isnan(b.value_))
        flags |= Invalid;
    else if (std::isinf(result) && std::isfinite(a.value_) && std::isfinite(b.value_))
        flags |= divide && b.value_ == 0.0 ? DivisionByZero : Overflow;
    return CheckedDouble(result, flags);
}

CheckedDouble operator+(CheckedDouble a, CheckedDouble b) {
    return CheckedDouble::Result(a.value_ + b.value_, a, b, false);
}

CheckedDouble operator-(CheckedDouble a, CheckedDouble b) {
    return CheckedDouble::Result(a.value_ - b.value_, a, b, false);
}

CheckedDouble operator*(CheckedDouble a, CheckedDouble b) {
    return CheckedDouble::Result(a.value_ * b.value_, a, b, false);
}

CheckedDouble operator/(CheckedDouble a, CheckedDouble b) {
    return CheckedDouble::Result(a.value_ / b.value_, a, b, true);
}

// When a formula raised several conditions, one is reported, in the order
// invalid, division by zero, overflow: a NaN is the least usable result, and
// a division by zero says more about the cause than the infinity it gives.
double CheckedDouble::Value() const {
    if (flags_ & Invalid) throw ArithmeticFault(ArithmeticCondition::InvalidOperation);
    if (flags_ & DivisionByZero) throw ArithmeticFault(ArithmeticCondition::DivisionByZero);
    if (flags_ & Overflow) throw ArithmeticFault(ArithmeticCondition::Overflow);
    return value_;
}

namespace {

std::int16_t Checked16(std::int32_t exact) {
    if (exact < INT16_MIN || exact > INT16_MAX) throw ArithmeticFault(ArithmeticCondition::Overflow);
    return static_cast<std::int16_t>(exact);
}

}  // namespace

std::int16_t CheckedAdd16(std::int16_t a, std::int16_t b) {
    return Checked16(std::int32_t{a} + std::int32_t{b});
}

std::int16_t CheckedSub16(std::int16_t a, std::int16_t b) {
    return Checked16(std::int32_t{a} - std::int32_t{b});
}

}  // namespace core
