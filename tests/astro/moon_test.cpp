// Moon transit, rise and set with their days, age, elongation and illuminated fraction.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/moon.h"
#include "engine/calendar.h"

using namespace marevo;

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr float TokyoLat = 35.65f, TokyoLon = 139.766667f, Zone = 135;

MoonDayRecord Tokyo(int y, int m, int d)
{
    Calendar cal;
    SetFebruaryForYear(cal, y);
    return MoonDayEvents(y, m, d, TokyoLat, TokyoLon, Zone, cal.MonthLengths);
}

// The altitude of the moon's centre above the altitude of its rise and set, degrees, at an
// hour of a date given as hours from 0:00 of that date (may be negative or past 24).
double MoonAboveHorizonEvent(int y, int m, int d, double localHour, double lat, double lon)
{
    const double eventTime = localHour * 15 - Zone;
    const float f = static_cast<float>(eventTime / 360);
    const float T = CenturiesOf(DayNumber(y, m, d) + f);
    const MoonPlace moon = MoonEquatorial(T);
    const double h0 = (moon.parallaxArcmin - moon.semiDiameterArcmin - 34) / 60;
    const double H = (SiderealAngle(T, f) - moon.rightAscension + lon) * Pi / 180;
    const double phi = lat * Pi / 180, delta = moon.declination * Pi / 180;
    return std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(H)) * 180 / Pi - h0;
}

// Hours from 0:00 of the date of an event shown with its day of the month: a rise can only
// move to the day before, a transit or a set only to the day after.
double Before(float hour, int eventDay, int day) { return eventDay == day ? hour : hour - 24.0; }
double After(float hour, int eventDay, int day) { return eventDay == day ? hour : hour + 24.0; }

} // namespace

TEST(Moon, WorkedExampleTokyo14May2008)
{
    const MoonDayRecord r = Tokyo(2008, 5, 14);
    EXPECT_NEAR(r.age, 8.608, 5e-4);
    EXPECT_NEAR(r.elongation, 113.42, 5e-3);
    EXPECT_NEAR(r.illuminated, 69.97, 5e-3);
    EXPECT_NEAR(r.rise, 13.2649, 5e-5);
    EXPECT_EQ(r.riseDay, 14);
    EXPECT_NEAR(r.transit, 19.5730, 5e-5);
    EXPECT_EQ(r.transitDay, 14);
    EXPECT_NEAR(r.set, 1.7316, 5e-5);
    EXPECT_EQ(r.setDay, 15);
}

TEST(Moon, WorkedExampleTokyo21June2024)
{
    const MoonDayRecord r = Tokyo(2024, 6, 21);
    EXPECT_NEAR(r.age, 14.60, 5e-3);
    EXPECT_NEAR(r.illuminated, 98.84, 5e-3);
    EXPECT_NEAR(r.rise, 18.6020, 5e-5);
    EXPECT_EQ(r.riseDay, 21);
    EXPECT_NEAR(r.transit, 23.2864, 5e-5);
    EXPECT_EQ(r.transitDay, 21);
    EXPECT_NEAR(r.set, 3.9477, 5e-5);
    EXPECT_EQ(r.setDay, 22);
}

TEST(Moon, DayLabelsAcrossMonthAndYearEnds)
{
    struct Row {
        int y, m, d;
        int riseDay, transitDay, setDay;
        const char* what;
    } rows[] = {
        {2016, 3, 1, 29, 1, 1, "rise on 29 February of a leap year"},
        {2005, 3, 1, 28, 1, 1, "rise on 28 February of a common year"},
        {2005, 1, 1, 31, 1, 1, "rise on 31 December"},
        {2003, 12, 31, 31, 31, 1, "set after midnight at the end of the year"},
        {2009, 9, 30, 30, 30, 1, "set after midnight at the end of a 30-day month"},
        {2004, 7, 3, 3, 4, 4, "transit after midnight moves to the next day"},
        {2001, 12, 31, 31, 1, 1, "transit and set on 1 January"},
    };
    for (const Row& r : rows) {
        const MoonDayRecord rec = Tokyo(r.y, r.m, r.d);
        EXPECT_EQ(rec.riseDay, r.riseDay) << r.what;
        EXPECT_EQ(rec.transitDay, r.transitDay) << r.what;
        EXPECT_EQ(rec.setDay, r.setDay) << r.what;
        for (float h : {rec.rise, rec.transit, rec.set}) {
            EXPECT_GE(h, 0.0f) << r.what;
            EXPECT_LE(h, 24.0f) << r.what;
        }
    }
    // The previous day's rise is late in the evening (a waning moon rising near midnight).
    EXPECT_GT(Tokyo(2016, 3, 1).rise, 23.0f);
}

