// The screen's scale: the dots per inch of a window's monitor, the program's pixel sizes
// (drawn for 96 dpi) at that scale, and a device context mapping the views' units onto it
// as the printer's mapping does. Pixels; view units of 1/96 inch.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace marevo {

// Dots per inch of the monitor the window is on: the platform's per-window answer where it
// has one (Windows 10 1607 and later), else the screen's vertical resolution.
int WindowDpi(HWND window);
// A length of 96-dpi pixels (a view unit, a control's size, a font's height) at the
// program's scale, rounded to the nearest pixel.
int Scaled(const AppState& app, int pixels96);
// The other way: pixels of the screen as 96-dpi pixels, rounded to the nearest (the sizes
// marevo.ini keeps, so that a window keeps its proportions from one scale to another).
int Unscaled(const AppState& app, int pixels);

// While alive, dc draws view units scaled by dpi / 96 (isotropic mapping, as on the
// printer); at 96 dpi the context is left as it is, so the picture stays pixel for pixel.
class ScopedViewScale {
public:
    ScopedViewScale(HDC dc, int dpi);
    ~ScopedViewScale();
    ScopedViewScale(const ScopedViewScale&) = delete;
    ScopedViewScale& operator=(const ScopedViewScale&) = delete;

private:
    HDC dc_;
    int saved_ = 0;
};

} // namespace marevo
