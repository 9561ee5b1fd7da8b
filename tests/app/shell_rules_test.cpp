// Rules of the window program that need no window: canvas sizes and day cells.
#include "app/shell_rules.h"

#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(RefreshRules, CanvasSizesFollowThePeriod)
{
    struct Case { int period, tableWidth; bool known; int width, height; };
    const Case cases[] = {
        {1, 590, true, 610, 385}, {7, 590, true, 600, 375}, {42, 590, true, 600, 370},
        {-1, 590, true, 590, 700}, {-1, 365, true, 365, 700}, {0, 590, false, 11, 22},
    };
    for (const Case& c : cases) {
        int width = 11, height = 22;
        EXPECT_EQ(CanvasSizeFor(c.period, c.tableWidth, width, height), c.known) << c.period;
        EXPECT_EQ(width, c.width) << c.period;
        EXPECT_EQ(height, c.height) << c.period;
    }
    int width = 0, height = 0;
    StartupCanvasSize(-1, width, height);
    EXPECT_EQ(width, 215);
    EXPECT_EQ(height, 700);
    StartupCanvasSize(3, width, height);
    EXPECT_EQ(width, 215);
    StartupCanvasSize(7, width, height);
    EXPECT_EQ(width, 600);
    EXPECT_EQ(height, 375);
}

TEST(GraphPaneRules, CellsOfTheFortyTwoDayView)
{
    struct Case { int x, y; bool valid; int column, row; };
    const Case cases[] = {
        {29, 26, false, -1, 0}, {30, 26, true, 0, 0}, {110, 26, true, 1, 0},
        {30, 25, false, 0, -1}, {589, 361, true, 6, 5}, {590, 100, false, 7, 1},
        {100, 362, false, 0, 6},
    };
    for (const Case& c : cases) {
        Cell cell;
        ASSERT_TRUE(CellAt(42, 0, c.x, c.y, cell));
        EXPECT_EQ(cell.column, c.column) << c.x << "," << c.y;
        EXPECT_EQ(cell.row, c.row) << c.x << "," << c.y;
        EXPECT_EQ(CellIsValid(42, cell), c.valid) << c.x << "," << c.y;
    }
    const CellRect r = CellRectOf(42, 0, {1, 0});
    EXPECT_EQ(r.left, 111);
    EXPECT_EQ(r.right, 189);
    EXPECT_EQ(r.top, 27);
    EXPECT_EQ(r.bottom, 81);
    EXPECT_EQ(CellDayOffset(42, {3, 2}), 17);
}

TEST(GraphPaneRules, CellsOfTheSevenDayViewAndTheTable)
{
    Cell cell;
    ASSERT_TRUE(CellAt(7, 0, 30, 361, cell));
    EXPECT_TRUE(CellIsValid(7, cell));
    ASSERT_TRUE(CellAt(7, 0, 30, 362, cell));
    EXPECT_FALSE(CellIsValid(7, cell));
    ASSERT_TRUE(CellAt(7, 0, 509, 100, cell));
    EXPECT_EQ(cell.column, 5);
    EXPECT_EQ(CellDayOffset(7, cell), 5);
    const CellRect week = CellRectOf(7, 0, {2, 0});
    EXPECT_EQ(week.left, 191);
    EXPECT_EQ(week.top, 26);
    EXPECT_EQ(week.bottom, 362);

    // A table 590 wide (four event columns): cells 550 wide, rows 15 high from y 28.
    ASSERT_TRUE(CellAt(-1, 590, 20, 42, cell));
    EXPECT_FALSE(CellIsValid(-1, cell)); // the heading row
    ASSERT_TRUE(CellAt(-1, 590, 20, 43, cell));
    EXPECT_TRUE(CellIsValid(-1, cell));
    EXPECT_EQ(CellDayOffset(-1, cell), 0);
    ASSERT_TRUE(CellAt(-1, 590, 570, 43, cell));
    EXPECT_FALSE(CellIsValid(-1, cell));
    ASSERT_TRUE(CellAt(-1, 590, 100, 28 + 15 * 42 + 14, cell));
    EXPECT_EQ(cell.row, 42);
    EXPECT_EQ(CellDayOffset(-1, cell), 41);
    ASSERT_TRUE(CellAt(-1, 590, 100, 28 + 15 * 43, cell));
    EXPECT_FALSE(CellIsValid(-1, cell));
    const CellRect row = CellRectOf(-1, 590, {0, 1});
    EXPECT_EQ(row.left, 21);
    EXPECT_EQ(row.top, 44);
    EXPECT_EQ(row.right, 569);
    EXPECT_EQ(row.bottom, 57);

    EXPECT_FALSE(CellAt(1, 0, 100, 100, cell)); // the one-day view has no cells
    EXPECT_FALSE(CellAt(3, 0, 100, 100, cell));
}

} // namespace
} // namespace marevo
