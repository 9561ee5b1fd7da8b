// The forty-two-day view: header, weekend shading through six week strips, grid, per-day
// labels and the half-hourly curve folded into the strips. Logical units; heights in cm.
#include "views/forty_two_day_view.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "astro/moon_phase.h"
#include "engine/tide.h"
#include "views/pixel_offset.h"
#include "views/seven_day_view.h"
#include "views/text_util.h"

namespace marevo {

namespace {

constexpr int PlotLeft = DayPlotLeft, PlotRight = DayPlotRight;
constexpr int PlotTop = DayPlotTop, PlotBottom = DayPlotBottom;
constexpr int StripHeight = WeekStripHeight;
constexpr int SamplesPerStrip = 336; // half hours in a week

// Zero line of strip r.
constexpr int ZeroY(int strip) { return PlotTop + 50 + StripHeight * strip; }

// Lines of a strip stay inside it: a tide below 0 cm or a level far above the scale would
// run into the strip below or above.
void SelectStripClip(Canvas& canvas, int strip)
{
    canvas.SelectClipBox(PlotLeft, PlotTop + StripHeight * strip, PlotRight,
                         PlotTop + StripHeight * (strip + 1));
}

} // namespace

int FortyTwoDayHeightY(double heightCm, int strip, float scale)
{
    return ZeroY(strip) - PixelOffset(heightCm * 1.6 / scale / 6);
}

ViewReport DrawFortyTwoDayView(Canvas& canvas, const ViewModel& model)
{
    int lastYear = model.year, lastMonth = model.month, lastDay = model.day + 41;
    NormalizeDate(lastYear, lastMonth, lastDay);
    const std::string name = TrimLeadingSpaces(model.station->StationName);
    DrawTitleStrip(canvas, 380,
                   Format("【 %s 】   %d年%d月%d日 ～ %d年%d月%d日", name.c_str(), model.year,
                          model.month, model.day, lastYear, lastMonth, lastDay));

    DrawFortyTwoDayFrame(canvas, model);
    DrawFortyTwoDayHeaders(canvas, model);
    DrawFortyTwoDayCurve(canvas, model);
    return ViewReport();
}

void DrawFortyTwoDayFrame(Canvas& canvas, const ViewModel& model)
{
    const ViewPalette& pal = *model.palette;

    DrawWeekPlotBackground(canvas, model);

    canvas.SelectViewPen(PenSolid, 1, pal.DayFrame);
    for (int r = 0; r <= WeekStrips; ++r) {
        const int y = PlotTop + StripHeight * r;
        canvas.DrawLine(PlotLeft, y, PlotRight, y);
    }
    canvas.ReleaseViewPen();

    canvas.SelectViewPen(PenDot, 1, pal.GridMajor);
    for (int r = 0; r < WeekStrips; ++r) canvas.DrawLine(PlotLeft, ZeroY(r), PlotRight, ZeroY(r));
    canvas.ReleaseViewPen();

    // Mean sea level: cut to whole centimetres, and each step truncated.
    const int meanOffset = PixelOffset(
        Truncate(Truncate(model.station->MeanSeaLevel) * 1.6 / model.verticalScale) / 6);
    canvas.SelectViewPen(PenDot, 1, pal.ReferenceLine);
    for (int r = 0; r < WeekStrips; ++r) {
        const int y = ZeroY(r) - meanOffset;
        SelectStripClip(canvas, r);
        canvas.DrawLine(PlotLeft, y, PlotRight, y);
        canvas.ReleaseClipBox();
    }
    canvas.ReleaseViewPen();

    for (int j = 1; j <= 27; ++j) {
        const int x = PlotLeft + 20 * j;
        canvas.SelectViewPen(PenSolid, 1, j % 4 == 0 ? pal.DayFrame : pal.GridMajor);
        canvas.DrawLine(x, PlotBottom, x, PlotTop);
        canvas.ReleaseViewPen();
    }

    canvas.SelectViewPen(PenSolid, 1, pal.DayFrame);
    canvas.DrawBox(PlotLeft, PlotTop, PlotRight, PlotBottom, NoFill);
    canvas.ReleaseViewPen();
}

void DrawFortyTwoDayHeaders(Canvas& canvas, const ViewModel& model)
{
    const ViewPalette& pal = *model.palette;
    for (int r = 0; r < WeekStrips; ++r) {
        const int y0 = StripHeight * r;
        GroupDay days[7];
        PrepareDayGroup(model.year, model.month, model.day + 7 * r,
                        model.station->StandardMeridian, days);

        canvas.SetBackgroundMode(BackgroundTransparent);
        canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
        for (int i = 0; i < 7; ++i) {
            const GroupDay& g = days[i];
            const int x = DayColumnLeft(i) + 2;
            Color dateColour = Black;
            if (g.weekday == 0) dateColour = pal.SundayText;
            if (g.weekday == 6) dateColour = pal.SaturdayText;
            canvas.SetTextColor(dateColour);
            if (i == 0 || g.day == 1)
                canvas.PutText(x, y0 + 29, Format("%2d月%2d日", g.month, g.day).c_str());
            else
                canvas.PutText(x, y0 + 29, Format("    %2d日", g.day).c_str());

            canvas.SetTextColor(pal.TideNameText);
            canvas.PutText(x + 53, y0 + 29, TideRangeNames[TideRangeIndex(g.moonAge)]);
            canvas.SetTextColor(pal.MoonAgeText);
            canvas.PutText(x, y0 + 70, Format("%4.1f", g.moonAge).c_str());
            for (int p = 0; p < g.phaseCount; ++p) {
                canvas.SetTextColor(pal.MoonPhaseText);
                canvas.PutText(x + 53, y0 + 70, PhaseNames[g.phases[p]]);
            }
        }
        canvas.ReleaseViewFont();
    }
}

void DrawFortyTwoDayCurve(Canvas& canvas, const ViewModel& model)
{
    const Station& st = *model.station;
    const float s = model.verticalScale;

    canvas.SelectViewPen(PenSolid, 1, model.palette->CurvePen);
    int lastX = PlotLeft, lastY = 0;
    for (int k = 0; k <= SamplesPerStrip * WeekStrips; ++k) {
        const float h = TideHeightAtStep(k, 0.5f, st, *model.tables);
        const int strip = static_cast<int>(std::floor(k * static_cast<double>(0.0029761905f)));
        const int q = static_cast<int>(Truncate(std::fmod(static_cast<double>(k), SamplesPerStrip)));
        const int dy = PixelOffset(h * 1.6 / s / 6);
        if (q == 0) {
            // The first sample of a week also ends the strip above, on its right edge.
            if (k > 0) {
                canvas.DrawLine(lastX, lastY, PlotRight, ZeroY(strip - 1) - dy);
                canvas.ReleaseClipBox();
            }
            if (strip < WeekStrips) SelectStripClip(canvas, strip);
            lastX = PlotLeft;
            lastY = ZeroY(strip) - dy;
        } else {
            const int x = PlotLeft + static_cast<int>(Truncate(q * static_cast<double>(1.6666666f)));
            const int y = ZeroY(strip) - dy;
            canvas.DrawLine(lastX, lastY, x, y);
            lastX = x;
            lastY = y;
        }
    }
    canvas.ReleaseViewPen();
}

} // namespace marevo
