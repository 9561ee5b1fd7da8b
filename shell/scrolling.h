// The scrolling arithmetic of the graph pane: the step of a scroll request kept within the
// range. Units are pixels.
#pragma once

namespace marevo {

// Scroll requests with the values of the platform's SB_ codes.
enum ScrollRequest {
    ScrollLineUp = 0, ScrollLineDown = 1, ScrollPageUp = 2, ScrollPageDown = 3,
    ScrollThumbPosition = 4, ScrollThumbTrack = 5
};
constexpr int ScrollPageStep = 20;
// Step of a scroll request clamped to [-position, maximum - page - position].
int ScrollDelta(int request, int thumbPosition, int position, int maximum, int page);

} // namespace marevo
