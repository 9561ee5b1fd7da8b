// The row cosine of the tide sum against the library's cosine.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "engine/cosines.h"

using namespace marevo;

namespace {

// Distance in units of the last place of the exact value's magnitude.
double UlpsApart(double a, double b)
{
    const double ulp = std::nextafter(std::fabs(b), 2.0) - std::fabs(b);
    return std::fabs(a - b) / ulp;
}

// Angles of the tide sum (speeds up to 120 degrees an hour over 42 days, plus phases), and
// angles next to multiples of pi/2 where the reduction cancels most digits; their cosines
// computed to 200 bits (mpmath) and rounded to double.
const double Reference[][2] = {
    {0x1.a247c7fdbfc84p+9, 0x1.3f68783322a24p-1},
    {-0x1.643def5bfac9dp+11, -0x1.be9cb13655b5dp-1},
    {-0x1.5174bde31530fp+10, 0x1.f3ef0c0bc425dp-2},
    {-0x1.9f2f1398d62e1p+10, -0x1.9265656c03e1cp-2},
    {0x1.62b4f23cb7c48p+10, 0x1.8d115ca90df0dp-2},
    {0x1.090c9a69600d2p+10, -0x1.7292f22fb1a1bp-4},
    {0x1.26227a1ca0cbep+11, -0x1.ffd8a2d5c950dp-1},
    {-0x1.35cbbe7fa42e1p+11, -0x1.e10773cf6954ap-1},
    {-0x1.d47815c029ba0p+8, -0x1.dd059d6d5bfd2p-1},
    {-0x1.60a6ef11f7507p+11, 0x1.fede75e22e0e7p-1},
    {-0x1.a60b048660470p+10, -0x1.ae80aafa3eaf0p-2},
    {0x1.010dc7bc1cc40p+5, 0x1.82569fb850f88p-1},
    {-0x1.63191804a21e6p+11, 0x1.6a643b2d0ff27p-1},
    {-0x1.c3be57963f0f2p+10, -0x1.b2403a6fdd539p-1},
    {0x1.c1a73f8aff328p+9, 0x1.609ad1ce695bap-1},
    {0x1.0da61d3ca3ce0p+8, 0x1.ba408eefd5919p-1},
    {-0x1.a356cd1745f76p+10, 0x1.ef8baae0b2671p-1},
    {0x1.0bcc0b93524ecp+9, 0x1.848456506a395p-5},
    {0x1.d0254b9cfe6a4p+10, -0x1.fd846ebecf425p-1},
    {-0x1.72203cf6dc9f9p+11, -0x1.cd8153421727fp-5},
    {0x1.caba97bb6fa58p+10, 0x1.f30c77ba5c14ep-1},
    {0x1.29358715bd7dcp+10, 0x1.03bc3ad01fafep-2},
    {-0x1.df3f9a72cc59ep+9, -0x1.e76a8a3ced528p-1},
    {-0x1.0263efa010785p+11, 0x1.ff7b84c8147a5p-1},
    {0x1.56e8e8ecd3dbep+11, -0x1.91efde120fb74p-1},
    {-0x1.ea3763acabd08p+9, 0x1.ef565cf9cd65dp-1},
    {-0x1.3170cc4e61becp+11, 0x1.9c74cfcf447cap-1},
    {-0x1.2e7674a5587ecp+11, 0x1.8f9866733b68cp-1},
    {0x1.049eeb183eefep+11, 0x1.fc561c0628539p-2},
    {0x1.372d979332008p+9, 0x1.e5df643c938b5p-1},
    {0x1.ccb141c6a59f0p+10, -0x1.ca04333cc9409p-3},
    {0x1.5899018f2464cp+10, -0x1.701ede452bf1bp-1},
    {0x1.b2bcb26b3d3e0p+7, -0x1.a6f5c981361e9p-1},
    {0x1.62d63a07f716cp+11, 0x1.0ccf2115ed25ep-2},
    {-0x1.6c65992a732e8p+9, 0x1.ff344c423c49ap-1},
    {0x1.383e68dde23a8p+8, -0x1.5a01a03049ecdp-2},
    {0x1.ee1b641d5eb5cp+10, -0x1.de0ceff77d854p-1},
    {0x1.638f2b790b5dcp+9, 0x1.bf73c8c85b8b6p-2},
    {0x1.0f47b990673d8p+11, -0x1.a6d35855d0f57p-1},
    {0x1.d01ce52637680p+8, 0x1.54a8077e04117p-1},
    {0x1.32db95c98aa5cp+10, -0x1.31637be02cc19p-1},
    {-0x1.54a1b7e501ae3p+11, -0x1.18f30b2690da1p-2},
    {-0x1.98270fe90cb84p+10, 0x1.0ce866a644e54p-1},
    {-0x1.3beb05a0455dfp+10, 0x1.75ef95411e12ap-1},
    {-0x1.3b27f0c010600p+11, -0x1.ea7ab16d2e2edp-4},
    {-0x1.90d04cb508c8dp+10, 0x1.021c986963de2p-1},
    {-0x1.2b3fb9bddcf88p+11, 0x1.fd8d620249e1bp-1},
    {-0x1.4d0a22eb7c4e4p+10, 0x1.fc203515422bep-1},
    {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54},
    {0x1.2d97c7f3321d2p+2, -0x1.a79394c9e8a0ap-53},
    {0x1.88b2f704a940ap+10, 0x1.0000000000000p+0},
    {0x1.7739564411d94p+11, -0x1.b7e8e4e99f5efp-47},
    {-0x1.f3e7eb181c10fp+10, 0x1.b70ccfd000f68p-44},
};

TEST(Cosines, WithinOneUnitOfTheExactValue)
{
    constexpr int N = sizeof Reference / sizeof Reference[0];
    double x[N], c[N];
    for (int i = 0; i < N; ++i) x[i] = Reference[i][0];
    Cosines(x, c);
    for (int i = 0; i < N; ++i) EXPECT_LE(UlpsApart(c[i], Reference[i][1]), 1.0) << x[i];
}

#if defined(__GLIBC__)
// The GNU library's cosine is within one unit of the exact value too, so most values
// agree to the last bit. (MinGW's is not: it can be four units off.)
TEST(Cosines, MostlyTheSameBitsAsTheGnuLibrary)
{
    std::mt19937_64 random(20080514);
    std::uniform_real_distribution<double> angle(-3000.0, 3000.0);
    double x[40], c[40];
    int differ = 0;
    for (int row = 0; row < 25000; ++row) {
        for (double& a : x) a = angle(random);
        Cosines(x, c);
        for (int i = 0; i < 40; ++i) {
            const double expected = std::cos(x[i]);
            ASSERT_LE(UlpsApart(c[i], expected), 1.0) << x[i];
            differ += c[i] != expected;
        }
    }
    EXPECT_LT(differ, 25000 * 40 / 10);
}
#endif

TEST(Cosines, QuadrantsSignsAndSymmetry)
{
    const double pi = 3.14159265358979323846;
    double x[9] = {0.0, pi / 3, pi / 2, 2 * pi / 3, pi, -pi / 3, 3 * pi / 2, 2 * pi, 1000 * pi};
    double c[9];
    Cosines(x, c);
    EXPECT_EQ(c[0], 1.0);
    EXPECT_NEAR(c[1], 0.5, 3e-16);
    EXPECT_NEAR(c[2], 0.0, 1e-16); // pi/2 is not exact: cos is 6.1e-17;
    EXPECT_NEAR(c[3], -0.5, 3e-16);
    EXPECT_EQ(c[4], -1.0);
    EXPECT_EQ(c[5], c[1]);
    EXPECT_NEAR(c[6], 0.0, 1e-15);
    EXPECT_EQ(c[7], 1.0);
    EXPECT_NEAR(c[8], 1.0, 1e-15);
}

TEST(Cosines, HugeAndNonFiniteAnglesGoToTheLibrary)
{
    const double inf = std::numeric_limits<double>::infinity();
    double x[4] = {1e7, -3.5e12, inf, std::nan("")};
    double c[4];
    Cosines(x, c);
    EXPECT_EQ(c[0], std::cos(1e7));
    EXPECT_EQ(c[1], std::cos(-3.5e12));
    EXPECT_TRUE(std::isnan(c[2]));
    EXPECT_TRUE(std::isnan(c[3]));
}

} // namespace
