// Decimal numbers of the port files: the same value in the Windows and the native builds.
#include "engine/decimal_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace marevo {
namespace {

struct DecimalCase {
    const char* text;
    double value;
};

TEST(DecimalToDouble, ReadsTheDecimalNumberAtTheStart)
{
    const DecimalCase cases[] = {
        {"35.39", 35.39},
        {"-33.52", -33.52},
        {"  +136.12", 136.12},
        {"\t110.0\n", 110.0},       // the line break ending a field does no harm
        {"12.5x", 12.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"1.5e+3,", 1500.0},
        {"2E-2", 0.02},
        {"2e", 2.0},                // an exponent without digits is not part of the number
        {"2e+", 2.0},
        {"007", 7.0},
        {"1 2", 1.0},
    };
    for (const DecimalCase& c : cases) EXPECT_DOUBLE_EQ(DecimalToDouble(c.text), c.value) << c.text;
}

TEST(IsDecimalNumber, TheWholeFieldIsOneNumber)
{
    struct { const char* text; bool number; } const cases[] = {
        {"35.39", true},   {" -33.52 ", true}, {"\t+.5", true}, {"5.", true},   {"1.5e+3", true},
        {"2E-2  ", true},  {"007", true},      {"12.5x", false}, {"2e", false},  {"2e+", false},
        {"1 2", false},    {"1.2.3", false},   {"", false},      {"  ", false},  {"-", false},
        {".", false},      {"0x10", false},    {"inf", false},   {"nan", false}, {"110.0\r", false},
        {nullptr, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsDecimalNumber(c.text), c.number) << (c.text ? c.text : "null");
}

TEST(DecimalToDouble, TextsWithoutADecimalNumberReadAsZero)
{
    // The C library of the native build reads the first three as 16, infinity and NaN,
    // the Windows one as 0: a port file must not mean two things.
    const char* texts[] = {"0x10", "inf", "nan", "infinity", "-INF", "", "   ", "-", "+.",
                           ".e5", "e5", "北", "--1", nullptr};
    for (const char* text : texts) {
        const double value = DecimalToDouble(text);
        EXPECT_EQ(value, 0.0) << (text ? text : "(null)");
    }
}

TEST(DecimalToDouble, NumbersBeyondDoubleAreInfinities)
{
    EXPECT_EQ(DecimalToDouble("1e999"), HUGE_VAL);
    EXPECT_EQ(DecimalToDouble("-1e999"), -HUGE_VAL);
    EXPECT_EQ(DecimalToDouble("1e-999"), 0.0);
}

} // namespace
} // namespace marevo
