#include "fuzz/checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/conversions.h"
#include "core/dslam_vlan.h"
#include "core/port24.h"
#include "core/port48.h"
#include "tandrel/keypad.h"

namespace fuzz {

void Require(bool condition, std::string_view what) {
    if (!condition) throw CheckFailure(std::string(what));
}

std::string_view EndingName(Ending ending) {
    switch (ending) {
    case Ending::Value: return "value";
    case Ending::ArithmeticFault: return "ArithmeticFault";
    case Ending::ConversionFault: return "ConversionFault";
    }
    return "?";
}

bool SameReading(const Reading& a, const Reading& b) {
    if (a.ending != b.ending || a.condition != b.condition) return false;
    return a.ending != Ending::Value || a.value == b.value;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsOverflow(const Reading& r) {
    return r.ending == Ending::ArithmeticFault && r.condition == core::ArithmeticCondition::Overflow;
}

bool IsWhole(double x) { return std::isfinite(x) && std::trunc(x) == x; }

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            quoted.push_back(static_cast<char>(c));
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            quoted += "\\x";
            quoted.push_back(kHex[c >> 4]);
            quoted.push_back(kHex[c & 15]);
        }
    }
    return quoted + "\"";
}

std::string WithoutSpacing(std::string_view text) {
    std::string kept;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') kept.push_back(c);
    return kept;
}

// The same text with blanks, tabs and line feeds scattered between its characters.
std::string WithSpacingInserted(std::string_view text) {
    constexpr std::array<std::string_view, 5> kFillers = {" ", "\t", "\n", "  \t\n", ""};
    std::string spread = "\n";
    for (std::size_t i = 0; i < text.size(); ++i) {
        spread.push_back(text[i]);
        spread += kFillers[(i * 7 + static_cast<unsigned char>(text[i])) % kFillers.size()];
    }
    return spread;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void CheckLeadingNumber(std::string_view text) {
    const Reading read = Try([&] { return core::LeadingNumber(text); });
    Require(read.ending != Ending::ConversionFault, "LeadingNumber raised ConversionFault");
    Require(read.ending == Ending::Value ? std::isfinite(read.value) : IsOverflow(read),
            "LeadingNumber gave neither a finite value nor an overflow");
    Require(SameReading(read, Try([&] { return core::LeadingNumber(WithoutSpacing(text)); })),
            "LeadingNumber changed when the blanks, tabs and line feeds were removed");
    Require(SameReading(read, Try([&] { return core::LeadingNumber(WithSpacingInserted(text)); })),
            "LeadingNumber changed when blanks, tabs and line feeds were inserted");
    if (read.ending == Ending::Value) CheckNumberTextForm(read.value, core::NumberText(read.value));
}

void CheckStrictNumber(std::string_view text) {
    const Reading strict = Try([&] { return core::StrictNumber(text); });
    if (strict.ending == Ending::ConversionFault) return;
    const Reading leading = Try([&] { return core::LeadingNumber(text); });
    if (strict.ending == Ending::ArithmeticFault) {
        Require(IsOverflow(strict), "StrictNumber raised an ArithmeticFault other than overflow");
        Require(IsOverflow(leading), "StrictNumber overflowed but LeadingNumber did not");
        return;
    }
    Require(std::isfinite(strict.value), "StrictNumber gave a value that is not finite");
    Require(SameReading(strict, leading), "StrictNumber and LeadingNumber read the same text differently");
    Require(SameReading(strict, Try([&] { return core::StrictNumber("  " + std::string(text) + " "); })),
            "StrictNumber changed when blanks were put around the text");
    const std::string_view number = TrimBlanks(text);
    if (number.size() >= 2) {
        const std::string split = std::string(number.substr(0, 1)) + " " + std::string(number.substr(1));
        Require(Try([&] { return core::StrictNumber(split); }).ending == Ending::ConversionFault,
                "StrictNumber accepted a blank inside the number");
    }
}

void CheckInt16FromText(std::string_view text) {
    const Reading result = Try([&] { return core::Int16FromText(text); });
    const Reading strict = Try([&] { return core::StrictNumber(text); });
    if (strict.ending != Ending::Value) {
        Require(SameReading(result, strict), "Int16FromText and StrictNumber refused a text differently");
        return;
    }
    Require(SameReading(result, Try([&] { return core::RoundToInt16(strict.value); })),
            "Int16FromText is not RoundToInt16 of StrictNumber");
    if (result.ending == Ending::Value) {
        const auto n = static_cast<std::int16_t>(result.value);
        Require(core::Int16FromText(core::Int16Text(n)) == n, "Int16Text of the result does not read back");
    }
}

void CheckNumberTextForm(double x, const std::string& text) {
    if (!std::isfinite(x)) return;  // never produced by the readers or checked arithmetic
    const auto fail = [&](std::string_view what) {
        throw CheckFailure("NumberText(" + std::string(core::NumberText(x)) + "): " + std::string(what) +
                           " in " + Quoted(text));
    };
    if (x == 0.0) {
        if (text != "0") fail("zero is not written \"0\"");
        return;
    }
    if (text == "-0") fail("negative zero written");
    for (const char c : text)
        if (!IsDigit(c) && c != '-' && c != '.' && c != 'E' && c != '+') fail("character outside the forms");
    const bool negative = !text.empty() && text[0] == '-';
    if (negative != (x < 0)) fail("sign does not match");
    const std::string_view body = std::string_view(text).substr(negative ? 1 : 0);
    const auto e = body.find('E');
    const std::string_view mantissa = body.substr(0, e);
    const auto point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const auto allDigits = [](std::string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit); };
    if (!allDigits(integer)) fail("no integer digits");
    if (point != std::string_view::npos && (!allDigits(fraction) || fraction.back() == '0'))
        fail("fraction empty or with a trailing zero");
    if (integer.size() > 1 && integer[0] == '0') fail("leading zero");

    const std::string significant = [&] {
        std::string digits = std::string(integer) + std::string(fraction);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
        return digits;
    }();
    if (significant.size() > 15) fail("more than 15 significant digits");

    if (e == std::string_view::npos) {
        // Plain form: the first significant digit stands at 1E-4 .. 1E14.
        if (integer == "0") {
            if (fraction.find_first_not_of('0') > 3) fail("plain form below 0.0001");
        } else if (integer.size() > 15) {
            fail("plain form at or above 1E15");
        }
        return;
    }
    if (integer.size() != 1 || integer[0] == '0') fail("exponent form without one leading digit 1-9");
    const std::string_view exponent = body.substr(e + 1);
    if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-') || !allDigits(exponent.substr(1)) ||
        (exponent.size() > 3 && exponent[1] == '0'))
        fail("malformed exponent");
    int power = 0;
    for (const char c : exponent.substr(1)) power = power * 10 + (c - '0');
    if (exponent[0] == '-') power = -power;
    if (power >= -4 && power <= 14) fail("exponent form inside 0.0001 .. 1E15");
}

