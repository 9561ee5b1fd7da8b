// The tide-table view: header, geometry of the column groups, entries placed by their own
// kind, weekend shading under the rules, the moon columns, and the widened table of
// days whose low and high waters outnumber the busiest day's events.
#include "views/tide_table_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/calendar.h"
#include "tests/views/view_fixture.h"
#include "views/recorder.h"

namespace marevo {
namespace {

TideTableResults EmptyTable()
{
    TideTableResults t;
    for (int i = 0; i < TableDays * TableSlots; ++i)
        t.TableHour[i] = t.TableMinute[i] = t.TableHeight[i] = EmptySlot;
    t.TableColumns = 0;
    t.FirstEventIsHigh = -1;
    return t;
}

void PutEvent(TideTableResults& t, int day, int slot, float hour, float minute, float height,
              bool high)
{
    t.TableHigh[TableSlots * day + slot] = high;
    t.TableHour[TableSlots * day + slot] = hour;
    t.TableMinute[TableSlots * day + slot] = minute;
    t.TableHeight[TableSlots * day + slot] = height;
    if (slot > t.TableColumns) t.TableColumns = slot;
}

// The views' fixture with a table made by hand in place of the computed one.
struct TableFixture : testing_views::ViewSetup {
    TideTableResults table = EmptyTable();
    TableFixture(int year, int month, int day, int paletteMode = 1)
        : ViewSetup(year, month, day, 2.0f, paletteMode)
    {
        model.tideTable = &table;
    }
};

// Two lows and two highs every day, first a high water: the layout of the table's example.
void FillTwoAndTwo(TideTableResults& t)
{
    for (int d = 0; d < TableDays; ++d) {
        PutEvent(t, d, 0, 3, 5, 180, true);
        PutEvent(t, d, 1, 9, 30, 20, false);
        PutEvent(t, d, 2, 15, 45, 160, true);
        PutEvent(t, d, 3, 21, 0, 40, false);
    }
    t.FirstEventIsHigh = 1;
    t.MaxLowPerDay = 2;
    t.MaxHighPerDay = 2;
}

bool HasLine(const RecordingCanvas& c, int x1, int y1, int x2, int y2, Color pen)
{
    for (const CanvasCall& k : c.Calls())
        if (k.op == CanvasOp::DrawLine && k.x1 == x1 && k.y1 == y1 && k.x2 == x2 &&
            k.y2 == y2 && k.penColor == pen)
            return true;
    return false;
}

TEST(TideTableView, GeometryOfThreeColumnsTwoLowsTwoHighs)
{
    TableFixture f(2008, 5, 14);
    FillTwoAndTwo(f.table);
    ASSERT_EQ(f.table.TableColumns, 3);
    EXPECT_EQ(TideTableEventColumns(f.table), 4);
    EXPECT_EQ(TideTableRight(f.table), 495);
    EXPECT_EQ(TideTableWidth(f.table), 515); // 290 + 75 * 3
    RecordingCanvas c;
    DrawTideTableView(c, f.model);
    EXPECT_TRUE(c.Balanced()) << (c.Faults().empty() ? "" : c.Faults()[0]);

    struct Heading {
        int x;
        const char* text;
    } const headings[] = {
        {25, "    日付"}, {105, " 潮"}, {139, "  月齢"}, {260, "干潮"}, {410, "満潮"},
    };
    for (const Heading& h : headings) {
        const CanvasCall* t = c.TextAt(h.x, 30);
        ASSERT_NE(t, nullptr) << h.text;
        EXPECT_EQ(t->text, h.text);
    }
    // The heavy border between the two groups at 345; the event columns' rules.
    const Color frame = f.palette.TableFrame, rule = f.palette.TableRule;
    EXPECT_TRUE(HasLine(c, 345, 28, 345, 673, frame));
    for (int x : {270, 345, 420}) EXPECT_TRUE(HasLine(c, x, 43, x, 673, rule)) << x;
    int horizontal = 0;
    for (int r = 1; r <= 42; ++r) horizontal += HasLine(c, 20, 43 + 15 * r, 495, 43 + 15 * r, rule);
    EXPECT_EQ(horizontal, 42);
}

TEST(TideTableView, EntriesFillTheirGroupsFromTheLeftByTheirOwnKind)
{
    TableFixture f(2008, 5, 14);
    FillTwoAndTwo(f.table);
    // Day 1 has three events only; day 2 has two highs in a row (a double high water); the
    // days after them keep their own kinds, never shifted by the odd counts before them.
    for (int s = 0; s < 4; ++s) f.table.TableHour[TableSlots * 1 + s] = EmptySlot;
    PutEvent(f.table, 1, 0, 4, 0, 170, true);
    PutEvent(f.table, 1, 1, 10, 0, 30, false);
    PutEvent(f.table, 1, 2, 16, 0, 150, true);
    PutEvent(f.table, 2, 1, 9, 30, 175, true);
    RecordingCanvas c;
    DrawTideTableView(c, f.model);
    struct Entry {
        int x, y;
        const char* text;
    } const entries[] = {
        {350, 45, " 3:05 180cm"}, // first high water of day 0: first high column
        {200, 45, " 9:30  20cm"},
        {425, 45, "15:45 160cm"},
        {275, 45, "21:00  40cm"},
        {350, 60, " 4:00 170cm"},
        {200, 60, "10:00  30cm"},
        {425, 60, "16:00 150cm"}, // the second low cell of day 1 stays empty
        {350, 75, " 3:05 180cm"},
        {425, 75, " 9:30 175cm"}, // the second high of the pair
        {200, 75, "21:00  40cm"},
        {350, 90, " 3:05 180cm"}, // day 3 as day 0
        {200, 90, " 9:30  20cm"},
    };
    for (const Entry& e : entries) {
        const CanvasCall* t = c.TextAt(e.x, e.y);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_EQ(t->text, e.text);
        EXPECT_EQ(t->textColor, Black);
    }
    EXPECT_EQ(c.TextAt(275, 60), nullptr);

    // A low water of -0.4 cm reads 0, not -0.
    PutEvent(f.table, 3, 1, 9, 30, -0.4f, false);
    RecordingCanvas zero;
    DrawTideTableView(zero, f.model);
    ASSERT_NE(zero.TextAt(200, 90), nullptr);
    EXPECT_EQ(zero.TextAt(200, 90)->text, " 9:30   0cm");
}

// The rows of 14 May 2008 to 24 June: dates, weekend shading, moon ages and phases. Noon of
// 14 May 2008 at 135 E: moon age 8.6, a 長潮; phases (JST) new moon 5 May, first quarter 12
// May, full moon 20 May, last quarter 28 May, new moon 4 June, full moon 19 June.
TEST(TideTableView, TitleDatesWeekendRowsAndMoonColumns)
{
    TableFixture f(2008, 5, 14); // a Wednesday
    FillTwoAndTwo(f.table);
    RecordingCanvas c;
    DrawTideTableView(c, f.model);
    const CanvasCall* title = c.TextAt(30, 8);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "【 東京 】   2008年5月14日 ～ 2008年6月24日");
    struct Row {
        int r;
        const char* text;
        int weekday; // 0 Sunday, 6 Saturday, else -1
    } const rows[] = {
        {0, " 5月14日(水)", -1}, // the first row shows the month
        {1, "    15日(木)", -1},
        {3, "    17日(土)", 6},
        {4, "    18日(日)", 0},
        {18, " 6月 1日(日)", 0}, // the 1st of a month shows it too
        {41, "    24日(火)", -1},
    };
    for (const Row& row : rows) {
        const CanvasCall* t = c.TextAt(25, 45 + 15 * row.r);
        ASSERT_NE(t, nullptr) << row.r;
        EXPECT_EQ(t->text, row.text) << row.r;
        const Color text = row.weekday == 0 ? f.palette.SundayText
                           : row.weekday == 6 ? f.palette.SaturdayText
                                              : Black;
        EXPECT_EQ(t->textColor, text) << row.r;
    }
    // Weekend rows are shaded across the whole table, before any rule is drawn.
    int shaded = 0;
    size_t lastShade = 0, firstLine = c.Calls().size();
    for (size_t i = 0; i < c.Calls().size(); ++i) {
        const CanvasCall& k = c.Calls()[i];
        if (k.op == CanvasOp::DrawLine && i < firstLine) firstLine = i;
        if (k.op != CanvasOp::DrawBox || k.x1 != 20 || k.x2 != 495 || k.y1 < 43 ||
            k.y2 - k.y1 != 15)
            continue;
        const int r = (k.y1 - 43) / 15;
        int y = 2008, m = 5, d = 14 + r;
        NormalizeDate(y, m, d);
        const int wd = WeekdayFromDayNumber(DayNumber(y, m, d));
        EXPECT_TRUE(wd == 0 || wd == 6) << r;
        EXPECT_EQ(k.color, wd == 0 ? f.palette.SundayFill : f.palette.SaturdayFill) << r;
        EXPECT_EQ(k.penColor, k.color) << r;
        ++shaded;
        lastShade = i;
    }
    EXPECT_EQ(shaded, 12); // six Saturdays and six Sundays in six weeks
    EXPECT_LT(lastShade, firstLine);

