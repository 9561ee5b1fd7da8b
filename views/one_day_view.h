// The one-day view: header, the three information boxes, a 24-hour tide plot with the
// daylight band, and the day's high and low waters. Logical units of a 610 x 385 canvas;
// heights in cm above chart datum, times in hours of zone time.
#pragma once

#include "views/canvas.h"
#include "views/placed_text.h"
#include "views/view_model.h"

namespace marevo {

// The high and low water list: lines of 13 units from y = 288 at x = 425; six fit in the
// box (bottom 377). A busier day is listed in two columns (x = 360 and 482) of up to six
// lines; past twelve, the last line says how many more the day has.
constexpr int OneDayListFirstY = 288, OneDayListStep = 13, OneDayListMaxLines = 6;
constexpr int OneDayListX = 425, OneDayListLeftX = 360, OneDayListRightX = 482;

// The texts of the one-day view, box by box, as they are drawn: the header line (the zone
// time last), the tidal constants, the sun and moon panels, and the high and low waters
// under their title. Each box's lines start at its left edge (OneDayHeaderLeft or
// OneDayBoxLeft).
struct OneDayTexts {
    PlacedTexts header, constants, sunMoon, extremes;
    int sunErrors = 0;
};
OneDayTexts OneDayTextsOf(const ViewModel& model);

// The header line of the view (the zone time, in its own colour, last).
PlacedTexts OneDayHeaderTexts(const ViewModel& model);
// The day's high and low waters as listed in the bottom box (without the title).
PlacedTexts OneDayExtremeTexts(const ViewModel& model);

/*
**  OneDayHeightY: the plot's y of a height.
**  Given: heightCm; scale s (1 ... 4).
**  Returns: 330 - trunc(h x 1.6 / s).
*/
int OneDayHeightY(double heightCm, float scale);

/*
**  DrawOneDayFrame: plot background, the daylight band from sunrise to sunset (none when
**  either is NoEvent; kept inside the plot), hour grid, height grid and axis labels.
**  Given: canvas; model (palette, scale); sunriseHour, sunsetHour (local hours or NoEvent).
*/
void DrawOneDayFrame(Canvas& canvas, const ViewModel& model, float sunriseHour,
                     float sunsetHour);

/*
**  DrawOneDayCurve: the tide curve sampled every 20 minutes (line or bars by the model's
**  graph style), clipped to the plot, and the list of all the day's high and low waters
**  (with the day before's preparation: the same list as the seven-day view and the table).
**  Given: canvas; model (station, calendar, date, constituent tables prepared for 0 h of
**  the date and, if given, of the day before).
*/
void DrawOneDayCurve(Canvas& canvas, const ViewModel& model);

} // namespace marevo