void CheckNumberTextRoundTrip(double x) {
    const std::string text = core::NumberText(x);
    if (!std::isfinite(x)) return;
    CheckNumberTextForm(x, text);
    if (x != 0.0) Require(core::NumberText(-x) == (x > 0 ? "-" + text : text.substr(1)), "NumberText of -x is not -NumberText(x)");

    const Reading back = Try([&] { return core::LeadingNumber(text); });
    if (back.ending != Ending::Value) {
        // 15 digits of the largest double round up past it; that text alone overflows.
        Require(IsOverflow(back) && (text == "1.79769313486232E+308" || text == "-1.79769313486232E+308"),
                "NumberText wrote " + Quoted(text) + ", which does not read back");
        return;
    }
    Require(core::NumberText(back.value) == text,
            "NumberText(LeadingNumber(" + Quoted(text) + ")) wrote " + Quoted(core::NumberText(back.value)));
    Require(back.value == x || std::fabs(back.value - x) <= 6e-15 * std::fabs(x),
            "NumberText wrote " + Quoted(text) + ", which is not x to 15 digits");
    Require(SameReading(back, Try([&] { return core::StrictNumber(text); })),
            "StrictNumber reads " + Quoted(text) + " differently from LeadingNumber");
}

void CheckInt16Text(std::int16_t n) {
    const std::string text = core::Int16Text(n);
    Require(text == std::to_string(n), "Int16Text is not the plain decimal of " + std::to_string(n));
    Require(core::Int16FromText(text) == n, "Int16Text of " + std::to_string(n) + " does not read back");
    Require(core::LeadingNumber(text) == n, "LeadingNumber of Int16Text " + text + " differs");
}

