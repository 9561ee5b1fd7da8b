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

TEST(Constituents, FurtherConstituentsFollowTheirDoodsonNumbersAndComponents)
{
    // Doodson numbers (tau, s, h, p and quarter turns) of the 20 as the IHO list gives them
    // (XDO digits of @neaps/tide-predictor 0.11.0), and their components among the 40 as
    // index * factor: u = sum of factor * u, f = product of f to |factor|, and for the
    // compound tides (all but the first four, which take the corrections of O1 or J1) also
    // speed and species as the sum of the components'.
    struct Member { int index, factor; };
    struct Row { const char* name; int tau, s, h, p, quarter; Member m[3]; };
    constexpr int Q1 = 5, O1 = IndexO1, K1 = IndexK1, J1 = 16, N2 = 21, M2 = IndexM2, S2 = IndexS2,
                  K2 = 30;
    const Row rows[ExtraConstituentCount] = {
        {"2Q1", 1, -3, 0, 2, 1, {{O1, 1}}},          {"sigma1", 1, -3, 2, 0, 1, {{O1, 1}}},
        {"chi1", 1, 0, 2, -1, -1, {{J1, 1}}},        {"theta1", 1, 2, -2, 1, -1, {{J1, 1}}},
        {"OQ2", 2, -3, 0, 1, -2, {{O1, 1}, {Q1, 1}}}, {"MNS2", 2, -3, 2, 1, 0, {{M2, 1}, {N2, 1}, {S2, -1}}},
        {"MKS2", 2, 0, 2, 0, 0, {{M2, 1}, {K2, 1}, {S2, -1}}},
        {"MSN2", 2, 3, -2, -1, 0, {{M2, 1}, {S2, 1}, {N2, -1}}},
        {"KJ2", 2, 3, 0, -1, -2, {{K1, 1}, {J1, 1}}}, {"SO3", 3, 1, -2, 0, 1, {{S2, 1}, {O1, 1}}},
        {"MN4", 4, -1, 0, 1, 0, {{M2, 1}, {N2, 1}}},  {"SN4", 4, 1, -2, 1, 0, {{S2, 1}, {N2, 1}}},
        {"MK4", 4, 2, 0, 0, 0, {{M2, 1}, {K2, 1}}},   {"S4", 4, 4, -4, 0, 0, {{S2, 2}}},
        {"SK4", 4, 4, -2, 0, 0, {{S2, 1}, {K2, 1}}},  {"2MN6", 6, -1, 0, 1, 0, {{M2, 2}, {N2, 1}}},
        {"MSN6", 6, 1, -2, 1, 0, {{M2, 1}, {S2, 1}, {N2, 1}}},
        {"2MK6", 6, 2, 0, 0, 0, {{M2, 2}, {K2, 1}}},  {"2SM6", 6, 4, -4, 0, 0, {{S2, 2}, {M2, 1}}},
        {"MSK6", 6, 4, -2, 0, 0, {{M2, 1}, {S2, 1}, {K2, 1}}},
    };
    // Rates of the mean longitudes (degrees an hour) and tau = 15 - s' + h'.
    const double rs = 0.5490165, rh = 0.0410686, rp = 0.0046418, rtau = 15.0 - rs + rh;
    const auto mod360 = [](double x) { return x - 360.0 * std::floor(x / 360.0); };
    const auto turn = [&](double a) { return std::fabs(mod360(a + 180.0) - 180.0); };

    for (int y : {1995, 2008, 2019}) {
        Calendar cal;
        const ConstituentTables t = Prepared(y, 5, 14, OnMeridian(), cal);
        const AstronomicalAngles a = AstronomicalArguments(y, DayOfYear(5, 14, cal.MonthLengths) +
                                                                  static_cast<int>(Truncate((y + 3) * 0.25)) - 500);
        float v0[MaxConstituents];
        EquilibriumArguments(a.s, a.h, a.p, v0);
        for (int k = 0; k < ExtraConstituentCount; ++k) {
            const Row& r = rows[k];
            const int i = ConstituentCount + k;
            SCOPED_TRACE(r.name);
            EXPECT_STREQ(ExtraConstituentLabels[k], r.name);
            // Speed: the Doodson number, and the sum of the components' speeds of the 40.
            EXPECT_NEAR(t.ConstituentSpeed[i], r.tau * rtau + r.s * rs + r.h * rh + r.p * rp, 4e-6);
            double speed = 0, u = 0, f = 1;
            int species = 0;
            for (const Member& m : r.m) {
                if (m.factor == 0) continue;
                speed += m.factor * double(t.ConstituentSpeed[m.index]);
                species += m.factor * t.Species[m.index];
                u += m.factor * double(t.NodalAngle[m.index]);
                f *= std::pow(double(t.NodalFactor[m.index]), std::abs(m.factor));
            }
            EXPECT_EQ(t.Species[i], r.tau);
            if (k >= 4) {
                EXPECT_NEAR(t.ConstituentSpeed[i], speed, 2e-5);
                EXPECT_EQ(species, r.tau);
            }
            EXPECT_NEAR(t.NodalAngle[i], u, 1e-4);
            EXPECT_NEAR(t.NodalFactor[i], f, 1e-6);
            // V0 at 0 h UT: the Doodson argument with tau = 180 + h - s, to the same constant.
            const double doodson = (r.s - r.tau) * double(a.s) + (r.h + r.tau) * double(a.h) +
                                   r.p * double(a.p) + 180.0 * r.tau + 90.0 * r.quarter;
            EXPECT_LT(turn(v0[i] - doodson), 2e-3);
            EXPECT_LT(turn(t.EquilibriumArgument[i] - (doodson + u)), 2e-3);
            // On the zone meridian the offset is V0 + u + n 135 - sigma 9.
            EXPECT_LT(turn(t.PhaseOffset[i] - (t.EquilibriumArgument[i] + r.tau * 135.0 -
                                              9.0 * double(t.ConstituentSpeed[i]))),
                      2e-3);
        }
    }
}
