// Astronomical arguments, nodal factors and angles, and the prepared constituent tables.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/constituents.h"

using namespace marevo;

namespace {

// A port on the zone meridian: Longitude = StandardMeridian = 135.
Station OnMeridian()
{
    Station s;
    s.Longitude = 135.0f;
    s.StandardMeridian = 135.0f;
    return s;
}

ConstituentTables Prepared(int year, int month, int day, const Station& s, Calendar& cal)
{
    ConstituentTables t;
    SetFebruaryForYear(cal, year);
    PrepareConstituents(year, month, day, s, cal, t);
    return t;
}

} // namespace

TEST(Constituents, ArgumentsAndNodalCorrectionsOf2008May14)
{
    // D = 134 (leap year), L = 2, n = 136.
    const AstronomicalAngles a = AstronomicalArguments(2008, 136);
    EXPECT_NEAR(a.s, 158.7955, 5e-5);
    EXPECT_NEAR(a.h, 52.1123, 5e-5);
    EXPECT_NEAR(a.p, 63.7473, 5e-5);
    EXPECT_NEAR(a.N, 323.2443, 5e-5);
    float f[NodCount], u[NodCount];
    BaseNodalFactors(a.p, a.N, f);
    BaseNodalAngles(a.p, a.N, u);
    struct { BaseNodal k; double f, u; } expected[] = {
        {NodM2, 0.9706, 1.28}, {NodK1, 1.0954, 4.72}, {NodO1, 1.1541, -5.36},
        {NodL2, 1.2596, -9.18}, {NodM1, 1.3619, 53.41},
    };
    for (const auto& e : expected) {
        EXPECT_NEAR(f[e.k], e.f, 5e-5) << e.k;
        EXPECT_NEAR(u[e.k], e.u, 5e-3) << e.k;
    }
    EXPECT_EQ(u[NodMm], 0.0f);

    // The same through PrepareConstituents, which counts D and L itself.
    Calendar cal;
    const ConstituentTables t = Prepared(2008, 5, 14, OnMeridian(), cal);
    EXPECT_EQ(cal.Weekday, 3); // a Wednesday
    EXPECT_FLOAT_EQ(t.NodalFactor[IndexM2], f[NodM2]);
    EXPECT_FLOAT_EQ(t.NodalAngle[IndexK1], u[NodK1]);
    EXPECT_NEAR(t.EquilibriumArgument[IndexM2], std::fmod(2 * 52.1123 - 2 * 158.7955 + 1.28 + 720, 360), 0.01);
}

TEST(Constituents, ArgumentsOf2000January1AreTheEpochValues)
{
    const AstronomicalAngles a = AstronomicalArguments(2000, 0);
    EXPECT_EQ(a.s, 211.728f);
    EXPECT_EQ(a.h, 279.974f);
    EXPECT_EQ(a.p, 83.298f);
    EXPECT_EQ(a.N, 125.071f);
    float f[NodCount], u[NodCount];
    BaseNodalFactors(a.p, a.N, f);
    BaseNodalAngles(a.p, a.N, u);
    EXPECT_NEAR(f[NodM2], 1.0218, 5e-5);
    EXPECT_NEAR(u[NodM2], -1.75, 5e-3);
    Calendar cal;
    const ConstituentTables t = Prepared(2000, 1, 1, OnMeridian(), cal);
    EXPECT_EQ(cal.Weekday, 6);
    EXPECT_FLOAT_EQ(t.NodalFactor[IndexM2], f[NodM2]);
}

TEST(Constituents, DerivedCorrectionsFollowTheirBases)
{
    Calendar cal;
    const ConstituentTables t = Prepared(2008, 5, 14, OnMeridian(), cal);
    const AstronomicalAngles a = AstronomicalArguments(2008, 136);
    float f[NodCount], u[NodCount];
    BaseNodalFactors(a.p, a.N, f);
    BaseNodalAngles(a.p, a.N, u);
    // index, expected f, expected u
    struct { int i; double f, u; } rows[] = {
        {0, 1, 0}, {2, f[NodMm], 0}, {3, f[NodM2], -u[NodM2]}, {4, f[NodMf], u[NodMf]},
        {9, f[NodM1], u[NodM1]}, {12, 1, 0}, {16, f[NodJ1], u[NodJ1]}, {17, f[NodO1], -u[NodO1]},
        {18, f[NodOO1], u[NodOO1]}, {23, f[NodO1], u[NodO1]}, {26, f[NodL2], u[NodL2]},
        {28, 1, 0}, {30, f[NodK2], u[NodK2]}, {32, f[NodO1] * f[NodM2], u[NodO1] + u[NodM2]},
        {33, std::pow(f[NodM2], 1.5), 1.5 * u[NodM2]}, {34, f[NodK1] * f[NodM2], u[NodK1] + u[NodM2]},
        {36, f[NodM2] * f[NodM2], 2 * u[NodM2]}, {38, std::pow(f[NodM2], 3), 3 * u[NodM2]},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(t.NodalFactor[r.i], r.f, 1e-6) << r.i;
        EXPECT_NEAR(t.NodalAngle[r.i], r.u, 1e-5) << r.i;
    }
    const int species[ConstituentCount] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2,
                                           2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 6, 6};
    for (int i = 0; i < ConstituentCount; ++i) {
        EXPECT_EQ(t.Species[i], species[i]) << i;
        EXPECT_GE(t.EquilibriumArgument[i], 0.0f);
        EXPECT_LT(t.EquilibriumArgument[i], 360.0f);
        EXPECT_GE(t.PhaseOffset[i], 0.0f);
        EXPECT_LT(t.PhaseOffset[i], 360.0f);
    }
    EXPECT_FLOAT_EQ(t.ConstituentSpeed[IndexM2], 28.984104f);
    EXPECT_FLOAT_EQ(t.ConstituentSpeed[16], 15.5854435f);
}