// --- Calculator and keypad operations --------------------------------------

void RecordingNotice::operator()(std::string_view text) {
    Require(text == kVerifyInput || text == kSecondFrame || text == kInvalidDslamVlan || text == kInvalidInnerVlan,
            "notice with a text of no calculator: " + Quoted(text));
    texts_.emplace_back(text);
}

namespace {

constexpr std::array<std::string_view, 13> kBoxes = {"Text1", "Text2",  "Text3",  "Text4",  "Text5",
                                                     "Text6", "Text7",  "Text8",  "Text9",  "Text10",
                                                     "Text11", "Text12", "Text13"};

// What an operation may do: the boxes it writes, its notices and its faults.
struct Rules {
    std::vector<std::string_view> writes;
    std::vector<std::string_view> notices;
    bool arithmeticFault = false;
    bool conversionFault = false;
};

Rules RulesOf(Operation operation) {
    switch (operation) {
    case Operation::CalculateVlan48:
    case Operation::CalculateDirectPort: return {{"Text3", "Text4", "Text5"}, {}, true, false};
    case Operation::ClearPort48: return {{"Text2", "Text3", "Text12", "Text4", "Text5"}, {}, false, false};
    case Operation::CalculatePort24: return {{"Text8", "Text9", "Text10"}, {kVerifyInput, kSecondFrame}, true, true};
    case Operation::ClearPort24: return {{"Text7", "Text8", "Text9", "Text10"}, {}, false, false};
    case Operation::CalculateFromDslamVlan:
        return {{"Text11", "Text13"}, {kInvalidDslamVlan, kVerifyInput, kSecondFrame, kInvalidInnerVlan}, true, true};
    case Operation::KeypadDigit:
    case Operation::KeypadClear: return {{"Text1"}, {}, false, false};
    case Operation::KeypadOperator: return {{"Text1"}, {}, true, true};
    case Operation::KeypadEquals:
    case Operation::KeypadNegate: return {{"Text1"}, {}, true, false};
    }
    return {};
}

bool IsCalculator(Operation operation) {
    return operation == Operation::CalculateVlan48 || operation == Operation::CalculateDirectPort ||
           operation == Operation::CalculatePort24 || operation == Operation::CalculateFromDslamVlan;
}

// The variables an operation owns; the others must keep their values.
WindowVariables OwnVariablesFrom(Operation operation, WindowVariables before, const WindowVariables& after) {
    switch (operation) {
    case Operation::CalculateVlan48:
    case Operation::CalculateDirectPort: before.port48 = after.port48; break;
    case Operation::CalculatePort24: before.port24 = after.port24; break;
    case Operation::CalculateFromDslamVlan:
        before.dslamVlan = after.dslamVlan;
        before.innerOffset = after.innerOffset;
        break;
    case Operation::KeypadOperator:
        before.pendingOperand = after.pendingOperand;
        before.pendingOperator = after.pendingOperator;
        break;
    default: break;
    }
    return before;
}

std::string Text64(std::int64_t n) { return std::to_string(n); }

// Expected texts of a calculator where a closed form gives them.
struct Expected {
    std::vector<std::string> notices;
    std::vector<std::pair<std::string_view, std::string>> boxes;
};

// 48-port card: a whole port number p >= 1 is slot (p-1) div 48 + 1, port (p-1) mod 48 + 1.
std::optional<Expected> ExpectedPort48(double portNumber, bool copiedText) {
    if (!IsWhole(portNumber) || portNumber < 1 || portNumber > 2147483647.0) return std::nullopt;
    const auto p = static_cast<std::int64_t>(portNumber);
    Expected expected;
    if (!copiedText) expected.boxes.emplace_back("Text3", Text64(p));
    expected.boxes.emplace_back("Text4", Text64((p - 1) / 48 + 1));
    expected.boxes.emplace_back("Text5", Text64((p - 1) % 48 + 1));
    return expected;
}

// 24-port frame for a whole VLAN ID: offset o; slots again from offset 384 in the
// second frame; port 0 is port 24 of the slot before; slot 0 shows slot 1 port 1.
std::optional<Expected> ExpectedPort24(std::string_view vlanText) {
    const Reading strict = Try([&] { return core::StrictNumber(vlanText); });
    if (strict.ending != Ending::Value || !IsWhole(strict.value) || strict.value == 0) return std::nullopt;
    const double offset = strict.value - 127;
    if (offset < -2147483648.0 || offset > 2147483647.0) return std::nullopt;
    const auto o = static_cast<std::int64_t>(offset);
    const bool secondFrame = strict.value >= 511;
    std::int64_t slot = (secondFrame ? (o - 384) / 24 : o / 24) + 1;
    std::int64_t port = o % 24;
    if (port == 0) {
        slot -= 1;
        port = 24;
    }
    if (slot == 0) {
        slot = 1;
        port = 1;
    }
    Expected expected;
    if (secondFrame) expected.notices.emplace_back(kSecondFrame);
    expected.boxes = {{"Text8", Text64(o)}, {"Text9", Text64(slot)}, {"Text10", Text64(port)}};
    return expected;
}

enum class Family { Refused, Ports48, Ports24, SlotTable };

Family FamilyOf(std::int16_t dslamVlan) {
    const int v = dslamVlan;
    if ((v >= 2002 && v <= 2023) || v == 2025 || v == 2027 || (v >= 2050 && v <= 2078)) return Family::Ports48;
    for (const int n : {3500, 3505, 3522, 3523, 3605, 3780, 3789})
        if (v == n) return Family::Ports24;
    if (v >= 3900 && v <= 3906) return Family::SlotTable;
    return Family::Refused;
}

// The DSLAM family decides the notice; the 48- and 24-port families have closed
// forms for a whole inner VLAN whose offset fits 16 bits.
std::optional<Expected> ExpectedFromDslamVlan(const core::MemoryFields& before) {
    const Reading dslam = Try([&] { return core::LeadingNumber(before.Read("Text1")); });
    if (dslam.ending != Ending::Value) return std::nullopt;
    const Reading rounded = Try([&] { return core::RoundToInt16(dslam.value); });
    if (rounded.ending != Ending::Value) return std::nullopt;
    const Family family = FamilyOf(static_cast<std::int16_t>(rounded.value));
    if (family == Family::Refused) return Expected{{std::string(kInvalidDslamVlan)}, {}};
    if (family == Family::SlotTable) return std::nullopt;

    const std::string inner = before.Read("Text6");
    const Reading strict = Try([&] { return core::StrictNumber(inner); });
    if (strict.ending != Ending::Value || !IsWhole(strict.value)) return std::nullopt;
    const double offset = strict.value - 127;
    if (offset < -32768 || offset > 32767) return std::nullopt;
    const auto o = static_cast<std::int64_t>(offset);
    const std::int64_t ports = family == Family::Ports48 ? 48 : 24;
    Expected expected;
    if (family == Family::Ports24) {
        if (strict.value == 0) return Expected{{std::string(kVerifyInput)}, {}};
        if (strict.value >= 511) expected.notices.emplace_back(kSecondFrame);
    }
    expected.boxes = {{"Text11", Text64(o / ports + 1)}, {"Text13", Text64(o % ports)}};
    return expected;
}

void RequireExpected(const std::optional<Expected>& expected, const StepResult& result,
                     const core::MemoryFields& after, const std::string& name) {
    if (!expected) return;
    Require(result.ending == Ending::Value, name + " ended in " + std::string(EndingName(result.ending)));
    Require(result.notices == expected->notices, name + " showed other notices than expected");
    for (const auto& [box, text] : expected->boxes)
        Require(after.Read(box) == text,
                name + " wrote " + Quoted(after.Read(box)) + " into " + std::string(box) + ", expected " + Quoted(text));
}

bool IsStopNotice(std::string_view text) {
    return text == kVerifyInput || text == kInvalidDslamVlan || text == kInvalidInnerVlan;
}

bool IsCanonicalInt16(const std::string& text) {
    const Reading n = Try([&] { return core::Int16FromText(text); });
    return n.ending == Ending::Value && core::Int16Text(static_cast<std::int16_t>(n.value)) == text;
}

}  // namespace

