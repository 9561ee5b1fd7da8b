// The start-up notice window (class "Warning"): program name, version, a decorative tide
// picture and the notice on the data and on navigation; a click closes it. Pixels.
#pragma once

#include <windows.h>

#include "views/canvas.h"

namespace marevo {

LRESULT CALLBACK NoticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// PaintNotice: draws the notice window's client area.
// Given: the canvas, the version text (Shift-JIS) and the seed of the wave (the time in
// seconds: repaints within one second draw the same wave).
// Returns: nothing; the wave's 90 bars lie within y 40 to 134 and x 8 to 368.
void PaintNotice(Canvas& canvas, const char* versionText, unsigned seed);

// The two lines on where the harmonic constants come from and their licence.
extern const char NoticeSourceLine[];
extern const char NoticeLicenceLine[];

} // namespace marevo
