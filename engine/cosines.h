// Cosines of a whole row of angles at once, for the tide sum.
//
// The tide needs tens of thousands of cosines per picture, all of moderate angles (a few
// thousand radians at most). The library's cos is called one angle at a time; this one
// reduces by pi/2 in parts (Cody and Waite) and evaluates the classic fdlibm kernels
// (error below one unit in the last place) without branches, so that the compiler can run
// the row through vector registers. It agrees with a correctly rounded cosine to the last
// bit or one unit off it, and it gives the same bits in every build, whatever the platform's
// maths library does. Angles beyond the reduction's range go to elementary::Cos, whose
// slower reduction is exact there too.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/elementary.h"

namespace marevo {

namespace cosine_detail {
constexpr double InvHalfPi = 6.36619772367581382433e-01;
// pi/2 in two parts of 33 bits and the rest (P1 + P2 + P2Tail), 119 bits in all.
constexpr double P1 = 1.57079632673412561417e+00, P2 = 6.07710050630396597660e-11,
                 P2Tail = 2.02226624879595063154e-21;
constexpr double Rounder = 6755399441055744.0;            // 1.5 * 2^52: adding it rounds to an integer
constexpr double Limit = 1048576.0; // below this, n * P1 and n * P2 are exact
constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                 C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                 C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;
constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                 S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                 S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;

inline std::uint64_t Bits(double x)
{
    std::uint64_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}
inline double FromBits(std::uint64_t b)
{
    double x;
    std::memcpy(&x, &b, sizeof x);
    return x;
}

// cos(x + y) on [-pi/4, pi/4], y the tail of x: 1 - x^2/2 + x^4 C(x^2), the 1 - x^2/2 kept
// in two parts.
inline double KernelCos(double x, double y)
{
    const double z = x * x, z2 = z * z;
    const double r = z * (C1 + z * (C2 + z * C3)) + z2 * z2 * (C4 + z * (C5 + z * C6));
    const double half = 0.5 * z, w = 1.0 - half;
    return w + (((1.0 - w) - half) + (z * r - x * y));
}

// sin(x + y) on [-pi/4, pi/4]: x + x^3 S(x^2), y entering through cos x ~ 1 - x^2/2.
inline double KernelSin(double x, double y)
{
    const double z = x * x, z2 = z * z;
    const double r = S2 + z * (S3 + z * S4) + z * z2 * (S5 + z * S6);
    const double v = z * x;
    return x - ((z * (0.5 * y - v * r) - y) - v * S1);
}
} // namespace cosine_detail

// out[i] = cos(radians[i]).
template <int N>
inline void Cosines(const double (&radians)[N], double (&out)[N])
{
    using namespace cosine_detail;
    for (int i = 0; i < N; ++i) {
        const double x = radians[i];
        // x = n * pi/2 + (y0 + y1), n the nearest integer, its low bits the quadrant. Two
        // steps keep y exact to the last bit also where x lies next to a multiple of pi/2.
        const double rounded = x * InvHalfPi + Rounder;
        const double n = rounded - Rounder;
        const std::uint64_t quadrant = Bits(rounded) & 3;
        const double t = x - n * P1; // exact
        const double p2 = n * P2, r = t - p2;
        const double w = n * P2Tail - ((t - r) - p2); // what r leaves out
        const double y0 = r - w;
        const double y1 = (r - y0) - w;
        const double c = KernelCos(y0, y1), s = KernelSin(y0, y1);
        // Quadrants 0..3 give c, -s, -c, s; chosen by masks so that the loop has no branch.
        const std::uint64_t odd = 0 - (quadrant & 1);
        const std::uint64_t sign = ((quadrant + 1) & 2) << 62;
        out[i] = FromBits(((Bits(s) & odd) | (Bits(c) & ~odd)) ^ sign);
    }
    for (int i = 0; i < N; ++i)
        if (!(std::fabs(radians[i]) < Limit)) out[i] = elementary::Cos(radians[i]);
}

} // namespace marevo
