// Sun and moon positions, sidereal time, the hour angle at an altitude, angle reduction.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/ephemeris.h"
#include "engine/calendar.h"

using namespace marevo;

namespace {
constexpr double Pi = 3.14159265358979323846;
// 12:00 at UTC+9 on 2008-05-14.
const float T0 = CenturiesOf(3055.625);
} // namespace

TEST(Ephemeris, WorkedExampleAtNoonOf14May2008)
{
    EXPECT_NEAR(T0, 0.08365846, 5e-9);
    EXPECT_NEAR(SunLongitude(T0), 53.7169, 5e-5);
    const Equatorial sun = SunEquatorial(T0);
    EXPECT_NEAR(sun.rightAscension, 51.3350, 5e-5);
    EXPECT_NEAR(sun.declination, 18.7028, 5e-5);
    EXPECT_NEAR(MoonLongitude(T0), 167.1356, 5e-5);
    EXPECT_NEAR(MoonLatitude(T0), -1.9898, 5e-5);
    EXPECT_NEAR(MoonParallax(T0), 0.94469, 5e-6);
    const MoonPlace moon = MoonEquatorial(T0);
    EXPECT_FLOAT_EQ(moon.longitude, MoonLongitude(T0));
    EXPECT_NEAR(moon.rightAscension, 167.3901, 5e-5);
    EXPECT_NEAR(moon.declination, 3.2475, 5e-5);
    EXPECT_NEAR(moon.parallaxArcmin, 56.684, 5e-4);
    EXPECT_NEAR(moon.semiDiameterArcmin, 15.446, 5e-4);
    EXPECT_NEAR(SiderealAngle(T0, 0.125f), 277.2292, 5e-5);
}

TEST(Ephemeris, ReductionsAndRanges)
{
    // The series reduce before converting to radians: 720.5 is 0.5 degrees, and -90 is
    // taken as 270, which the imprecise pi of the conversion tells apart by its sign.
    EXPECT_NEAR(CosineTerm(720.0f, 1.0f, 0.5f), 0.9999619230641713, 1e-9);
    EXPECT_NEAR(CosineTerm(-90.0f, 1.0f, 0.0f), 5.196e-7, 1e-9);
    EXPECT_NEAR(ReduceDegrees(-10), 350, 1e-12);
    EXPECT_NEAR(ReduceDegrees(1e6 + 0.25), std::fmod(1e6 + 0.25, 360.0), 1e-9);
    // A longitude that rounds up to 360 as a float comes back as 0.
    EXPECT_EQ(ReduceLongitude(-1e-6), 0.0f);
    EXPECT_EQ(ReduceLongitude(360.0), 0.0f);
    EXPECT_NEAR(ReduceLongitude(720.25), 0.25f, 1e-5);
    // Over a century of days both longitudes stay in [0, 360).
    for (int day = -20000; day < 20000; day += 7) {
        const float T = CenturiesOf(day + 0.3);
        const float sun = SunLongitude(T), moon = MoonLongitude(T);
        ASSERT_TRUE(sun >= 0 && sun < 360) << day;
        ASSERT_TRUE(moon >= 0 && moon < 360) << day;
        ASSERT_LT(std::fabs(MoonLatitude(T)), 5.9) << day;
        const Equatorial eq = SunEquatorial(T);
        ASSERT_TRUE(eq.rightAscension >= 0 && eq.rightAscension < 360) << day;
        ASSERT_LT(std::fabs(eq.declination), 23.45) << day;
    }
}

TEST(Ephemeris, MoonMovesAboutThirteenDegreesADay)
{
    // Mean motion 13.176 degrees a day; the periodic terms change a day's motion by at most
    // about 2 degrees either way.
    for (int day = 0; day < 400; day += 3) {
        double step = MoonLongitude(CenturiesOf(day + 1.0)) - MoonLongitude(CenturiesOf(day));
        if (step < 0) step += 360;
        EXPECT_GT(step, 11.0) << day;
        EXPECT_LT(step, 15.5) << day;
    }
}

TEST(Ephemeris, HourAngleAtAltitude)
{
    // acos 0 times the degree factor built on pi = 3.141593: a hair under 90.
    const float h = HourAngleAtAltitude(0, 35, 0);
    EXPECT_LT(h, 90.0f);
    EXPECT_NEAR(h, 89.99999, 2e-5);
    // Midnight sun at 70 N in June; polar night in December.
    EXPECT_EQ(HourAngleAtAltitude(-0.9033333f, 70, 23.44f), NoEvent);
    EXPECT_EQ(HourAngleAtAltitude(-0.9033333f, 70, -23.44f), NoEvent);
    // Close to the bounds of the cosine: just inside gives about 180 or 0, just outside none.
    EXPECT_GT(HourAngleAtAltitude(0, 60, 29.99f), 178.0f);
    EXPECT_LE(HourAngleAtAltitude(0, 60, 29.99f), 180.0f);
    EXPECT_EQ(HourAngleAtAltitude(0, 60, 30.01f), NoEvent);
    EXPECT_NEAR(HourAngleAtAltitude(89.99f, 0, 0), 0.01, 1e-3);
    // Equinox at the equator: six hours from the meridian to the horizon, both ways.
    EXPECT_NEAR(HourAngleAtAltitude(0, 0, 0), 90, 1e-4);
    // Table: tan rule at the horizon, cos H0 = -tan(phi) tan(delta).
    struct { float phi, delta; } rows[] = {{35.65f, 18.7f}, {45, -20}, {24, 23.4f}, {-33.9f, 10}};
    for (auto r : rows) {
        const double expected = std::acos(-std::tan(r.phi * Pi / 180) * std::tan(r.delta * Pi / 180)) * 180 / Pi;
        EXPECT_NEAR(HourAngleAtAltitude(0, r.phi, r.delta), expected, 1e-3) << r.phi;
    }
}
