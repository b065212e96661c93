#include "core/conversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/faults.h"
#include "fault_expectations.h"

namespace {

using core::ArithmeticCondition;
using core::testing_support::ArithmeticFaultOf;

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallestDenormal = std::numeric_limits<double>::denorm_min();
constexpr auto kOverflow = ArithmeticCondition::Overflow;

// Exact decimal digits of the largest double.
const std::string kLargestDigits =
    "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878"
    "171540458953514382464234321326889464182768467546703537516986049910576551282076245490090389328944075"
    "868508455133942304583236903222948165808559332123348274797826204144723168738177180919299881250404026"
    "184124858368";

// 1 + 2^-53, exactly halfway between 1 and the next double.
const std::string kHalfwayAboveOne = "1.00000000000000011102230246251565404236316680908203125";

// Doubles compared bit for bit, so that 0 and negative zero differ.
void ExpectSameDouble(double expected, double actual) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual));
        return;
    }
    EXPECT_EQ(expected, actual);
    EXPECT_EQ(std::signbit(expected), std::signbit(actual)) << "sign of zero differs";
}

struct ReadCase {
    std::string text;
    double expected;
};

struct FaultCase {
    std::string text;
};

// --- LeadingNumber --------------------------------------------------------

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    const std::vector<ReadCase> cases = {
        {"", 0},
        {" ", 0},
        {"abc", 0},
        {"128", 128},
        {" 1 2 8 ", 128},
        {"12abc", 12},
        {"1,28", 1},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"-.5", -0.5},
        {"- 5", -5},
        {"+5", 5},
        {"--5", 0},
        {"+-5", 0},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"$5", 0},
        {"1e3", 1000},
        {"1D3", 1000},
        {"1d-2", 0.01},
        {"1.5E-3x", 0.0015},
        {"1E+15", 1e15},
        {"12E3.5", 12000},
        {"0.0999999999999943", 0.0999999999999943},
        {"127.1", 127.1},
        {"-0", -0.0},
        {"007", 7},
        {"-0.000", -0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        ExpectSameDouble(c.expected, core::LeadingNumber(c.text));
    }
}

