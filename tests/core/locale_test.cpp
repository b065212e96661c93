// Texts and readings must not change with the process locale, even one whose
// decimal separator is a comma.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "core/conversions.h"
#include "core/faults.h"

namespace {

const std::vector<double> kValues = {
    0.5, -27, 23.5, 1234567.25, 127.1 - 127, 1.0 / 3, 0.000012345, 1e20, 1e-20, 2147483648.0,
    std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
};

const std::vector<std::string> kTexts = {
    "1.5", "1,5", "-0.25e2", "1D3", "&H8000", " 1 234.5 ", "0.0999999999999943", "1.5E-3x",
};

struct Snapshot {
    std::vector<std::string> numberTexts;
    std::vector<double> leading;
    std::vector<std::string> strictTexts;  // NumberText of StrictNumber, or "refused"
};

Snapshot TakeSnapshot() {
    Snapshot s;
    for (const double x : kValues) s.numberTexts.push_back(core::NumberText(x));
    for (const auto& text : kTexts) {
        s.leading.push_back(core::LeadingNumber(text));
        try {
            s.strictTexts.push_back(core::NumberText(core::StrictNumber(text)));
        } catch (const core::ConversionFault&) {
            s.strictTexts.push_back("refused");
        }
    }
    return s;
}

class UnderLocale : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_P(UnderLocale, TextsAndReadingsMatchTheCLocale) {
    ASSERT_STREQ(std::setlocale(LC_ALL, nullptr), "C");
    const Snapshot inC = TakeSnapshot();
    EXPECT_EQ(inC.numberTexts[3], "1234567.25");
    EXPECT_EQ(inC.leading[1], 1);
    EXPECT_EQ(inC.strictTexts[1], "refused");

    ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr) << GetParam() << " is not installed";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");  // the locale really is in force
    const Snapshot inLocale = TakeSnapshot();
    EXPECT_EQ(inLocale.numberTexts, inC.numberTexts);
    EXPECT_EQ(inLocale.leading, inC.leading);
    EXPECT_EQ(inLocale.strictTexts, inC.strictTexts);

    std::locale::global(std::locale(GetParam()));  // the C++ global locale as well
    const Snapshot inBoth = TakeSnapshot();
    EXPECT_EQ(inBoth.numberTexts, inC.numberTexts);
    EXPECT_EQ(inBoth.leading, inC.leading);
    EXPECT_EQ(inBoth.strictTexts, inC.strictTexts);
}

INSTANTIATE_TEST_SUITE_P(CommaDecimalLocales, UnderLocale, ::testing::Values("de_DE.UTF-8", "fr_FR.UTF-8"));

}  // namespace
