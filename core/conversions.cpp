// Numeric conversions between doubles and the 16- and 32-bit integers.
#include "conversions.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "faults.h"

namespace core {
namespace {

// Nearest integer, ties to even, computed with floor and an exact comparison so
// that the result does not depend on the floating-point rounding mode.
// x - floor(x) is exact for every double.
double RoundHalfEven(double x) {
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5) return below + 1.0;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

template <typename Int>
Int RoundToInteger(double x) {
    if (std::isnan(x)) throw ArithmeticFault(ArithmeticCondition::Overflow);
    const double rounded = RoundHalfEven(x);
    // Both limits are exact doubles; infinities fail these tests too.
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        throw ArithmeticFault(ArithmeticCondition::Overflow);
    return static_cast<Int>(rounded);
}

}  // namespace

double TruncateTowardZero(double x) { return std::trunc(x); }

std::int16_t RoundToInt16(double x) { return RoundToInteger<std::int16_t>(x); }

std::int32_t RoundToInt32(double x) { return RoundToInteger<std::int32_t>(x); }

std::int16_t NarrowToInt16(std::int32_t n) {
    if (n < INT16_MIN || n > INT16_MAX) throw ArithmeticFault(ArithmeticCondition::Overflow);
    return static_cast<std::int16_t>(n);
}

std::int32_t TruncatedRemainder(std::int32_t a, std::int32_t d) {
    // Widened so that no (a, d) pair can overflow; C++ '%' truncates toward zero.
    if (d == 0) throw ArithmeticFault(ArithmeticCondition::DivisionByZero);
    return static_cast<std::int32_t>(static_cast<std::int64_t>(a) % static_cast<std::int64_t>(d));
}

}  // namespace core
