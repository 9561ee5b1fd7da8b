// Moon age, phase times and their dates, per-day ages and the tidal-range bands.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "astro/ephemeris.h"
#include "astro/moon_phase.h"
#include "engine/calendar.h"

using namespace marevo;

namespace {

struct Date {
    int y, m, d;
};

Date PhaseDateOf(Date first, float Pj)
{
    Date out;
    PhaseDate(first.y, first.m, first.d, Pj, out.y, out.m, out.d);
    return out;
}

void ExpectDate(Date got, Date expected, const char* what)
{
    EXPECT_EQ(got.y, expected.y) << what;
    EXPECT_EQ(got.m, expected.m) << what;
    EXPECT_EQ(got.d, expected.d) << what;
}

} // namespace

TEST(MoonPhase, NoonDayNumber)
{
    EXPECT_FLOAT_EQ(NoonDayNumber(2008, 5, 14, 135), 3055.625f);
    EXPECT_FLOAT_EQ(NoonDayNumber(2000, 1, 1, 0), 0.0f);     // noon at Greenwich
    EXPECT_FLOAT_EQ(NoonDayNumber(2000, 1, 1, -75), 0.2083333f); // 17:00 UT
}

TEST(MoonPhase, WorkedExample14May2008)
{
    float P[5];
    LunarPhaseTimesAtNoon(2008, 5, 14, 135, P);
    const float expected[5] = {8.608f, 1.966f, -5.971f, -14.003f, -20.694f};
    const int offsets[5] = {9, 2, -6, -14, -21};
    // New moon 5 May, first quarter 12 May, full moon 20 May, last quarter 28 May, new
    // moon 4 June (zone time +9).
    const Date dates[5] = {{2008, 5, 5}, {2008, 5, 12}, {2008, 5, 20}, {2008, 5, 28}, {2008, 6, 4}};
    for (int j = 0; j < 5; ++j) {
        EXPECT_NEAR(P[j], expected[j], 5e-4) << j;
        EXPECT_EQ(PhaseDayOffset(P[j]), offsets[j]) << j;
        ExpectDate(PhaseDateOf({2008, 5, 14}, P[j]), dates[j], PhaseNames[j]);
    }
    const float age = MoonAgeAtNoon(2008, 5, 14, 135);
    EXPECT_FLOAT_EQ(age, P[0]);
    EXPECT_EQ(TideRangeIndex(age), 3);
    EXPECT_STREQ(TideRangeNames[TideRangeIndex(age)], "長潮");
}

TEST(MoonPhase, WorkedExample21June2024)
{
    float P[5];
    LunarPhaseTimesAtNoon(2024, 6, 21, 135, P);
    EXPECT_NEAR(P[0], 14.60, 5e-3);
    EXPECT_EQ(TideRangeIndex(P[0]), 6);
    EXPECT_STREQ(TideRangeNames[TideRangeIndex(P[0])], "大潮");
    EXPECT_NEAR(P[2], -0.925, 5e-4);
    EXPECT_EQ(PhaseDayOffset(P[2]), -1);
    ExpectDate(PhaseDateOf({2024, 6, 21}, P[2]), {2024, 6, 22}, "full moon");
}

TEST(MoonPhase, PhasesInThePreviousMonthAndYear)
{
    // Published phases (UT): new moon 2007-12-09 17:40, first quarter 12-17 10:17, full
    // moon 12-24 01:16, last quarter 12-31 07:51, new moon 2008-01-08 11:37; in zone time
    // +9 on 10, 17, 24, 31 December and 8 January.
    float P[5];
    LunarPhaseTimesAtNoon(2008, 1, 2, 135, P);
    const Date fromJanuary[5] = {{2007, 12, 10}, {2007, 12, 17}, {2007, 12, 24}, {2007, 12, 31}, {2008, 1, 8}};
    for (int j = 0; j < 5; ++j) ExpectDate(PhaseDateOf({2008, 1, 2}, P[j]), fromJanuary[j], PhaseNames[j]);

    // From 2 June 2008 every phase but the next new moon lies in May.
    LunarPhaseTimesAtNoon(2008, 6, 2, 135, P);
    const Date fromJune[5] = {{2008, 5, 5}, {2008, 5, 12}, {2008, 5, 20}, {2008, 5, 28}, {2008, 6, 4}};
    for (int j = 0; j < 5; ++j) ExpectDate(PhaseDateOf({2008, 6, 2}, P[j]), fromJune[j], PhaseNames[j]);
}

