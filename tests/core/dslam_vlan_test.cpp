#include "core/dslam_vlan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "calculator_fixture.h"

namespace core::calculator_testing {
namespace {

constexpr std::string_view kInvalidDslam = "Enter the Valid DSLAM VLAN";
constexpr std::string_view kVerify = "Please verify the input";
constexpr std::string_view kSecondFrame = "Port Particulars falls in Second Frame";
constexpr std::string_view kInvalidInner = "Please enter the Valid Inner VLAN !!!....";
constexpr std::string_view kNoNotice = "";

struct Result {
    Outcome outcome;
    std::vector<std::string> notices;
    std::string text11;
    std::string text13;
    bool readText6;
};

Result Calculate(std::string_view text1, std::string_view text6) {
    RecordingFields fields;
    RecordingNotice notice;
    fields.Type("Text1", text1);
    fields.Type("Text6", text6);
    std::int16_t dslamVlan = kUntouchedVariable;
    std::int16_t innerOffset = kUntouchedVariable;
    const Outcome outcome = RunOperation([&] { CalculateFromDslamVlan(fields, notice, dslamVlan, innerOffset); });
    return {outcome, notice.texts, fields.Peek("Text11"), fields.Peek("Text13"), fields.Reads().contains("Text6")};
}

struct Row {
    const char* text1;
    const char* text6;
    std::string_view notice;
    std::string_view text11;
    std::string_view text13;
    Outcome outcome = Outcome::Completed;
};

constexpr Row kRows[] = {
    // Refused DSLAM VLANs; nothing written.
    {"", "200", kInvalidDslam, kUnchanged, kUnchanged},
    {"2024", "200", kInvalidDslam, kUnchanged, kUnchanged},
    {"2023.5", "200", kInvalidDslam, kUnchanged, kUnchanged},
    {"2024", "40000", kInvalidDslam, kUnchanged, kUnchanged},
    {"40000", "200", kNoNotice, kUnchanged, kUnchanged, Outcome::Overflow},
    {"32767.5", "200", kNoNotice, kUnchanged, kUnchanged, Outcome::Overflow},
    {"1E400", "200", kNoNotice, kUnchanged, kUnchanged, Outcome::Overflow},
    {"3900.5", "150", kNoNotice, "0", "22"},
    {"3505abc", "150", kNoNotice, "1", "23"},
    // 48-port family: any offset that fits 16 bits.
    {"2002", "127", kNoNotice, "1", "0"},
    {"2002", "174", kNoNotice, "1", "47"},
    {"2002", "175", kNoNotice, "2", "0"},
    {"2002", "80", kNoNotice, "1", "-47"},
    {"2002", "79", kNoNotice, "0", "0"},
    {"2002", "", kNoNotice, "-1", "-31"},
    {"2078", "32894", kNoNotice, "683", "31"},
    {"2078", "32895", kNoNotice, kUnchanged, kUnchanged, Outcome::Overflow},
    {"2002", "1E400", kNoNotice, kUnchanged, kUnchanged, Outcome::Overflow},
    // 24-port family: one slot count across both frames, no corrections.
    {"3500", "", kVerify, kUnchanged, kUnchanged},
    {"3500", "abc", kVerify, kUnchanged, kUnchanged},
    {"3500", "-0", kVerify, kUnchanged, kUnchanged},
    {"3500", "300x", kNoNotice, kUnchanged, kUnchanged, Outcome::Conversion},
    {"3500", "127", kNoNotice, "1", "0"},
    {"3500", "150", kNoNotice, "1", "23"},
    {"3500", "151", kNoNotice, "2", "0"},
    {"3500", "510", kNoNotice, "16", "23"},
    {"3500", "510.6", kNoNotice, "17", "0"},
    {"3500", "511", kSecondFrame, "17", "0"},
    {"3500", "0.4", kNoNotice, "-4", "-7"},
    {"3500", "40000", kSecondFrame, kUnchanged, kUnchanged, Outcome::Overflow},
    // Slot tables.
    {"3900", "126", kInvalidInner, kUnchanged, kUnchanged},
    {"3900", "126.5", kNoNotice, "0", "-1"},
    {"3900", "127", kNoNotice, "0", "-1"},
    {"3900", "128", kNoNotice, "0", "0"},
    {"3900", "174", kNoNotice, "0", "46"},
    {"3900", "174.5", kNoNotice, "1", "-1"},
    {"3900", "175", kNoNotice, "1", "-1"},
    {"3900", "463", kNoNotice, "9", "-1"},
    {"3900", "559", kNoNotice, "11", "0"},
    {"3900", "606", kNoNotice, "11", "47"},
    {"3900", "655", kNoNotice, "12", "-1"},
    {"3900", "656", kNoNotice, "13", "1"},
    {"3900", "703", kNoNotice, "13", "0"},
    {"3900", "704", kInvalidInner, kUnchanged, kUnchanged},
    {"3900", "", kInvalidInner, kUnchanged, kUnchanged},
    {"3900", "40000", kNoNotice, kUnchanged, kUnchanged, Outcome::Overflow},
    {"3901", "294", kNoNotice, "4", "22"},
    {"3901", "295", kInvalidInner, kUnchanged, kUnchanged},
    {"3903", "198", kNoNotice, "2", "22"},
    {"3903", "199", kInvalidInner, kUnchanged, kUnchanged},
    {"3905", "199", kNoNotice, "1", "-1"},
    {"3905", "230", kNoNotice, "2", "6"},
    {"3905", "247", kNoNotice, "1", "23"},
    {"3905", "271", kNoNotice, "1", "-1"},
    {"3906", "247", kInvalidInner, kUnchanged, kUnchanged},
};

TEST(CalculateFromDslamVlan, GivesSlotAndPortOrRefuses) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string("Text1 = \"") + row.text1 + "\", Text6 = \"" + row.text6 + "\"");
        RecordingFields fields;
        RecordingNotice notice;
        fields.Type("Text1", row.text1);
        fields.Type("Text6", row.text6);
        std::int16_t dslamVlan = kUntouchedVariable;
        std::int16_t innerOffset = kUntouchedVariable;
        const auto run = [&] { CalculateFromDslamVlan(fields, notice, dslamVlan, innerOffset); };

