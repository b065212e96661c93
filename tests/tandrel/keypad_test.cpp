#include "tandrel/keypad.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "core/faults.h"

namespace {

using core::ArithmeticCondition;

enum class Fault { None, Conversion, Overflow, DivisionByZero, Invalid };

// A freshly opened window's keypad: the display holds one blank, both variables 0.
struct Keypad {
    core::MemoryFields fields{{"Text1", " "}};
    std::int16_t pendingOperand = 0;
    std::int16_t pendingOperator = 0;

    void Press(const std::string& key) {
        if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
            tandrel::KeypadDigit(fields, key);
        } else if (key == "+") {
            tandrel::KeypadOperator(fields, 1, pendingOperand, pendingOperator);
        } else if (key == "-") {
            tandrel::KeypadOperator(fields, 2, pendingOperand, pendingOperator);
        } else if (key == "*") {
            tandrel::KeypadOperator(fields, 3, pendingOperand, pendingOperator);
        } else if (key == "/") {
            tandrel::KeypadOperator(fields, 4, pendingOperand, pendingOperator);
        } else if (key == "=") {
            tandrel::KeypadEquals(fields, pendingOperand, pendingOperator);
        } else if (key == "C") {
            tandrel::KeypadClear(fields);
        } else if (key == "+/-") {
            tandrel::KeypadNegate(fields);
        } else {
            ADD_FAILURE() << "unknown key " << key;
        }
    }

    // The fault the key raised, if any.
    Fault PressCatching(const std::string& key) {
        try {
            Press(key);
        } catch (const core::ConversionFault&) {
            return Fault::Conversion;
        } catch (const core::ArithmeticFault& fault) {
            switch (fault.Condition()) {
            case ArithmeticCondition::Overflow: return Fault::Overflow;
            case ArithmeticCondition::DivisionByZero: return Fault::DivisionByZero;
            case ArithmeticCondition::InvalidOperation: return Fault::Invalid;
            }
        }
        return Fault::None;
    }

    std::string Display() const { return fields.Read("Text1"); }
};

struct Sequence {
    const char* keys;  // separated by blanks
    const char* display;
    std::int16_t pendingOperand;
    std::int16_t pendingOperator;
    Fault lastKeyFault = Fault::None;
};

void PrintTo(const Sequence& sequence, std::ostream* out) { *out << '"' << sequence.keys << '"'; }

class KeySequence : public testing::TestWithParam<Sequence> {};

// Only the last key may fault; a faulting key must leave everything as it found it.
TEST_P(KeySequence, LeavesDisplayAndPendingValues) {
    const Sequence& sequence = GetParam();
    Keypad keypad;
    std::istringstream keys(sequence.keys);
    std::string key;
    std::optional<std::string> last;
    while (keys >> key) {
        if (last) {
            ASSERT_EQ(keypad.PressCatching(*last), Fault::None) << "at key " << *last;
        }
        last = key;
    }
    ASSERT_TRUE(last);
    const std::string displayBefore = keypad.Display();
    const std::int16_t operandBefore = keypad.pendingOperand;
    const std::int16_t operatorBefore = keypad.pendingOperator;

    EXPECT_EQ(keypad.PressCatching(*last), sequence.lastKeyFault);
    if (sequence.lastKeyFault != Fault::None) {
        EXPECT_EQ(keypad.Display(), displayBefore);
        EXPECT_EQ(keypad.pendingOperand, operandBefore);
        EXPECT_EQ(keypad.pendingOperator, operatorBefore);
    }
    EXPECT_EQ(keypad.Display(), sequence.display);
    EXPECT_EQ(keypad.pendingOperand, sequence.pendingOperand);
    EXPECT_EQ(keypad.pendingOperator, sequence.pendingOperator);
}

