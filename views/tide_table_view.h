// The tide-table view: 42 rows of a day each (date, tide name, moon age, phase) and the
// day's low and high waters in two column groups. Logical units of the canvas.
#pragma once

#include "engine/tide_table.h"
#include "views/view_layout.h"
#include "views/view_model.h"

namespace marevo {

/*
**  TideTableEventColumns: the number of event columns of the table: MaxLowPerDay low-water
**  columns followed by MaxHighPerDay high-water ones, and never fewer than the busiest day's
**  events (TableColumns + 1).
**  Given: the table results. Returns: the column count (0 for a table without events).
*/
int TideTableEventColumns(const TideTableResults& results);

// The table's right edge: 195 + 75 columns.
int TideTableRight(const TideTableResults& results);

// The canvas width the table needs (right edge + 20); the shell sizes the canvas and its
// hover cells with it. The height is TideTableHeight.
int TideTableWidth(const TideTableResults& results);

} // namespace marevo
