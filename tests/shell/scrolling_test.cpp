// The graph pane's scroll steps and floored quotients.
#include "shell/scrolling.h"

#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(Scrolling, ScrollStepsAreClampedToTheRange)
{
    // Canvas 700 high in a pane 300 high: positions 0 ... 400.
    struct Case { int request, thumb, position, delta; };
    const Case cases[] = {
        {ScrollLineDown, 0, 0, 1},      {ScrollLineUp, 0, 0, 0},
        {ScrollLineUp, 0, 10, -1},      {ScrollPageDown, 0, 0, 20},
        {ScrollPageDown, 0, 390, 10},   {ScrollPageDown, 0, 400, 0},
        {ScrollPageUp, 0, 5, -5},       {ScrollPageUp, 0, 100, -20},
        {ScrollThumbTrack, 250, 100, 150}, {ScrollThumbPosition, 401, 0, 400},
        {ScrollThumbPosition, 0, 300, -300}, {8 /* end of scrolling */, 0, 100, 0},
        {6 /* top */, 0, 100, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollDelta(c.request, c.thumb, c.position, 700, 300), c.delta)
            << c.request << " at " << c.position;
}

} // namespace
} // namespace marevo

namespace marevo {
namespace {

TEST(Scrolling, WheelNotchesAreThreeStepsAndPartsOfANotchAddUp)
{
    // Each row turns the wheel by the deltas in order from a zero remainder; the steps are
    // what one notch = 3 x 20 pixels gives: 60 pixels per 120 units, 1 pixel per 2 units.
    struct Case { bool horizontal; int deltas[3]; int steps[3]; int remainder; };
    const Case cases[] = {
        {false, {-120, 0, 0}, {60, 0, 0}, 0},        // one notch towards the user: down
        {false, {120, 0, 0}, {-60, 0, 0}, 0},        // away from the user: up
        {false, {-240, 0, 0}, {120, 0, 0}, 0},       // two notches in one message
        {false, {-40, -40, -40}, {20, 20, 20}, 0},   // a fine wheel: thirds of a notch
        {false, {-1, -1, 0}, {0, 1, 0}, 0},          // half a pixel kept until it is whole
        {false, {-3, 0, 0}, {1, 0, 0}, -1},
        {false, {-3, 3, 0}, {1, -1, 0}, 0},          // back again
        {true, {120, 0, 0}, {60, 0, 0}, 0},          // tilted right: to the right
        {true, {-120, 0, 0}, {-60, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        int remainder = 0;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(WheelStep(c.deltas[i], c.horizontal, &remainder), c.steps[i])
                << c.deltas[0] << " turn " << i;
        EXPECT_EQ(remainder, c.remainder) << c.deltas[0];
    }
}

TEST(Scrolling, KeysStepByLinesPagesAndEnds)
{
    // A pane 300 high over a canvas 700 high.
    struct Case { ScrollKey key; bool horizontal; int step; };
    const Case cases[] = {
        {KeyUp, false, -20},   {KeyDown, false, 20},    {KeyLeft, true, -20},
        {KeyRight, true, 20},  {KeyPageUp, false, -280}, {KeyPageDown, false, 280},
        {KeyHome, false, -700}, {KeyEnd, false, 700},
    };
    for (const Case& c : cases) {
        const KeyScroll s = KeyScrollStep(c.key, 300, 700);
        EXPECT_EQ(s.horizontal, c.horizontal) << c.key;
        EXPECT_EQ(s.step, c.step) << c.key;
    }
    // A pane too low for a page less one line still moves a line.
    EXPECT_EQ(KeyScrollStep(KeyPageDown, 30, 700).step, 20);
    // End from position 100 of [0, 400] lands on 400, Home on 0.
    EXPECT_EQ(ClampScrollStep(700, 100, 700, 300), 300);
    EXPECT_EQ(ClampScrollStep(-700, 100, 700, 300), -100);
}

TEST(Scrolling, TheCanvasIsPulledBackOrCentred)
{
    struct Case { int origin, canvas, pane; bool centred; int expected; };
    const Case cases[] = {
        {-100, 700, 300, true, -100},  // scrolled within the range: kept
        {-450, 700, 300, true, -400},  // past the end after the pane grew: pulled back
        {25, 700, 300, true, 0},       // was centred, the pane shrank below the canvas
        {-30, 600, 900, true, 150},    // smaller than the pane: centred
        {-30, 600, 901, true, 150},    // an odd pixel goes below and right
        {0, 600, 600, true, 0},        // exactly the pane
        {-30, 600, 900, false, 0},     // not centred: at the top or left edge
    };
    for (const Case& c : cases)
        EXPECT_EQ(CanvasOriginIn(c.origin, c.canvas, c.pane, c.centred), c.expected)
            << c.origin << " " << c.canvas << " in " << c.pane;
}

TEST(Scrolling, ViewUnitsAndScreenPixels)
{
    // 96 dpi is one pixel per unit; 144 dpi (150 %) three pixels per two units; 120 dpi
    // (125 %) five per four; 192 dpi (200 %) two per unit.
    struct Case { int units, dpi, pixels; };
    const Case cases[] = {
        {610, 96, 610}, {610, 144, 915}, {385, 144, 578}, {385, 120, 481},
        {600, 120, 750}, {370, 192, 740}, {1, 144, 2}, {-1, 144, -2}, {0, 144, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PixelsOfViewUnits(c.units, c.dpi), c.pixels) << c.units << " at " << c.dpi;
    // The unit a pixel lies in: pixels 0 and 1 of 144 dpi are unit 0, pixel 2 unit 1;
    // pixels left of the canvas lie in negative units.
    struct Back { int pixels, dpi, unit; };
    const Back backs[] = {
        {0, 144, 0}, {1, 144, 0}, {2, 144, 1}, {3, 144, 2}, {165, 144, 110},
        {-1, 144, -1}, {-3, 144, -2}, {110, 96, 110}, {220, 192, 110}, {221, 192, 110},
    };
    for (const Back& b : backs)
        EXPECT_EQ(ViewUnitOfPixel(b.pixels, b.dpi), b.unit) << b.pixels << " at " << b.dpi;
}

} // namespace
} // namespace marevo
