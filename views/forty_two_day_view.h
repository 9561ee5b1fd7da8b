// The forty-two-day view: six week strips of seven day columns, each strip with the tide
// curve of its seven days and per day the date, tidal-range name, moon age and phase.
// Logical units of a 600 x 370 canvas; heights in cm; times in hours of zone time.
#pragma once

#include "views/canvas.h"
#include "views/view_model.h"

namespace marevo {

/*
**  FortyTwoDayHeightY: y of a height in week strip r: 76 + 56r - trunc(h x 1.6 / s / 6).
**  Given: heightCm; strip r (0 ... 5; 6 is the bottom edge); scale s.
**  Returns: y in logical units.
*/
int FortyTwoDayHeightY(double heightCm, int strip, float scale);

// The parts of the view, in the order DrawFortyTwoDayView calls them.
void DrawFortyTwoDayFrame(Canvas& canvas, const ViewModel& model);
void DrawFortyTwoDayHeaders(Canvas& canvas, const ViewModel& model);
void DrawFortyTwoDayCurve(Canvas& canvas, const ViewModel& model);

} // namespace marevo
