// The scrolling arithmetic of the graph pane: the step of a scroll request, a wheel turn or
// a key kept within the range, and where the canvas sits in the pane (scrolled, or centred
// where it is smaller than the pane); and the scale between view units (96 to the inch)
// and the screen's pixels. Units are pixels unless said.
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
// Any step d clamped likewise.
int ClampScrollStep(int d, int position, int maximum, int page);

// The wheel: one notch (WheelNotch units of the platform's delta) scrolls WheelLines steps
// of ScrollPageStep pixels. Parts of a notch (fine wheels, touch pads) are kept in
// *remainder until they make a whole pixel. A positive delta (wheel turned away from the
// user, or tilted right) gives a negative step for the vertical wheel (towards the top)
// and a positive one for the horizontal wheel. Returns the step, not yet clamped.
constexpr int WheelNotch = 120, WheelLines = 3;
int WheelStep(int wheelDelta, bool horizontalWheel, int* remainder);

// Keys that scroll the pane that has the focus.
enum ScrollKey { KeyUp, KeyDown, KeyLeft, KeyRight, KeyPageUp, KeyPageDown, KeyHome, KeyEnd };
struct KeyScroll {
    bool horizontal;
    int step; // pixels, not yet clamped
};
// Arrows: one wheel line (ScrollPageStep) in their direction; PageUp and PageDown: the
// pane's height less one line, so that a line of the last page stays in sight; Home and
// End: to the top and the bottom (a step as large as the canvas, clamped by the caller).
KeyScroll KeyScrollStep(ScrollKey key, int paneHeight, int canvasHeight);

// Origin of the canvas along one axis of the pane: a canvas larger than the pane keeps its
// scrolled origin, pulled back so that no empty band shows past its end
// (origin in [pane - canvas, 0]); a smaller one is centred, at (pane - canvas) / 2 rounded
// down (at 0 when centred is false).
int CanvasOriginIn(int origin, int canvas, int pane, bool centred);

// Screen pixels of a length of view units at dpi dots per inch (96 view units to the inch),
// rounded to the nearest pixel; and the view unit a pixel offset falls in (rounded down).
constexpr int ViewDpi = 96;
int PixelsOfViewUnits(int units, int dpi);
int ViewUnitOfPixel(int pixels, int dpi);
// The other way for a length (a window's size that marevo.ini keeps): the view units of
// pixels at dpi, rounded to the nearest; the pixels as they are where dpi is not known (<= 0).
int ViewLengthOfPixels(int pixels, int dpi);

} // namespace marevo
