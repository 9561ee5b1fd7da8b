// The layout the views and the graph pane share: every day cell the pane highlights lies
// between the lines the view draws around that day and holds the date the cell leads to;
// the points of the drawn plot hit valid cells, the points around it none.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "tests/views/view_fixture.h"
#include "views/recorder.h"
#include "views/tide_table_view.h"
#include "views/view_layout.h"

namespace marevo {
namespace {

using testing_views::ViewSetup;

bool Inside(int x, int y, const CellRect& r)
{
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

// A line that runs through the rectangle (on or inside its edges).
bool Crosses(const CanvasCall& l, const CellRect& r, bool verticals)
{
    if (l.y1 == l.y2)
        return l.y1 >= r.top && l.y1 <= r.bottom && std::min(l.x1, l.x2) < r.right &&
               std::max(l.x1, l.x2) > r.left;
    return verticals && l.x1 == l.x2 && l.x1 >= r.left && l.x1 <= r.right &&
           std::min(l.y1, l.y2) < r.bottom && std::max(l.y1, l.y2) > r.top;
}

// The day of the month a date label shows ("12月 7日", "    7日(月)": "%2d日"), or 0.
int LabelDay(const std::string& text)
{
    const size_t at = text.find("日");
    return at == std::string::npos || at < 2 ? 0 : std::atoi(text.substr(at - 2, 2).c_str());
}

// Checks every cell of a view: inside its rule lines, mapped back to itself from its corners,
// and labelled with the day CellDayOffset leads to.
void ExpectCellsFitTheView(int period, int tableWidth, const std::vector<Cell>& cells,
                           const RecordingCanvas& canvas, Color rule, bool verticals,
                           const ViewModel& model)
{
    for (const Cell& cell : cells) {
        SCOPED_TRACE(::testing::Message() << "cell " << cell.column << "," << cell.row);
        ASSERT_TRUE(CellIsValid(period, cell));
        // The pixels the highlight covers: a box leaves out its right and bottom edges.
        CellRect r = CellRectOf(period, tableWidth, cell);
        r.right -= 1;
        r.bottom -= 1;
        for (const CanvasCall& l : canvas.CallsOf(CanvasOp::DrawLine))
            if (l.penColor == rule && !l.clipHeld) { // the rules, not the clipped curve
                EXPECT_FALSE(Crosses(l, r, verticals)) << l.x1 << "," << l.y1;
            }
        for (int x : {r.left, r.right})
            for (int y : {r.top, r.bottom}) {
                Cell hit;
                ASSERT_TRUE(CellAt(period, tableWidth, x, y, hit));
                EXPECT_EQ(hit.column, cell.column);
                EXPECT_EQ(hit.row, cell.row);
            }
        int year = model.year, month = model.month, day = model.day + CellDayOffset(period, cell);
        NormalizeDate(year, month, day);
        int labels = 0;
        for (const CanvasCall& t : canvas.CallsOf(CanvasOp::PutText)) {
            if (!Inside(t.x1, t.y1, r) || LabelDay(t.text) == 0) continue;
            ++labels;
            EXPECT_EQ(LabelDay(t.text), day) << t.text;
        }
        EXPECT_EQ(labels, 1);
    }
}

struct Probe { int x, y; bool valid; };

void ExpectProbes(int period, int tableWidth, const std::vector<Probe>& probes)
{
    for (const Probe& p : probes) {
        Cell cell;
        ASSERT_TRUE(CellAt(period, tableWidth, p.x, p.y, cell));
        EXPECT_EQ(CellIsValid(period, cell), p.valid) << p.x << "," << p.y;
    }
}

// The drawn plot frame's points hit valid cells; the points just outside it, none.
void ExpectFrameHitsCells(int period, const RecordingCanvas& canvas, Color pen)
{
    for (const CanvasCall& f : canvas.CallsOf(CanvasOp::DrawBox)) {
        if (f.color != NoFill || f.penColor != pen) continue;
        ExpectProbes(period, 0, {{f.x1, f.y1, true}, {f.x2 - 1, f.y2 - 1, true},
                                 {f.x1 - 1, f.y1, false}, {f.x1, f.y1 - 1, false},
                                 {f.x2, f.y1 + 40, false}, {f.x1 + 40, f.y2, false}});
        return;
    }
    ADD_FAILURE() << "no plot frame";
}

TEST(ViewLayout, CellsOfTheMultiDayViewsAreTheDaysDrawn)
{
    // From the 27th: the month turns inside the week and inside the strips.
    ViewSetup v(2008, 12, 27);
    const Color frame = v.palette.DayFrame;
    std::vector<Cell> week, weeks;
    for (int c = 0; c < WeekDays; ++c) {
        week.push_back({c, 0});
        for (int r = 0; r < WeekStrips; ++r) weeks.push_back({c, r});
    }
    RecordingCanvas seven, fortyTwo;
    DrawView(SevenDays, seven, v.model);
    DrawView(FortyTwoDays, fortyTwo, v.model);
    ExpectCellsFitTheView(SevenDays, 0, week, seven, frame, true, v.model);
    ExpectCellsFitTheView(FortyTwoDays, 0, weeks, fortyTwo, frame, true, v.model);
    ExpectFrameHitsCells(SevenDays, seven, frame);
    ExpectFrameHitsCells(FortyTwoDays, fortyTwo, frame);
    Cell cell;
    EXPECT_FALSE(CellAt(OneDay, 0, 100, 100, cell)); // the one-day view has no cells
    EXPECT_FALSE(CellAt(3, 0, 100, 100, cell));
}

TEST(ViewLayout, RowsOfTheTableAreTheDaysDrawn)
{
    ViewSetup v(2008, 12, 27);
    PreparedView table;
    PrepareView(v.station, 2008, 12, 27, TideTable, LineGraph, 1, table);
    const int width = table.width;
    ASSERT_EQ(width, TideTableWidth(table.tideTable));
    RecordingCanvas canvas;
    DrawView(TideTable, canvas, table.model);
    std::vector<Cell> rows;
    for (int r = 1; r <= TableDays; ++r) rows.push_back({0, r});
    ExpectCellsFitTheView(TideTable, width, rows, canvas, table.palette.TableRule, false,
                          table.model);

    // The heading, the rows past the last day and the canvas right of the table are no cells.
    const int right = TideTableRight(table.tideTable);
    ExpectProbes(TideTable, width,
                 {{TableLeft, TableHeadingBottom - 1, false}, {TableLeft, TableHeadingBottom, true},
                  {right - 1, TableBottom - 1, true}, {right, TableHeadingBottom + 5, false},
                  {TableLeft, TableBottom, false}, {TableLeft - 1, TableHeadingBottom, false}});
}

TEST(ViewLayout, CanvasSizesAndFloorDivision)
{
    int width = 11, height = 22;
    EXPECT_FALSE(CanvasSizeFor(0, 590, width, height));
    EXPECT_EQ(width, 11);
    ASSERT_TRUE(CanvasSizeFor(TideTable, 590, width, height));
    EXPECT_EQ(width, 590);
    // Before the first refresh an unknown period shows as a table without event columns.
    for (int period : {int(TideTable), 3}) {
        StartupCanvasSize(period, width, height);
        EXPECT_EQ(width, TableCanvasWidth(0)) << period;
        EXPECT_EQ(height, TideTableHeight);
    }
    StartupCanvasSize(SevenDays, width, height);
    EXPECT_EQ(width, SevenDayWidth);
    EXPECT_EQ(height, SevenDayHeight);

    const int cases[][3] = {{-1, 80, -1}, {-80, 80, -1}, {-81, 80, -2}, {0, 80, 0}, {79, 80, 0}, {80, 80, 1}};
    for (const auto& c : cases) EXPECT_EQ(FloorDiv(c[0], c[1]), c[2]) << c[0];
}

} // namespace
} // namespace marevo
