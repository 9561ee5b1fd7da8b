// Sun transit, twilight, rise and set: worked examples, high latitudes, the count of
// iterates outside the station's day.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/sun.h"
#include "engine/calendar.h"

using namespace marevo;

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr float TokyoLat = 35.65f, TokyoLon = 139.766667f, Zone = 135;

// The sun's altitude in degrees at local standard hour of a date, from its position alone.
double SunAltitudeAt(int y, int m, int d, double localHour, double lat, double lon, double zone)
{
    const double eventTime = localHour * 15 - zone;
    const float f = static_cast<float>(eventTime / 360);
    const float T = CenturiesOf(DayNumber(y, m, d) + f);
    const Equatorial sun = SunEquatorial(T);
    const double H = (SiderealAngle(T, f) - sun.rightAscension + lon) * Pi / 180;
    const double phi = lat * Pi / 180, delta = sun.declination * Pi / 180;
    return std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(H)) * 180 / Pi;
}

void ExpectClock(float hour, int h, int m, const char* what)
{
    EXPECT_EQ(static_cast<int>(std::floor(hour)), h) << what;
    EXPECT_EQ(static_cast<int>(std::floor((hour - std::floor(hour)) * 60)), m) << what;
}

const float Altitudes[SunEventCount] = {-18, -6, SunriseAltitude, 0, SunriseAltitude, -6, -18};

} // namespace

TEST(Sun, WorkedExampleTokyo14May2008)
{
    float hours[SunEventCount];
    EXPECT_EQ(SunDayTimes(2008, 5, 14, TokyoLat, TokyoLon, Zone, hours), 0);
    const float expected[SunEventCount] = {2.9558f, 4.1442f, 4.6090f, 11.6226f, 18.6440f, 19.1102f, 20.3036f};
    const int clock[SunEventCount][2] = {{2, 57}, {4, 8}, {4, 36}, {11, 37}, {18, 38}, {19, 6}, {20, 18}};
    for (int s = 0; s < SunEventCount; ++s) {
        EXPECT_NEAR(hours[s], expected[s], 5e-5) << s;
        ExpectClock(hours[s], clock[s][0], clock[s][1], "14 May");
    }
}

TEST(Sun, WorkedExampleTokyo1January2008)
{
    float hours[SunEventCount];
    EXPECT_EQ(SunDayTimes(2008, 1, 1, TokyoLat, TokyoLon, Zone, hours), 0);
    const int clock[SunEventCount][2] = {{5, 19}, {6, 22}, {6, 50}, {11, 44}, {16, 38}, {17, 6}, {18, 9}};
    for (int s = 0; s < SunEventCount; ++s) ExpectClock(hours[s], clock[s][0], clock[s][1], "1 January");
}

TEST(Sun, EventsStandAtTheirAltitudes)
{
    // Two fixed steps put each event within a few hundredths of a degree of its altitude,
    // and the transit on the meridian (the sun's highest point of the day).
    struct { int y, m, d; float lat, lon; } rows[] = {
        {2008, 5, 14, TokyoLat, TokyoLon}, {2008, 1, 1, TokyoLat, TokyoLon},
        {2024, 6, 21, 26.2f, 127.68f}, {2023, 12, 22, 45.4f, 141.68f}, {2025, 3, 20, 33.6f, 130.4f},
    };
    for (auto r : rows) {
        float hours[SunEventCount];
        ASSERT_EQ(SunDayTimes(r.y, r.m, r.d, r.lat, r.lon, Zone, hours), 0);
        for (int s = 0; s < SunEventCount; ++s) {
            if (s == MeridianPassage) continue;
            EXPECT_NEAR(SunAltitudeAt(r.y, r.m, r.d, hours[s], r.lat, r.lon, Zone), Altitudes[s], 0.05)
                << r.y << "-" << r.m << "-" << r.d << " slot " << s;
        }
        const double top = SunAltitudeAt(r.y, r.m, r.d, hours[MeridianPassage], r.lat, r.lon, Zone);
        EXPECT_GE(top, SunAltitudeAt(r.y, r.m, r.d, hours[MeridianPassage] - 0.05, r.lat, r.lon, Zone));
        EXPECT_GE(top, SunAltitudeAt(r.y, r.m, r.d, hours[MeridianPassage] + 0.05, r.lat, r.lon, Zone));
    }
}

