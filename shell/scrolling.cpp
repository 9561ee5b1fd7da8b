// The scrolling arithmetic of the graph pane (see scrolling.h).
#include "shell/scrolling.h"

namespace marevo {

namespace {

// Floored quotient of a by a positive b.
int FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return static_cast<int>(q * b > a ? q - 1 : q);
}

// Quotient of a by a positive b rounded to the nearest, half away from zero (as the platform's
// MulDiv rounds).
int RoundedDiv(long long a, long long b)
{
    return static_cast<int>(a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b));
}

} // namespace

int ClampScrollStep(int d, int position, int maximum, int page)
{
    const int upper = maximum - page - position;
    if (d > upper) d = upper;
    if (d < -position) d = -position;
    return d;
}

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
    return ClampScrollStep(d, position, maximum, page);
}

int WheelStep(int wheelDelta, bool horizontalWheel, int* remainder)
{
    // Pixels per notch over units per notch: the whole pixels of the turn so far.
    const int perNotch = WheelLines * ScrollPageStep;
    const long long turned = static_cast<long long>(*remainder) + wheelDelta;
    const int pixels = static_cast<int>(turned * perNotch / WheelNotch); // towards zero
    *remainder = static_cast<int>(turned - static_cast<long long>(pixels) * WheelNotch / perNotch);
    return horizontalWheel ? pixels : -pixels;
}

KeyScroll KeyScrollStep(ScrollKey key, int paneHeight, int canvasHeight)
{
    const int page = paneHeight > 2 * ScrollPageStep ? paneHeight - ScrollPageStep : ScrollPageStep;
    switch (key) {
    case KeyUp: return {false, -ScrollPageStep};
    case KeyDown: return {false, ScrollPageStep};
    case KeyLeft: return {true, -ScrollPageStep};
    case KeyRight: return {true, ScrollPageStep};
    case KeyPageUp: return {false, -page};
    case KeyPageDown: return {false, page};
    case KeyHome: return {false, -canvasHeight};
    case KeyEnd: return {false, canvasHeight};
    }
    return {false, 0};
}

int CanvasOriginIn(int origin, int canvas, int pane, bool centred)
{
    if (canvas <= pane) return centred ? FloorDiv(pane - canvas, 2) : 0;
    if (origin > 0) return 0;
    if (origin < pane - canvas) return pane - canvas;
    return origin;
}

int PixelsOfViewUnits(int units, int dpi)
{
    return RoundedDiv(static_cast<long long>(units) * dpi, ViewDpi);
}

int ViewLengthOfPixels(int pixels, int dpi)
{
    return dpi > 0 ? RoundedDiv(static_cast<long long>(pixels) * ViewDpi, dpi) : pixels;
}

int ViewUnitOfPixel(int pixels, int dpi)
{
    return dpi > 0 ? FloorDiv(static_cast<long long>(pixels) * ViewDpi, dpi) : pixels;
}

} // namespace marevo