    ASSERT_NE(c.TextAt(137, 45), nullptr);
    EXPECT_EQ(c.TextAt(137, 45)->text, " 8.6");
    EXPECT_EQ(c.TextAt(137, 45)->textColor, f.palette.MoonAgeText);
    ASSERT_NE(c.TextAt(105, 45), nullptr);
    EXPECT_EQ(c.TextAt(105, 45)->text, "長潮");
    EXPECT_EQ(c.TextAt(105, 45)->textColor, f.palette.TideNameText);
    struct Phase {
        int r;
        const char* name;
    } const phases[] = {{6, "満月"}, {14, "下弦"}, {21, "新月"}, {36, "満月"}};
    int shown = 0;
    for (const CanvasCall& k : c.CallsOf(CanvasOp::PutText))
        if (k.x1 == 167) ++shown;
    for (const Phase& p : phases) {
        const CanvasCall* t = c.TextAt(167, 45 + 15 * p.r);
        ASSERT_NE(t, nullptr) << p.name << " row " << p.r;
        EXPECT_EQ(t->text, p.name);
        EXPECT_EQ(t->textColor, f.palette.MoonPhaseText);
    }
    EXPECT_EQ(shown, 5); // the four above and the first quarter of June
    // Ages grow by one a day within a week and restart after a new moon.
    const CanvasCall* age21 = c.TextAt(137, 45 + 15 * 21); // 4 June
    ASSERT_NE(age21, nullptr);
    EXPECT_LT(std::atof(age21->text.c_str()), 1.0);
}

TEST(TideTableView, MonochromeShadesNothing)
{
    TableFixture f(2008, 5, 14, 0);
    FillTwoAndTwo(f.table);
    RecordingCanvas c;
    DrawTideTableView(c, f.model);
    for (const CanvasCall& k : c.CallsOf(CanvasOp::DrawBox))
        if (k.y1 >= 43 && k.y2 - k.y1 == 15) {
            EXPECT_EQ(k.color, White);
        }
    for (const CanvasCall& k : c.CallsOf(CanvasOp::PutText)) EXPECT_EQ(k.textColor, Black);
}

// Days of three events that begin with a low on some days and with a high on others need
// three columns of each kind, one more than the five of the busiest day.
TEST(TideTableView, TableWidensWhenLowsAndHighsOutnumberTheColumns)
{
    TableFixture f(2008, 5, 14);
    PutEvent(f.table, 0, 0, 1, 0, 10, false);   // low
    PutEvent(f.table, 0, 1, 7, 0, 100, true);  // high
    PutEvent(f.table, 0, 2, 13, 0, 20, false);  // low
    PutEvent(f.table, 0, 3, 19, 0, 110, true); // high
    PutEvent(f.table, 0, 4, 23, 0, 30, false);  // low: five events, TableColumns 4
    PutEvent(f.table, 1, 0, 5, 0, 120, true);  // high
    PutEvent(f.table, 1, 1, 11, 0, 15, false);  // low
    PutEvent(f.table, 1, 2, 17, 0, 130, true); // high
    PutEvent(f.table, 1, 3, 22, 0, 25, false);  // low
    PutEvent(f.table, 2, 0, 4, 0, 140, true);  // high after a low: three highs on day 2
    PutEvent(f.table, 2, 1, 10, 0, 5, false);
    PutEvent(f.table, 2, 2, 16, 0, 150, true);
    PutEvent(f.table, 2, 3, 21, 0, 35, false);
    PutEvent(f.table, 2, 4, 23, 50, 160, true);
    f.table.FirstEventIsHigh = 0;
    f.table.MaxLowPerDay = 3;
    f.table.MaxHighPerDay = 3;
    ASSERT_EQ(f.table.TableColumns, 4);
    EXPECT_EQ(TideTableEventColumns(f.table), 6);
    EXPECT_EQ(TideTableRight(f.table), 645);
    EXPECT_EQ(TideTableWidth(f.table), 665);
    RecordingCanvas c;
    DrawTideTableView(c, f.model);
    // Day 2's third high water takes the sixth column, inside the widened table.
    const CanvasCall* third = c.TextAt(195 + 75 * 5 + 5, 75);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->text, "23:50 160cm");
    for (const CanvasCall& k : c.CallsOf(CanvasOp::PutText))
        if (k.y1 >= 45) {
            EXPECT_LE(k.x1 + 70, 645) << k.text;
        }
    ASSERT_NE(c.TextAt(185 + 75 * 3 + 112, 30), nullptr); // centred on the high-water group
    EXPECT_EQ(c.TextAt(185 + 75 * 3 + 112, 30)->text, "満潮");
    ASSERT_NE(c.TextAt(185 + 112, 30), nullptr);
    EXPECT_EQ(c.TextAt(185 + 112, 30)->text, "干潮");
    EXPECT_TRUE(HasLine(c, 570, 43, 570, 673, f.palette.TableRule));
    EXPECT_TRUE(HasLine(c, 420, 28, 420, 673, f.palette.TableFrame));
    EXPECT_TRUE(HasLine(c, 20, 673, 645, 673, f.palette.TableRule));
}

