// The one-day view: header strip, information boxes and panels, plot frame, tide curve and
// the list of high and low waters; the texts of the boxes are laid out first (OneDayTextsOf,
// which marevo-cli day prints), then drawn. Logical units; heights in cm; times in zone hours.
#include "views/one_day_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/tide.h"
#include "text/shift_jis.h"
#include "views/moon_sun_panels.h"
#include "views/pixel_offset.h"
#include "views/text_util.h"
#include "views/tidal_constants_panel.h"

namespace marevo {

namespace {

// "%2.0fﾟ%2.0f'" of a dd.mm value, followed by the hemisphere letter and a blank.
std::string DegreesMinutes(float valueDM, bool positive, char plus, char minus)
{
    const double a = std::fabs(static_cast<double>(valueDM));
    const double degrees = std::floor(a);
    const double minutes = (a - degrees) * 100;
    return Format("%2.0fﾟ%2.0f'%c ", degrees, minutes, positive ? plus : minus);
}

// The level first cut to whole centimetres, then mapped like any height.
int LevelY(float levelCm, float scale)
{
    return OneDayHeightY(Truncate(levelCm), scale);
}

/*
**  OneDayHeading: the heading "【 name の 潮汐 】", in a shorter form when it would run into
**  the position beside it: without the blanks, then without "の 潮汐", then with the name
**  cut by whole characters. Widths counted in half-width columns of the 12-unit font.
*/
std::string OneDayHeading(const std::string& name)
{
    const size_t columns = (OneDayLatitudeX - OneDayHeaderLeft) / UnitsPerColumn;
    for (const char* form : {"【 %s の 潮汐 】", "【%sの潮汐】"}) {
        const std::string heading = Format(form, name.c_str());
        if (heading.size() <= columns) return heading;
    }
    const size_t room = columns - std::string("【】").size();
    size_t cut = 0;
    while (cut < name.size()) {
        const size_t next = cut + (IsSjisLeadByte(static_cast<unsigned char>(name[cut])) ? 2 : 1);
        if (next > room || next > name.size()) break;
        cut = next;
    }
    return Format("【%s】", name.substr(0, cut).c_str());
}

// The title of the high and low water list, one size larger.
const PlacedText ExtremesTitle = {420, 266, 16, Black, " 潮時    潮位 "};

// The header's white strips, the zone time's strip drawn over the line's texts.
void DrawHeader(Canvas& canvas, const PlacedTexts& texts)
{
    canvas.SelectViewPen(PenSolid, 1, White);
    canvas.DrawBox(OneDayHeaderLeft, 7, 435, 19, White);
    canvas.SetBackgroundMode(BackgroundTransparent);
    DrawPlacedTexts(canvas, PlacedTexts(texts.begin(), texts.end() - 1));
    canvas.DrawBox(445, 7, 525, 19, White);
    canvas.ReleaseViewPen();
    DrawPlacedTexts(canvas, PlacedTexts(texts.end() - 1, texts.end()));
}

} // namespace

PlacedTexts OneDayHeaderTexts(const ViewModel& model)
{
    const Station& st = *model.station;
    const std::string name = TrimLeadingSpaces(st.StationName);
    const int weekday = WeekdayOf(model.year, model.month, model.day);
    const std::string zone = st.StandardMeridian == 135.0f
                                 ? std::string("使用時 JST")
                                 : Format("帯域時 UT%+2.0fh", st.StandardMeridian * (1.0 / 15));
    return {
        {OneDayHeaderLeft, 8, 12, Black, OneDayHeading(name)},
        {OneDayLatitudeX, 8, 12, Black, DegreesMinutes(st.LatitudeDM, st.Latitude > 0, 'N', 'S')},
        {OneDayLongitudeX, 8, 12, Black,
         DegreesMinutes(st.LongitudeDM, st.Longitude > 0, 'E', 'W')},
        {320, 8, 12, Black,
         Format("%d年%d月%d日(%s) ", model.year, model.month, model.day, WeekdayNames[weekday])},
        {447, 8, 12, model.palette->ZoneText, zone},
    };
}

OneDayTexts OneDayTextsOf(const ViewModel& model)
{
    const Station& st = *model.station;
    OneDayTexts texts;
    texts.header = OneDayHeaderTexts(model);
    texts.constants = TidalConstantsTexts(st);
    const SunPanelResult sun = SunPanelOf(model.year, model.month, model.day, st);
    const MoonPanelResult moon = MoonPanelOf(model.year, model.month, model.day, st, *model.calendar);
    texts.sunMoon = sun.texts;
    texts.sunMoon.insert(texts.sunMoon.end(), moon.texts.begin(), moon.texts.end());
    texts.sunErrors = sun.sunErrors;
    texts.extremes = {ExtremesTitle};
    const PlacedTexts list = OneDayExtremeTexts(model);
    texts.extremes.insert(texts.extremes.end(), list.begin(), list.end());
    return texts;
}

int OneDayHeightY(double heightCm, float scale)
{
    return OneDayZeroY - PixelOffset(heightCm * 1.6 / scale);
}

ViewReport DrawOneDayView(Canvas& canvas, const ViewModel& model)
{
    ViewReport report;
    const Station& st = *model.station;
    const ViewPalette& pal = *model.palette;

    DrawHeader(canvas, OneDayHeaderTexts(model));

    canvas.SelectViewPen(PenSolid, 1, Black);
    canvas.DrawBox(OneDayBoxLeft, OneDayConstantsTop, OneDayBoxRight, OneDaySunMoonTop, InfoBoxGrey);
    canvas.DrawBox(OneDayBoxLeft, OneDaySunMoonTop, OneDayBoxRight, OneDayExtremesTop, InfoBoxGrey);
    canvas.DrawBox(OneDayBoxLeft, OneDayExtremesTop, OneDayBoxRight, OneDayBoxBottom, InfoBoxGrey);
    canvas.ReleaseViewPen();

    DrawPlacedTexts(canvas, {ExtremesTitle});

    DrawTidalConstantsPanel(canvas, st);
    // The sun panel's sunrise and sunset are the daylight band of the frame.
    const SunPanelResult sun = DrawSunPanel(canvas, model.year, model.month, model.day, st);
    report.sunErrors += sun.sunErrors;
    DrawMoonPanel(canvas, model.year, model.month, model.day, st, *model.calendar, pal);

    DrawOneDayFrame(canvas, model, sun.sunriseHour, sun.sunsetHour);
    DrawOneDayCurve(canvas, model);

    canvas.SelectClipBox(OneDayPlotLeft, OneDayPlotTop, OneDayPlotRight, OneDayPlotBottom);
    canvas.SelectViewPen(PenSolid, 1, pal.MeanLevelLine);
    const int meanY = LevelY(st.MeanSeaLevel, model.verticalScale);
    canvas.DrawLine(OneDayPlotLeft, meanY, OneDayPlotRight, meanY);
    canvas.ReleaseViewPen();
    canvas.SelectViewPen(PenSolid, 1, pal.ReferenceLine);
    const int plusY = LevelY(st.LevelPlusM2, model.verticalScale);
    canvas.DrawLine(OneDayPlotLeft, plusY, OneDayPlotRight, plusY);
    const int minusY = LevelY(st.LevelMinusM2, model.verticalScale);
    canvas.DrawLine(OneDayPlotLeft, minusY, OneDayPlotRight, minusY);
    canvas.ReleaseViewPen();
    canvas.ReleaseClipBox();
    return report;
}

void DrawOneDayFrame(Canvas& canvas, const ViewModel& model, float sunriseHour,
                     float sunsetHour)
{
    const ViewPalette& pal = *model.palette;
    canvas.SelectViewPen(PenSolid, 1, pal.PlotFill);
    canvas.DrawBox(OneDayPlotLeft, OneDayPlotTop, OneDayPlotRight, OneDayPlotBottom,
                   pal.PlotFill);
    canvas.ReleaseViewPen();

    if (sunriseHour != NoEvent && sunsetHour != NoEvent) {
        // An hour outside 0 ... 24 (a far-off zone meridian, polar days) would paint over
        // the axis labels or the information boxes: the band stays inside the plot.
        auto bandX = [](float hour) {
            double x = OneDayPlotLeft + Truncate(12.0 * hour);
            if (x < OneDayPlotLeft) x = OneDayPlotLeft;
            if (x > OneDayPlotRight) x = OneDayPlotRight;
            return static_cast<int>(x);
        };
        canvas.SelectViewPen(PenSolid, 1, pal.DaylightFill);
        canvas.DrawBox(bandX(sunriseHour), OneDayPlotTop, bandX(sunsetHour), OneDayPlotBottom,
                       pal.DaylightFill);
        canvas.ReleaseViewPen();
    }

    canvas.SelectViewPen(PenSolid, 1, pal.GridMinor);
    for (int x = 42; x <= 306; x += 24) canvas.DrawLine(x, OneDayPlotTop, x, OneDayPlotBottom);
    canvas.ReleaseViewPen();
    canvas.SelectViewPen(PenSolid, 1, pal.GridMajor);
    for (int x = 30; x <= 318; x += 24) canvas.DrawLine(x, OneDayPlotTop, x, OneDayPlotBottom);
    for (int y = 362; y >= 26; y -= 16) canvas.DrawLine(30, y, 319, y);
    canvas.ReleaseViewPen();

    canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
    canvas.SetTextColor(Black);
    for (int k = 0; k <= 12; ++k) canvas.PutText(25 + 24 * k, 369, Format("%02d", 2 * k).c_str());
    for (int k = 0; k <= 10; ++k) {
        const int n = -20 + 20 * k;
        const int label = static_cast<int>(Truncate(n * static_cast<double>(model.verticalScale)));
        canvas.PutText(8, 357 - 32 * k, Format("%3d", label).c_str());
    }
    canvas.ReleaseViewFont();
}

void DrawOneDayCurve(Canvas& canvas, const ViewModel& model)
{
    const Station& st = *model.station;
    const ViewPalette& pal = *model.palette;
    const float s = model.verticalScale;
    const bool bars = model.graphStyle != LineGraph;

    // Heights beyond the scale's range would draw over the axis labels and the boxes.
    canvas.SelectClipBox(OneDayPlotLeft, OneDayPlotTop, OneDayPlotRight, OneDayPlotBottom);
    canvas.SelectViewPen(PenSolid, 1, pal.CurvePen);
    int lastX = OneDayPlotLeft, lastY = OneDayZeroY;
    for (int k = 0; k < 73; ++k) {
        const float h = TideHeightAtStep(k, 0.33333334f, st, *model.tables);
        const int x = OneDayPlotLeft + 4 * k, y = OneDayHeightY(h, s);
        if (k > 0) {
            if (bars) {
                // The bar stands on the zero line, or hangs from it below 0 cm.
                canvas.DrawBox(lastX, y < OneDayZeroY ? y : OneDayZeroY, x,
                               y < OneDayZeroY ? OneDayZeroY : y, pal.BarFill);
            } else {
                canvas.DrawLine(lastX, lastY, x, y);
            }
        }
        lastX = x;
        lastY = y;
    }
    canvas.ReleaseViewPen();
    canvas.ReleaseClipBox();

    DrawPlacedTexts(canvas, OneDayExtremeTexts(model));
}

PlacedTexts OneDayExtremeTexts(const ViewModel& model)
{
    const Station& st = *model.station;
    // The same 20-minute samples from 1 h 40 min before the day to 40 min after it give the
    // day's high and low waters, its first hour decided with the day before.
    ConstituentTables prepared;
    const ConstituentTables* before = model.dayBefore;
    if (before == nullptr) {
        PrepareDayBefore(model.year, model.month, model.day, st, *model.calendar, prepared);
        before = &prepared;
    }
    ExtremeDetector detector;
    DayExtremes extremes;
    FindDayExtremes(st, *before, *model.tables, detector, extremes);
    constexpr int ListFont = 13;
    PlacedTexts texts;
    if (extremes.count <= OneDayListMaxLines) {
        for (int i = 0; i < extremes.count; ++i) {
            const TideEvent& e = extremes.events[i];
            texts.push_back({OneDayListX, OneDayListFirstY + OneDayListStep * i, ListFont, Black,
                             Format("%2.0f:%02.0f    %3.0fcm", e.hour, e.minute, WholeCm(e.height))});
        }
    } else {
        // Two columns, the left one filled first; a last line past twelve says the rest.
        const int lines = std::min(extremes.count, 2 * OneDayListMaxLines);
        const int perColumn = (lines + 1) / 2;
        for (int i = 0; i < lines; ++i) {
            const int x = i < perColumn ? OneDayListLeftX : OneDayListRightX;
            const int y = OneDayListFirstY + OneDayListStep * (i % perColumn);
            const TideEvent& e = extremes.events[i];
            if (i == lines - 1 && lines < extremes.count)
                texts.push_back({x, y, ListFont, Black, Format("ほか%d件", extremes.count - i)});
            else
                texts.push_back({x, y, ListFont, Black,
                                 Format("%2.0f:%02.0f  %3.0fcm", e.hour, e.minute,
                                        WholeCm(e.height))});
        }
    }
    return texts;
}

} // namespace marevo
