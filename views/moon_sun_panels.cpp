// The sun and moon panels of the one-day view (their texts laid out, then drawn) and the
// moon's phase picture.
// Times in local standard hours of the station's zone; coordinates in logical units.
#include "views/moon_sun_panels.h"

#include <cmath>
#include <cstdio>

#include "astro/moon.h"
#include "astro/sun.h"
#include "engine/elementary.h"
#include "views/pixel_offset.h"
#include "views/text_util.h"

namespace marevo {

namespace {

// One row of the sun panel: its y and label (two half-width blanks end every label).
struct SunRow {
    int y;
    const char* label;
};
const SunRow SunRows[7] = {
    // y    label          slot
    {135, "天文薄明  "}, // 0 astronomical twilight begins
    {151, "常用薄明  "}, // 1 civil twilight begins
    {167, "日　　出  "}, // 2 sunrise
    {183, "正　　中  "}, // 3 meridian passage
    {199, "日　　没  "}, // 4 sunset
    {215, "常用薄明  "}, // 5 civil twilight ends
    {231, "天文薄明  "}, // 6 astronomical twilight ends
};
constexpr int SunPanelX = 360;

constexpr int MoonPanelX = 480;

} // namespace

std::string FormatHourMinute(float hour)
{
    const double hours = std::floor(static_cast<double>(hour));
    double minutes = std::floor((hour - hours) * 60);
    if (minutes >= 59) minutes = 59;
    return Format("%2.0f:%02.0f", hours, minutes);
}

std::string FormatMoonTime(float hour, int dayOfMonth)
{
    const double hours = Truncate(hour);
    // The minutes are rounded here rather than by the conversion, so that a half minute goes
    // the same way with every C library.
    double minutes = std::round(FractionMinutes(hour));
    if (minutes >= 60) minutes = 59;
    return Format("%2.0f:%02.0f(%2d日)", hours, minutes, dayOfMonth);
}

SunPanelResult SunPanelOf(int year, int month, int day, const Station& station)
{
    SunPanelResult result;
    float hours[SunEventCount];
    result.sunErrors = SunDayTimes(year, month, day, station.Latitude, station.Longitude,
                                   station.StandardMeridian, hours);

    for (int slot = 0; slot < SunEventCount; ++slot) {
        std::string text = SunRows[slot].label;
        if (hours[slot] == NoEvent && slot != MeridianPassage)
            text += "*****";
        else
            text += FormatHourMinute(hours[slot]);
        result.texts.push_back({SunPanelX, SunRows[slot].y, 12, Black, text});
    }
    result.sunriseHour = hours[Sunrise];
    result.sunsetHour = hours[Sunset];
    return result;
}

SunPanelResult DrawSunPanel(Canvas& canvas, int year, int month, int day,
                            const Station& station)
{
    SunPanelResult result = SunPanelOf(year, month, day, station);
    DrawPlacedTexts(canvas, result.texts);
    return result;
}

MoonPanelResult MoonPanelOf(int year, int month, int day, const Station& station,
                            const Calendar& calendar)
{
    const MoonDayRecord rec = MoonDayEvents(year, month, day, station.Latitude,
                                            station.Longitude, station.StandardMeridian,
                                            calendar.MonthLengths);

    const std::string rise = rec.rise == NoEvent ? std::string("*****(****)")
                                                 : FormatMoonTime(rec.rise, rec.riseDay);
    const std::string set = rec.set == NoEvent ? std::string("*****(****)")
                                               : FormatMoonTime(rec.set, rec.setDay);
    MoonPanelResult result;
    result.texts = {
        {MoonPanelX, 135, 12, Black, Format("月  齢  %4.1f", rec.age)},
        {MoonPanelX, 151, 12, Black, Format("月輝面 %5.1f%%", rec.illuminated)},
        {MoonPanelX, 167, 12, Black, "月　出  " + rise},
        {MoonPanelX, 183, 12, Black, "正　中  " + FormatMoonTime(rec.transit, rec.transitDay)},
        {MoonPanelX, 199, 12, Black, "月  入  " + set},
        {MoonPanelX + 5, 226, 16, Black, TideRangeNames[TideRangeIndex(rec.age)]},
    };
    result.elongation = rec.elongation;
    return result;
}

void DrawMoonPanel(Canvas& canvas, int year, int month, int day, const Station& station,
                   const Calendar& calendar, const ViewPalette& palette)
{
    const MoonPanelResult moon = MoonPanelOf(year, month, day, station, calendar);
    DrawPlacedTexts(canvas, moon.texts);
    DrawMoonPicture(canvas, moon.elongation, palette);
}

void DrawMoonPicture(Canvas& canvas, double elongationDeg, const ViewPalette& palette)
{
    constexpr int cx = 560, cy = 234;
    canvas.SelectViewPen(PenSolid, 1, palette.MoonDark);
    canvas.DrawDisc(540, 214, 580, 255, palette.MoonDark);
    canvas.ReleaseViewPen();

    // The terminator's offset as a fraction of the half-width of each row, to two decimals.
    const double k = std::floor(elementary::Cos(elongationDeg * DegToRad) * 100 + 0.5) * 0.01;
    const double s = elongationDeg > 180 ? -1 : 1; // waning lights the left limb

    canvas.SelectViewPen(PenSolid, 1, palette.MoonLit);
    for (int row = 0; row <= 40; ++row) {
        const double y = 0.5 * row;
        const double w = std::sqrt(400 - y * y);
        const int r = static_cast<int>(std::floor(y + 0.5));
        const int x1 = cx + PixelOffset(std::floor(s * w + 0.5));
        const int x2 = cx + PixelOffset(std::floor(s * w * k + 0.5));
        canvas.DrawLine(x1, cy + r, x2, cy + r);
        canvas.DrawLine(x1, cy - r, x2, cy - r);
    }
    canvas.ReleaseViewPen();
}

} // namespace marevo
