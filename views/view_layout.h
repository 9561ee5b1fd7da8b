// Layout of the four views, in logical units (pixels on the screen): the canvas sizes, the
// plot rectangles and table rows the views draw, and the day cells the graph pane finds
// under the mouse and highlights. The views draw with these numbers and the cells are made
// of them, so a cell always covers the box of its day.
#pragma once

#include "engine/tide_table.h"

namespace marevo {

// The display period: one day, seven days, 42 days (graphs), or the 42-day tide table.
enum DisplayPeriod : int { OneDay = 1, SevenDays = 7, FortyTwoDays = 42, TideTable = -1 };

// ---- Canvas sizes (the table's width follows its event columns) ------------------------

constexpr int OneDayWidth = 610, OneDayHeight = 385;
constexpr int SevenDayWidth = 600, SevenDayHeight = 375;
constexpr int FortyTwoDayWidth = 600, FortyTwoDayHeight = 370;
constexpr int TideTableHeight = 700;

// ---- The one-day view: 12 units an hour from x = 30 (0 h) to 318 (24 h); zero height at
// y = 330 ------------------------------------------------------------------------------

constexpr int OneDayPlotLeft = 30, OneDayPlotRight = 318;
constexpr int OneDayPlotTop = 26, OneDayPlotBottom = 362;
constexpr int OneDayZeroY = 330;
// The header line from x = 30; right of the plot, three boxes of text one above the other:
// the tidal constants, the sun and moon, the high and low waters.
constexpr int OneDayHeaderLeft = 30;
// The position on the header line, latitude then longitude; the heading ends left of it.
constexpr int OneDayLatitudeX = 200, OneDayLongitudeX = 255;
constexpr int OneDayBoxLeft = 347, OneDayBoxRight = 600;
constexpr int OneDayConstantsTop = 24, OneDaySunMoonTop = 130, OneDayExtremesTop = 260;
constexpr int OneDayBoxBottom = 377;

// ---- The seven-day and 42-day views: seven day columns from x = 30; the 42-day view folds
// the plot into six week strips -----------------------------------------------------------

constexpr int WeekDays = 7, WeekStrips = 6;
constexpr int DayColumnWidth = 80, WeekStripHeight = 56;
constexpr int DayPlotLeft = 30, DayPlotTop = 26;
constexpr int DayPlotRight = DayPlotLeft + WeekDays * DayColumnWidth;       // 590
constexpr int DayPlotBottom = DayPlotTop + WeekStrips * WeekStripHeight;    // 362
// Left edge of day column i (i = 7 the plot's right edge).
constexpr int DayColumnLeft(int i) { return DayPlotLeft + DayColumnWidth * i; }

// ---- The tide table: a heading row, then a row a day; the event columns from x = 195 ----

constexpr int TableLeft = 20, TableTop = 28, TableHeadingBottom = 43;
constexpr int TableRowHeight = 15;
constexpr int TableBottom = TableHeadingBottom + TableDays * TableRowHeight; // 673
constexpr int TableEventsLeft = 195, TideTableColumnWidth = 75;
constexpr int TableRightMargin = 20; // canvas beyond the table's right edge

// The canvas width of a table with that many event columns.
constexpr int TableCanvasWidth(int eventColumns)
{
    return TableEventsLeft + TideTableColumnWidth * eventColumns + TableRightMargin;
}

// Canvas size of a display period, the table's width given; false (size unchanged) for a
// period without a view.
bool CanvasSizeFor(int period, int tableWidth, int& width, int& height);
// Canvas size set at start-up before the first refresh; any unknown period as the table
// without event columns.
void StartupCanvasSize(int period, int& width, int& height);

// ---- Day cells of the multi-day views, in canvas coordinates ---------------------------
// A cell of the seven-day view is a day column; of the 42-day view, a day of a week strip;
// of the tide table, a row (row 0 the heading, rows 1 ... 42 the days) spanning the table
// (tableWidth, the canvas width, gives its right edge).

struct CellRect { int left, top, right, bottom; };
struct Cell { int column, row; };
// Column and row under canvas point (cx, cy); false for the one-day view and unknown
// periods (no cells).
bool CellAt(int period, int tableWidth, int cx, int cy, Cell& cell);
bool CellIsValid(int period, Cell cell);
// The highlight box of a cell, drawn as a box is (its right and bottom edges left out):
// inside the lines around the day.
CellRect CellRectOf(int period, int tableWidth, Cell cell);
// Days from the displayed date to the date of a valid cell (the first cell is the date).
int CellDayOffset(int period, Cell cell);

// Floored quotient (the nearest integer at or below a / b), b > 0.
int FloorDiv(int a, int b);

} // namespace marevo