TEST(Constituents, OffsetsOfAPortOnTheZoneMeridian)
{
    Calendar cal;
    for (int day : {1, 14, 28}) {
        const ConstituentTables t = Prepared(2008, 5, day, OnMeridian(), cal);
        // S2: 2 * 135 and 30 * 135 / 15 cancel, and V0 + u of S2 is 0.
        EXPECT_NEAR(t.PhaseOffset[IndexS2], 0.0, 1e-4);
        EXPECT_NEAR(t.EquilibriumArgument[IndexS2], 0.0, 1e-6);
        // M2: 270 - 28.984104 * 9 = 9.143064 on top of V0 + u.
        const double m2 = std::fmod(t.EquilibriumArgument[IndexM2] + 9.143064, 360.0);
        EXPECT_NEAR(t.PhaseOffset[IndexM2], m2, 2e-3) << day;
    }
}

TEST(Constituents, MeanLongitudesRunOnSmoothlyAcrossYearsAndLeapDays)
{
    // The sun's mean longitude gains 0.985647 degrees a day and the moon's 13.176396 from
    // one day to the next, across 31 December and 29 February alike, if the day of the year
    // and the leap days since 2000 are counted right.
    struct { int y1, m1, d1, y2, m2, d2; } steps[] = {
        {1999, 12, 31, 2000, 1, 1}, {2008, 12, 31, 2009, 1, 1}, {2008, 2, 28, 2008, 2, 29},
        {2008, 2, 29, 2008, 3, 1}, {2007, 2, 28, 2007, 3, 1}, {1995, 12, 31, 1996, 1, 1},
        {1996, 12, 31, 1997, 1, 1}, {2024, 12, 31, 2025, 1, 1}, {2050, 6, 30, 2050, 7, 1},
    };
    for (const auto& s : steps) {
        Calendar cal;
        SetFebruaryForYear(cal, s.y1);
        const int D1 = DayOfYear(s.m1, s.d1, cal.MonthLengths);
        const int L1 = static_cast<int>(Truncate((s.y1 + 3) * 0.25)) - 500;
        SetFebruaryForYear(cal, s.y2);
        const int D2 = DayOfYear(s.m2, s.d2, cal.MonthLengths);
        const int L2 = static_cast<int>(Truncate((s.y2 + 3) * 0.25)) - 500;
        const AstronomicalAngles a = AstronomicalArguments(s.y1, D1 + L1);
        const AstronomicalAngles b = AstronomicalArguments(s.y2, D2 + L2);
        EXPECT_NEAR(Reduce360(b.h - a.h), 0.985647, 0.002) << s.y1 << "-" << s.m1 << "-" << s.d1;
        EXPECT_NEAR(Reduce360(b.s - a.s), 13.176396, 0.01) << s.y1 << "-" << s.m1 << "-" << s.d1;
    }
    // Leap days counted from 2000: 0 for 1997 to 2000, 2 for 2008, -1 for 1996.
    EXPECT_EQ(static_cast<int>(Truncate((2008 + 3) * 0.25)) - 500, 2);
}

TEST(Constituents, EveryYearOfTheEraComputesFiniteValuesInRange)
{
    Station s;
    s.Longitude = -70.5f;
    s.StandardMeridian = -75.0f;
    for (int year : {1, 4, 100, 1582, 1900, 1996, 2100, 9999}) {
        Calendar cal;
        const ConstituentTables t = Prepared(year, 12, 31, s, cal);
        for (int i = 0; i < ConstituentCount; ++i) {
            EXPECT_TRUE(std::isfinite(t.NodalFactor[i])) << year << " " << i;
            EXPECT_GE(t.PhaseOffset[i], 0.0f) << year << " " << i;
            EXPECT_LT(t.PhaseOffset[i], 360.0f) << year << " " << i;
        }
        EXPECT_GE(cal.Weekday, 0);
        EXPECT_LE(cal.Weekday, 6);
    }
}

TEST(Constituents, L2FactorWhereItsSineTermVanishes)
{
    // p = 0 and N = 0: every sine term of L2 is 0, so Xs = 0 and u = 0; Xc = 1 - 0.2505
    // - 0.1102 - 0.0156 - 0.037 = 0.5867 is the factor.
    float f[NodCount], u[NodCount];
    BaseNodalFactors(0.0f, 0.0f, f);
    BaseNodalAngles(0.0f, 0.0f, u);
    EXPECT_NEAR(f[NodL2], 0.5867, 1e-6);
    EXPECT_EQ(u[NodL2], 0.0f);
}