std::string StepName(const Step& step) {
    switch (step.operation) {
    case Operation::CalculateVlan48: return "CalculateVlan48";
    case Operation::CalculateDirectPort: return "CalculateDirectPort";
    case Operation::ClearPort48: return "ClearPort48";
    case Operation::CalculatePort24: return "CalculatePort24";
    case Operation::ClearPort24: return "ClearPort24";
    case Operation::CalculateFromDslamVlan: return "CalculateFromDslamVlan";
    case Operation::KeypadDigit: return std::string("KeypadDigit(") + step.digit + ")";
    case Operation::KeypadOperator: return "KeypadOperator(" + std::to_string(step.code) + ")";
    case Operation::KeypadEquals: return "KeypadEquals";
    case Operation::KeypadClear: return "KeypadClear";
    case Operation::KeypadNegate: return "KeypadNegate";
    }
    return "?";
}

StepResult Perform(const Step& step, core::MemoryFields& fields, WindowVariables& v) {
    RecordingNotice notice;
    StepResult result;
    try {
        switch (step.operation) {
        case Operation::CalculateVlan48: core::CalculateVlan48(fields, v.port48); break;
        case Operation::CalculateDirectPort: core::CalculateDirectPort(fields, v.port48); break;
        case Operation::ClearPort48: core::ClearPort48(fields); break;
        case Operation::CalculatePort24: core::CalculatePort24(fields, notice, v.port24); break;
        case Operation::ClearPort24: core::ClearPort24(fields); break;
        case Operation::CalculateFromDslamVlan:
            core::CalculateFromDslamVlan(fields, notice, v.dslamVlan, v.innerOffset);
            break;
        case Operation::KeypadDigit: tandrel::KeypadDigit(fields, std::string_view(&step.digit, 1)); break;
        case Operation::KeypadOperator:
            tandrel::KeypadOperator(fields, step.code, v.pendingOperand, v.pendingOperator);
            break;
        case Operation::KeypadEquals: tandrel::KeypadEquals(fields, v.pendingOperand, v.pendingOperator); break;
        case Operation::KeypadClear: tandrel::KeypadClear(fields); break;
        case Operation::KeypadNegate: tandrel::KeypadNegate(fields); break;
        }
    } catch (const core::ArithmeticFault&) {
        result.ending = Ending::ArithmeticFault;
    } catch (const core::ConversionFault&) {
        result.ending = Ending::ConversionFault;
    }
    result.notices = notice.Texts();
    return result;
}