TEST(Sun, TransitStartsFromLocalMeanNoon)
{
    // At 135 E the start is 45 (03:00 UT); the transit lies within the equation of time
    // (at most about 17 minutes) of 12:00 on every day of the year.
    for (int day = 1; day <= 366; ++day) {
        int y = 2008, m = 1, d = day;
        NormalizeDate(y, m, d);
        const float t = SunTransit(static_cast<float>(DayNumber(y, m, d)), 135);
        EXPECT_LT(std::fabs((t + 135) / 15 - 12), 17.0 / 60) << m << "-" << d;
    }
}

TEST(Sun, JapaneseLatitudesHaveAllSevenEventsEveryDay)
{
    for (float lat : {24.0f, 35.65f, 46.0f}) {
        for (int day = 1; day <= 366; ++day) {
            int y = 2008, m = 1, d = day;
            NormalizeDate(y, m, d);
            float hours[SunEventCount];
            ASSERT_EQ(SunDayTimes(y, m, d, lat, 139.0f, Zone, hours), 0) << lat << " " << m << "-" << d;
            for (int s = 0; s < SunEventCount; ++s) ASSERT_NE(hours[s], NoEvent) << lat << " " << m << "-" << d;
            for (int s = 1; s < SunEventCount; ++s) ASSERT_LT(hours[s - 1], hours[s]) << lat << " " << m << "-" << d;
        }
    }
}

TEST(Sun, HighLatitudesNearTheJuneSolstice)
{
    float hours[SunEventCount];
    // 60 N (zone meridian 30): the sun never gets 18 degrees below the horizon.
    EXPECT_EQ(SunDayTimes(2008, 6, 21, 60, 25, 30, hours), 0);
    EXPECT_EQ(hours[AstronomicalDawn], NoEvent);
    EXPECT_EQ(hours[AstronomicalDusk], NoEvent);
    for (int s : {CivilDawn, Sunrise, MeridianPassage, Sunset, CivilDusk}) EXPECT_NE(hours[s], NoEvent) << s;
    EXPECT_LT(hours[CivilDawn], hours[Sunrise]);
    EXPECT_LT(hours[Sunset], hours[CivilDusk]);
    // Civil dawn started from the transit, so it is found all the same, at its altitude.
    EXPECT_NEAR(SunAltitudeAt(2008, 6, 21, hours[CivilDawn], 60, 25, 30), -6, 0.1);
    EXPECT_NEAR(SunAltitudeAt(2008, 6, 21, hours[Sunrise], 60, 25, 30), SunriseAltitude, 0.1);

    // 70 N: midnight sun, only the transit.
    EXPECT_EQ(SunDayTimes(2008, 6, 21, 70, 25, 30, hours), 0);
    for (int s = 0; s < SunEventCount; ++s) {
        if (s == MeridianPassage)
            EXPECT_NEAR(hours[s], 12.0 + (30 - 25) / 15.0, 0.1);
        else
            EXPECT_EQ(hours[s], NoEvent) << s;
    }
    // 70 N in December: no sunrise or sunset, twilight only.
    EXPECT_EQ(SunDayTimes(2008, 12, 21, 70, 25, 30, hours), 0);
    EXPECT_EQ(hours[Sunrise], NoEvent);
    EXPECT_EQ(hours[Sunset], NoEvent);
    EXPECT_NE(hours[CivilDawn], NoEvent);
    EXPECT_NE(hours[AstronomicalDusk], NoEvent);
}

TEST(Sun, IterateOutsideTheStationsDayIsCountedAndKept)
{
    // 52 S on 21 November 2008: the sun's lowest point is barely 18 degrees down, so the
    // hour angle of astronomical dawn is close to 180 and the first step from the transit
    // goes back past the station's mean midnight.
    const float d = static_cast<float>(DayNumber(2008, 11, 21));
    const float transit = SunTransit(d, TokyoLon);
    int outside = 0;
    const float dawn = SunAltitudeEvent(-18, -1, transit, d, -52, TokyoLon, outside);
    EXPECT_EQ(outside, 1);
    ASSERT_NE(dawn, NoEvent);
    EXPECT_NEAR(SunAltitudeAt(2008, 11, 21, (dawn + Zone) / 15, -52, TokyoLon, Zone), -18, 0.2);
    // The count adds up over the day and the value is kept.
    float hours[SunEventCount];
    EXPECT_EQ(SunDayTimes(2008, 11, 21, -52, TokyoLon, Zone, hours), 1);
    EXPECT_FLOAT_EQ(hours[AstronomicalDawn], static_cast<float>((dawn + Zone) * 0.06666667f));
    EXPECT_EQ(hours[AstronomicalDusk], NoEvent);
    // The counter is added to, not reset.
    outside = 5;
    SunAltitudeEvent(-18, -1, transit, d, -52, TokyoLon, outside);
    EXPECT_EQ(outside, 6);
}
