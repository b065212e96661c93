// Reading box text as numbers: LeadingNumber, StrictNumber, Int16FromText.
#include <cstdint>
#include <optional>
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

bool IsBlankTabOrLineFeed(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The common box text: an optional sign and at most 15 digits with an
// optional point, followed by nothing that could continue the number (no
// blank, which digits may follow, and no exponent letter). Such a number is
// an exact double over an exact power of ten, so one division rounds it
// correctly. Anything else gives nullopt and goes to the full reader.
std::optional<double> SimpleDecimal(std::string_view text) {
    constexpr int kExactDigits = 15;
    constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    const auto takeDigits = [&](bool inFraction) {
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (++digits > kExactDigits) return false;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
            if (inFraction) ++fractionDigits;
        }
        return true;
    };
    if (!takeDigits(false)) return std::nullopt;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!takeDigits(true)) return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size()) {
        const char next = text[i];
        if (IsBlankTabOrLineFeed(next) || next == 'E' || next == 'e' || next == 'D' || next == 'd')
            return std::nullopt;
    }
    const double magnitude = static_cast<double>(mantissa) / kPowers[fractionDigits];
    return negative ? -magnitude : magnitude;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    // Most box texts have blanks only in front, if at all ("559", " 3900"):
    // those are read in place, without a copy.
    std::size_t first = 0;
    while (first < text.size() && IsBlankTabOrLineFeed(text[first])) ++first;
    std::string_view view = text.substr(first);
    if (const std::optional<double> simple = SimpleDecimal(view)) return *simple;

    std::string kept;
    if (view.find_first_of(" \t\n") != std::string_view::npos) {
        kept = WithoutBlanksTabsAndLineFeeds(view);
        view = kept;
    }
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