void CheckStep(const Step& step, core::MemoryFields& fields, WindowVariables& variables) {
    const std::string name = StepName(step);
    const core::MemoryFields before = fields;
    const WindowVariables variablesBefore = variables;
    const StepResult result = Perform(step, fields, variables);
    const Rules rules = RulesOf(step.operation);

    // Only its own boxes and variables change, and only boxes of the window exist.
    for (const auto& [box, text] : fields.Boxes()) {
        Require(std::find(kBoxes.begin(), kBoxes.end(), box) != kBoxes.end(), name + " wrote the unknown box " + box);
        const bool own = std::find(rules.writes.begin(), rules.writes.end(), box) != rules.writes.end();
        Require(own || text == before.Read(box), name + " changed " + box + ", which is not its own");
    }
    Require(OwnVariablesFrom(step.operation, variablesBefore, variables) == variables,
            name + " changed a window variable of another operation");

    // Only its own notices, at most one, and only its own faults.
    Require(result.notices.size() <= 1, name + " showed more than one notice");
    for (const auto& text : result.notices)
        Require(std::find(rules.notices.begin(), rules.notices.end(), text) != rules.notices.end(),
                name + " showed the notice " + Quoted(text) + ", which is not its own");
    Require(result.ending != Ending::ArithmeticFault || rules.arithmeticFault, name + " raised ArithmeticFault");
    Require(result.ending != Ending::ConversionFault || rules.conversionFault, name + " raised ConversionFault");

    const bool unchanged = std::all_of(kBoxes.begin(), kBoxes.end(),
                                      [&](std::string_view box) { return fields.Read(box) == before.Read(box); });
    // A refusing notice, a refused text, and every fault of the DSLAM VLAN
    // calculation and of the keypad come before the first write.
    if (!result.notices.empty() && IsStopNotice(result.notices.front())) {
        Require(result.ending == Ending::Value, name + " faulted after " + Quoted(result.notices.front()));
        Require(unchanged, name + " wrote a box after " + Quoted(result.notices.front()));
        if (step.operation == Operation::CalculatePort24)
            Require(variables.port24 == variablesBefore.port24, name + " changed port24 after a refusing notice");
    }
    if (result.ending == Ending::ConversionFault) {
        Require(result.notices.empty(), name + " showed a notice before ConversionFault");
        Require(unchanged, name + " wrote a box before ConversionFault");
    }
    const bool keypad = rules.writes.size() == 1 && rules.writes.front() == "Text1";
    if (result.ending != Ending::Value && (step.operation == Operation::CalculateFromDslamVlan || keypad)) {
        Require(unchanged, name + " wrote a box before its fault");
        Require(variables == variablesBefore || step.operation == Operation::CalculateFromDslamVlan,
                name + " changed a variable before its fault");
    }

    const std::string display = before.Read("Text1");
    switch (step.operation) {
    case Operation::CalculateVlan48:
    case Operation::CalculateDirectPort: {
        const bool direct = step.operation == Operation::CalculateDirectPort;
        // The copy is the first step, so it stands even when a later step faults.
        if (direct) Require(fields.Read("Text3") == before.Read("Text12"), name + " did not copy Text12 into Text3");
        if (result.ending == Ending::Value) {
            Require(fields.Read("Text5") == core::Int16Text(variables.port48), name + ": Text5 is not port48");
            Require(variables.port48 != 0 && variables.port48 >= -47 && variables.port48 <= 48,
                    name + ": port48 outside -47..48 or 0");
        }
        const Reading source = Try([&] { return core::LeadingNumber(before.Read(direct ? "Text12" : "Text2")); });
        if (source.ending == Ending::Value)
            RequireExpected(ExpectedPort48(direct ? source.value : source.value - 127, direct), result, fields, name);
        break;
    }
    case Operation::ClearPort48:
    case Operation::ClearPort24:
        Require(result.ending == Ending::Value, name + " faulted");
        for (const auto box : rules.writes) Require(fields.Read(box).empty(), name + " left " + std::string(box) + " not empty");
        break;
    case Operation::CalculatePort24:
        if (result.ending == Ending::Value && result.notices != std::vector<std::string>{std::string(kVerifyInput)}) {
            const Reading port = Try([&] { return core::StrictNumber(fields.Read("Text10")); });
            Require(port.ending == Ending::Value && port.value >= -23 && port.value <= 24 && port.value != 0,
                    name + " wrote a port outside -23..24 or 0: " + Quoted(fields.Read("Text10")));
        }
        RequireExpected(ExpectedPort24(before.Read("Text7")), result, fields, name);
        break;
    case Operation::CalculateFromDslamVlan:
        if (result.ending == Ending::Value && (result.notices.empty() || !IsStopNotice(result.notices.front())))
            Require(IsCanonicalInt16(fields.Read("Text13")), name + " wrote a port that is no 16-bit number");
        RequireExpected(ExpectedFromDslamVlan(before), result, fields, name);
        break;
    case Operation::KeypadDigit:
        Require(result.ending == Ending::Value && fields.Read("Text1") == display + step.digit,
                name + " did not append the digit");
        break;
    case Operation::KeypadOperator:
        if (result.ending == Ending::Value) {
            Require(fields.Read("Text1").empty(), name + " left the display not empty");
            Require(variables.pendingOperator == step.code, name + " did not set pendingOperator");
            Require(variables.pendingOperand == core::Int16FromText(display), name + " took another operand");
        }
        break;
    case Operation::KeypadEquals:
        if (variables.pendingOperator < 1 || variables.pendingOperator > 4)
            Require(result.ending == Ending::Value && unchanged, name + " acted with no operation pending");
        break;
    case Operation::KeypadClear:
        Require(result.ending == Ending::Value && fields.Read("Text1").empty(), name + " did not empty the display");
        break;
    case Operation::KeypadNegate:
        if (result.ending == Ending::Value)
            Require(IsCanonicalInt16(fields.Read("Text1")), name + " wrote no 16-bit number");
        break;
    }

    // A calculator depends only on its input boxes: again on what it left, it
    // writes the same texts, shows the same notices and ends the same way.
    if (IsCalculator(step.operation)) {
        core::MemoryFields again = fields;
        WindowVariables variablesAgain = variables;
        const StepResult repeated = Perform(step, again, variablesAgain);
        Require(repeated.ending == result.ending && repeated.notices == result.notices &&
                    again.Boxes() == fields.Boxes(),
                name + " gave another result when run twice");
    }
}

}  // namespace fuzz
