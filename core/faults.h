#pragma once

#include <exception>

namespace core {

enum class ArithmeticCondition { Overflow, DivisionByZero, InvalidOperation };

// A conversion or an arithmetic step whose result cannot be represented.
// It ends the running operation; boxes keep what was written before it.
class ArithmeticFault final : public std::exception {
public:
    explicit ArithmeticFault(ArithmeticCondition condition) noexcept : condition_(condition) {}
    ArithmeticCondition Condition() const noexcept { return condition_; }
    const char* what() const noexcept override {
        switch (condition_) {
        case ArithmeticCondition::Overflow: return "overflow";
        case ArithmeticCondition::DivisionByZero: return "division by zero";
        case ArithmeticCondition::InvalidOperation: return "invalid operation";
        }
        return "arithmetic fault";
    }

private:
    ArithmeticCondition condition_;
};

// A text that had to be one whole number and is not.
class ConversionFault final : public std::exception {
public:
    const char* what() const noexcept override { return "text is not one number"; }
};

}  // namespace core
