#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Exact, locale-independent conversions between box text and numbers.
namespace core {

// The number at the start of the text, blanks, tabs and line feeds ignored
// anywhere; radix forms &H/&O, E or D exponents; 0 when there is none.
// An exponent letter with no digit after it ends the number ("1E" is 1).
// Throws ArithmeticFault(Overflow) beyond the double range, and for a radix
// value above FFFFFFFF, which fits neither the 16- nor the 32-bit reading.
double LeadingNumber(std::string_view text);

// The whole text, less surrounding blanks, must be one decimal number.
// Throws ConversionFault otherwise, ArithmeticFault(Overflow) beyond the double range.
double StrictNumber(std::string_view text);

// StrictNumber, then RoundToInt16.
std::int16_t Int16FromText(std::string_view text);

// At most 15 significant digits, shortest form; exponent form outside
// 0.0001 <= |x| < 1E15 ("1E+15", "1.2345E-05"); zero of either sign is "0".
std::string NumberText(double x);

std::string Int16Text(std::int16_t n);

// Integral part toward zero; -0.5 gives negative zero.
double TruncateTowardZero(double x);

// Nearest integer, ties to even; ArithmeticFault(Overflow) when the rounded
// value lies outside the target range or x is not a number.
std::int16_t RoundToInt16(double x);
std::int32_t RoundToInt32(double x);

// ArithmeticFault(Overflow) outside -32768..32767.
std::int16_t NarrowToInt16(std::int32_t n);

// a - d * trunc(a / d), for a positive d: 0 or the sign of a.
// Defined for every a; d = 0 throws ArithmeticFault(DivisionByZero).
std::int32_t TruncatedRemainder(std::int32_t a, std::int32_t d);

}  // namespace core
