// Writing numbers as box text: NumberText and Int16Text, independent of the locale.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "conversions.h"

namespace core {
namespace {

constexpr int kSignificantDigits = 15;

struct RoundedDecimal {
    std::string digits;  // significant digits, trailing zeros dropped, first one non-zero
    int exponent = 0;    // power of ten of the first digit
};

// |x| rounded to 15 significant digits. std::to_chars rounds the exact binary
// value to nearest (an exact tie goes to the even digit) and reports the
// exponent after rounding, so 999999999999999.9 comes back as 1e+15.
RoundedDecimal RoundTo15Digits(double magnitude) {
    char buffer[32];  // "d.ddddddddddddddde+ddd" is 21 characters
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
    (void)error;  // cannot fail: the buffer is large enough for any finite double
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = text.find('e');

    RoundedDecimal rounded;
    for (const char c : text.substr(0, e))
        if (c != '.') rounded.digits.push_back(c);
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);

    const std::string_view exponentText = text.substr(e + 1);  // sign then at least two digits
    const std::string_view exponentDigits = exponentText.substr(1);
    std::from_chars(exponentDigits.data(), exponentDigits.data() + exponentDigits.size(), rounded.exponent);
    if (exponentText.front() == '-') rounded.exponent = -rounded.exponent;
    return rounded;
}

std::string PositionalText(const RoundedDecimal& r) {
    const auto count = static_cast<int>(r.digits.size());
    if (r.exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-r.exponent - 1), '0') + r.digits;
    const int integerDigits = r.exponent + 1;
    if (count <= integerDigits)
        return r.digits + std::string(static_cast<std::size_t>(integerDigits - count), '0');
    return r.digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
           r.digits.substr(static_cast<std::size_t>(integerDigits));
}

std::string ExponentText(const RoundedDecimal& r) {
    std::string text = r.digits.substr(0, 1);
    if (r.digits.size() > 1) text += "." + r.digits.substr(1);
    text += r.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(r.exponent);
    if (magnitude < 10) text.push_back('0');
    text += std::to_string(magnitude);  // plain digits of an int: no locale involved
    return text;
}

}  // namespace

std::string NumberText(double x) {
    if (x == 0.0) return "0";
    // Never produced by checked arithmetic or the readers; written plainly all the same.
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";

    const RoundedDecimal rounded = RoundTo15Digits(std::fabs(x));
    const bool positional = rounded.exponent >= -4 && rounded.exponent <= 14;
    const std::string text = positional ? PositionalText(rounded) : ExponentText(rounded);
    return std::signbit(x) ? "-" + text : text;
}

std::string Int16Text(std::int16_t n) {
    char buffer[8];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, n);
    (void)error;  // "-32768" fits
    return std::string(buffer, end);
}

}  // namespace core