// A table computed by the engine: the view's alternation places every event in a column of
// the table, with the engine's count of low and high waters per day.
TEST(TideTableView, EveryComputedEventFindsItsColumn)
{
    TableFixture f(2008, 6, 1);
    f.station = Station(); // no constituent but those set here
    f.station.StandardMeridian = 135;
    std::strcpy(f.station.MeanSeaLevelText, "30.0");
    f.station.MeanSeaLevel = 30;
    f.station.Amplitude[IndexK1] = 12;
    f.station.Amplitude[IndexO1] = 10;
    f.station.Amplitude[IndexM2] = 9;
    f.station.Amplitude[IndexS2] = 3;
    f.station.PhaseLag[IndexK1] = 200;
    f.station.PhaseLag[IndexO1] = 180;
    f.station.PhaseLag[IndexM2] = 150;
    f.station.PhaseLag[IndexS2] = 170;
    Calendar cal;
    SetFebruaryForYear(cal, 2008);
    ComputeTideTable(2008, 6, 1, f.station, cal, f.table);
    ASSERT_GE(f.table.FirstEventIsHigh, 0);
    const int right = TideTableRight(f.table);
    EXPECT_EQ(right, 195 + 75 * (f.table.MaxLowPerDay + f.table.MaxHighPerDay));
    RecordingCanvas c;
    DrawTideTableView(c, f.model);
    EXPECT_TRUE(c.Balanced());
    const int border = 195 + 75 * f.table.MaxLowPerDay;
    int entries = 0;
    for (const CanvasCall& k : c.CallsOf(CanvasOp::PutText))
        if (k.y1 >= 45 && k.x1 >= 200) {
            ++entries;
            EXPECT_LE(k.x1 - 5 + 75, right) << k.text;
            // Lows left of the border, highs right of it: a high water is the higher
            // neighbour of the events around it.
            const int r = (k.y1 - 45) / 15;
            const double height = std::atof(k.text.c_str() + 6);
            double lowest = 1e9, highest = -1e9;
            for (int n = 0; n < TableSlots; ++n) {
                const float h = f.table.TableHeight[TableSlots * r + n];
                if (h == EmptySlot) continue;
                lowest = std::min<double>(lowest, h);
                highest = std::max<double>(highest, h);
            }
            if (k.x1 < border) {
                EXPECT_LT(height, highest) << r << " " << k.text;
            } else {
                EXPECT_GT(height, lowest) << r << " " << k.text;
            }
        }
    int events = 0;
    for (int i = 0; i < TableDays * TableSlots; ++i) events += f.table.TableHour[i] != EmptySlot;
    EXPECT_EQ(entries, events);
}

TEST(TideTableView, NothingWithoutAStationOrTable)
{
    TableFixture f(2008, 5, 14);
    f.model.tideTable = nullptr;
    RecordingCanvas c;
    DrawTideTableView(c, f.model);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(DrawView, DispatchesTheTableAndIgnoresUnknownPeriods)
{
    TableFixture f(2008, 5, 14);
    FillTwoAndTwo(f.table);
    RecordingCanvas direct, dispatched, unknown;
    DrawTideTableView(direct, f.model);
    DrawView(TideTable, dispatched, f.model);
    EXPECT_EQ(dispatched.Calls().size(), direct.Calls().size());
    EXPECT_NE(dispatched.TextAt(30, 8), nullptr);
    for (int period : {0, 2, -2, 43}) {
        DrawView(period, unknown, f.model);
        EXPECT_TRUE(unknown.Calls().empty()) << period;
    }
}

} // namespace
} // namespace marevo
