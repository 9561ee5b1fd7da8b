// The 60 tidal constituents (the 40 of every port file and 20 further ones): speeds, species,
// equilibrium arguments V0, nodal factors f and angles u for 0 h zone time of a civil date.
// Speeds in degrees per hour, angles in degrees.
#include "engine/constituents.h"

#include <cmath>

#include "engine/elementary.h"

namespace marevo {
namespace {

float R(double x) { return static_cast<float>(Reduce360(static_cast<float>(x))); }
double Cos(double deg) { return elementary::Cos(deg * DegToRad); }
double Sin(double deg) { return elementary::Sin(deg * DegToRad); }

// Powers of a single-precision nodal factor without the library's pow: f^2 is exact in
// double, f^3 = f^2 f rounds once (the correctly rounded value), f^1.5 = sqrt(f^3) within
// one unit in the last place of the double, far below the float it is stored as.
double Squared(float f) { return static_cast<double>(f) * f; }
double Cubed(float f) { return Squared(f) * f; }
double ToThreeHalves(float f) { return std::sqrt(Cubed(f)); }

// How u and f of a constituent follow from the ten base corrections. Square: f squared, u 0
// (a constituent added and taken away again, as M2 in MSN2 = M2 + S2 - N2); TwiceSum: twice
// the first base and once the second (2MK6).
enum Rule { None, Same, Neg, Sum, Pow15, Pow2, Pow3, Square, TwiceSum };

struct ConstituentRow {
    float speed;
    int species;
    Rule rule;
    int base;   // BaseNodal index (or -1)
    int base2;  // second base for Sum
};

// i  speed  n  rule  base  base2       (V0 in EquilibriumArguments)
const ConstituentRow Rows[MaxConstituents] = {
    {0.0410686f, 0, None, -1, -1},      // 0 Sa
    {0.0821373f, 0, None, -1, -1},      // 1 Ssa
    {0.5443747f, 0, Same, NodMm, -1},   // 2 Mm
    {1.0158958f, 0, Neg, NodM2, -1},    // 3 MSf
    {1.0980331f, 0, Same, NodMf, -1},   // 4 Mf
    {13.398661f, 1, Same, NodO1, -1},   // 5 Q1
    {13.471515f, 1, Same, NodO1, -1},   // 6 rho1
    {13.943035f, 1, Same, NodO1, -1},   // 7 O1
    {14.025173f, 1, Same, NodM2, -1},   // 8 MP1
    {14.492052f, 1, Same, NodM1, -1},   // 9 M1
    {14.917865f, 1, None, -1, -1},      // 10 pi1
    {14.958931f, 1, None, -1, -1},      // 11 P1
    {15.0f, 1, None, -1, -1},           // 12 S1
    {15.041069f, 1, Same, NodK1, -1},   // 13 K1
    {15.082135f, 1, None, -1, -1},      // 14 psi1
    {15.123206f, 1, None, -1, -1},      // 15 phi1
    {15.5854435f, 1, Same, NodJ1, -1},  // 16 J1
    {16.056965f, 1, Neg, NodO1, -1},    // 17 SO1
    {16.139101f, 1, Same, NodOO1, -1},  // 18 OO1
    {27.895355f, 2, Same, NodM2, -1},   // 19 2N2
    {27.968208f, 2, Same, NodM2, -1},   // 20 mu2
    {28.43973f, 2, Same, NodM2, -1},    // 21 N2
    {28.512583f, 2, Same, NodM2, -1},   // 22 nu2
    {28.901966f, 2, Same, NodO1, -1},   // 23 OP2
    {28.984104f, 2, Same, NodM2, -1},   // 24 M2
    {29.455626f, 2, Same, NodM2, -1},   // 25 lambda2
    {29.528479f, 2, Same, NodL2, -1},   // 26 L2
    {29.958933f, 2, None, -1, -1},      // 27 T2
    {30.0f, 2, None, -1, -1},           // 28 S2
    {30.041067f, 2, None, -1, -1},      // 29 R2
    {30.082138f, 2, Same, NodK2, -1},   // 30 K2
    {31.015896f, 2, Neg, NodM2, -1},    // 31 2SM2
    {42.92714f, 3, Sum, NodO1, NodM2},  // 32 MO3
    {43.47616f, 3, Pow15, NodM2, -1},   // 33 M3
    {44.025173f, 3, Sum, NodK1, NodM2}, // 34 MK3
    {45.04107f, 3, Same, NodK1, -1},    // 35 SK3
    {57.96821f, 4, Pow2, NodM2, -1},    // 36 M4
    {58.984104f, 4, Same, NodM2, -1},   // 37 MS4
    {86.95232f, 6, Pow3, NodM2, -1},    // 38 M6
    {87.96821f, 6, Pow2, NodM2, -1},    // 39 2MS6
    // The 20 further constituents; speeds from their Doodson numbers, compound tides take u
    // and f from their components (N2 as M2, S2 none).
    {12.854286f, 1, Same, NodO1, -1},   // 40 2Q1
    {12.92714f, 1, Same, NodO1, -1},    // 41 sigma1
    {14.569548f, 1, Same, NodJ1, -1},   // 42 chi1
    {15.512589f, 1, Same, NodJ1, -1},   // 43 theta1
    {27.341696f, 2, Pow2, NodO1, -1},   // 44 OQ2     O1 + Q1
    {27.423834f, 2, Pow2, NodM2, -1},   // 45 MNS2    M2 + N2 - S2
    {29.066242f, 2, Sum, NodK2, NodM2}, // 46 MKS2    M2 + K2 - S2
    {30.544374f, 2, Square, NodM2, -1}, // 47 MSN2    M2 + S2 - N2
    {30.626513f, 2, Sum, NodK1, NodJ1}, // 48 KJ2     K1 + J1
    {43.943035f, 3, Same, NodO1, -1},   // 49 SO3     S2 + O1
    {57.423832f, 4, Pow2, NodM2, -1},   // 50 MN4     M2 + N2
    {58.439728f, 4, Same, NodM2, -1},   // 51 SN4     S2 + N2
    {59.066242f, 4, Sum, NodK2, NodM2}, // 52 MK4     M2 + K2
    {60.0f, 4, None, -1, -1},           // 53 S4      S2 + S2
    {60.082138f, 4, Same, NodK2, -1},   // 54 SK4     S2 + K2
    {86.407936f, 6, Pow3, NodM2, -1},   // 55 2MN6    2 M2 + N2
    {87.423836f, 6, Pow2, NodM2, -1},   // 56 MSN6    M2 + S2 + N2
    {88.05035f, 6, TwiceSum, NodM2, NodK2}, // 57 2MK6    2 M2 + K2
    {88.98411f, 6, Same, NodM2, -1},    // 58 2SM6    2 S2 + M2
    {89.06624f, 6, Sum, NodK2, NodM2},  // 59 MSK6    M2 + S2 + K2
};

struct Xcs { float c, s; };

Xcs L2Terms(float p, float N)
{
    double p2 = R(2.0 * p), a = R(p2 - N), b = R(p2 - 2.0 * N);
    return {static_cast<float>(1 - 0.2505 * Cos(p2) - 0.1102 * Cos(a) - 0.0156 * Cos(b) - 0.037 * Cos(N)),
            static_cast<float>(-0.2505 * Sin(p2) - 0.1102 * Sin(a) - 0.0156 * Sin(b) - 0.037 * Sin(N))};
}

Xcs M1Terms(float p, float N)
{
    double a = R(static_cast<double>(p) - N);
    return {static_cast<float>(2 * Cos(p) + 0.4 * Cos(a)), static_cast<float>(Sin(p) + 0.2 * Sin(a))};
}

} // namespace

// AstronomicalArguments: mean longitudes s, h, p and node N for 0 h UT, n days after
// January 1 of year (leap days from 2000 counted by the caller). Returns degrees in [0, 360).
AstronomicalAngles AstronomicalArguments(int year, int n)
{
    const double Y = year - 2000;
    AstronomicalAngles a;
    a.s = R(static_cast<double>(R(13.176396 * n)) + R(129.38471 * Y) + 211.728);
    a.h = R(static_cast<double>(R(-0.23871 * Y)) + R(0.985647 * n) + 279.974);
    a.p = R(static_cast<double>(R(40.66229 * Y)) + R(0.111404 * n) + 83.298);
    a.N = R(static_cast<double>(R(-0.052954 * n)) + R(-19.32812 * Y) + 125.071);
    return a;
}

// BaseNodalFactors: the ten base nodal factors f from perigee p and node N (degrees).
void BaseNodalFactors(float p, float N, float f[NodCount])
{
    const double c1 = static_cast<float>(Cos(N)), c2 = static_cast<float>(Cos(R(2.0 * N))),
                 c3 = Cos(R(3.0 * N));
    f[NodMm] = static_cast<float>(1 - 0.13 * c1 + 0.0013 * c2);
    f[NodMf] = static_cast<float>(1.0429 + 0.4135 * c1 - 0.004 * c2);
    f[NodO1] = static_cast<float>(1.0089 + 0.1871 * c1 - 0.0147 * c2 + 0.0014 * c3);
    f[NodK1] = static_cast<float>(1.006 + 0.115 * c1 - 0.0088 * c2 + 0.0006 * c3);
    f[NodJ1] = static_cast<float>(1.0129 + 0.1676 * c1 - 0.017 * c2 + 0.0016 * c3);
    f[NodOO1] = static_cast<float>(1.1027 + 0.6504 * c1 + 0.0317 * c2 - 0.0014 * c3);
    f[NodM2] = static_cast<float>(1.0004 - 0.0373 * c1 + 0.0002 * c2);
    f[NodK2] = static_cast<float>(1.0241 + 0.2863 * c1 + 0.0083 * c2 - 0.0015 * c3);
    const Xcs l2 = L2Terms(p, N);
    const double uL2 = elementary::Atan2(l2.s, l2.c);
    // Xs / sin u is 0 / 0 when Xs is 0; the limit there is |Xc|.
    f[NodL2] = l2.s == 0.0f ? std::fabs(l2.c) : static_cast<float>(l2.s / elementary::Sin(uL2));
    const Xcs m1 = M1Terms(p, N);
    f[NodM1] = static_cast<float>(m1.c / elementary::Cos(elementary::Atan2(m1.s, m1.c)));
}

// BaseNodalAngles: the ten base nodal angles u (degrees) from p and N (degrees).
void BaseNodalAngles(float p, float N, float u[NodCount])
{
    const double s1 = static_cast<float>(Sin(N)), s2 = static_cast<float>(Sin(R(2.0 * N))),
                 s3 = static_cast<float>(Sin(R(3.0 * N)));
    u[NodMm] = 0;
    u[NodMf] = static_cast<float>(-23.74 * s1 + 2.68 * s2 - 0.38 * s3);
    u[NodO1] = static_cast<float>(10.8 * s1 - 1.34 * s2 + 0.19 * s3);
    u[NodK1] = static_cast<float>(-8.86 * s1 + 0.68 * s2 - 0.07 * s3);
    u[NodJ1] = static_cast<float>(-12.94 * s1 + 1.34 * s2 - 0.19 * s3);
    u[NodOO1] = static_cast<float>(-36.68 * s1 + 4.02 * s2 - 0.57 * s3);
    u[NodM2] = static_cast<float>(-2.14 * s1);
    u[NodK2] = static_cast<float>(-17.74 * s1 + 0.68 * s2 - 0.04 * s3);
    const Xcs l2 = L2Terms(p, N);
    u[NodL2] = static_cast<float>(elementary::Atan2(l2.s, l2.c) * RadToDeg);
    const Xcs m1 = M1Terms(p, N);
    u[NodM1] = static_cast<float>(elementary::Atan2(m1.s, m1.c) * RadToDeg);
}

// EquilibriumArguments: V0 of the 60 constituents (degrees, not reduced) from s, h, p. The
// further constituents take the same constant angles (solar hour angle 180 at 0 h, solar
// perigee 282); a compound tide's V0 is the sum of its components' (MKS2 = M2 + K2 - S2).
void EquilibriumArguments(float s, float h, float p, float v0[MaxConstituents])
{
    const double S = s, H = h, P = p;
    const double v[MaxConstituents] = {
        H, 2 * H, S - P, 2 * S - 2 * H, 2 * S,
        H - 3 * S + P + 270, 3 * H - 3 * S - P + 270, H - 2 * S + 270, 3 * H - 2 * S - 270, H - S + 90,
        192 - 2 * H, 270 - H, 180, H + 90, 2 * H + 168,
        3 * H + 90, S + H - P + 90, 2 * S - H - 270, 2 * S + H + 90, 2 * H + 2 * P - 4 * S,
        4 * H - 4 * S, 2 * H - 3 * S + P, 4 * H - 3 * S - P, 180 - 2 * S, 2 * H - 2 * S,
        P - S + 180, 2 * H - S - P + 180, 282 - H, 0, H + 258,
        2 * H, 2 * S - 2 * H, 3 * H - 4 * S + 270, 3 * H - 3 * S + 180, 3 * H - 2 * S + 90,
        H + 90, 4 * H - 4 * S, 2 * H - 2 * S, 6 * H - 6 * S, 4 * H - 4 * S,
        // 2Q1, sigma1, chi1, theta1, OQ2
        H - 4 * S + 2 * P + 270, 3 * H - 4 * S + 270, 3 * H - S - P + 90, S - H + P + 90,
        2 * H - 5 * S + P + 180,
        // MNS2, MKS2, MSN2, KJ2, SO3
        4 * H - 5 * S + P, 4 * H - 2 * S, S - P, 2 * H + S - P + 180, H - 2 * S + 270,
        // MN4, SN4, MK4, S4, SK4
        4 * H - 5 * S + P, 2 * H - 3 * S + P, 4 * H - 2 * S, 0, 2 * H,
        // 2MN6, MSN6, 2MK6, 2SM6, MSK6
        6 * H - 7 * S + P, 4 * H - 5 * S + P, 6 * H - 4 * S, 2 * H - 2 * S, 4 * H - 2 * S,
    };
    for (int i = 0; i < MaxConstituents; ++i) v0[i] = static_cast<float>(v[i]);
}

// PrepareConstituents: every table for 0 h zone time of a normalised date at the station.
void PrepareConstituents(int year, int month, int day, const Station& station, Calendar& cal,
                         ConstituentTables& t)
{
    cal.Weekday = WeekdayFromDayNumber(DayNumber(year, month, day));
    const int D = DayOfYear(month, day, cal.MonthLengths);
    const int L = static_cast<int>(Truncate((year + 3) * 0.25)) - 500;
    const AstronomicalAngles a = AstronomicalArguments(year, D + L);
    float fb[NodCount], ub[NodCount];
    BaseNodalFactors(a.p, a.N, fb);
    BaseNodalAngles(a.p, a.N, ub);
    EquilibriumArguments(a.s, a.h, a.p, t.EquilibriumArgument);
    for (int i = 0; i < MaxConstituents; ++i) {
        const ConstituentRow& r = Rows[i];
        double u = 0, f = 1;
        switch (r.rule) {
        case None: break;
        case Same: u = ub[r.base]; f = fb[r.base]; break;
        case Neg: u = -ub[r.base]; f = fb[r.base]; break;
        case Sum: u = static_cast<double>(ub[r.base]) + ub[r.base2];
                  f = static_cast<double>(fb[r.base]) * fb[r.base2]; break;
        case Pow15: u = 1.5 * ub[r.base]; f = ToThreeHalves(fb[r.base]); break;
        case Pow2: u = 2.0 * ub[r.base]; f = Squared(fb[r.base]); break;
        case Pow3: u = 3.0 * ub[r.base]; f = Cubed(fb[r.base]); break;
        case Square: f = Squared(fb[r.base]); break;
        case TwiceSum: u = 2.0 * ub[r.base] + ub[r.base2];
                       f = Squared(fb[r.base]) * fb[r.base2]; break;
        }
        t.NodalAngle[i] = static_cast<float>(u);
        t.EquilibriumArgument[i] =
            static_cast<float>(Reduce360(static_cast<double>(t.NodalAngle[i]) + t.EquilibriumArgument[i]));
        t.NodalFactor[i] = static_cast<float>(f);
        t.Species[i] = r.species;
        t.ConstituentSpeed[i] = r.speed;
        t.PhaseOffset[i] = static_cast<float>(
            Reduce360(t.EquilibriumArgument[i] + static_cast<double>(r.species) * station.Longitude -
                      station.StandardMeridian * 0.06666666666666667 * r.speed));
    }
}

} // namespace marevo
