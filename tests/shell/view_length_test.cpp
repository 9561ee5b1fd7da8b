// Window sizes at a screen scale, back in the 96-dpi view units that marevo.ini keeps.
#include "shell/scrolling.h"

#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(ViewLength, PixelsAtAScaleRoundToTheNearestViewUnit)
{
    struct Case { int pixels, dpi, units; };
    const Case cases[] = {
        {900, 144, 600}, {600, 144, 400},  // 150 %: two units per three pixels
        {751, 120, 601}, {749, 120, 599},  // 125 %: 600.8 and 599.2 to the nearest
        {1, 144, 1},     {1, 192, 1},      // 0.67 and one half (away from zero)
        {-1, 192, -1},   {-751, 120, -601},
        {250, 96, 250},  {100000, 144, 66667},
        {300, 0, 300},   {700, -5, 700},   // no scale known: the pixels as they are
    };
    for (const Case& c : cases)
        EXPECT_EQ(ViewLengthOfPixels(c.pixels, c.dpi), c.units) << c.pixels << " at " << c.dpi;
}

TEST(ViewLength, ASizeScaledUpComesBackWhole)
{
    // A window opened at a scale of 100 % or more and saved unchanged keeps its size.
    for (const int dpi : {96, 120, 144, 168, 192, 240})
        for (int units = 0; units <= 3000; ++units)
            ASSERT_EQ(ViewLengthOfPixels(PixelsOfViewUnits(units, dpi), dpi), units)
                << units << " at " << dpi;
}

} // namespace
} // namespace marevo
