// Rules of the window program that need no window: canvas sizes and hover cells.
// Coordinates in pixels.
#pragma once

#include <string>

namespace marevo {

// ---- Refresh --------------------------------------------------------------------------

// Canvas size of a display period, the table's width given by the views; false (size
// unchanged) for a period without a view.
bool CanvasSizeFor(int period, int tableWidth, int& width, int& height);
// Canvas size set at start-up before the first refresh; any unknown period as the table.
void StartupCanvasSize(int period, int& width, int& height);

// ---- Graph pane ----------------------------------------------------------------------

// Day cells of the multi-day views, in canvas coordinates, corners inclusive. A row of the
// tide table spans the table: from x 21 to 21 short of the canvas's right edge (tableWidth).
struct CellRect { int left, top, right, bottom; };
struct Cell { int column, row; };
// Column and row under canvas point (cx, cy); false for the one-day view and unknown
// periods (no cells).
bool CellAt(int period, int tableWidth, int cx, int cy, Cell& cell);
bool CellIsValid(int period, Cell cell);
CellRect CellRectOf(int period, int tableWidth, Cell cell);
// Days from the displayed date to the date of a valid cell (the first cell is the date).
int CellDayOffset(int period, Cell cell);

} // namespace marevo
