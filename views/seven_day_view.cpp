// The seven-day view: header, weekend shading, grid, per-day labels, the half-hourly curve
// and each day's high and low waters. Logical units; heights in cm; times in zone hours.
#include "views/seven_day_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "astro/moon_phase.h"
#include "engine/tide.h"
#include "views/pixel_offset.h"
#include "views/text_util.h"

namespace marevo {

namespace {

constexpr int PlotLeft = DayPlotLeft, PlotRight = DayPlotRight;
constexpr int PlotTop = DayPlotTop, PlotBottom = DayPlotBottom;
constexpr int ColumnWidth = DayColumnWidth;
constexpr int ColumnLeft(int i) { return DayColumnLeft(i); }
constexpr int GridTop = 194;

int LevelY(float levelCm, float scale)
{
    return SevenDayHeightY(Truncate(levelCm), scale);
}

Color DateColour(int weekday, const ViewPalette& pal)
{
    if (weekday == 0) return pal.SundayText;
    if (weekday == 6) return pal.SaturdayText;
    return Black;
}

} // namespace

void PrepareDayGroup(int year, int month, int day, float standardMeridianDeg,
                     GroupDay days[7])
{
    // The lunation is found once, at noon local standard time of the first day.
    const int w0 = WeekdayFromDayNumber(DayNumber(year, month, day));
    float v[5];
    LunarPhaseTimesAtNoon(year, month, day, standardMeridianDeg, v);

    int phaseMonth[5], phaseDay[5];
    for (int j = 0; j < 5; ++j) {
        int phaseYear;
        PhaseDate(year, month, day, v[j], phaseYear, phaseMonth[j], phaseDay[j]);
    }
    for (int i = 0; i < 7; ++i) {
        GroupDay& g = days[i];
        g.year = year;
        g.month = month;
        g.day = day + i;
        NormalizeDate(g.year, g.month, g.day);
        g.weekday = (w0 + i) % 7;
        g.moonAge = DayAge(v[0], v[4], i);
        g.phaseCount = 0;
        for (int j = 0; j < 5; ++j)
            if (phaseMonth[j] == g.month && phaseDay[j] == g.day) g.phases[g.phaseCount++] = j;
    }
}

void DrawWeekPlotBackground(Canvas& canvas, const ViewModel& model)
{
    const ViewPalette& pal = *model.palette;
    canvas.SelectViewPen(PenSolid, 1, White);
    canvas.DrawBox(PlotLeft, PlotTop, PlotRight, PlotBottom, White);
    const int w = WeekdayOf(model.year, model.month, model.day);
    const int sun = SundayColumn(w), sat = SaturdayColumn(w);
    canvas.DrawBox(ColumnLeft(sun), PlotTop, ColumnLeft(sun + 1), PlotBottom, pal.SundayFill);
    canvas.DrawBox(ColumnLeft(sat), PlotTop, ColumnLeft(sat + 1), PlotBottom, pal.SaturdayFill);
    canvas.ReleaseViewPen();
}

void DrawTitleStrip(Canvas& canvas, int stripRight, const std::string& title)
{
    canvas.SelectViewPen(PenSolid, 1, White);
    canvas.DrawBox(DayPlotLeft, 7, stripRight, 19, White);
    canvas.ReleaseViewPen();

    canvas.SetBackgroundMode(BackgroundTransparent);
    canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
    canvas.SetTextColor(Black);
    canvas.PutText(DayPlotLeft, 8, title.c_str());
    canvas.ReleaseViewFont();
}

int SevenDayHeightY(double heightCm, float scale)
{
    return 346 - PixelOffset(heightCm * 1.6 / scale) / 2;
}

ViewReport DrawSevenDayView(Canvas& canvas, const ViewModel& model)
{
    const std::string name = TrimLeadingSpaces(model.station->StationName);
    DrawTitleStrip(canvas, 250, Format("【 %s 】   %d年%d月", name.c_str(), model.year, model.month));

    DrawSevenDayFrame(canvas, model);
    DrawSevenDayHeaders(canvas, model);
    DrawSevenDayCurve(canvas, model);
    return ViewReport();
}

void DrawSevenDayFrame(Canvas& canvas, const ViewModel& model)
{
    const Station& st = *model.station;
    const ViewPalette& pal = *model.palette;
    const float s = model.verticalScale;

    DrawWeekPlotBackground(canvas, model);

    canvas.SelectViewPen(PenSolid, 1, pal.DayFrame);
    for (int i = 1; i < WeekDays; ++i) canvas.DrawLine(ColumnLeft(i), PlotBottom, ColumnLeft(i), PlotTop);
    canvas.DrawBox(PlotLeft, PlotTop, PlotRight, PlotBottom, NoFill);
    canvas.ReleaseViewPen();

    canvas.SelectViewPen(PenSolid, 1, pal.GridMajor);
    for (int y = 354; y >= GridTop; y -= 8) canvas.DrawLine(PlotLeft, y, PlotRight, y);
    canvas.ReleaseViewPen();

    // Every 6 hours; the day boundaries in the frame's colour.
    for (int j = 0; j <= 28; ++j) {
        const int x = PlotLeft + 20 * j;
        canvas.SelectViewPen(PenSolid, 1, j % 4 == 0 ? pal.DayFrame : pal.GridMajor);
        canvas.DrawLine(x, GridTop, x, PlotBottom);
        canvas.ReleaseViewPen();
    }

    // The levels of a port far above its scale's range stay inside the plot.
    canvas.SelectClipBox(PlotLeft, PlotTop, PlotRight, PlotBottom);
    canvas.SelectViewPen(PenSolid, 1, pal.MeanLevelLine);
    const int meanY = LevelY(st.MeanSeaLevel, s);
    canvas.DrawLine(PlotLeft, meanY, PlotRight, meanY);
    canvas.ReleaseViewPen();
    canvas.SelectViewPen(PenSolid, 1, pal.ReferenceLine);
    const int minusY = LevelY(st.LevelMinusM2, s), plusY = LevelY(st.LevelPlusM2, s);
    canvas.DrawLine(PlotLeft, minusY, PlotRight, minusY);
    canvas.DrawLine(PlotLeft, plusY, PlotRight, plusY);
    canvas.ReleaseViewPen();
    canvas.ReleaseClipBox();

    canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
    canvas.SetTextColor(Black);
    for (int k = 0; k <= 10; ++k) {
        const int n = -20 + 20 * k;
        const int label = static_cast<int>(Truncate(n * static_cast<double>(s)));
        canvas.PutText(8, 357 - 16 * k, Format("%3d", label).c_str());
    }
    canvas.ReleaseViewFont();
}

void DrawSevenDayHeaders(Canvas& canvas, const ViewModel& model)
{
    const ViewPalette& pal = *model.palette;
    GroupDay days[7];
    PrepareDayGroup(model.year, model.month, model.day, model.station->StandardMeridian, days);

    for (int i = 0; i < 7; ++i) {
        const GroupDay& g = days[i];
        const int x = ColumnLeft(i) + 29;
        const Color dateColour = DateColour(g.weekday, pal);

        canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
        canvas.SetTextColor(dateColour);
        int o;
        if (i == 0 || g.day == 1) {
            canvas.PutText(x - 21, 30, Format("%2d月%2d日", g.month, g.day).c_str());
            o = 55;
        } else {
            canvas.PutText(x - 21, 30, Format("  %2d日", g.day).c_str());
            o = 43;
        }
        canvas.ReleaseViewFont();

        canvas.SelectViewFont(ViewFace, 10, 0, 0, false);
        canvas.SetTextColor(dateColour);
        canvas.PutText(x + o - 29, 31, Format("(%s)", WeekdayNames[g.weekday]).c_str());
        canvas.ReleaseViewFont();

        canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
        canvas.SetTextColor(pal.TideNameText);
        canvas.PutText(x, 45, TideRangeNames[TideRangeIndex(g.moonAge)]);
        canvas.SetTextColor(pal.MoonAgeText);
        canvas.PutText(x, 60, Format("%4.1f", g.moonAge).c_str());
        for (int p = 0; p < g.phaseCount; ++p) {
            canvas.SetTextColor(pal.MoonPhaseText);
            canvas.PutText(x, 75, PhaseNames[g.phases[p]]);
        }
        canvas.ReleaseViewFont();
    }
}

void DrawSevenDayCurve(Canvas& canvas, const ViewModel& model)
{
    const Station& st = *model.station;
    const float s = model.verticalScale;

    // Half-hour samples over the seven days; 5/3 units a sample with the single-precision
    // factor, so x falls one unit short of 30 + 5k/3 when k is a multiple of 3.
    canvas.SelectClipBox(PlotLeft, PlotTop, PlotRight, PlotBottom);
    canvas.SelectViewPen(PenSolid, 1, model.palette->CurvePen);
    int lastX = PlotLeft, lastY = 0;
    for (int k = 0; k <= 336; ++k) {
        const float h = TideHeightAtStep(k, 0.5f, st, *model.tables);
        const int x = PlotLeft + static_cast<int>(Truncate(k * static_cast<double>(1.6666666f)));
        const int y = SevenDayHeightY(h, s);
        if (k > 0) canvas.DrawLine(lastX, lastY, x, y);
        lastX = x;
        lastY = y;
    }
    canvas.ReleaseViewPen();
    canvas.ReleaseClipBox();

    // Each day's list comes from that day's own preparation (and the day before's, for its
    // first hour), in scratch records, so the caller's tables stay those of the first day.
    canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
    canvas.SetTextColor(Black);
    for (int d = 0; d < 7; ++d) {
        DayExtremes extremes;
        FindDateExtremes(model.year, model.month, model.day + d, st, *model.calendar, extremes);
        const int x = ColumnLeft(d) + 8;
        const bool tight = extremes.count > SevenDayListMaxLines;
        const int step = tight ? SevenDayListTightStep : SevenDayListStep;
        const int lines = std::min(extremes.count, SevenDayListTightLines);
        for (int i = 0; i < lines; ++i) {
            const TideEvent& e = extremes.events[i];
            const int y = SevenDayListFirstY + step * i;
            if (i == lines - 1 && lines < extremes.count)
                canvas.PutText(x, y, Format("ほか%d件", extremes.count - i).c_str());
            else
                canvas.PutText(x, y, Format("%2.0f:%02.0f %3.0fcm", e.hour, e.minute,
                                            WholeCm(e.height)).c_str());
        }
    }
    canvas.ReleaseViewFont();
}

} // namespace marevo
