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

// Month lengths and real dates: February by the Gregorian rule (1900 and 2100 common, 2000
// and 2400 leap), the limits of the program's years.
TEST(Calendar, MonthLengthAndValidDates)
{
    struct { int year, month, length; } lengths[] = {
        {2023, 1, 31}, {2023, 2, 28}, {2024, 2, 29}, {1900, 2, 28}, {2000, 2, 29},
        {2100, 2, 28}, {2400, 2, 29}, {2023, 4, 30}, {2023, 6, 30}, {2023, 9, 30},
        {2023, 11, 30}, {2023, 12, 31}, {2023, 7, 31}, {2023, 8, 31},
    };
    for (auto c : lengths) EXPECT_EQ(MonthLength(c.year, c.month), c.length) << c.year << "-" << c.month;

    struct { CivilDate date; bool valid; } dates[] = {
        {{1, 1, 1}, true},      {{9999, 12, 31}, true}, {{0, 12, 31}, false},
        {{10000, 1, 1}, false}, {{2023, 2, 29}, false}, {{2024, 2, 29}, true},
        {{2023, 4, 31}, false}, {{2023, 0, 1}, false},  {{2023, 13, 1}, false},
        {{2023, 1, 0}, false},
    };
    for (auto c : dates)
        EXPECT_EQ(IsValidDate(c.date), c.valid) << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

// A date step crosses months, leap days and years, and stops at the ends of the years 1 and
// 9999 (the date then stays as it was). Weekdays of known dates: 2026-12-08 a Tuesday,
// 0001-01-01 a Monday (proleptic Gregorian), 9999-12-31 a Friday.
TEST(Calendar, StepDateAndWeekday)
{
    struct { CivilDate from; int days; bool made; CivilDate to; } steps[] = {
        {{2024, 2, 28}, 1, true, {2024, 2, 29}},   {{2023, 2, 28}, 1, true, {2023, 3, 1}},
        {{2026, 12, 31}, 1, true, {2027, 1, 1}},   {{2027, 1, 1}, -1, true, {2026, 12, 31}},
        {{2026, 12, 28}, 7, true, {2027, 1, 4}},   {{2024, 3, 3}, -7, true, {2024, 2, 25}},
        {{1, 1, 8}, -7, true, {1, 1, 1}},          {{1, 1, 7}, -7, false, {1, 1, 7}},
        {{1, 1, 1}, -1, false, {1, 1, 1}},         {{9999, 12, 31}, 1, false, {9999, 12, 31}},
        {{9999, 12, 25}, 7, false, {9999, 12, 25}}, {{9999, 12, 24}, 7, true, {9999, 12, 31}},
        {{2026, 1, 31}, 41, true, {2026, 3, 13}},
    };
    for (auto c : steps) {
        CivilDate date = c.from;
        EXPECT_EQ(StepDate(date, c.days), c.made) << c.from.year << "-" << c.from.month << "-" << c.from.day;
        EXPECT_EQ(date, c.to) << c.from.year << "-" << c.from.month << "-" << c.from.day << " " << c.days;
    }
    struct { CivilDate date; int weekday; } weekdays[] = {
        {{2026, 12, 8}, 2}, {{2000, 1, 1}, 6}, {{1, 1, 1}, 1}, {{9999, 12, 31}, 5},
    };
    for (auto c : weekdays) EXPECT_EQ(Weekday(c.date), c.weekday) << c.date.year;
}
