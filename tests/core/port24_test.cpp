#include "core/port24.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calculator_fixture.h"

namespace core::calculator_testing {
namespace {

using Boxes = std::set<std::string, std::less<>>;

constexpr std::string_view kVerify = "Please verify the input";
constexpr std::string_view kSecondFrame = "Port Particulars falls in Second Frame";
constexpr std::string_view kNoNotice = "";

struct Row {
    const char* text7;
    std::string_view notice;
    std::string_view text8;
    std::string_view text9;
    std::string_view text10;
    std::int16_t port24;
    Outcome outcome = Outcome::Completed;
};

constexpr std::int16_t kKeep = kUntouchedVariable;

constexpr Row kRows[] = {
    // Refused before anything is written.
    {" ", kVerify, kUnchanged, kUnchanged, kUnchanged, kKeep},
    {"", kVerify, kUnchanged, kUnchanged, kUnchanged, kKeep},
    {"0", kVerify, kUnchanged, kUnchanged, kUnchanged, kKeep},
    {"-0", kVerify, kUnchanged, kUnchanged, kUnchanged, kKeep},
    {"abc", kVerify, kUnchanged, kUnchanged, kUnchanged, kKeep},
    {"12abc", kNoNotice, kUnchanged, kUnchanged, kUnchanged, kKeep, Outcome::Conversion},
    {"1E400", kNoNotice, kUnchanged, kUnchanged, kUnchanged, kKeep, Outcome::Overflow},
    // First frame, with the port 0 and slot 0 corrections.
    {"127", kNoNotice, "0", "1", "1", 24},
    {"128", kNoNotice, "1", "1", "1", 1},
    {"151", kNoNotice, "24", "1", "24", 24},
    {"152", kNoNotice, "25", "2", "1", 1},
    {"126", kNoNotice, "-1", "1", "-1", -1},
    {"104", kNoNotice, "-23", "1", "-23", -23},
    {"103", kNoNotice, "-24", "-1", "24", 24},
    {"80", kNoNotice, "-47", "1", "1", -23},
    {"1", kNoNotice, "-126", "-4", "-6", -6},
    {"-5", kNoNotice, "-132", "-4", "-12", -12},
    {"510", kNoNotice, "383", "16", "23", 23},
    // Second frame: notice, then slots counted again from offset 384.
    {"511", kSecondFrame, "384", "1", "1", 24},
    {"512", kSecondFrame, "385", "1", "1", 1},
    {"534", kSecondFrame, "407", "1", "23", 23},
    {"535", kSecondFrame, "408", "1", "24", 24},
    {"536", kSecondFrame, "409", "2", "1", 1},
    {"600", kSecondFrame, "473", "4", "17", 17},
    {"895", kSecondFrame, "768", "16", "24", 24},
    {"40000", kSecondFrame, "39873", "1646", "9", 9},
    // The port rounds half to even.
    {"151.5", kNoNotice, "24.5", "1", "24", 24},
    {"152.5", kNoNotice, "25.5", "2", "2", 2},
    // The offset no longer fits 32 bits when the port is taken.
    {"3000000000", kSecondFrame, "2999999873", "124999979", kUnchanged, kKeep, Outcome::Overflow},
};

TEST(CalculatePort24, GivesOffsetSlotAndPortPerFrame) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string("Text7 = \"") + row.text7 + "\"");
        RecordingFields fields;
        RecordingNotice notice;
        fields.Type("Text7", row.text7);
        std::int16_t port24 = kUntouchedVariable;

        EXPECT_EQ(RunOperation([&] { CalculatePort24(fields, notice, port24); }), row.outcome);
        const std::vector<std::string> notices =
            row.notice.empty() ? std::vector<std::string>{} : std::vector<std::string>{std::string(row.notice)};
        EXPECT_EQ(notice.texts, notices);
        EXPECT_EQ(fields.Peek("Text8"), RecordingFields::Expected("Text8", row.text8));
        EXPECT_EQ(fields.Peek("Text9"), RecordingFields::Expected("Text9", row.text9));
        EXPECT_EQ(fields.Peek("Text10"), RecordingFields::Expected("Text10", row.text10));
        EXPECT_EQ(port24, row.port24);
        for (const std::string& box : fields.WrittenBoxes()) {
            EXPECT_TRUE(box == "Text8" || box == "Text9" || box == "Text10") << "wrote " << box;
        }
        for (const std::string& box : fields.Reads()) {
            EXPECT_TRUE(box == "Text7" || box == "Text8" || box == "Text9") << "read " << box;
        }

        // A second press gives the same texts, the same notice and the same ending.
        const auto firstBoxes = fields.Boxes();
        const std::int16_t firstPort = port24;
        notice.texts.clear();
        EXPECT_EQ(RunOperation([&] { CalculatePort24(fields, notice, port24); }), row.outcome);
        EXPECT_EQ(notice.texts, notices);
        EXPECT_EQ(fields.Boxes(), firstBoxes);
        EXPECT_EQ(port24, firstPort);
    }
}

// Shows the second-frame notice and records the boxes as they are at that moment.
class SnapshotNotice final : public ShowNotice {
public:
    explicit SnapshotNotice(const RecordingFields& fields) : fields_(fields) {}
    void operator()(std::string_view) override { boxes = fields_.Boxes(); }
    std::map<std::string, std::string, std::less<>> boxes;

private:
    const RecordingFields& fields_;
};

TEST(CalculatePort24, SecondFrameNoticeComesBeforeAnyWrite) {
    RecordingFields fields;
    fields.Type("Text7", "600");
    const auto before = fields.Boxes();
    SnapshotNotice notice(fields);
    std::int16_t port24 = 0;
    CalculatePort24(fields, notice, port24);
    EXPECT_EQ(notice.boxes, before);
    EXPECT_EQ(fields.Peek("Text9"), "4");
}

TEST(ClearPort24, EmptiesTheFourBoxesAndNothingElse) {
    RecordingFields fields;
    ClearPort24(fields);
    EXPECT_EQ(fields.Writes(), (std::vector<std::string>{"Text7", "Text8", "Text9", "Text10"}));
    for (const std::string& box : fields.Writes()) {
        EXPECT_EQ(fields.Peek(box), "") << box;
    }
    EXPECT_TRUE(fields.Reads().empty());
}

TEST(ClearPort24, ThenCalculatingAsksToVerifyAndKeepsPort24) {
    RecordingFields fields;
    RecordingNotice notice;
    fields.Type("Text7", "600");
    std::int16_t port24 = 0;
    CalculatePort24(fields, notice, port24);
    ASSERT_EQ(port24, 17);
    notice.texts.clear();

    ClearPort24(fields);
    CalculatePort24(fields, notice, port24);
    EXPECT_EQ(notice.texts, std::vector<std::string>{std::string(kVerify)});
    for (const char* box : {"Text7", "Text8", "Text9", "Text10"}) {
        EXPECT_EQ(fields.Peek(box), "") << box;
    }
    EXPECT_EQ(port24, 17);
}

}  // namespace
}  // namespace core::calculator_testing
