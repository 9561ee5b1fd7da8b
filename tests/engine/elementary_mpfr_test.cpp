// The program's elementary functions against MPFR's correctly rounded ones: within one unit
// in the last place on dense grids over the ranges the engine and the astronomy use, at
// random arguments far beyond them, and next to the multiples of pi/2. Native builds only.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "engine/calendar.h"
#include "engine/elementary.h"
#include "tests/engine/elementary_reference.h"

using namespace marevo;

namespace {

using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

double Rounded(MpfrFunction f, double x)
{
    mpfr_t a, r;
    mpfr_init2(a, 53);
    mpfr_init2(r, 53);
    mpfr_set_d(a, x, MPFR_RNDN);
    const int t = f(r, a, MPFR_RNDN);
    mpfr_subnormalize(r, t, MPFR_RNDN);
    const double v = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clear(a);
    mpfr_clear(r);
    return v;
}

double RoundedAtan2(double y, double x)
{
    mpfr_t a, b, r;
    mpfr_inits2(53, a, b, r, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, y, MPFR_RNDN);
    mpfr_set_d(b, x, MPFR_RNDN);
    mpfr_atan2(r, a, b, MPFR_RNDN);
    const double v = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clears(a, b, r, static_cast<mpfr_ptr>(nullptr));
    return v;
}

// Distance of two finite doubles in units in the last place (steps between them).
std::int64_t StepsApart(double a, double b)
{
    std::int64_t ia, ib;
    std::memcpy(&ia, &a, sizeof ia);
    std::memcpy(&ib, &b, sizeof ib);
    if (ia < 0) ia = INT64_MIN - ia;
    if (ib < 0) ib = INT64_MIN - ib;
    return ia > ib ? ia - ib : ib - ia;
}

struct Function {
    const char* name;
    double (*own)(double);
    MpfrFunction reference;
};

const Function Sine{"Sin", elementary::Sin, mpfr_sin};
const Function Cosine{"Cos", elementary::Cos, mpfr_cos};

// Worst distance over the arguments; the first ten arguments over one step are reported.
template <class Arguments>
std::int64_t WorstSteps(const Function& f, const Arguments& arguments)
{
    std::int64_t worst = 0;
    int reported = 0;
    arguments([&](double x) {
        const std::int64_t steps = StepsApart(f.own(x), Rounded(f.reference, x));
        if (steps > 1 && ++reported <= 10)
            ADD_FAILURE() << f.name << "(" << std::hexfloat << x << ") " << steps << " steps";
        if (steps > worst) worst = steps;
    });
    return worst;
}

TEST(ElementaryAgainstMpfr, ChosenArgumentsAreCorrectlyRounded)
{
    const struct {
        double (*own)(double);
        MpfrFunction reference;
    } pairs[] = {{elementary::Sin, mpfr_sin},   {elementary::Cos, mpfr_cos},
                 {elementary::Atan, mpfr_atan}, {elementary::Asin, mpfr_asin},
                 {elementary::Acos, mpfr_acos}};
    for (const auto& c : elementary_reference::OneArgumentCases) {
        for (const auto& p : pairs) {
            if (p.own == c.function) {
                EXPECT_EQ(c.expected, Rounded(p.reference, c.x)) << std::hexfloat << c.x;
            }
        }
    }
    for (const auto& c : elementary_reference::Atan2Cases)
        EXPECT_EQ(c.expected, RoundedAtan2(c.y, c.x)) << std::hexfloat << c.y << ", " << c.x;
}

// Degrees as the program converts them: every 0.008 degree over two turns each way, and
// the random radians of the series (a few thousand at most).
TEST(ElementaryAgainstMpfr, SineAndCosineOverTheProgramsRange)
{
    const auto degrees = [](auto check) {
        for (int i = -90000; i <= 90000; ++i) check(i * 0.008 * DegToRad);
    };
    const auto radians = [](auto check) {
        std::mt19937_64 random(26);
        std::uniform_real_distribution<double> x(-3000.0, 3000.0);
        for (int i = 0; i < 100000; ++i) check(x(random));
    };
    for (const Function& f : {Sine, Cosine}) {
        EXPECT_LE(WorstSteps(f, degrees), 1) << f.name;
        EXPECT_LE(WorstSteps(f, radians), 1) << f.name;
    }
}

// Near multiples of pi/2 the reduction cancels most digits; tiny arguments keep their sign;
// beyond 2^20 the reduction takes the bits of 2/pi, up to the largest double.
TEST(ElementaryAgainstMpfr, SineAndCosineAtTheEdges)
{
    const auto nearMultiples = [](auto check) {
        for (int n = -4000; n <= 4000; ++n) {
            double x = n * 1.5707963267948966;
            for (int k = 0; k < 4; ++k, x = std::nextafter(x, 1e300)) check(x);
        }
    };
    const auto tiny = [](auto check) {
        for (int e = -1074; e <= -1; e += 3) {
            check(std::ldexp(1.2345, e));
            check(-std::ldexp(1.0, e));
        }
    };
    const auto huge = [](auto check) {
        std::mt19937_64 random(262);
        std::uniform_real_distribution<double> mantissa(1.0, 2.0);
        for (int i = 0; i < 20000; ++i)
            check(std::ldexp(mantissa(random), 20 + i % 1004) * (i & 1 ? -1 : 1));
        check(std::ldexp(6381956970095103.0, 797));
        check(1048576.0), check(std::nextafter(1048576.0, 0.0)), check(1.7976931348623157e308);
    };
    for (const Function& f : {Sine, Cosine}) {
        EXPECT_LE(WorstSteps(f, nearMultiples), 1) << f.name;
        EXPECT_LE(WorstSteps(f, tiny), 1) << f.name;
        EXPECT_LE(WorstSteps(f, huge), 1) << f.name;
    }
    EXPECT_EQ(std::signbit(elementary::Sin(-0.0)), true);
    EXPECT_EQ(std::signbit(elementary::Sin(-1e-300)), true);
}

TEST(ElementaryAgainstMpfr, ArcFunctions)
{
    const auto tangents = [](auto check) { // through every interval of the reduction
        for (int i = -100000; i <= 100000; ++i) check(i * 5e-5 * (1 + std::abs(i) * 4e-4));
        for (int e = -1074; e <= 1023; ++e) check(std::ldexp(1.6180339887, e));
    };
    const auto cosines = [](auto check) { // [-1, 1], and next to its ends and to 1/2
        for (int i = -50000; i <= 50000; ++i) check(i * 2e-5);
        for (double x : {1.0, -1.0, 0.5, -0.5, 0.975, -0.975}) {
            double y = x;
            for (int k = 0; k < 50; ++k, y = std::nextafter(y, 0.0)) check(y);
        }
        for (int e = -1074; e <= -1; e += 7) check(std::ldexp(1.1, e));
    };
    EXPECT_LE(WorstSteps({"Atan", elementary::Atan, mpfr_atan}, tangents), 1);
    EXPECT_LE(WorstSteps({"Asin", elementary::Asin, mpfr_asin}, cosines), 1);
    EXPECT_LE(WorstSteps({"Acos", elementary::Acos, mpfr_acos}, cosines), 1);
}

// The angles of points on circles of many sizes, all four quadrants, and pairs of very
// different magnitudes (the ratio beyond 2^60 either way).
TEST(ElementaryAgainstMpfr, Atan2)
{
    std::int64_t worst = 0;
    int reported = 0;
    const auto check = [&](double y, double x) {
        const std::int64_t steps = StepsApart(elementary::Atan2(y, x), RoundedAtan2(y, x));
        if (steps > 1 && ++reported <= 10) ADD_FAILURE() << std::hexfloat << "Atan2(" << y << ", " << x << ")";
        if (steps > worst) worst = steps;
    };
    for (int i = 0; i < 36000; ++i) {
        const double a = i * 0.01 * DegToRad, r = std::ldexp(1.0, i % 60 - 30);
        check(r * std::sin(a), r * std::cos(a));
    }
    std::mt19937_64 random(2626);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    for (int i = 0; i < 50000; ++i) check(std::ldexp(u(random), i % 160 - 80), u(random));
    EXPECT_LE(worst, 1);
}

} // namespace