INSTANTIATE_TEST_SUITE_P(
    FromFreshWindow, KeySequence,
    testing::Values(
        Sequence{"=", " ", 0, 0},
        Sequence{"5", " 5", 0, 0},
        Sequence{"5 + 3 =", "8", 5, 1},
        Sequence{"5 + 3 = =", "13", 5, 1},
        Sequence{"5 + 3 = = =", "18", 5, 1},
        Sequence{"9 - 4 =", "5", 9, 2},
        Sequence{"9 - 4 = =", "4", 9, 2},
        Sequence{"9 - 4 = = =", "5", 9, 2},
        Sequence{"6 * 3 =", "18", 6, 3},
        Sequence{"5 + 3 + 2 =", "5", 3, 1},
        Sequence{"5 + =", "5", 5, 1},
        Sequence{"5 * =", "0", 5, 3},
        Sequence{"7 / 2 =", "3.5", 7, 4},
        Sequence{"7 / 2 = + 2 =", "6", 4, 1},
        Sequence{"1 / 3 =", "0.333333333333333", 1, 4},
        Sequence{"1 / 3 = =", "3", 1, 4},
        Sequence{"8 / 0 =", "0", 8, 4, Fault::DivisionByZero},
        Sequence{"5 / =", "", 5, 4, Fault::DivisionByZero},
        Sequence{"0 / 0 =", "0", 0, 4, Fault::Invalid},
        Sequence{"+", " ", 0, 0, Fault::Conversion},
        Sequence{"5 + +", "", 5, 1, Fault::Conversion},
        Sequence{"5 + C +", "", 5, 1, Fault::Conversion},
        Sequence{"4 0 0 0 0 +", " 40000", 0, 0, Fault::Overflow},
        Sequence{"3 0 0 0 0 + 3 0 0 0 0 =", "60000", 30000, 1},
        Sequence{"8 = 1", " 81", 0, 0},
        Sequence{"5 + 3 = 1", "81", 5, 1},
        Sequence{"5 +/-", "-5", 0, 0},
        Sequence{"5 +/- +/-", "5", 0, 0},
        Sequence{"5 + 3 +/- =", "2", 5, 1},
        Sequence{"+/-", "0", 0, 0},
        Sequence{"1 0 0 / 8 = +/-", "-12", 100, 4},
        Sequence{"0 - 3 2 7 6 8 =", "-32768", 0, 2},
        Sequence{"0 - 3 2 7 6 8 = +/-", "-32768", 0, 2},
        Sequence{"3 2 7 6 8 +/-", " 32768", 0, 0, Fault::Overflow},
        Sequence{"5 + 3 = C", "", 5, 1},
        Sequence{"5 + 3 = C 4", "4", 5, 1}));

// Fractions are rounded half to even when a display becomes an operand.
TEST(KeypadOperator, RoundsFractionalDisplayHalfToEven) {
    for (const auto& [display, operand] : {std::pair{"3.5", 4}, std::pair{"12.5", 12}, std::pair{"-2.5", -2}}) {
        Keypad keypad;
        keypad.fields.Write("Text1", display);
        keypad.Press("*");
        EXPECT_EQ(keypad.pendingOperand, operand) << display;
        EXPECT_EQ(keypad.Display(), "");
        EXPECT_EQ(keypad.pendingOperator, 3);
    }
}

// "=" reads the display's leading number; an operator key wants one whole number.
TEST(Keypad, EqualsReadsTypedTextLenientlyOperatorsRefuseIt) {
    Keypad keypad;
    keypad.Press("2");
    keypad.Press("+");
    keypad.fields.Write("Text1", "12abc");
    EXPECT_EQ(keypad.PressCatching("-"), Fault::Conversion);
    EXPECT_EQ(keypad.Display(), "12abc");
    EXPECT_EQ(keypad.pendingOperand, 2);
    EXPECT_EQ(keypad.pendingOperator, 1);
    keypad.Press("=");
    EXPECT_EQ(keypad.Display(), "14");
}

TEST(Keypad, NumberBeyondDoubleRangeFaultsEqualsAndNegate) {
    for (const char* key : {"=", "+/-"}) {
        Keypad keypad;
        keypad.Press("7");
        keypad.Press("+");
        keypad.fields.Write("Text1", "1E400");
        EXPECT_EQ(keypad.PressCatching(key), Fault::Overflow) << key;
        EXPECT_EQ(keypad.Display(), "1E400");
        EXPECT_EQ(keypad.pendingOperand, 7);
        EXPECT_EQ(keypad.pendingOperator, 1);
    }
}

TEST(KeypadEquals, ResultBeyondDoubleRangeIsOverflow) {
    Keypad keypad;
    keypad.Press("9");
    keypad.Press("*");
    keypad.fields.Write("Text1", "1E308");
    EXPECT_EQ(keypad.PressCatching("="), Fault::Overflow);
    EXPECT_EQ(keypad.Display(), "1E308");
}

TEST(KeypadEquals, UnknownOperatorCodeChangesNothing) {
    core::MemoryFields fields{{"Text1", "42"}};
    tandrel::KeypadEquals(fields, 5, 7);
    EXPECT_EQ(fields.Read("Text1"), "42");
}

TEST(KeypadNegate, RoundsFractionHalfToEven) {
    core::MemoryFields fields{{"Text1", "12.5"}};
    tandrel::KeypadNegate(fields);
    EXPECT_EQ(fields.Read("Text1"), "-12");
}

}  // namespace
