#include "core/checked_arithmetic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/faults.h"
#include "fault_expectations.h"

namespace {

using core::ArithmeticCondition;
using core::CheckedDouble;
using core::testing_support::ArithmeticFaultOf;

constexpr double kLargest = std::numeric_limits<double>::max();

struct FormulaCase {
    std::string name;
    std::function<CheckedDouble()> formula;
    std::optional<ArithmeticCondition> fault;  // nothing: Value() succeeds
};

TEST(CheckedDouble, ValueRaisesTheConditionRecordedByAnyStep) {
    const CheckedDouble one = 1.0;
    const std::vector<FormulaCase> cases = {
        {"1e308 * 10", [] { return CheckedDouble(1e308) * 10; }, ArithmeticCondition::Overflow},
        {"-largest * 2", [] { return CheckedDouble(-kLargest) * 2; }, ArithmeticCondition::Overflow},
        {"largest + largest", [] { return CheckedDouble(kLargest) + kLargest; }, ArithmeticCondition::Overflow},
        {"-largest - largest", [] { return CheckedDouble(-kLargest) - kLargest; }, ArithmeticCondition::Overflow},
        {"1e300 / 1e-300", [] { return CheckedDouble(1e300) / 1e-300; }, ArithmeticCondition::Overflow},
        {"1 / 0", [] { return CheckedDouble(1) / 0; }, ArithmeticCondition::DivisionByZero},
        {"-1 / -0", [] { return CheckedDouble(-1) / -0.0; }, ArithmeticCondition::DivisionByZero},
        {"0 / 0", [] { return CheckedDouble(0) / 0; }, ArithmeticCondition::InvalidOperation},
        // Two steps, the condition raised by the first and caught after the second.
        {"(1e308 * 10) / 48", [] { return CheckedDouble(1e308) * 10 / 48; }, ArithmeticCondition::Overflow},
        {"(largest + largest) - largest", [] { return CheckedDouble(kLargest) + kLargest - kLargest; },
         ArithmeticCondition::Overflow},
        {"(1 / 0) * 0 reports invalid before division by zero",
         [one] { return one / 0 * 0; }, ArithmeticCondition::InvalidOperation},
        {"1 / (7 - 7)", [one] { return one / (CheckedDouble(7) - 7); }, ArithmeticCondition::DivisionByZero},
        {"(5 - 5) / (3 - 3)", [] { return (CheckedDouble(5) - 5) / (CheckedDouble(3) - 3); },
         ArithmeticCondition::InvalidOperation},
        {"(1 / 0) - (1 / 0)", [one] { return one / 0 - one / 0; }, ArithmeticCondition::InvalidOperation},
        // Underflow and inexact results are not faults.
        {"1e-308 / 1e10", [] { return CheckedDouble(1e-308) / 1e10; }, std::nullopt},
        {"denormal / 2", [] { return CheckedDouble(std::numeric_limits<double>::denorm_min()) / 2; },
         std::nullopt},
        {"1 / 3", [one] { return one / 3; }, std::nullopt},
        {"largest + 1 rounds to largest", [] { return CheckedDouble(kLargest) + 1; }, std::nullopt},
        {"0 / 5", [] { return CheckedDouble(0) / 5; }, std::nullopt},
        {"(128 - 127) / 48", [] { return (CheckedDouble(128) - 127) / 48; }, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CheckedDouble result = 0.0;
        ASSERT_NO_THROW(result = c.formula());  // steps never throw; only Value() does
        EXPECT_EQ(ArithmeticFaultOf([&] { (void)result.Value(); }), c.fault);
    }
}

TEST(CheckedDouble, ValueGivesTheIeeeResult) {
    EXPECT_EQ((CheckedDouble(0.1) + 0.2).Value(), 0.1 + 0.2);
    EXPECT_EQ((CheckedDouble(127.1) - 127).Value(), 127.1 - 127);
    EXPECT_EQ((CheckedDouble(-27) / 48).Value(), -27.0 / 48);
    EXPECT_EQ((CheckedDouble(1e-308) / 1e10).Value(), 1e-308 / 1e10);
    EXPECT_EQ((CheckedDouble(3) * 16 + 1).Value(), 49);
}

TEST(CheckedInt16, AddsAndSubtractsUpToTheSixteenBitLimits) {
    EXPECT_EQ(core::CheckedAdd16(32767, 0), 32767);
    EXPECT_EQ(core::CheckedAdd16(-32768, 32767), -1);
    EXPECT_EQ(core::CheckedAdd16(-32767, -1), -32768);
    EXPECT_EQ(core::CheckedSub16(-1, -32768), 32767);
    EXPECT_EQ(core::CheckedSub16(-32767, 1), -32768);
    EXPECT_EQ(core::CheckedSub16(0, 32767), -32767);
    const std::vector<std::pair<std::int16_t, std::int16_t>> addOverflows = {
        {32767, 1}, {-32768, -1}, {32767, 32767}, {-32768, -32768}};
    for (const auto& [a, b] : addOverflows) {
        SCOPED_TRACE(std::to_string(a) + " + " + std::to_string(b));
        EXPECT_EQ(ArithmeticFaultOf([&] { core::CheckedAdd16(a, b); }), ArithmeticCondition::Overflow);
    }
    const std::vector<std::pair<std::int16_t, std::int16_t>> subOverflows = {
        {-32768, 1}, {0, -32768}, {32767, -1}, {-2, 32767}};
    for (const auto& [a, b] : subOverflows) {
        SCOPED_TRACE(std::to_string(a) + " - " + std::to_string(b));
        EXPECT_EQ(ArithmeticFaultOf([&] { core::CheckedSub16(a, b); }), ArithmeticCondition::Overflow);
    }
}

}  // namespace
