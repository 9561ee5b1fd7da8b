// The picture of the start-up notice: program name, version, a decorative tide wave and the
// notice on the data and on navigation, drawn through the Canvas (the window program paints
// it into its notice window). Pixels of the notice's 383 x 240 client area.
#pragma once

#include "views/canvas.h"

namespace marevo {

// PaintNotice: draws the notice window's client area.
// Given: the canvas, the version text (Shift-JIS) and the seed of the wave (the time in
// seconds: repaints within one second draw the same wave).
// Returns: nothing; the wave's 90 bars lie within y 40 to 134 and x 8 to 368.
void PaintNotice(Canvas& canvas, const char* versionText, unsigned seed);

// The two lines on where the harmonic constants come from and their licence.
extern const char NoticeSourceLine[];
extern const char NoticeLicenceLine[];

} // namespace marevo
