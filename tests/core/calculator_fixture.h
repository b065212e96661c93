#pragma once

// Shared by the calculator tests: boxes that remember what was read and
// written, a notice that records its texts, and fault capture.

#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/faults.h"
#include "core/fields.h"
#include "core/notice.h"

namespace core::calculator_testing {

// Marks an expected box text as "keeps the text it had before".
inline constexpr std::string_view kUnchanged = "(unchanged)";

// Window variables start here so that a calculation that never sets them shows.
inline constexpr std::int16_t kUntouchedVariable = 12321;

// Every box of a window starts with a text that no operation writes, and the
// boxes read and written are recorded.
class RecordingFields final : public FormFields {
public:
    RecordingFields() {
        for (int box = 1; box <= 13; ++box) {
            const std::string name = "Text" + std::to_string(box);
            boxes_.Write(name, Untouched(name));
        }
    }

    static std::string Untouched(std::string_view box) { return "untouched " + std::string(box); }

    // The text a box should hold: the given one, or its untouched text.
    static std::string Expected(std::string_view box, std::string_view expected) {
        return expected == kUnchanged ? Untouched(box) : std::string(expected);
    }

    std::string Read(std::string_view box) const override {
        reads_.emplace(box);
        return boxes_.Read(box);
    }
    void Write(std::string_view box, std::string_view text) override {
        writes_.emplace_back(box);
        boxes_.Write(box, text);
    }

    // What the user typed, or a look at a box, without counting as the operation's access.
    void Type(std::string_view box, std::string_view text) { boxes_.Write(box, text); }
    std::string Peek(std::string_view box) const { return boxes_.Read(box); }

    const std::map<std::string, std::string, std::less<>>& Boxes() const { return boxes_.Boxes(); }
    const std::set<std::string, std::less<>>& Reads() const { return reads_; }
    const std::vector<std::string>& Writes() const { return writes_; }
    std::set<std::string, std::less<>> WrittenBoxes() const { return {writes_.begin(), writes_.end()}; }
    void ForgetAccesses() {
        reads_.clear();
        writes_.clear();
    }

private:
    MemoryFields boxes_;
    mutable std::set<std::string, std::less<>> reads_;
    std::vector<std::string> writes_;
};

class RecordingNotice final : public ShowNotice {
public:
    void operator()(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

// How an operation ended.
enum class Outcome { Completed, Overflow, DivisionByZero, InvalidOperation, Conversion };

inline std::ostream& operator<<(std::ostream& out, Outcome outcome) {
    switch (outcome) {
    case Outcome::Completed: return out << "Completed";
    case Outcome::Overflow: return out << "ArithmeticFault(Overflow)";
    case Outcome::DivisionByZero: return out << "ArithmeticFault(DivisionByZero)";
    case Outcome::InvalidOperation: return out << "ArithmeticFault(InvalidOperation)";
    case Outcome::Conversion: return out << "ConversionFault";
    }
    return out << "?";
}

template <class Operation>
Outcome RunOperation(Operation&& operation) {
    try {
        std::forward<Operation>(operation)();
        return Outcome::Completed;
    } catch (const ArithmeticFault& fault) {
        switch (fault.Condition()) {
        case ArithmeticCondition::Overflow: return Outcome::Overflow;
        case ArithmeticCondition::DivisionByZero: return Outcome::DivisionByZero;
        case ArithmeticCondition::InvalidOperation: return Outcome::InvalidOperation;
        }
        return Outcome::InvalidOperation;
    } catch (const ConversionFault&) {
        return Outcome::Conversion;
    }
}

}  // namespace core::calculator_testing
