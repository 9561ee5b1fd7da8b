// The values of marevo.ini: cuts by whole Shift-JIS characters, integers and decimal numbers
// read from their start, the ratio's text and the stand-ins for unknown values.
#include "shell/settings_values.h"

#include <cmath>
#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(SettingsValues, IntegersAreReadAfterCuttingToTheReadWidth)
{
    struct Case { const char* text; int value; };
    const Case cases[] = {
        {"725", 725}, {"123456", 12345}, {"  -1", -1}, {"+7", 7}, {"42abc", 42},
        {"abc", 0}, {"", 0}, {"-", 0}, {"1 2", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(ProfileInt(CutToWidth(c.text, 6)), c.value) << c.text;
    EXPECT_EQ(ProfileInt("99999999999"), 2147483647);
    EXPECT_EQ(ProfileInt("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(CutToWidth("三重県", 5), std::string("三重"));
    // A double-byte character that does not fit whole is left out, not halved; half-width
    // katakana are single bytes.
    EXPECT_EQ(CutToWidth("三重県", 6), std::string("三重"));
    EXPECT_EQ(CutToWidth("表a表", 5), std::string("表a"));
    EXPECT_EQ(CutToWidth("ｸﾞﾗﾌ", 4), std::string("ｸﾞﾗ"));
}

TEST(SettingsValues, RatioIsWrittenWithFourOnePointFormatOrRefused)
{
    EXPECT_EQ(RatioText(1.0), " 1.0");
    EXPECT_EQ(RatioText(12.5), "12.5");
    EXPECT_EQ(RatioText(0.0), " 0.0");
    EXPECT_EQ(RatioText(99999.0), "99999.0");
    EXPECT_EQ(RatioText(123456789.0), "123456789.0"); // 11 characters still fit
    EXPECT_EQ(RatioText(1234567890.0), "");
    EXPECT_EQ(RatioText(9e99), "");
    EXPECT_EQ(RatioText(std::nan("")), "");
    EXPECT_DOUBLE_EQ(SanitisedRatio(2.0), 2.0);
    EXPECT_DOUBLE_EQ(SanitisedRatio(9e99), 1.0);
    EXPECT_DOUBLE_EQ(ProfileDouble(" 2.5"), 2.5);
    EXPECT_DOUBLE_EQ(ProfileDouble("x1"), 0.0);
    // Decimal numbers only, the same on every runtime.
    const struct { const char* text; double value; } ratios[] = {
        {"-1.5x", -1.5}, {".5", 0.5}, {"3.", 3.0}, {"2e1", 20.0}, {"2e", 2.0}, {".", 0.0},
        {"0x5", 0.0}, {"inf", 0.0}, {"nan", 0.0}, {"-", 0.0},
    };
    for (const auto& r : ratios) EXPECT_DOUBLE_EQ(ProfileDouble(r.text), r.value) << r.text;
}

TEST(SettingsValues, UnknownPeriodStyleAndColourBecomeWhatTheIndicatorsShow)
{
    const int periods[][2] = {{1, 1}, {7, 7}, {42, 42}, {-1, -1}, {0, -1}, {5, -1}, {43, -1}};
    for (const auto& p : periods) EXPECT_EQ(SanitisedPeriod(p[0]), p[1]) << p[0];
    const int styles[][2] = {{1, 1}, {0, 0}, {2, 0}, {-1, 0}};
    for (const auto& s : styles) EXPECT_EQ(SanitisedStyle(s[0]), s[1]) << s[0];
    // Print colours other than 0 read as the colour the print settings dialog shows.
    EXPECT_EQ(SanitisedColour(0), 0);
    for (int value : {1, 2, -1, 99999, -2147483647 - 1}) EXPECT_EQ(SanitisedColour(value), 1) << value;
}

} // namespace
} // namespace marevo
