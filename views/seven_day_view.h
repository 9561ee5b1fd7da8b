// The seven-day view: one tide curve over seven day columns with the weekend shaded, and
// per day its date, weekday, tidal-range name, moon age, phase and high and low waters.
// The title strip and the week plot's background are shared with the 42-day view and the
// table. Logical units of a 600 x 375 canvas; heights in cm; times in hours of zone time.
#pragma once

#include <string>

#include "views/canvas.h"
#include "views/view_model.h"

namespace marevo {

// One day of a group of seven consecutive days, as the multi-day views label it.
struct GroupDay {
    int year, month, day; // normalised date
    int weekday;          // 0 = Sunday ... 6 = Saturday
    float moonAge;        // days, at noon local standard time
    int phaseCount;       // how many of the five phase slots fall on this day
    int phases[5];        // their slots (0 新月, 1 上弦, 2 満月, 3 下弦, 4 新月)
};

/*
**  PrepareDayGroup: dates, weekdays, moon ages and phase days of seven consecutive days.
**  The phases are those of the lunation at noon of the first day, found once for the group.
**  Given: year, month, day of the first day (the day may run past the month's end);
**         standardMeridianDeg of the station.
**  Returns: days[0 ... 6].
**  Reference: DayAge and PhaseDayOffset of the moon age arithmetic.
*/
void PrepareDayGroup(int year, int month, int day, float standardMeridianDeg,
                     GroupDay days[7]);

// Weekend columns of a seven-column plot whose first column has weekday w.
constexpr int SundayColumn(int w) { return (7 - w) % 7; }
constexpr int SaturdayColumn(int w) { return 6 - w; }

// A day's high and low water list above the height grid (top 194): six lines of 15 units
// from y = 95; a busier day's lines close up to 12 units, which fits eight; past eight, the
// last line says how many more the day has.
constexpr int SevenDayListFirstY = 95, SevenDayListStep = 15, SevenDayListMaxLines = 6;
constexpr int SevenDayListTightStep = 12, SevenDayListTightLines = 8;

/*
**  SevenDayHeightY: the plot's y of a height: 346 - trunc(trunc(h x 1.6 / s) / 2).
**  Given: heightCm; scale s. Returns: y in logical units.
*/
int SevenDayHeightY(double heightCm, float scale);

// The title line's white strip from x = 30 to stripRight and the title on it (12-unit font,
// black, transparent background); the multi-day views and the table open with it.
void DrawTitleStrip(Canvas& canvas, int stripRight, const std::string& title);
// The plot's white background and the weekend columns of the seven-day and 42-day views.
void DrawWeekPlotBackground(Canvas& canvas, const ViewModel& model);

// The parts of the view, in the order DrawSevenDayView calls them.
void DrawSevenDayFrame(Canvas& canvas, const ViewModel& model);
void DrawSevenDayHeaders(Canvas& canvas, const ViewModel& model);
void DrawSevenDayCurve(Canvas& canvas, const ViewModel& model);

} // namespace marevo
