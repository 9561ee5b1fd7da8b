// JMA's yearly table text: the documented example day, and the lines the reader refuses.
#include <gtest/gtest.h>

#include <string>

#include "tools/fit/jma_table.h"

using namespace marevo::fit;

namespace {

const std::string Tokyo = std::string(MAREVO_TEST_DATA) + "/jma/2024/TK.txt";

// One day's line: 24 hourly heights, date, code, high and low slots.
std::string Line(int month, int day, const char* code = "TK",
                 const char* slots = " 823166191416099999999999999 144 26135510099999999999999")
{
    std::string hours;
    for (int h = 0; h < 24; ++h) hours += " 50";
    char date[7];
    std::snprintf(date, sizeof date, "24%2d%2d", month, day);
    return hours + date + code + slots;
}

} // namespace

TEST(JmaTable, TokyoFirstDayAsPublished)
{
    JmaTable t;
    std::string error;
    ASSERT_TRUE(ReadJmaTable(Tokyo, "TK", 2024, t, error)) << error;
    ASSERT_EQ(t.days.size(), 366u); // a leap year
    // The README's example: highs 08:23 166 cm and 19:14 160 cm, lows 01:44 26 and 13:55 100.
    const JmaDay& d = t.days[0];
    ASSERT_EQ(d.events.size(), 4u);
    const JmaEvent expected[] = {{8 * 60 + 23, 166, true}, {19 * 60 + 14, 160, true},
                                 {1 * 60 + 44, 26, false}, {13 * 60 + 55, 100, false}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(d.events[k].minuteOfDay, expected[k].minuteOfDay) << k;
        EXPECT_EQ(d.events[k].heightCm, expected[k].heightCm) << k;
        EXPECT_EQ(d.events[k].high, expected[k].high) << k;
    }
    EXPECT_EQ(t.days[59].month, 2);
    EXPECT_EQ(t.days[59].day, 29);
    EXPECT_EQ(t.days[365].month, 12);
    EXPECT_EQ(t.days[365].day, 31);
}

TEST(JmaTable, ReadsBlankPaddedFieldsAndNegativeHeights)
{
    std::string text;
    for (int d = 1; d <= 31; ++d) text += Line(1, d) + "\n";
    text.replace(0, 3, "-11");
    // 00:00 and 10:05 written " 0 0" and "10 5"; a negative low water.
    text.replace(80, 14, " 0 016610 5160");
    text.replace(108, 7, " 6 0 -3");
    JmaTable t;
    std::string error;
    EXPECT_FALSE(ParseJmaTable(text, "TK", 2024, t, error)); // January alone is not a year
    EXPECT_NE(error.find("31 days"), std::string::npos) << error;
    ASSERT_EQ(t.days.size(), 31u);
    EXPECT_EQ(t.days[0].hourlyCm[0], -11);
    ASSERT_EQ(t.days[0].events.size(), 4u);
    EXPECT_EQ(t.days[0].events[0].minuteOfDay, 0);
    EXPECT_EQ(t.days[0].events[1].minuteOfDay, 10 * 60 + 5);
    EXPECT_EQ(t.days[0].events[2].minuteOfDay, 6 * 60);
    EXPECT_EQ(t.days[0].events[2].heightCm, -3);
    EXPECT_FALSE(t.days[0].events[2].high);
}

TEST(JmaTable, RefusesBadLines)
{
    const struct {
        const char* what;
        std::string text;
        const char* message;
    } cases[] = {
        {"short line", Line(1, 1).substr(0, 135) + "\n", "136"},
        {"other station", Line(1, 1, "OW") + "\n", "code"},
        {"day missing", Line(1, 1) + "\n" + Line(1, 3) + "\n", "date"},
        {"letter in a height", "  x" + Line(1, 1).substr(3) + "\n", "hourly"},
        {"minute 60", Line(1, 1).substr(0, 80) + " 860166" + Line(1, 1).substr(87) + "\n", "time"},
        {"blank high water", Line(1, 1).substr(0, 80) + "       " + Line(1, 1).substr(87) + "\n", "high or low"},
    };
    for (const auto& c : cases) {
        JmaTable t;
        std::string error;
        EXPECT_FALSE(ParseJmaTable(c.text, "TK", 2024, t, error)) << c.what;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    }
}
