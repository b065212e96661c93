#include "core/port48.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "calculator_fixture.h"

namespace core::calculator_testing {
namespace {

using Boxes = std::set<std::string, std::less<>>;

struct Row {
    const char* input;
    std::string_view text3;
    std::string_view text4;
    std::string_view text5;
    Outcome outcome = Outcome::Completed;
};

using Operation = void (*)(FormFields&, std::int16_t&);

// Runs one row twice: the second press must leave the same texts and end the same way.
void ExpectRow(const Row& row, Operation operation, std::string_view inputBox, const Boxes& mayRead) {
    SCOPED_TRACE(std::string(inputBox) + " = \"" + row.input + "\"");
    RecordingFields fields;
    fields.Type(inputBox, row.input);
    std::int16_t port48 = kUntouchedVariable;

    EXPECT_EQ(RunOperation([&] { operation(fields, port48); }), row.outcome);
    EXPECT_EQ(fields.Peek("Text3"), RecordingFields::Expected("Text3", row.text3));
    EXPECT_EQ(fields.Peek("Text4"), RecordingFields::Expected("Text4", row.text4));
    EXPECT_EQ(fields.Peek("Text5"), RecordingFields::Expected("Text5", row.text5));
    // port48 always holds the port shown, and is left alone when the port is not reached.
    if (row.text5 == kUnchanged) {
        EXPECT_EQ(port48, kUntouchedVariable);
    } else {
        EXPECT_EQ(std::to_string(port48), row.text5);
    }
    for (const std::string& box : fields.WrittenBoxes()) {
        EXPECT_TRUE(box == "Text3" || box == "Text4" || box == "Text5") << "wrote " << box;
    }
    for (const std::string& box : fields.Reads()) {
        EXPECT_TRUE(mayRead.contains(box)) << "read " << box;
    }

    const auto firstBoxes = fields.Boxes();
    const std::int16_t firstPort = port48;
    EXPECT_EQ(RunOperation([&] { operation(fields, port48); }), row.outcome);
    EXPECT_EQ(fields.Boxes(), firstBoxes);
    EXPECT_EQ(port48, firstPort);
}

constexpr Row kVlanRows[] = {
    {"128", "1", "1", "1"},
    {"129", "2", "1", "2"},
    {"175", "48", "1", "48"},
    {"176", "49", "2", "1"},
    {"222", "95", "2", "47"},
    {"223", "96", "2", "48"},
    {"224", "97", "3", "1"},
    {"511", "384", "8", "48"},
    {"512", "385", "9", "1"},
    // Port 0 wraps to 48 of the slot before; slot 0 then shows as slot 1.
    {"127", "0", "1", "48"},
    {"126", "-1", "1", "-1"},
    {"100", "-27", "1", "-27"},
    {"79", "-48", "-1", "48"},
    {"78", "-49", "1", "-1"},
    {"31", "-96", "-2", "48"},
    // Anything without a leading number counts as VLAN 0.
    {" ", "-127", "-1", "-31"},
    {"", "-127", "-1", "-31"},
    {"abc", "-127", "-1", "-31"},
    {"12abc", "-115", "-1", "-19"},
    {" 1 2 8 ", "1", "1", "1"},
    {"&H80", "1", "1", "1"},
    {"1e3", "873", "19", "9"},
    // The port rounds half to even; the slot comes from the unrounded value.
    {"150.5", "23.5", "1", "24"},
    {"151.5", "24.5", "1", "24"},
    {"174.5", "47.5", "1", "48"},
    {"175.5", "48.5", "1", "48"},
    {"176.5", "49.5", "2", "2"},
    // The port number read back is the one written, not the exact difference.
    {"127.1", "0.0999999999999943", "1", "48"},
    {"126.5", "-0.5", "1", "48"},
    {"126.4", "-0.599999999999994", "1", "-1"},
    {"2147483774", "2147483647", "44739243", "31"},
    {"2147483775", "2147483648", "44739243", kUnchanged, Outcome::Overflow},
    {"1E20", "1E+20", "2.08333333333333E+18", kUnchanged, Outcome::Overflow},
    {"1E400", kUnchanged, kUnchanged, kUnchanged, Outcome::Overflow},
};

TEST(CalculateVlan48, GivesPortNumberSlotAndPort) {
    for (const Row& row : kVlanRows) {
        ExpectRow(row, CalculateVlan48, "Text2", {"Text2", "Text3", "Text4"});
    }
}

constexpr Row kDirectPortRows[] = {
    {"", "", "1", "48"},
    {"1", "1", "1", "1"},
    {"47", "47", "1", "47"},
    {"48", "48", "1", "48"},
    {"49", "49", "2", "1"},
    {"96", "96", "2", "48"},
    {"385", "385", "9", "1"},
    {"0", "0", "1", "48"},
    // The typed text is copied as it stands, blanks and letters included.
    {" 49 ", " 49 ", "2", "1"},
    {"12abc", "12abc", "1", "12"},
    {"abc", "abc", "1", "48"},
    {"-1", "-1", "1", "-1"},
    {"-48", "-48", "-1", "48"},
    {"47.5", "47.5", "1", "48"},
    {"2147483647", "2147483647", "44739243", "31"},
    {"2147483647.5", "2147483647.5", "44739243", kUnchanged, Outcome::Overflow},
    {"1E400", "1E400", kUnchanged, kUnchanged, Outcome::Overflow},
};

TEST(CalculateDirectPort, CopiesPortNumberThenGivesSlotAndPort) {
    for (const Row& row : kDirectPortRows) {
        ExpectRow(row, CalculateDirectPort, "Text12", {"Text12", "Text3", "Text4"});
    }
}

TEST(ClearPort48, EmptiesTheFiveBoxesAndNothingElse) {
    RecordingFields fields;
    std::int16_t port48 = kUntouchedVariable;
    ClearPort48(fields);
    EXPECT_EQ(fields.WrittenBoxes(), (Boxes{"Text2", "Text3", "Text4", "Text5", "Text12"}));
    for (const std::string& box : fields.WrittenBoxes()) {
        EXPECT_EQ(fields.Peek(box), "") << box;
    }
    EXPECT_TRUE(fields.Reads().empty());
    EXPECT_EQ(port48, kUntouchedVariable);
}

TEST(ClearPort48, ThenCalculatingReadsEmptyInput) {
    struct Case {
        Operation operation;
        std::array<std::string_view, 3> text345;
    };
    const Case cases[] = {
        {CalculateVlan48, {"-127", "-1", "-31"}},
        {CalculateDirectPort, {"", "1", "48"}},
    };
    for (const Case& c : cases) {
        RecordingFields fields;
        fields.Type("Text2", "300");
        fields.Type("Text12", "300");
        std::int16_t port48 = kUntouchedVariable;
        ClearPort48(fields);
        c.operation(fields, port48);
        EXPECT_EQ(fields.Peek("Text3"), c.text345[0]);
        EXPECT_EQ(fields.Peek("Text4"), c.text345[1]);
        EXPECT_EQ(fields.Peek("Text5"), c.text345[2]);
    }
}

}  // namespace
}  // namespace core::calculator_testing
