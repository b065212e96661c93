#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The decimal reader shared by LeadingNumber and StrictNumber: scans
// "[+-]digits[.digits][exponent]" and turns it into the nearest double.
namespace core::detail {

// Significant digits kept for rounding. A double needs at most 767 to be
// rounded correctly; later digits only matter as "something non-zero follows",
// which one sticky '1' records.
inline constexpr std::size_t kMaxSignificantDigits = 800;

struct DecimalScan {
    std::size_t end = 0;        // one past the last character that belongs to the number
    bool hasDigits = false;     // at least one digit before the exponent
    bool negative = false;
    std::string digits;         // significant digits, no leading zeros, capped (plus sticky '1')
    std::int64_t exponent = 0;  // the value is digits x 10^exponent
};

// Reads the longest prefix of text that forms a decimal number. The exponent
// letters are those in exponentLetters; a letter with no digit after it (after
// an optional sign) is not part of the number. Linear in the prefix length.
DecimalScan ScanDecimal(std::string_view text, std::string_view exponentLetters);

// The double nearest to the scanned number (negative zero for "-0").
// Throws ArithmeticFault(Overflow) when its magnitude exceeds the largest double.
double DecimalValue(const DecimalScan& scan);

}  // namespace core::detail
