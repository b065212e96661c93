// Writing numbers as box text: NumberText and Int16Text, independent of the locale.
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "conversions.h"

namespace core {
namespace {

constexpr int kSignificantDigits = 15;

struct RoundedDecimal {
    char digits[24];  // significant digits, trailing zeros dropped, first one non-zero
    int count = 0;
    int exponent = 0;  // power of ten of the first digit
};

// Splits to_chars' scientific text "d.ddde+XX" into digits and exponent.
RoundedDecimal FromScientific(std::string_view text) {
    RoundedDecimal rounded;
    const auto e = text.find('e');
    for (const char c : text.substr(0, e))
        if (c != '.') rounded.digits[rounded.count++] = c;
    while (rounded.count > 1 && rounded.digits[rounded.count - 1] == '0') --rounded.count;

    const std::string_view exponentText = text.substr(e + 1);  // sign then at least two digits
    const std::string_view exponentDigits = exponentText.substr(1);
    std::from_chars(exponentDigits.data(), exponentDigits.data() + exponentDigits.size(), rounded.exponent);
    if (exponentText.front() == '-') rounded.exponent = -rounded.exponent;
    return rounded;
}

// |x| rounded to 15 significant digits, to nearest.
//
// The shortest digits that read back as a normal double lie within half an
// ulp of it, far less than half a unit in the 15th digit, so when there are
// at most 15 of them they are also the 15-digit rounding; that is the common
// case and much the cheaper one. Otherwise std::to_chars rounds the exact
// binary value to 15 digits (an exact tie goes to the even digit) and reports
// the exponent after rounding, so 999999999999999.9 comes back as 1e+15.
RoundedDecimal RoundTo15Digits(double magnitude) {
    char buffer[32];  // "d.ddddddddddddddde+ddd" is 21 characters
    if (magnitude >= DBL_MIN) {
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
        (void)error;  // cannot fail: the buffer is large enough for any finite double
        const RoundedDecimal shortest = FromScientific(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
        if (shortest.count <= kSignificantDigits) return shortest;
    }
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
    (void)error;
    return FromScientific(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

// Writes into out, which has room for the longest text ("-1.23456789012346E-308"
// or "-0.000123456789012345"); returns one past the last character.
char* PositionalText(const RoundedDecimal& r, char* out) {
    if (r.exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int i = 0; i < -r.exponent - 1; ++i) *out++ = '0';
        for (int i = 0; i < r.count; ++i) *out++ = r.digits[i];
        return out;
    }
    const int integerDigits = r.exponent + 1;
    for (int i = 0; i < integerDigits; ++i) *out++ = i < r.count ? r.digits[i] : '0';
    if (r.count > integerDigits) {
        *out++ = '.';
        for (int i = integerDigits; i < r.count; ++i) *out++ = r.digits[i];
    }
    return out;
}

char* ExponentText(const RoundedDecimal& r, char* out) {
    *out++ = r.digits[0];
    if (r.count > 1) {
        *out++ = '.';
        for (int i = 1; i < r.count; ++i) *out++ = r.digits[i];
    }
    *out++ = 'E';
    *out++ = r.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(r.exponent);
    if (magnitude < 10) *out++ = '0';
    return std::to_chars(out, out + 4, magnitude).ptr;  // plain digits of an int: no locale involved
}

}  // namespace

std::string NumberText(double x) {
    if (x == 0.0) return "0";
    // Never produced by checked arithmetic or the readers; written plainly all the same.
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";

    char text[40];
    const double magnitude = std::fabs(x);
    // Whole numbers below 1E15 are written as they are, digit for digit.
    if (magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
        const auto end = std::to_chars(text, text + sizeof text, static_cast<std::int64_t>(x)).ptr;
        return std::string(text, end);
    }

    char* out = text;
    if (std::signbit(x)) *out++ = '-';
    const RoundedDecimal rounded = RoundTo15Digits(magnitude);
    const bool positional = rounded.exponent >= -4 && rounded.exponent <= 14;
    out = positional ? PositionalText(rounded, out) : ExponentText(rounded, out);
    return std::string(text, out);
}

std::string Int16Text(std::int16_t n) {
    char buffer[8];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, n);
    (void)error;  // "-32768" fits
    return std::string(buffer, end);
}

}  // namespace core
