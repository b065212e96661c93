#pragma once

#include <cstdint>

#include "faults.h"

namespace core {

// A double computed under fault detection. Each step records the IEEE
// conditions it raised (overflow, division by zero, invalid operation);
// Value() tests them once the formula's last step is done, so a condition
// from any step of the formula is caught where its value is used.
// Underflow and inexact results are not faults. When several conditions were
// recorded, Value() reports invalid before division by zero before overflow.
class CheckedDouble {
public:
    constexpr CheckedDouble(double value) : value_(value) {}  // NOLINT: implicit by design

    double Value() const;  // throws ArithmeticFault for a recorded condition

    friend CheckedDouble operator+(CheckedDouble a, CheckedDouble b);
    friend CheckedDouble operator-(CheckedDouble a, CheckedDouble b);
    friend CheckedDouble operator*(CheckedDouble a, CheckedDouble b);
    friend CheckedDouble operator/(CheckedDouble a, CheckedDouble b);

private:
    enum Flag : unsigned { None = 0, Overflow = 1, DivisionByZero = 2, Invalid = 4 };
    constexpr CheckedDouble(double value, unsigned flags) : value_(value), flags_(flags) {}
    static CheckedDouble Result(double result, CheckedDouble a, CheckedDouble b, bool divide);

    double value_;
    unsigned flags_ = None;
};

// 16-bit integer addition and subtraction; ArithmeticFault(Overflow) when
// the exact result lies outside -32768..32767.
std::int16_t CheckedAdd16(std::int16_t a, std::int16_t b);
std::int16_t CheckedSub16(std::int16_t a, std::int16_t b);

}  // namespace core
