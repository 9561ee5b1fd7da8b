// Canvas sizes and the day cells of the views, from the layout numbers the views draw with.
// Logical units.
#include "views/view_layout.h"

namespace marevo {

bool CanvasSizeFor(int period, int tableWidth, int& width, int& height)
{
    switch (period) {
    case OneDay: width = OneDayWidth; height = OneDayHeight; return true;
    case SevenDays: width = SevenDayWidth; height = SevenDayHeight; return true;
    case FortyTwoDays: width = FortyTwoDayWidth; height = FortyTwoDayHeight; return true;
    case TideTable: width = tableWidth; height = TideTableHeight; return true;
    default: return false;
    }
}

void StartupCanvasSize(int period, int& width, int& height)
{
    if (period == TideTable || !CanvasSizeFor(period, 0, width, height))
        CanvasSizeFor(TideTable, TableCanvasWidth(0), width, height);
}

int FloorDiv(int a, int b)
{
    int q = a / b;
    if ((a % b != 0) && (a < 0)) --q;
    return q;
}

bool CellAt(int period, int tableWidth, int cx, int cy, Cell& cell)
{
    const int column = FloorDiv(cx - DayPlotLeft, DayColumnWidth);
    switch (period) {
    case FortyTwoDays: cell = {column, FloorDiv(cy - DayPlotTop, WeekStripHeight)}; return true;
    case SevenDays: cell = {column, FloorDiv(cy - DayPlotTop, DayPlotBottom - DayPlotTop)}; return true;
    case TideTable: {
        const int rowWidth = tableWidth - TableRightMargin - TableLeft;
        cell = {FloorDiv(cx - TableLeft, rowWidth > 0 ? rowWidth : 1),
                FloorDiv(cy - TableTop, TableRowHeight)};
        return true;
    }
    default: return false;
    }
}

bool CellIsValid(int period, Cell c)
{
    const bool dayColumn = c.column >= 0 && c.column < WeekDays;
    switch (period) {
    case FortyTwoDays: return dayColumn && c.row >= 0 && c.row < WeekStrips;
    case SevenDays: return dayColumn && c.row == 0;
    case TideTable: return c.column == 0 && c.row >= 1 && c.row <= TableDays;
    default: return false;
    }
}

CellRect CellRectOf(int period, int tableWidth, Cell c)
{
    const int left = DayPlotLeft + DayColumnWidth * c.column + 1;
    const int right = left + DayColumnWidth - 2;
    switch (period) {
    case FortyTwoDays: {
        const int top = DayPlotTop + WeekStripHeight * c.row + 1;
        return {left, top, right, top + WeekStripHeight - 2};
    }
    case SevenDays: return {left, DayPlotTop, right, DayPlotBottom};
    default: {
        // Row r lies between the rules at TableTop + 15 r and TableTop + 15 (r + 1).
        const int top = TableTop + TableRowHeight * c.row + 1;
        return {TableLeft + 1, top, tableWidth - TableRightMargin - 1, top + TableRowHeight - 2};
    }
    }
}

int CellDayOffset(int period, Cell c)
{
    switch (period) {
    case FortyTwoDays: return WeekDays * c.row + c.column;
    case SevenDays: return c.column;
    default: return c.row - 1;
    }
}

} // namespace marevo
