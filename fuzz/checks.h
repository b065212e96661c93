#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/faults.h"
#include "core/fields.h"
#include "core/notice.h"

// Properties that must hold for any input: shared by the libFuzzer targets
// (built with clang and the sanitizers) and by the replay test of the
// ordinary suite, so a stored input fails the same way in both.
namespace fuzz {

// A broken property. The fuzzer turns it into a crash, the replay test into a failure.
class CheckFailure final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void Require(bool condition, std::string_view what);

// How a conversion or an operation ended: a value, or one of the two faults.
enum class Ending { Value, ArithmeticFault, ConversionFault };

std::string_view EndingName(Ending ending);

// A double read from text, or the fault that stopped the reading.
struct Reading {
    Ending ending = Ending::Value;
    double value = 0.0;
    std::optional<core::ArithmeticCondition> condition;
};

// Runs a reader; ArithmeticFault and ConversionFault are outcomes, anything
// else escapes as a finding.
template <typename Read>
Reading Try(Read read) {
    try {
        return Reading{Ending::Value, static_cast<double>(read()), std::nullopt};
    } catch (const core::ArithmeticFault& fault) {
        return Reading{Ending::ArithmeticFault, 0.0, fault.Condition()};
    } catch (const core::ConversionFault&) {
        return Reading{Ending::ConversionFault, 0.0, std::nullopt};
    }
}

// Same ending, same value (negative zero counts as zero), same condition.
bool SameReading(const Reading& a, const Reading& b);

// --- Text and number conversions -------------------------------------------

// LeadingNumber ends in a finite value or an overflow, never in ConversionFault,
// and blanks, tabs and line feeds anywhere do not change what it reads.
void CheckLeadingNumber(std::string_view text);

// StrictNumber ends in a value, ConversionFault or overflow. A value is what
// LeadingNumber reads too, survives blanks around it, and a blank inside the
// number makes the text refused.
void CheckStrictNumber(std::string_view text);

// Int16FromText is StrictNumber followed by RoundToInt16, fault for fault, and
// Int16Text of its result reads back the same.
void CheckInt16FromText(std::string_view text);

// The text uses only digits, "-", ".", "E" and "+" in the plain or exponent
// form, has at most 15 significant digits, is never "-0", carries the sign of
// x, and picks the exponent form exactly outside 0.0001 <= |x| < 1E15.
void CheckNumberTextForm(double x, const std::string& text);

// LeadingNumber of NumberText(x) is within 15-digit rounding of x and writes the
// same text again; only the text above the largest double reads back as overflow.
void CheckNumberTextRoundTrip(double x);

void CheckInt16Text(std::int16_t n);

// --- Calculator and keypad operations --------------------------------------

inline constexpr std::string_view kVerifyInput = "Please verify the input";
inline constexpr std::string_view kSecondFrame = "Port Particulars falls in Second Frame";
inline constexpr std::string_view kInvalidDslamVlan = "Enter the Valid DSLAM VLAN";
inline constexpr std::string_view kInvalidInnerVlan = "Please enter the Valid Inner VLAN !!!....";

// Records the notices of one operation and refuses, at once, any text that is
// not one of the calculators' notices.
class RecordingNotice final : public core::ShowNotice {
public:
    void operator()(std::string_view text) override;
    const std::vector<std::string>& Texts() const { return texts_; }

private:
    std::vector<std::string> texts_;
};

// The window-held integers of both programs, 0 when a window opens.
struct WindowVariables {
    std::int16_t port48 = 0;
    std::int16_t port24 = 0;
    std::int16_t dslamVlan = 0;
    std::int16_t innerOffset = 0;
    std::int16_t pendingOperand = 0;
    std::int16_t pendingOperator = 0;
    bool operator==(const WindowVariables&) const = default;
};

enum class Operation {
    CalculateVlan48,
    CalculateDirectPort,
    ClearPort48,
    CalculatePort24,
    ClearPort24,
    CalculateFromDslamVlan,
    KeypadDigit,
    KeypadOperator,
    KeypadEquals,
    KeypadClear,
    KeypadNegate,
};

// One operation with its argument (the digit for KeypadDigit, the code for KeypadOperator).
struct Step {
    Operation operation;
    char digit = '0';
    std::int16_t code = 0;
};

std::string StepName(const Step& step);

// What one operation did: how it ended and the notices it showed.
struct StepResult {
    Ending ending = Ending::Value;
    std::vector<std::string> notices;
};

// Runs the step on the boxes and variables, catching only the two faults.
StepResult Perform(const Step& step, core::MemoryFields& fields, WindowVariables& variables);

// Runs the step and checks it: only its own boxes written, only its own
// notices and faults, nothing written on a path that must write nothing, and
// the results the closed forms give for whole-number VLANs. The calculators
// are run a second time on what they left, which must change nothing.
void CheckStep(const Step& step, core::MemoryFields& fields, WindowVariables& variables);

}  // namespace fuzz
