// Rules of the window program that need no window (see shell_rules.h).
#include "app/shell_rules.h"

#include "shell/scrolling.h"

namespace marevo {

bool CanvasSizeFor(int period, int tableWidth, int& width, int& height)
{
    switch (period) {
    case 1: width = 610; height = 385; return true;
    case 7: width = 600; height = 375; return true;
    case 42: width = 600; height = 370; return true;
    case -1: width = tableWidth; height = 700; return true;
    default: return false;
    }
}

void StartupCanvasSize(int period, int& width, int& height)
{
    if (period == -1 || !CanvasSizeFor(period, 0, width, height)) {
        width = 215;
        height = 700;
    }
}

bool CellAt(int period, int tableWidth, int cx, int cy, Cell& cell)
{
    switch (period) {
    case 42: cell = {FloorDiv(cx - 30, 80), FloorDiv(cy - 26, 56)}; return true;
    case 7: cell = {FloorDiv(cx - 30, 80), FloorDiv(cy - 26, 336)}; return true;
    case -1: {
        const int rowWidth = tableWidth - 40 > 0 ? tableWidth - 40 : 1;
        cell = {FloorDiv(cx - 20, rowWidth), FloorDiv(cy - 28, 15)};
        return true;
    }
    default: return false;
    }
}

bool CellIsValid(int period, Cell c)
{
    switch (period) {
    case 42: return c.column >= 0 && c.column <= 6 && c.row >= 0 && c.row <= 5;
    case 7: return c.column >= 0 && c.column <= 6 && c.row == 0;
    case -1: return c.column == 0 && c.row >= 1 && c.row <= 42;
    default: return false;
    }
}

CellRect CellRectOf(int period, int tableWidth, Cell c)
{
    switch (period) {
    case 42: {
        const int left = 31 + 80 * c.column, top = 27 + 56 * c.row;
        return {left, top, left + 78, top + 54};
    }
    case 7: {
        const int left = 31 + 80 * c.column;
        return {left, 26, left + 78, 362};
    }
    default: {
        const int top = 29 + 15 * c.row;
        return {21, top, tableWidth - 21, top + 13};
    }
    }
}

int CellDayOffset(int period, Cell c)
{
    switch (period) {
    case 42: return 7 * c.row + c.column;
    case 7: return c.column;
    default: return c.row - 1;
    }
}

} // namespace marevo
