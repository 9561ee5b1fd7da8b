// Date normalisation far back in time: a walk that ends exactly on a month's length must
// not leave day 0.
#include <gtest/gtest.h>

#include "engine/calendar.h"

namespace marevo {
namespace {

TEST(NormalizeDateBackward, MonthsExactlyAsLongAsTheDaysLeft)
{
    struct { int y, m, d, ey, em, ed; } cases[] = {
        {2100, 3, -120, 2099, 10, 31}, // found by fuzzing: gave 2099-11-00
        {2008, 3, -29, 2008, 1, 31},   // leap February 29 days long
        {2007, 3, -28, 2007, 1, 31},
        {2008, 1, -31, 2007, 11, 30},
        {2008, 1, -61, 2007, 10, 31},
        {2001, 1, -365, 2000, 1, 1},
        {2001, 1, -366, 1999, 12, 31},
        {2008, 5, -120, 2008, 1, 1},
    };
    for (const auto& c : cases) {
        int y = c.y, m = c.m, d = c.d;
        NormalizeDate(y, m, d);
        EXPECT_EQ(y, c.ey) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(m, c.em) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(d, c.ed) << c.y << "-" << c.m << "-" << c.d;
    }
}

// Day d of a month is d - 1 days after its first day, for every d and every month of four
// centuries of leap rules; the day numbers check it independently of the month walk.
TEST(NormalizeDateBackward, EveryOffsetLandsOnARealDate)
{
    const int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year : {1899, 1900, 1999, 2000, 2008, 2100}) {
        for (int month = 1; month <= 12; ++month) {
            const double first = DayNumber(year, month, 1);
            for (int d = -800; d <= 800; d += 1) {
                int y = year, m = month, dd = d;
                NormalizeDate(y, m, dd);
                ASSERT_GE(m, 1);
                ASSERT_LE(m, 12);
                const int last = lengths[m] + (m == 2 && IsLeapYear(y) ? 1 : 0);
                ASSERT_GE(dd, 1) << year << "-" << month << " day " << d;
                ASSERT_LE(dd, last) << year << "-" << month << " day " << d;
                ASSERT_EQ(DayNumber(y, m, dd), first + d - 1) << year << "-" << month << " day " << d;
            }
        }
    }
}

} // namespace
} // namespace marevo