TEST(MoonPhase, PhaseDayOffsetRoundsHalvesUp)
{
    struct { float P; int offset; } rows[] = {
        {-0.5f, 0}, {0.5f, 1}, {-3.2f, -3}, {0.0f, 0}, {0.49f, 0}, {1.5f, 2},
        {2.51f, 3}, {-0.51f, -1}, {-20.694f, -21}, {29.4f, 29},
    };
    for (auto r : rows) EXPECT_EQ(PhaseDayOffset(r.P), r.offset) << r.P;
}

TEST(MoonPhase, TideRangeBandsAreClosedAbove)
{
    const float above = [](float x) { return std::nextafter(x, 100.0f); }(1.5f);
    struct { float age; int index; } rows[] = {
        {-0.3f, 0}, {0.0f, 0}, {1.5f, 0}, {above, 1}, {5.5f, 1}, {5.6f, 2}, {8.5f, 2},
        {8.51f, 3}, {9.5f, 3}, {10.0f, 4}, {10.5f, 4}, {12.5f, 5}, {12.51f, 6}, {16.5f, 6},
        {20.5f, 7}, {23.5f, 8}, {24.5f, 9}, {25.5f, 10}, {27.5f, 11}, {29.9f, 12},
        {30.5f, 12}, {31.0f, 12},
    };
    for (auto r : rows) EXPECT_EQ(TideRangeIndex(r.age), r.index) << r.age;
    const char* names[13] = {"大潮", "中潮", "小潮", "長潮", "若潮", "中潮", "大潮",
                             "中潮", "小潮", "長潮", "若潮", "中潮", "大潮"};
    for (int i = 0; i < 13; ++i) EXPECT_STREQ(TideRangeNames[i], names[i]) << i;
    EXPECT_STREQ(PhaseNames[0], "新月");
    EXPECT_STREQ(PhaseNames[2], "満月");
    EXPECT_STREQ(PhaseNames[4], "新月");
}

TEST(MoonPhase, FindPhaseTimeAndAgesNearNewMoon)
{
    EXPECT_EQ(FindPhaseTime(3055.625f, 0, 0), 3055.625f);
    EXPECT_EQ(FindPhaseTime(3055.625f, 90, -2), 3055.625f);
    // The new moon of 5 May 2008 (12:18 UT, day number 3047.01): found from a day away.
    const float newMoon = FindPhaseTime(3046.0f, 0, 4);
    EXPECT_NEAR(newMoon, 3047.013, 0.02);
    // An instant an hour after it: the elongation is half a degree, the age small.
    const float e = newMoon + 1.0f / 24;
    const float T = CenturiesOf(e);
    const float age = MoonAge(e, MoonLongitude(T), SunLongitude(T));
    EXPECT_GT(age, 0.0f);
    EXPECT_NEAR(age, 1.0 / 24, 0.01);
    EXPECT_EQ(TideRangeIndex(age), 0);
}

TEST(MoonPhase, AgesStayWithinOneLunation)
{
    // Every noon of 2000 to 2030: 0 <= age < 29.9 days; each group of seven days keeps its
    // ages below the bound of the last band and continuous from day to day.
    for (double e = -0.375; e < 11000; e += 1.0) {
        const float T = CenturiesOf(e);
        const float age = MoonAge(static_cast<float>(e), MoonLongitude(T), SunLongitude(T));
        ASSERT_GE(age, 0.0f) << e;
        ASSERT_LT(age, 29.9f) << e;
    }
    for (double e = -0.375; e < 11000; e += 7.0) {
        float P[5];
        const float T = CenturiesOf(e);
        LunarPhaseTimes(static_cast<float>(e), MoonLongitude(T), SunLongitude(T), P);
        ASSERT_GT(P[0], P[1]);
        ASSERT_GT(P[1], P[2]);
        ASSERT_GT(P[2], P[3]);
        ASSERT_GT(P[3], P[4]);
        ASSERT_LT(P[4], 0.0f) << e;
        for (int k = 0; k < 7; ++k) {
            const float age = DayAge(P[0], P[4], k);
            ASSERT_GE(age, 0.0f) << e << " " << k;
            ASSERT_LE(age, 30.5f) << e << " " << k;
        }
    }
}

TEST(MoonPhase, DayAgeSwitchesToTheNextNewMoon)
{
    // 2 June 2008: age 27.61, next new moon 1.69 days ahead.
    EXPECT_FLOAT_EQ(DayAge(27.61f, -1.69f, 0), 27.61f);
    EXPECT_FLOAT_EQ(DayAge(27.61f, -1.69f, 1), 28.61f);
    EXPECT_NEAR(DayAge(27.61f, -1.69f, 2), 0.31f, 1e-5);
    EXPECT_NEAR(DayAge(27.61f, -1.69f, 6), 4.31f, 1e-5);
    // Exactly at the next new moon the old lunation still counts.
    EXPECT_FLOAT_EQ(DayAge(27.5f, -2.0f, 2), 29.5f);
}
