// Calendar arithmetic: date normalisation, day numbers, weekdays, angle reduction.
#include <gtest/gtest.h>

#include "engine/calendar.h"

using namespace marevo;

TEST(Calendar, NormalizeDateTable)
{
    struct { int y, m, d, ey, em, ed; } cases[] = {
        {2008, 2, 30, 2008, 3, 1}, {2007, 2, 29, 2007, 3, 1}, {2008, 13, 1, 2009, 1, 1},
        {2008, 0, 15, 2007, 12, 15}, {2008, 3, 0, 2008, 2, 29}, {2007, 3, 0, 2007, 2, 28},
        {2008, 1, -1, 2007, 12, 30}, {2008, 1, 400, 2009, 2, 3},
    };
    for (auto c : cases) {
        int y = c.y, m = c.m, d = c.d;
        NormalizeDate(y, m, d);
        EXPECT_EQ(y, c.ey); EXPECT_EQ(m, c.em); EXPECT_EQ(d, c.ed) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(Calendar, DayNumberWeekdayAndAngles)
{
    EXPECT_DOUBLE_EQ(DayNumber(2000, 1, 1), -0.5);
    EXPECT_DOUBLE_EQ(DayNumber(2008, 5, 14), 3055.5);
    EXPECT_DOUBLE_EQ(DayNumber(1999, 12, 31), -1.5);
    EXPECT_EQ(WeekdayFromDayNumber(-1.5), 5);
    EXPECT_EQ(WeekdayFromDayNumber(-0.5), 6);
    int feb28[13] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int feb29[13] = {31, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    EXPECT_EQ(DayOfYear(3, 1, feb28), 59);
    EXPECT_EQ(DayOfYear(3, 1, feb29), 60);
    EXPECT_DOUBLE_EQ(Reduce360(-10), 350);
    EXPECT_DOUBLE_EQ(Reduce360(720), 0);
    EXPECT_DOUBLE_EQ(Fold180(180), -180);
    EXPECT_DOUBLE_EQ(Fold180(-180), 180);
    EXPECT_DOUBLE_EQ(Fold180(190), -170);
    EXPECT_NEAR(DegMinToDegrees(35.39), 35.65, 1e-12);
    EXPECT_NEAR(DegMinToDegrees(-33.52), -33.866666666, 1e-8);
}