TEST(LeadingNumber, ExponentLetterWithoutDigitsIsNotPartOfTheNumber) {
    const std::vector<ReadCase> cases = {
        {"1E", 1}, {"1E+", 1}, {"1e-", 1}, {"2.5D", 2.5}, {"3E+x5", 3}, {"4E 2", 400}, {"E5", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        ExpectSameDouble(c.expected, core::LeadingNumber(c.text));
    }
}

TEST(LeadingNumber, SkipsBlanksTabsAndLineFeedsButNotOtherWhitespace) {
    const std::vector<ReadCase> cases = {
        {"1\t2", 12},   {"1\n2", 12},   {"\t\n 5", 5},  {"1\r2", 1},     {"\r5", 0},
        {"1\v2", 1},    {"1\f2", 1},    {"1 . 5", 1.5}, {"1 E 2", 100},  {"- 1 e - 2", -0.01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        ExpectSameDouble(c.expected, core::LeadingNumber(c.text));
    }
}

TEST(LeadingNumber, ReadsRadixFormsAsTwosComplementIntegers) {
    const std::vector<ReadCase> cases = {
        {"&H80", 128},
        {"&h80", 128},
        {"&H7FFF", 32767},
        {"&H8000", -32768},
        {"&HFFFF", -1},
        {"&H10000", 65536},
        {"&H7FFFFFFF", 2147483647},
        {"&H80000000", -2147483648.0},
        {"&HFFFFFFFF", -1},
        {"&Hff", 255},
        {"&H0000000000000000000000001", 1},
        {"&O17", 15},
        {"&o17", 15},
        {"&O177777", -1},
        {"&O37777777777", -1},
        {"&O78", 7},
        {"&H1G", 1},
        {"&H", 0},
        {"&O", 0},
        {"&O9", 0},
        {"&Hxyz", 0},
        {"& H 8 0", 128},
        {"&X5", 0},   // not a radix form, and no decimal digit at the start
        {"-&H5", 0},  // a sign does not apply to a radix form
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        ExpectSameDouble(c.expected, core::LeadingNumber(c.text));
    }
}

TEST(LeadingNumber, RadixValueBeyond32BitsOverflows) {
    for (const std::string& text : std::vector<std::string>{"&H100000000", "&HFFFFFFFFFFFFFFFFFFFF", "&O40000000000",
                                   "&H" + std::string(100000, 'F')}) {
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(ArithmeticFaultOf([&] { core::LeadingNumber(text); }), kOverflow);
    }
}

TEST(LeadingNumber, GivesTheNearestDoubleAtTheEdgesOfTheRange) {
    const std::vector<ReadCase> cases = {
        {"1.7976931348623157e308", kLargest},
        {kLargestDigits, kLargest},
        {kLargestDigits + ".000", kLargest},
        {"-" + kLargestDigits, -kLargest},
        {"4.9406564584124654e-324", kSmallestDenormal},
        {"2.4703282292062328e-324", kSmallestDenormal},  // just above half the smallest denormal
        {"2.4703282292062327e-324", 0},                  // just below it
        {"-2e-324", -0.0},
        {"2.2250738585072014E-308", std::numeric_limits<double>::min()},
        {"1E-400", 0},
        {"1E308", 1e308},
        {"1" + std::string(308, '0'), 1e308},
        {"0." + std::string(400, '0') + "1", 0},
        {"0E999999999999999999", 0},
        {"0.0E+" + std::string(1000, '9'), 0},
        {"1E" + std::string(999, '0') + "5", 1e5},
        {"1E-" + std::string(1000, '9'), 0},
        {"0." + std::string(330, '0') + "1E+331", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        ExpectSameDouble(c.expected, core::LeadingNumber(c.text));
    }
}

TEST(LeadingNumber, NumberBeyondTheLargestDoubleOverflows) {
    const std::vector<std::string> texts = {
        "1E400",
        "-1E400",
        "1e309",
        "1" + std::string(400, '0'),
        "1E" + std::string(1000, '9'),
        "1.7976931348623158e308",  // rounds to the largest double but lies above it
        kLargestDigits + ".0000000001",
        "1.79769313486232E+308",
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(text.substr(0, 60));
        EXPECT_EQ(ArithmeticFaultOf([&] { core::LeadingNumber(text); }), kOverflow);
    }
}

TEST(LeadingNumber, RoundsLongMantissasCorrectly) {
    const double aboveOne = std::nextafter(1.0, 2.0);
    const std::vector<ReadCase> cases = {
        {kHalfwayAboveOne, 1.0},  // an exact tie goes to the even neighbour
        {kHalfwayAboveOne + std::string(2000, '0'), 1.0},
        {kHalfwayAboveOne + "1", aboveOne},
        // The deciding digit lies far beyond the digits kept for rounding.
        {kHalfwayAboveOne + std::string(2000, '0') + "1", aboveOne},
        {"1." + std::string(1'000'000, '9'), 2.0},
        {"0.1" + std::string(5000, '0'), 0.1},
        {std::string(5000, '0') + "12.5", 12.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        ExpectSameDouble(c.expected, core::LeadingNumber(c.text));
    }
}

TEST(LeadingNumber, HandlesAMegabyteOfDigits) {
    const std::size_t megabyte = 1 << 20;
    EXPECT_EQ(ArithmeticFaultOf([&] { core::LeadingNumber(std::string(megabyte, '7')); }), kOverflow);
    EXPECT_EQ(core::LeadingNumber(std::string(megabyte, '0') + "1"), 1);
    EXPECT_EQ(core::LeadingNumber("0." + std::string(megabyte, '0') + "1"), 0);
    EXPECT_EQ(core::LeadingNumber("0." + std::string(megabyte, '0') + "1E" + std::to_string(megabyte + 1)), 1);
    EXPECT_EQ(core::LeadingNumber(std::string(megabyte, ' ') + "42"), 42);
    EXPECT_EQ(core::LeadingNumber("9" + std::string(megabyte, 'x')), 9);
    std::string spacedDigits;
    for (std::size_t i = 0; i < megabyte / 2; ++i) spacedDigits += "1 ";
    EXPECT_EQ(ArithmeticFaultOf([&] { core::LeadingNumber(spacedDigits); }), kOverflow);
}

TEST(LeadingNumber, ControlCharactersAndNonAsciiBytesEndTheNumber) {
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == ' ' || byte == '\t' || byte == '\n') continue;
        const char c = static_cast<char>(byte);
        if ((c >= '0' && c <= '9') || c == '.' || c == 'E' || c == 'e' || c == 'D' || c == 'd') continue;
        SCOPED_TRACE(byte);
        EXPECT_EQ(core::LeadingNumber(std::string("7") + c + "5"), 7);
        if (c != '+' && c != '-') {
            EXPECT_EQ(core::LeadingNumber(std::string(1, c) + "5"), 0);
        }
    }
}

// --- StrictNumber and Int16FromText --------------------------------------

TEST(StrictNumber, AcceptsOneDecimalNumberBetweenBlanks) {
    const std::vector<ReadCase> cases = {
        {" 12 ", 12},    {"1e3", 1000},       {"-0.5", -0.5},  {".5", 0.5},       {"5.", 5},
        {"+5", 5},       {"  -1.25E-2  ", -0.0125},           {"1E+2", 100},     {"007.50", 7.5},
        {"1e-400", 0},   {"0.0999999999999943", 0.0999999999999943},             {"-0", -0.0},
        {kHalfwayAboveOne + std::string(2000, '0') + "1", std::nextafter(1.0, 2.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        ExpectSameDouble(c.expected, core::StrictNumber(c.text));
    }
}

TEST(StrictNumber, RefusesAnyOtherText) {
    const std::vector<std::string> texts = {
        "",     " ",     "abc",   "12abc", "1 2",  ".",    "+",     "-",     "1e",   "1e+",  "e5",
        "1D3",  "&H10",  "\t5",   "5\t",   "5\n",  "1.2.3", "--5",  "+-5",   "1e3.5", "1,5", "- 5",
        "1E 2", "5 x",   "$5",    "1e--2", std::string("5\0", 2), "\xc2\xa0" "5",
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_THROW(core::StrictNumber(text), core::ConversionFault);
    }
}

TEST(StrictNumber, OverflowsBeyondTheDoubleRange) {
    for (const std::string& text : std::vector<std::string>{"1E400", "-1e400", " 1" + std::string(400, '0') + " "}) {
        SCOPED_TRACE(text.substr(0, 60));
        EXPECT_EQ(ArithmeticFaultOf([&] { core::StrictNumber(text); }), kOverflow);
    }
}

TEST(Int16FromText, RoundsTheStrictNumberToEven) {
    const std::vector<std::pair<std::string, std::int16_t>> cases = {
        {" 7 ", 7}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"-32768.5", -32768}, {"32767.4", 32767}, {"1e2", 100},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(core::Int16FromText(text), expected);
    }
}

TEST(Int16FromText, FaultsForTextAndForValuesOutOfRange) {
    for (const std::string text : {"", " ", "7x", "1 2"}) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_THROW(core::Int16FromText(text), core::ConversionFault);
    }
    for (const std::string text : {"40000", "32767.5", "-32768.6", "1E400"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ArithmeticFaultOf([&] { core::Int16FromText(text); }), kOverflow);
    }
}

// --- NumberText and Int16Text ---------------------------------------------

TEST(NumberText, WritesAtMostFifteenSignificantDigits) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-27, "-27"},
        {23.5, "23.5"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {127.1 - 127, "0.0999999999999943"},
        {126.4 - 127, "-0.599999999999994"},
        {0.0001, "0.0001"},
        {-0.0001, "-0.0001"},
        {std::nextafter(0.0001, 0.0), "0.0001"},  // rounding lifts it back into plain form
        {0.00015, "0.00015"},
        {0.00001, "1E-05"},
        {0.000012345, "1.2345E-05"},
        {123456789012345, "123456789012345"},
        {123456789012345.6, "123456789012346"},
        {999999999999999, "999999999999999"},
        {999999999999999.9, "1E+15"},
        {std::nextafter(1e15, 0.0), "1E+15"},
        {1e15, "1E+15"},
        {1e14, "100000000000000"},
        {1234567890123456, "1.23456789012346E+15"},
        {std::trunc(1e20 / 48), "2.08333333333333E+18"},
        {1e20, "1E+20"},
        {1e100, "1E+100"},
        {1.5e300, "1.5E+300"},
        {kLargest, "1.79769313486232E+308"},
        {-kLargest, "-1.79769313486232E+308"},
        {kSmallestDenormal, "4.94065645841247E-324"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
        {-1e-20, "-1E-20"},
        {2147483647, "2147483647"},
        {2147483648.0, "2147483648"},
        {44739243, "44739243"},
        {0.1, "0.1"},
        {100, "100"},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(core::NumberText(value), expected);
    }
}

TEST(NumberText, WritesNonFiniteValuesPlainly) {
    EXPECT_EQ(core::NumberText(std::numeric_limits<double>::infinity()), "Infinity");
    EXPECT_EQ(core::NumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
    EXPECT_EQ(core::NumberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

TEST(Int16Text, WritesPlainDecimal) {
    const std::vector<std::pair<std::int16_t, std::string>> cases = {
        {48, "48"}, {-27, "-27"}, {0, "0"}, {-32768, "-32768"}, {32767, "32767"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(core::Int16Text(value), expected);
}

// --- Numeric conversions --------------------------------------------------

TEST(TruncateTowardZero, DropsTheFractionTowardZero) {
    const std::vector<std::pair<double, double>> cases = {
        {-2.6458, -2}, {2.99, 2}, {-0.5625, -0.0}, {0.5, 0}, {5, 5}, {-48, -48},
        {1e300, 1e300}, {std::trunc(1e20 / 48), std::trunc(1e20 / 48)},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        ExpectSameDouble(expected, core::TruncateTowardZero(value));
    }
    EXPECT_EQ(core::NumberText(core::TruncateTowardZero(-0.5625)), "0");
}

TEST(RoundToInt16, RoundsTiesToEvenAndTestsTheRoundedValue) {
    const std::vector<std::pair<double, std::int16_t>> cases = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-0.5, 0}, {0.5, 0}, {1.5, 2}, {-1.5, -2},
        {0.49999999999999994, 0}, {2.5000000000000004, 3}, {32767.4, 32767}, {-32768.5, -32768},
        {-0.0, 0}, {23.5, 24}, {24.5, 24}, {47.5, 48},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(core::RoundToInt16(value), expected);
    }
    for (const double value : {32767.5, -32768.6, 40000.0, 1e300, std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ArithmeticFaultOf([&] { core::RoundToInt16(value); }), kOverflow);
    }
}

TEST(RoundToInt32, RoundsTiesToEvenAndTestsTheRoundedValue) {
    const std::vector<std::pair<double, std::int32_t>> cases = {
        {23.5, 24}, {24.5, 24}, {2147483647.4, 2147483647}, {-2147483648.5, INT32_MIN},
        {-2147483647.5, INT32_MIN}, {2147483646.5, 2147483646}, {-3.5, -4},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(core::RoundToInt32(value), expected);
    }
    for (const double value : {2147483647.5, -2147483648.6, 4503599627370497.0, -1e20,
                               std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ArithmeticFaultOf([&] { core::RoundToInt32(value); }), kOverflow);
    }
}

TEST(NarrowToInt16, KeepsValuesInRangeAndFaultsOutside) {
    EXPECT_EQ(core::NarrowToInt16(32767), 32767);
    EXPECT_EQ(core::NarrowToInt16(-32768), -32768);
    EXPECT_EQ(core::NarrowToInt16(0), 0);
    for (const std::int32_t n : {32768, -32769, INT32_MAX, INT32_MIN}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ArithmeticFaultOf([&] { core::NarrowToInt16(n); }), kOverflow);
    }
}

TEST(TruncatedRemainder, HasTheSignOfTheDividend) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> cases = {
        {49, 1}, {-27, -27}, {-127, -31}, {-48, 0}, {0, 0}, {48, 0}, {-49, -1},
        {2147483647, 31}, {INT32_MIN, -32},
    };
    for (const auto& [a, expected] : cases) {
        SCOPED_TRACE(a);
        EXPECT_EQ(core::TruncatedRemainder(a, 48), expected);
    }
    EXPECT_EQ(core::TruncatedRemainder(INT32_MIN, 1), 0);
    EXPECT_EQ(core::TruncatedRemainder(INT32_MIN, INT32_MAX), -1);
}

// --- Agreement with an independent rendering and round trips ---------------

// Random doubles of three kinds: arbitrary bit patterns (all magnitudes and
// denormals), fractions k/48 and values v - 127 as the calculators form them.
std::vector<double> SampleDoubles() {
    std::mt19937_64 random(20240611);
    std::vector<double> values;
    while (values.size() < 40000) {
        const double x = std::bit_cast<double>(random());
        if (std::isfinite(x)) values.push_back(x);
    }
    std::uniform_int_distribution<int> wide(-2'000'000, 2'000'000);
    std::uniform_int_distribution<int> tenths(0, 9);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(wide(random) / 48.0);
        values.push_back((wide(random) + tenths(random) / 10.0) - 127);
        values.push_back(std::trunc(wide(random) * 1e12 / 48));
        values.push_back(wide(random) * 1e-9);
    }
    return values;
}

// The C library's "%.15G" under the "C" locale follows the same rule.
std::string ReferenceText(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", x);
    return buffer;
}

TEST(NumberText, AgreesWithFifteenDigitGeneralFormatOnRandomDoubles) {
    ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    int mismatches = 0;
    for (const double x : SampleDoubles()) {
        if (x == 0.0) continue;  // the reference writes negative zero as "-0"
        const std::string expected = ReferenceText(x);
        const std::string actual = core::NumberText(x);
        if (actual != expected && ++mismatches <= 10)
            ADD_FAILURE() << std::hexfloat << x << ": got " << actual << ", expected " << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(NumberText, ReadingTheTextBackGivesTheSameText) {
    for (const double x : SampleDoubles()) {
        const std::string text = core::NumberText(x);
        SCOPED_TRACE(text);
        if (std::fabs(x) > 1.797693134862315e308) {
            // Fifteen digits round it above the largest double.
            EXPECT_EQ(ArithmeticFaultOf([&] { core::LeadingNumber(text); }), kOverflow);
            continue;
        }
        EXPECT_EQ(core::NumberText(core::LeadingNumber(text)), text);
        EXPECT_EQ(core::NumberText(core::StrictNumber(text)), text);
    }
}

TEST(NumberText, ValuesOfFifteenDigitsOrFewerReadBackExactly) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> mantissa(-999'999'999'999'999, 999'999'999'999'999);
    std::uniform_int_distribution<int> exponent(-320, 290);
    for (int i = 0; i < 20000; ++i) {
        const std::string written = std::to_string(mantissa(random)) + "E" + std::to_string(exponent(random));
        const double x = core::LeadingNumber(written);
        SCOPED_TRACE(written);
        if (std::fabs(x) < std::numeric_limits<double>::min()) continue;  // denormals lose digits
        ExpectSameDouble(x, core::LeadingNumber(core::NumberText(x)));
    }
}

}  // namespace