        EXPECT_EQ(RunOperation(run), row.outcome);
        const std::vector<std::string> notices =
            row.notice.empty() ? std::vector<std::string>{} : std::vector<std::string>{std::string(row.notice)};
        EXPECT_EQ(notice.texts, notices);
        EXPECT_EQ(fields.Peek("Text11"), RecordingFields::Expected("Text11", row.text11));
        EXPECT_EQ(fields.Peek("Text13"), RecordingFields::Expected("Text13", row.text13));
        // Only the DSLAM section's boxes, slot before port.
        if (row.text11 != kUnchanged) {
            EXPECT_EQ(fields.Writes(), (std::vector<std::string>{"Text11", "Text13"}));
        } else {
            EXPECT_TRUE(fields.Writes().empty());
        }
        for (const std::string& box : fields.Reads()) {
            EXPECT_TRUE(box == "Text1" || box == "Text6") << "read " << box;
        }

        const auto firstBoxes = fields.Boxes();
        notice.texts.clear();
        EXPECT_EQ(RunOperation(run), row.outcome);
        EXPECT_EQ(notice.texts, notices);
        EXPECT_EQ(fields.Boxes(), firstBoxes);
    }
}

TEST(CalculateFromDslamVlan, RefusedDslamVlanNeverReadsInnerVlan) {
    for (const char* text1 : {"", " ", "abc", "0", "2024", "2026", "2049", "3501", "3907", "40000"}) {
        SCOPED_TRACE(text1);
        EXPECT_FALSE(Calculate(text1, "200").readText6);
    }
}

TEST(CalculateFromDslamVlan, SetsWindowVariablesFromTheInput) {
    RecordingFields fields;
    RecordingNotice notice;
    fields.Type("Text1", "3899.6");
    fields.Type("Text6", "559.4");
    std::int16_t dslamVlan = 0;
    std::int16_t innerOffset = 0;
    CalculateFromDslamVlan(fields, notice, dslamVlan, innerOffset);
    EXPECT_EQ(dslamVlan, 3900);
    EXPECT_EQ(innerOffset, 432);
    EXPECT_EQ(fields.Peek("Text11"), "11");
}

