// ViewModel: the read-only picture of the state that the four views draw from (PrepareView
// makes one), and the entry points of the views. The views keep any day-by-day preparation
// in scratch records of their own, so drawing never changes the caller's state. Their
// geometry is views/view_layout.h.
#pragma once

#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/station.h"
#include "engine/tide_table.h"
#include "views/canvas.h"
#include "views/palette.h"
#include "views/view_layout.h"

namespace marevo {

// How the graphs of the views draw the height: a line, or bars from the zero line.
enum GraphStyle : int { LineGraph = 0, BarGraph = 1 };

struct ViewModel {
    int year = 2000, month = 1, day = 1;      // displayed (first) date, normalised
    const Station* station = nullptr;         // as loaded by the last refresh
    const Calendar* calendar = nullptr;       // February set for the displayed year
    const ConstituentTables* tables = nullptr; // prepared for 0 h of the displayed date
    // Prepared for 0 h of the day before; the one-day view decides the extremes of the first
    // hour with it (as the day before's own list does). Null: the view prepares it.
    const ConstituentTables* dayBefore = nullptr;
    const TideTableResults* tideTable = nullptr; // computed for the displayed date (table view)
    float verticalScale = 1.0f;               // 1.0, 1.5, 2.0, 3.0 or 4.0
    int graphStyle = LineGraph;
    const ViewPalette* palette = nullptr;
};

// What a drawing found that the user must hear about; the shell says it after drawing.
struct ViewReport {
    int sunErrors = 0; // "日の出計算でエラー発生"
};

ViewReport DrawOneDayView(Canvas& canvas, const ViewModel& model);
ViewReport DrawSevenDayView(Canvas& canvas, const ViewModel& model);
ViewReport DrawFortyTwoDayView(Canvas& canvas, const ViewModel& model);
ViewReport DrawTideTableView(Canvas& canvas, const ViewModel& model);
// The view of a display period (1, 7, 42, -1); any other value draws nothing.
ViewReport DrawView(int displayPeriod, Canvas& canvas, const ViewModel& model);

} // namespace marevo