TEST(Moon, OnePassageBracketedByItsRiseAndSet)
{
    // Every day of 2008 at 24 N, Tokyo and 46 N: rise, transit and set exist, the rise
    // before the transit before the set, the transit on the date or just after it, and the
    // moon at its rise and set altitude at the rise and the set.
    for (float lat : {24.0f, TokyoLat, 46.0f}) {
        Calendar cal;
        SetFebruaryForYear(cal, 2008);
        for (int day = 1; day <= 366; ++day) {
            int y = 2008, m = 1, d = day;
            NormalizeDate(y, m, d);
            const MoonDayRecord r = MoonDayEvents(y, m, d, lat, TokyoLon, Zone, cal.MonthLengths);
            ASSERT_NE(r.rise, NoEvent) << m << "-" << d;
            ASSERT_NE(r.set, NoEvent) << m << "-" << d;
            const int len = cal.MonthLengths[m];
            const double rise = Before(r.rise, r.riseDay, d);
            const double transit = After(r.transit, r.transitDay, d);
            const double set = After(r.set, r.setDay, d);
            ASSERT_LT(rise, transit) << m << "-" << d;
            ASSERT_LT(transit, set) << m << "-" << d;
            ASSERT_GE(transit, 0.0) << m << "-" << d;
            ASSERT_LT(transit, 25.0) << m << "-" << d;
            ASSERT_LT(set - rise, 18.0) << m << "-" << d;
            ASSERT_TRUE(r.setDay == d || r.setDay == (d == len ? 1 : d + 1)) << m << "-" << d;
            ASSERT_NEAR(MoonAboveHorizonEvent(y, m, d, rise, lat, TokyoLon), 0, 0.05) << m << "-" << d;
            ASSERT_NEAR(MoonAboveHorizonEvent(y, m, d, set, lat, TokyoLon), 0, 0.05) << m << "-" << d;
            ASSERT_TRUE(r.illuminated >= 0 && r.illuminated <= 100);
            ASSERT_TRUE(r.elongation >= 0 && r.elongation < 360);
        }
    }
}

TEST(Moon, IlluminatedFractionFollowsThePhase)
{
    // New moon 5 May 2008 (21:18 zone time), full moon 20 May (11:11), first quarter 12 May.
    EXPECT_LT(Tokyo(2008, 5, 5).illuminated, 1.0f);
    EXPECT_GT(Tokyo(2008, 5, 20).illuminated, 99.0f);
    const MoonDayRecord quarter = Tokyo(2008, 5, 12);
    EXPECT_NEAR(quarter.illuminated, 50, 3);
    EXPECT_NEAR(quarter.elongation, 90, 3);
    // Waning: the elongation past 180.
    EXPECT_GT(Tokyo(2008, 5, 28).elongation, 180.0f);
}

TEST(Moon, MissingRiseStillGivesTheSet)
{
    // 66 N (zone meridian 30), 16 March 2008: the moon does not rise for this passage but
    // sets the next morning.
    Calendar cal;
    SetFebruaryForYear(cal, 2008);
    const MoonDayRecord r = MoonDayEvents(2008, 3, 16, 66, 25, 30, cal.MonthLengths);
    EXPECT_EQ(r.rise, NoEvent);
    ASSERT_NE(r.set, NoEvent);
    EXPECT_EQ(r.setDay, 17);
    EXPECT_GT(r.set, 0.0f);
    EXPECT_LT(r.set, 24.0f);
    float rise, set;
    const float d = static_cast<float>(DayNumber(2008, 3, 16));
    MoonRiseSet(d, 66, 25, MoonTransit(d, 25, 30), rise, set);
    EXPECT_EQ(rise, NoEvent);
    EXPECT_NE(set, NoEvent);
}

TEST(Moon, TransitIterationAlwaysEnds)
{
    int steps = 0;
    // A real date takes a few steps.
    MoonTransit(static_cast<float>(DayNumber(2008, 5, 14)), TokyoLon, Zone, steps);
    EXPECT_LT(steps, 10);
    // Some 27000 years on, a single-precision T no longer resolves a day: the right
    // ascension jumps between steps and the iterate never settles. The cap ends each pass.
    const float t = MoonTransit(1.0e7f, TokyoLon, Zone, steps);
    EXPECT_GE(steps, MoonTransitStepLimit);
    EXPECT_LE(steps, 2 * MoonTransitStepLimit);
    EXPECT_TRUE(std::isfinite(t));
    // A position that is not a number ends at once.
    MoonTransit(3055.5f, std::nanf(""), Zone, steps);
    EXPECT_LE(steps, 2);
}
