// The program's own elementary functions: correctly rounded values at chosen arguments (the
// same bits in every build), the special values of C's atan2, and the tide sum's row cosine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "engine/cosines.h"
#include "engine/elementary.h"
#include "tests/engine/elementary_reference.h"

using namespace marevo;

namespace {

std::uint64_t BitsOf(double x)
{
    std::uint64_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

TEST(Elementary, CorrectlyRoundedAtChosenArguments)
{
    for (const auto& c : elementary_reference::OneArgumentCases)
        EXPECT_EQ(BitsOf(c.function(c.x)), BitsOf(c.expected)) << std::hexfloat << c.x;
    for (const auto& c : elementary_reference::Atan2Cases)
        EXPECT_EQ(BitsOf(elementary::Atan2(c.y, c.x)), BitsOf(c.expected))
            << std::hexfloat << c.y << ", " << c.x;
}

// C's atan2 at zeros and infinities (C11 Annex F.10.1.4), signs of zero included.
TEST(Elementary, Atan2SpecialValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double pi = 0x1.921fb54442d18p+1, halfPi = 0x1.921fb54442d18p+0;
    const double quarterPi = 0x1.921fb54442d18p-1, threeQuarterPi = 0x1.2d97c7f3321d2p+1;
    const struct {
        double y, x, expected;
    } cases[] = {
        {0.0, 0.0, 0.0},        {-0.0, 0.0, -0.0},      {0.0, -0.0, pi},
        {-0.0, -0.0, -pi},      {0.0, 5.0, 0.0},        {-0.0, 5.0, -0.0},
        {0.0, -5.0, pi},        {-0.0, -5.0, -pi},      {5.0, 0.0, halfPi},
        {5.0, -0.0, halfPi},    {-5.0, 0.0, -halfPi},   {-5.0, -0.0, -halfPi},
        {5.0, inf, 0.0},        {-5.0, inf, -0.0},      {5.0, -inf, pi},
        {-5.0, -inf, -pi},      {inf, 5.0, halfPi},     {-inf, -5.0, -halfPi},
        {inf, inf, quarterPi},  {-inf, inf, -quarterPi}, {inf, -inf, threeQuarterPi},
        {-inf, -inf, -threeQuarterPi},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BitsOf(elementary::Atan2(c.y, c.x)), BitsOf(c.expected)) << c.y << ", " << c.x;
    EXPECT_TRUE(std::isnan(elementary::Atan2(std::nan(""), 1.0)));
    EXPECT_TRUE(std::isnan(elementary::Atan2(1.0, std::nan(""))));
}

TEST(Elementary, OutsideTheDomainIsNaN)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {inf, -inf, std::nan("")}) {
        EXPECT_TRUE(std::isnan(elementary::Sin(x))) << x;
        EXPECT_TRUE(std::isnan(elementary::Cos(x))) << x;
    }
    for (double x : {1.0000000000000002, -1.5, inf, std::nan("")}) {
        EXPECT_TRUE(std::isnan(elementary::Asin(x))) << x;
        EXPECT_TRUE(std::isnan(elementary::Acos(x))) << x;
    }
    EXPECT_EQ(elementary::Atan(inf), 0x1.921fb54442d18p+0);
    EXPECT_EQ(elementary::Atan(-inf), -0x1.921fb54442d18p+0);
}

// The tide sum's row of cosines and Cos are one function: the heights and the astronomy
// see the same cosine of an angle.
TEST(Elementary, CosIsTheRowCosine)
{
    constexpr int N = 8;
    for (double start = -3000.0; start < 3000.0; start += 0.37 * N) {
        double radians[N], out[N];
        for (int i = 0; i < N; ++i) radians[i] = start + 0.37 * i;
        Cosines(radians, out);
        for (int i = 0; i < N; ++i)
            ASSERT_EQ(BitsOf(out[i]), BitsOf(elementary::Cos(radians[i]))) << radians[i];
    }
}

} // namespace
