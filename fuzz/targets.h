#pragma once

#include <span>
#include <string_view>

// The fuzz targets: each turns arbitrary bytes into inputs for the checks of
// checks.h. A broken property throws fuzz::CheckFailure; an ArithmeticFault
// or ConversionFault where one is allowed is an ordinary outcome.
namespace fuzz {

using TargetFunction = void (*)(std::string_view bytes);

struct Target {
    std::string_view name;
    TargetFunction run;
};

// The bytes as one text: LeadingNumber, StrictNumber, Int16FromText.
void LeadingNumberTarget(std::string_view bytes);
void StrictNumberTarget(std::string_view bytes);
void Int16FromTextTarget(std::string_view bytes);

// Bytes 0-7: a double as stored. Bytes 8-15 and 16: a 64-bit integer scaled
// down by a power of ten, for decimals of every length. Bytes 17-18: a 16-bit
// integer for Int16Text.
void NumberTextTarget(std::string_view bytes);

// "script|Text1|Text2|...|Text13": the boxes' texts, then the script's
// operations run in order on one set of boxes and window variables.
// V CalculateVlan48, P CalculateDirectPort, X ClearPort48, F CalculatePort24,
// Y ClearPort24, D CalculateFromDslamVlan, 0-9 KeypadDigit, + - * / KeypadOperator,
// = KeypadEquals, C KeypadClear, N KeypadNegate; other characters are skipped.
void CalculatorsTarget(std::string_view bytes);

// Every target by the name of its fuzzer and corpus folder.
std::span<const Target> Targets();
const Target* FindTarget(std::string_view name);

}  // namespace fuzz
