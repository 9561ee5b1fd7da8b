// The tide-table view: header, 42 day rows with their moon columns, the events of each day
// in the low-water and high-water groups, and the grid drawn last over shading and texts.
#include "views/tide_table_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/ephemeris.h"
#include "astro/moon_phase.h"
#include "engine/calendar.h"
#include "views/seven_day_view.h"
#include "views/text_util.h"

namespace marevo {

namespace {

constexpr int HeadingBottom = TableHeadingBottom, RowHeight = TableRowHeight;
constexpr int RowTextOffset = 2;
constexpr int EventsLeft = TableEventsLeft;

int RowTop(int r) { return HeadingBottom + RowHeight * r; }

void SelectTableFont(Canvas& canvas) { canvas.SelectViewFont(ViewFace, 12, 0, 0, false); }

// Moon figures of one week of rows: the phase times at noon of its first day.
struct WeekMoon {
    float v[5];
    int phaseMonth[5], phaseDay[5];
};

WeekMoon MoonOfWeek(double dayNumber, float standardMeridian, int year, int month, int firstDay)
{
    WeekMoon week;
    const float e = static_cast<float>(dayNumber + (180.0 - standardMeridian) / 360.0);
    const float t = static_cast<float>(e * 2.7378507871321012e-05);
    LunarPhaseTimes(e, MoonLongitude(t), SunLongitude(t), week.v);
    for (int j = 0; j < 5; ++j) {
        int y = year, m = month, d = firstDay - PhaseDayOffset(week.v[j]);
        NormalizeDate(y, m, d);
        week.phaseMonth[j] = m;
        week.phaseDay[j] = d;
    }
    return week;
}

void DrawRows(Canvas& canvas, const ViewModel& model, int right)
{
    const ViewPalette& pal = *model.palette;
    canvas.SelectViewPen(PenSolid, 1, White);
    canvas.DrawBox(TableLeft, TableTop, right, TableBottom, White);
    canvas.ReleaseViewPen();

    for (int w = 0; w < TableDays; w += 7) {
        const double dayNumber = DayNumber(model.year, model.month, model.day + w);
        const int w0 = WeekdayFromDayNumber(dayNumber);
        const WeekMoon week = MoonOfWeek(dayNumber, model.station->StandardMeridian,
                                         model.year, model.month, model.day + w);
        for (int i = 0; i < 7 && w + i < TableDays; ++i) {
            const int r = w + i, y = RowTop(r) + RowTextOffset;
            int dy = model.year, dm = model.month, dd = model.day + w + i;
            NormalizeDate(dy, dm, dd);
            const int weekday = (w0 + i) % 7;

            SelectTableFont(canvas);
            canvas.SetTextColor(Black);
            if (weekday == 0 || weekday == 6) {
                const Color fill = weekday == 0 ? pal.SundayFill : pal.SaturdayFill;
                canvas.SetTextColor(weekday == 0 ? pal.SundayText : pal.SaturdayText);
                canvas.SelectViewPen(PenSolid, 1, fill);
                canvas.DrawBox(TableLeft, RowTop(r), right, RowTop(r + 1), fill);
                canvas.ReleaseViewPen();
            }
            char text[64];
            if (r == 0 || dd == 1)
                std::snprintf(text, sizeof text, "%2d月%2d日(%s)", dm, dd, WeekdayNames[weekday]);
            else
                std::snprintf(text, sizeof text, "    %2d日(%s)", dd, WeekdayNames[weekday]);
            canvas.PutText(25, y, text);

            const float age = DayAge(week.v[0], week.v[4], i);
            canvas.SetTextColor(pal.TideNameText);
            canvas.PutText(105, y, TideRangeNames[TideRangeIndex(age)]);
            canvas.SetTextColor(pal.MoonAgeText);
            std::snprintf(text, sizeof text, "%4.1f", age);
            canvas.PutText(137, y, text);
            for (int j = 0; j < 5; ++j)
                if (dm == week.phaseMonth[j] && dd == week.phaseDay[j]) {
                    canvas.SetTextColor(pal.MoonPhaseText);
                    canvas.PutText(167, y, PhaseNames[j]);
                }
            canvas.ReleaseViewFont();
        }
    }
}

void DrawEntries(Canvas& canvas, const TideTableResults& table)
{
    SelectTableFont(canvas);
    canvas.SetTextColor(Black);
    const int L = std::max(table.MaxLowPerDay, 0);
    for (int r = 0; r < TableDays; ++r) {
        const int y = RowTop(r) + RowTextOffset;
        int nextLow = EventsLeft, nextHigh = EventsLeft + TideTableColumnWidth * L;
        for (int n = 0; n <= table.TableColumns && n < TableSlots; ++n) {
            const int slot = TableSlots * r + n;
            if (table.TableHour[slot] == EmptySlot) continue;
            // Each event goes to the group of its own kind.
            int& next = table.TableHigh[slot] ? nextHigh : nextLow;
            const int x = next;
            next += TideTableColumnWidth;
            char text[64];
            std::snprintf(text, sizeof text, "%2.0f:%02.0f %3.0fcm", table.TableHour[slot],
                          table.TableMinute[slot], WholeCm(table.TableHeight[slot]));
            canvas.PutText(x + 5, y, text);
        }
    }
    canvas.ReleaseViewFont();
}

void DrawGrid(Canvas& canvas, const TideTableResults& table, const ViewPalette& pal)
{
    const int right = TideTableRight(table);
    const int L = std::max(table.MaxLowPerDay, 0), H = std::max(table.MaxHighPerDay, 0);
    const int lowHighBorder = EventsLeft + TideTableColumnWidth * L;

    canvas.SelectViewPen(PenSolid, 1, pal.TableRule);
    for (int r = 1; r <= TableDays; ++r) canvas.DrawLine(TableLeft, RowTop(r), right, RowTop(r));
    canvas.ReleaseViewPen();

    canvas.SelectViewPen(PenSolid, 1, pal.TableFrame);
    canvas.DrawBox(TableLeft, TableTop, right, HeadingBottom, InfoBoxGrey);
    canvas.ReleaseViewPen();

    SelectTableFont(canvas);
    canvas.SetTextColor(Black);
    canvas.PutText(25, 30, "    日付");
    canvas.PutText(105, 30, " 潮");
    canvas.PutText(139, 30, "  月齢");
    canvas.PutText(185 + TideTableColumnWidth * L / 2, 30, "干潮");
    canvas.PutText(185 + TideTableColumnWidth * L + TideTableColumnWidth * H / 2, 30, "満潮");
    canvas.ReleaseViewFont();

    canvas.SelectViewPen(PenSolid, 1, pal.TableRule);
    for (int x : {100, 132, 162, EventsLeft})
        canvas.DrawLine(x, HeadingBottom, x, TableBottom);
    for (int m = 1; m < TideTableEventColumns(table); ++m) {
        const int x = EventsLeft + TideTableColumnWidth * m;
        canvas.DrawLine(x, HeadingBottom, x, TableBottom);
    }
    canvas.ReleaseViewPen();

    canvas.SelectViewPen(PenSolid, 1, pal.TableFrame);
    canvas.DrawBox(TableLeft, TableTop, right, TableBottom, NoFill);
    for (int x : {100, 132, EventsLeft, lowHighBorder})
        canvas.DrawLine(x, TableTop, x, TableBottom);
    canvas.ReleaseViewPen();
}

} // namespace

int TideTableEventColumns(const TideTableResults& results)
{
    const int busiestDay = std::min(results.TableColumns, TableSlots - 1) + 1;
    const int groups = std::max(results.MaxLowPerDay, 0) + std::max(results.MaxHighPerDay, 0);
    return std::max(std::max(busiestDay, groups), 0);
}

int TideTableRight(const TideTableResults& results)
{
    return EventsLeft + TideTableColumnWidth * TideTableEventColumns(results);
}

int TideTableWidth(const TideTableResults& results)
{
    return TableCanvasWidth(TideTableEventColumns(results));
}

ViewReport DrawTideTableView(Canvas& canvas, const ViewModel& model)
{
    ViewReport report;
    if (model.station == nullptr || model.tideTable == nullptr || model.palette == nullptr)
        return report;

    int ly = model.year, lm = model.month, ld = model.day + TableDays - 1;
    NormalizeDate(ly, lm, ld);
    char title[160];
    std::snprintf(title, sizeof title, "【 %s 】   %d年%d月%d日 ～ %d年%d月%d日",
                  TrimLeadingSpaces(model.station->StationName).c_str(), model.year,
                  model.month, model.day, ly, lm, ld);
    DrawTitleStrip(canvas, 380, title);

    DrawRows(canvas, model, TideTableRight(*model.tideTable));
    DrawEntries(canvas, *model.tideTable);
    DrawGrid(canvas, *model.tideTable, *model.palette);
    return report;
}

} // namespace marevo
