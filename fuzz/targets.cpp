#include "fuzz/targets.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "core/fields.h"
#include "fuzz/checks.h"

namespace fuzz {

void LeadingNumberTarget(std::string_view bytes) { CheckLeadingNumber(bytes); }

void StrictNumberTarget(std::string_view bytes) { CheckStrictNumber(bytes); }

void Int16FromTextTarget(std::string_view bytes) { CheckInt16FromText(bytes); }

namespace {

// Little-endian integer from up to sizeof(T) bytes at offset, zero-padded.
template <typename T>
T BytesAt(std::string_view bytes, std::size_t offset) {
    std::make_unsigned_t<T> value = 0;
    for (std::size_t i = 0; i < sizeof(T) && offset + i < bytes.size(); ++i)
        value |= static_cast<std::make_unsigned_t<T>>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return static_cast<T>(value);
}

std::optional<Step> StepFor(char c) {
    switch (c) {
    case 'V': return Step{Operation::CalculateVlan48};
    case 'P': return Step{Operation::CalculateDirectPort};
    case 'X': return Step{Operation::ClearPort48};
    case 'F': return Step{Operation::CalculatePort24};
    case 'Y': return Step{Operation::ClearPort24};
    case 'D': return Step{Operation::CalculateFromDslamVlan};
    case '+': return Step{Operation::KeypadOperator, '0', 1};
    case '-': return Step{Operation::KeypadOperator, '0', 2};
    case '*': return Step{Operation::KeypadOperator, '0', 3};
    case '/': return Step{Operation::KeypadOperator, '0', 4};
    case '=': return Step{Operation::KeypadEquals};
    case 'C': return Step{Operation::KeypadClear};
    case 'N': return Step{Operation::KeypadNegate};
    default: break;
    }
    if (c >= '0' && c <= '9') return Step{Operation::KeypadDigit, c};
    return std::nullopt;
}

// Enough for every sequence of the tables, short enough to keep runs fast.
constexpr std::size_t kMaxSteps = 40;

}  // namespace

void NumberTextTarget(std::string_view bytes) {
    CheckNumberTextRoundTrip(std::bit_cast<double>(BytesAt<std::uint64_t>(bytes, 0)));
    if (bytes.size() > 8) {
        const auto mantissa = BytesAt<std::int64_t>(bytes, 8);
        const int places = bytes.size() > 16 ? static_cast<unsigned char>(bytes[16]) % 24 : 0;
        double scaled = static_cast<double>(mantissa);
        for (int i = 0; i < places; ++i) scaled /= 10;
        CheckNumberTextRoundTrip(scaled);
    }
    if (bytes.size() > 17) CheckInt16Text(BytesAt<std::int16_t>(bytes, 17));
}

void CalculatorsTarget(std::string_view bytes) {
    const auto bar = bytes.find('|');
    const std::string_view script = bytes.substr(0, bar);
    core::MemoryFields fields;
    std::string_view rest = bar == std::string_view::npos ? std::string_view{} : bytes.substr(bar + 1);
    for (int box = 1; box <= 13 && bar != std::string_view::npos; ++box) {
        const auto end = rest.find('|');
        fields.Write("Text" + std::to_string(box), rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest = rest.substr(end + 1);
    }
    WindowVariables variables;
    std::size_t steps = 0;
    for (const char c : script) {
        const std::optional<Step> step = StepFor(c);
        if (!step) continue;
        CheckStep(*step, fields, variables);
        if (++steps == kMaxSteps) break;
    }
}

std::span<const Target> Targets() {
    static constexpr std::array<Target, 5> kTargets = {{
        {"leading_number", LeadingNumberTarget},
        {"strict_number", StrictNumberTarget},
        {"int16_from_text", Int16FromTextTarget},
        {"number_text", NumberTextTarget},
        {"calculators", CalculatorsTarget},
    }};
    return kTargets;
}

const Target* FindTarget(std::string_view name) {
    for (const Target& target : Targets())
        if (target.name == name) return &target;
    return nullptr;
}

}  // namespace fuzz
