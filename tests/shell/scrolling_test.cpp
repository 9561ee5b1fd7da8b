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
