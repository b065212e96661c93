#include "decimal_reader.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

#include "faults.h"

namespace core::detail {
namespace {

// Far outside the double range, far inside std::int64_t: exponents are clamped
// to it so that a thousand-digit exponent cannot overflow the arithmetic.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

// The exact decimal value of the largest double: a number that rounds to it
// but lies above it still counts as beyond the double range.
constexpr std::string_view kLargestDoubleDigits =
    "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878"
    "171540458953514382464234321326889464182768467546703537516986049910576551282076245490090389328944075"
    "868508455133942304583236903222948165808559332123348274797826204144723168738177180919299881250404026"
    "184124858368";
constexpr std::int64_t kLargestDoubleExponent = 308;  // of its first digit

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view WithoutTrailingZeros(std::string_view digits) {
    const auto last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? std::string_view{} : digits.substr(0, last + 1);
}

// digits x 10^exponent, whose first digit stands at 10^308, above the largest double?
bool AboveLargestDouble(const DecimalScan& scan) {
    return WithoutTrailingZeros(scan.digits) > WithoutTrailingZeros(kLargestDoubleDigits);
}

}  // namespace

DecimalScan ScanDecimal(std::string_view text, std::string_view exponentLetters) {
    DecimalScan scan;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        scan.negative = text[i] == '-';
        ++i;
    }

    bool droppedNonZero = false;
    std::int64_t scale = 0;  // power of ten contributed by the position of the point
    const auto takeDigit = [&](char c, bool inFraction) {
        scan.hasDigits = true;
        if (scan.digits.empty() && c == '0') {  // leading zero: only its place counts
            if (inFraction) --scale;
        } else if (scan.digits.size() < kMaxSignificantDigits) {
            scan.digits.push_back(c);
            if (inFraction) --scale;
        } else {  // beyond the kept digits: an integer digit still scales the value
            if (!inFraction) ++scale;
            droppedNonZero = droppedNonZero || c != '0';
        }
    };

    for (; i < text.size() && IsDigit(text[i]); ++i) takeDigit(text[i], false);
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) takeDigit(text[i], true);
    }
    scan.end = i;
    if (!scan.hasDigits) return scan;

    std::int64_t written = 0;
    if (i < text.size() && exponentLetters.find(text[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j)
                written = std::min(written * 10 + (text[j] - '0'), kExponentLimit);
            if (negativeExponent) written = -written;
            scan.end = j;
        }
    }

    if (droppedNonZero) {  // sticky digit: keeps "a little above" for correct rounding
        scan.digits.push_back('1');
        --scale;
    }
    scan.exponent = std::clamp(written + scale, -kExponentLimit, kExponentLimit);
    return scan;
}

double DecimalValue(const DecimalScan& scan) {
    const double zero = scan.negative ? -0.0 : 0.0;
    if (scan.digits.empty()) return zero;

    // At most 15 digits are an exact double, and so is a power of ten up to
    // 1E22: one multiplication or division of the two is correctly rounded.
    constexpr std::size_t kExactDigits = 15;
    constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (scan.digits.size() <= kExactDigits && scan.exponent >= -22 && scan.exponent <= 22) {
        std::int64_t mantissa = 0;
        for (const char c : scan.digits) mantissa = mantissa * 10 + (c - '0');
        const double exact = static_cast<double>(mantissa);
        const double magnitude = scan.exponent >= 0 ? exact * kExactPowers[scan.exponent]
                                                    : exact / kExactPowers[-scan.exponent];
        return scan.negative ? -magnitude : magnitude;
    }

    const auto leadingExponent = scan.exponent + static_cast<std::int64_t>(scan.digits.size()) - 1;
    if (leadingExponent > kLargestDoubleExponent) throw ArithmeticFault(ArithmeticCondition::Overflow);
    if (leadingExponent < -400) return zero;  // below half the smallest denormal

    // digits, 'e', exponent: at most about 800 + 6 characters.
    std::string buffer = scan.digits;
    buffer.push_back('e');
    char exponentText[24];
    const auto [exponentEnd, exponentError] =
        std::to_chars(exponentText, exponentText + sizeof exponentText, scan.exponent);
    (void)exponentError;  // cannot fail: the buffer holds any int64
    buffer.append(exponentText, exponentEnd);

    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (leadingExponent > 0) throw ArithmeticFault(ArithmeticCondition::Overflow);
        return zero;
    }
    if (magnitude == std::numeric_limits<double>::max() && leadingExponent == kLargestDoubleExponent &&
        AboveLargestDouble(scan))
        throw ArithmeticFault(ArithmeticCondition::Overflow);
    return scan.negative ? -magnitude : magnitude;
}

}  // namespace core::detail
