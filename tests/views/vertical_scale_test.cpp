// The graphs' vertical scale: the strict thresholds on Z0 + H(S2) + H(M2), and the wider
// scale of a view whose heights would leave the axis (-20 s to 190 s cm).
#include "engine/vertical_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace marevo {
namespace {

TEST(VerticalScale, StrictThresholds)
{
    struct Case {
        const char* z0;
        float s2, m2, scale;
    } cases[] = {
        {"150", 20, 50, 2.0f},    // m = 220
        {"100", 10, 20, 1.0f},    // m = 130: not above 130
        {"100", 10, 20.5f, 1.5f}, // m = 130.5
        {"150", 20, 25, 1.5f},    // m = 195: not above 195
        {"200", 30, 30, 2.0f},    // m = 260
        {"200", 30, 30.5f, 3.0f},
        {"300", 40, 50, 3.0f},    // m = 390
        {"300", 40, 50.5f, 4.0f},
        {"700", 0, 0, 4.0f},
        {"", 0, 0, 1.0f},         // an empty text reads as 0
    };
    for (const Case& c : cases) {
        Station s;
        std::strcpy(s.MeanSeaLevelText, c.z0);
        s.MeanSeaLevel = 9999; // the text decides, as in the file
        s.Amplitude[IndexS2] = c.s2;
        s.Amplitude[IndexM2] = c.m2;
        s.Amplitude[IndexK1] = 500; // diurnal constituents take no part
        EXPECT_EQ(VerticalScaleOf(s), c.scale) << c.z0 << " " << c.s2 << " " << c.m2;
    }
}

TEST(VerticalScale, WidenedToTheFirstStepThatHoldsTheSpan)
{
    struct Case {
        float base;
        double lowest, highest;
        float scale;
    } cases[] = {
        {1.5f, -30, 285, 1.5f},    // both ends of the axis -30 ... 285 are inside it
        {1.5f, -37, 200, 2.0f},    // 2: -40 ... 380
        {1.0f, -5, 191, 1.5f},     // above 190
        {1.0f, -5, 290, 2.0f},     // 1.5 holds 285 only
        {1.0f, -41, 100, 3.0f},    // 2 reaches -40 only
        {2.0f, -45, 100, 3.0f},
        {3.0f, -61, 100, 4.0f},
        {4.0f, -81, 100, 5.0f},    // whole numbers after 4
        {4.0f, -10, 1000, 6.0f},   // 1000 / 190 = 5.3
        {3.0f, -500, 0, 25.0f},    // -500 / -20
        {2.0f, 50, 60, 2.0f},      // a span far inside keeps the port's scale
        {1.0f, -HUGE_VAL, NAN, 1.0f}, // heights that are not numbers take no part
        {1.0f, -1e30, 0, MaxScale},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleHolding(c.base, c.lowest, c.highest), c.scale)
            << c.base << " " << c.lowest << " " << c.highest;
}

} // namespace
} // namespace marevo
