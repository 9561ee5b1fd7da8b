// The scrolling arithmetic of the graph pane (see scrolling.h).
#include "shell/scrolling.h"

namespace marevo {

int ScrollDelta(int request, int thumbPosition, int position, int maximum, int page)
{
    int d = 0;
    switch (request) {
    case ScrollLineUp: d = -1; break;
    case ScrollLineDown: d = 1; break;
    case ScrollPageUp: d = -ScrollPageStep; break;
    case ScrollPageDown: d = ScrollPageStep; break;
    case ScrollThumbPosition:
    case ScrollThumbTrack: d = thumbPosition - position; break;
    default: d = 0; break;
    }
    const int upper = maximum - page - position;
    if (d > upper) d = upper;
    if (d < -position) d = -position;
    return d;
}

} // namespace marevo