// Inner VLAN 151 (offset 24) tells the families apart.
TEST(CalculateFromDslamVlan, AcceptsExactlyTheDslamVlansInService) {
    std::set<int> ports48;
    for (int v = 2002; v <= 2023; ++v) ports48.insert(v);
    ports48.insert(2025);
    ports48.insert(2027);
    for (int v = 2050; v <= 2078; ++v) ports48.insert(v);
    const std::set<int> ports24{3500, 3505, 3522, 3523, 3605, 3780, 3789};
    const std::set<int> slotTables{3900, 3901, 3902, 3903, 3904, 3905, 3906};

    std::vector<int> candidates{-32768, -1, 0, 1, 32767};
    for (int v = 1990; v <= 4000; ++v) candidates.push_back(v);
    for (const int v : candidates) {
        SCOPED_TRACE(v);
        const Result result = Calculate(std::to_string(v), "151");
        ASSERT_EQ(result.outcome, Outcome::Completed);
        if (ports48.contains(v)) {
            EXPECT_EQ(result.text11 + "/" + result.text13, "1/24");
        } else if (ports24.contains(v)) {
            EXPECT_EQ(result.text11 + "/" + result.text13, "2/0");
        } else if (slotTables.contains(v)) {
            EXPECT_EQ(result.text11 + "/" + result.text13, "0/23");
        } else {
            EXPECT_EQ(result.notices, std::vector<std::string>{std::string(kInvalidDslam)});
            EXPECT_EQ(result.text11, RecordingFields::Untouched("Text11"));
        }
    }
}

// The bands as the DSLAMs are laid out: inner VLANs, slot, and the ports of
// the first and last inner VLAN of the band.
struct BandRow {
    int dslam;
    int firstInner;
    int lastInner;
    int slot;
    int firstPort;
    int lastPort;
};

constexpr BandRow kBands[] = {
    {3900, 127, 174, 0, -1, 46},   {3900, 175, 222, 1, -1, 46},  {3900, 223, 270, 2, -1, 46},
    {3900, 271, 318, 3, -1, 46},   {3900, 319, 366, 4, -1, 46},  {3900, 367, 414, 5, -1, 46},
    {3900, 415, 462, 6, -1, 46},   {3900, 463, 510, 9, -1, 46},  {3900, 511, 558, 10, -1, 46},
    {3900, 559, 606, 11, 0, 47},   {3900, 607, 655, 12, -1, -1}, {3900, 656, 703, 13, 1, 0},
    {3901, 127, 174, 0, -1, 46},   {3901, 175, 222, 1, -1, 46},  {3901, 223, 270, 2, -1, 46},
    {3901, 271, 294, 4, -1, 22},   {3902, 127, 174, 0, -1, 46},  {3902, 175, 222, 1, -1, 46},
    {3902, 223, 270, 2, -1, 46},   {3902, 271, 318, 3, -1, 46},  {3902, 319, 342, 4, -1, 22},
    {3902, 343, 366, 5, -1, 22},   {3902, 367, 390, 6, -1, 22},  {3903, 127, 174, 0, -1, 46},
    {3903, 175, 198, 2, -1, 22},   {3904, 127, 174, 0, -1, 46},  {3904, 175, 222, 1, -1, 46},
    {3904, 223, 246, 2, -1, 22},   {3905, 127, 174, 0, -1, 46},  {3905, 175, 222, 1, -1, 22},
    {3905, 223, 246, 2, -1, 22},   {3905, 247, 294, 1, 23, 22},  {3906, 127, 174, 0, -1, 46},
    {3906, 175, 222, 1, -1, 22},   {3906, 223, 246, 2, -1, 22},
};

TEST(CalculateFromDslamVlan, SlotTablesCoverTheirBandsAndRefuseTheRest) {
    for (int dslam = 3900; dslam <= 3906; ++dslam) {
        for (int inner = 0; inner <= 800; ++inner) {
            SCOPED_TRACE(std::to_string(dslam) + " / " + std::to_string(inner));
            const Result result = Calculate(std::to_string(dslam), std::to_string(inner));
            ASSERT_EQ(result.outcome, Outcome::Completed);
            const BandRow* band = nullptr;
            for (const BandRow& row : kBands) {
                if (row.dslam == dslam && row.firstInner <= inner && inner <= row.lastInner) band = &row;
            }
            if (band == nullptr) {
                EXPECT_EQ(result.notices, std::vector<std::string>{std::string(kInvalidInner)});
                EXPECT_EQ(result.text11, RecordingFields::Untouched("Text11"));
                continue;
            }
            EXPECT_TRUE(result.notices.empty());
            EXPECT_EQ(result.text11, std::to_string(band->slot));
            if (inner == band->firstInner) {
                EXPECT_EQ(result.text13, std::to_string(band->firstPort));
            }
            if (inner == band->lastInner) {
                EXPECT_EQ(result.text13, std::to_string(band->lastPort));
            }
        }
    }
}

}  // namespace
}  // namespace core::calculator_testing
