// Bounded substrings, blank trimming and weekdays of the drawing layer.
#include "views/text_util.h"

#include <gtest/gtest.h>

#include <string>

namespace marevo {
namespace {

TEST(TextUtil, SubstringStopsAtCountLimitOrEnd)
{
    const std::string three_hundred(300, 'x');
    struct Case {
        const char* text;
        int start, count;
        std::string expected;
    } cases[] = {
        {"abcdef", 0, 3, "abc"},
        {"abcdef", 2, 100, "cdef"},           // stops at the NUL
        {"abcdef", 6, 5, ""},                 // start on the NUL
        {"abcdef", 40, 5, ""},                // start past the end: nothing read
        {"abcdef", -1, 5, ""},
        {"abcdef", 1, 0, "" },
        {"abcdef", 1, -4, ""},
        {three_hundred.c_str(), 0, 1000, std::string(256, 'x')},
        {three_hundred.c_str(), 100, 1000, std::string(200, 'x')},
        {nullptr, 0, 5, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Substring(c.text, c.start, c.count), c.expected)
            << (c.text ? c.text : "(null)") << " " << c.start << " " << c.count;
}

TEST(TextUtil, SubstringCountsBytesOfShiftJisText)
{
    // "尾鷲" is four bytes in Shift-JIS; the second character begins at byte 2.
    const char text[] = "尾鷲";
    ASSERT_EQ(sizeof text - 1, 4u);
    EXPECT_EQ(Substring(text, 2, 2), std::string("鷲"));
}

TEST(TextUtil, TrimLeadingSpaces)
{
    struct Case {
        std::string text, expected;
    } cases[] = {
        {"  abc", "abc"},
        {"", ""},
        {std::string(10, ' '), ""},
        {std::string(256, ' '), ""},
        {std::string(256, ' ') + "z", "z"},
        {std::string(300, ' '), std::string(44, ' ')}, // at most 256 blanks are counted
        {"abc  ", "abc  "},                             // trailing blanks stay
        {"\tabc", "\tabc"},                             // only 0x20 is a blank
        {"  " + std::string(300, 'q'), std::string(256, 'q')},
        {" 　尾鷲", "　尾鷲"}, // a full-width space is not a blank
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrimLeadingSpaces(c.text.c_str()), c.expected) << "[" << c.text << "]";
    EXPECT_EQ(TrimLeadingSpaces(nullptr), "");
}

TEST(TextUtil, WeekdayOfCivilDates)
{
    struct Case {
        int year, month, day, weekday;
    } cases[] = {
        {2008, 1, 1, 2},   // Tuesday
        {2000, 1, 1, 6},   // Saturday
        {2000, 2, 29, 2},  // leap day, Tuesday
        {1970, 1, 1, 4},   // Thursday
        {1900, 3, 1, 4},   // 1900 is no leap year: Thursday
        {1868, 10, 23, 5}, // Friday: before the 32-bit time range
        {2038, 1, 19, 2},  // Tuesday: end of the 32-bit time range
        {2100, 1, 1, 5},   // Friday
        {2026, 12, 7, 1},  // Monday
        {2008, 5, 14, 3},  // Wednesday
        {2008, 1, 32, 5},  // 2008-02-01, Friday: the date is normalised
        {2008, 13, 1, 4},  // 2009-01-01, Thursday
        {2008, 3, 0, 5},   // 2008-02-29, Friday
    };
    for (const Case& c : cases)
        EXPECT_EQ(WeekdayOf(c.year, c.month, c.day), c.weekday)
            << c.year << "-" << c.month << "-" << c.day;
}

} // namespace
} // namespace marevo
