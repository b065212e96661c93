// Reading box text as numbers: LeadingNumber, StrictNumber, Int16FromText.
#include <cstdint>
#include <string>

#include "conversions.h"
#include "decimal_reader.h"
#include "faults.h"

namespace core {
namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int OctalDigitValue(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

// The digit run after "&H" or "&O". Up to FFFF it is a 16-bit two's-complement
// number, up to FFFFFFFF a 32-bit one. A longer value fits neither width and
// raises ArithmeticFault(Overflow); leading zeros do not count towards it.
double RadixValue(std::string_view digits, int radix) {
    const auto digitValue = radix == 16 ? HexDigitValue : OctalDigitValue;
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (const char c : digits) {
        const int d = digitValue(c);
        if (d < 0) break;
        if (!tooLarge) {
            value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
            tooLarge = value > 0xFFFF'FFFFu;
        }
    }
    if (tooLarge) throw ArithmeticFault(ArithmeticCondition::Overflow);
    const auto signedValue = static_cast<std::int64_t>(value);
    if (value <= 0xFFFFu) return static_cast<double>(value >= 0x8000u ? signedValue - 0x1'0000 : signedValue);
    return static_cast<double>(value >= 0x8000'0000u ? signedValue - 0x1'0000'0000 : signedValue);
}

std::string WithoutBlanksTabsAndLineFeeds(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') kept.push_back(c);
    return kept;
}

bool IsRadixPrefix(std::string_view text, char upper, char lower) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == upper || text[1] == lower);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    const std::string kept = WithoutBlanksTabsAndLineFeeds(text);
    const std::string_view view = kept;
    if (IsRadixPrefix(view, 'H', 'h')) return RadixValue(view.substr(2), 16);
    if (IsRadixPrefix(view, 'O', 'o')) return RadixValue(view.substr(2), 8);
    const detail::DecimalScan scan = detail::ScanDecimal(view, "EeDd");
    return scan.hasDigits ? detail::DecimalValue(scan) : 0.0;
}

double StrictNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) throw ConversionFault();
    const auto last = text.find_last_not_of(' ');
    const std::string_view number = text.substr(first, last - first + 1);
    const detail::DecimalScan scan = detail::ScanDecimal(number, "Ee");
    if (!scan.hasDigits || scan.end != number.size()) throw ConversionFault();
    return detail::DecimalValue(scan);
}

std::int16_t Int16FromText(std::string_view text) { return RoundToInt16(StrictNumber(text)); }

}  // namespace core
