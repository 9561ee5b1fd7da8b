// The graphs' vertical scale: the strict thresholds on Z0 + H(S2) + H(M2).
#include "engine/vertical_scale.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace marevo
