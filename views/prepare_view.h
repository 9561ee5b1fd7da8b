// PrepareView: the one path from a loaded station to a view. It sets February for the
// displayed year, prepares the constituents for 0 h of the date (and of the day before, for
// the one-day view), computes the 42-day table for the table view, chooses the vertical scale
// and the palette, and gives the view model and the canvas size. Loading the station stays
// with the caller (the window program reads through its own Shift-JIS file functions).
#pragma once

#include <cmath>

#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/station.h"
#include "engine/tide_table.h"
#include "views/palette.h"
#include "views/view_model.h"

namespace marevo {

// What a view draws from, owned in one record; model points into it and at the station.
struct PreparedView {
    Calendar calendar;               // February set for the displayed year
    ConstituentTables tables;        // prepared for 0 h of the displayed date
    ConstituentTables dayBefore;     // 0 h of the day before (one-day view only)
    TideTableResults tideTable = {}; // the 42 days from the date (table view only)
    float verticalScale = 1.0f;      // VerticalScaleOf the station, widened to hold the span
    ViewPalette palette = {};
    int width = 0, height = 0;       // canvas size; 0 x 0 for a period without a view
    ViewModel model;

    PreparedView() = default;
    PreparedView(const PreparedView&) = delete; // model points into the record
    PreparedView& operator=(const PreparedView&) = delete;
};

// The lowest and highest heights of a view's span (cm); +-infinity stands for none.
struct SpanHeights {
    double lowestCm = HUGE_VAL, highestCm = -HUGE_VAL;
};

/*
**  SpanHeightsOf: the lowest and highest of the high and low waters a view shows: those of
**  its day (one-day view) or of each of its 7 or 42 days, every day from its own preparation
**  and the day before's, as the lists give them. The table view has no axis: none.
**  Given: station; the first day (normalised); period (1, 7, 42, -1); calendar (February set
**  for the year); tables prepared for 0 h of the first day; dayBefore prepared for 0 h of
**  the day before (one-day view), or nullptr to prepare it here.
**  Returns: the lowest and highest heights, cm.
*/
SpanHeights SpanHeightsOf(const Station& station, int year, int month, int day, int period,
                          const Calendar& calendar, const ConstituentTables& tables,
                          const ConstituentTables* dayBefore);

/*
**  PrepareView: everything a view needs for a station and a date.
**  Given: station (loaded; must outlive the record); the displayed date (normalised);
**         period (1, 7, 42, -1); style (LineGraph, BarGraph); colour (1 colour, 0 the
**         monochrome palette).
**  Returns: view, its model bound to the date, the station and the records.
*/
void PrepareView(const Station& station, int year, int month, int day, int period, int style,
                 int colour, PreparedView& view);

} // namespace marevo
