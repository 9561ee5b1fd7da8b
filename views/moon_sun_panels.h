// The sun and moon panels of the one-day view: seven sun times, five moon lines, the day's
// tidal-range name and a picture of the moon's phase, drawn at fixed logical coordinates.
// Times in local standard hours of the station's zone; the elongation in degrees.
#pragma once

#include <string>

#include "astro/ephemeris.h"
#include "engine/calendar.h"
#include "engine/station.h"
#include "views/canvas.h"
#include "views/palette.h"
#include "views/placed_text.h"

namespace marevo {

// What the sun panel found: its texts, the sunrise and sunset that the daylight band of the
// one-day view uses (NoEvent, 360, when the event does not occur), and how many times the sun
// computation met an iterate outside the station's day ("日の出計算でエラー発生").
struct SunPanelResult {
    PlacedTexts texts;
    float sunriseHour = NoEvent;
    float sunsetHour = NoEvent;
    int sunErrors = 0;
};

// The moon panel: its texts and the elongation (degrees) its phase picture shows.
struct MoonPanelResult {
    PlacedTexts texts;
    double elongation = 0;
};

/*
**  FormatHourMinute: an hour value as "%2.0f:%02.0f", hours and minutes both truncated.
**  Given: hour (single), local hours.
**  Returns: floor(hour), a colon, floor(fraction x 60) capped at 59; so 5.5 gives " 5:30",
**  17.999 gives "17:59".
*/
std::string FormatHourMinute(float hour);

/*
**  FormatMoonTime: a moon event as "%2.0f:%02.0f(%2d日)", the hour truncated toward zero
**  and the minutes rounded to the nearest whole minute (halves away from zero), shown as
**  59 when the rounding reaches 60.
**  Given: hour (single), local hours; dayOfMonth of the event.
**  Returns: the text, e.g. "13:16(14日)" for 13.2649 h on the 14th.
*/
std::string FormatMoonTime(float hour, int dayOfMonth);

/*
**  SunPanelOf / DrawSunPanel (which draws its texts): the seven sun lines at x = 360, y = 135 ... 231 (16 units apart): dawn
**  astronomical and civil twilight, sunrise, meridian passage, sunset, dusk civil and
**  astronomical twilight; "*****" for an event that does not occur.
**  Given: canvas; the date; the station (position in decimal degrees, zone meridian).
**  Returns: sunrise and sunset in local standard hours, and the count of sun errors.
*/
SunPanelResult SunPanelOf(int year, int month, int day, const Station& station);
SunPanelResult DrawSunPanel(Canvas& canvas, int year, int month, int day,
                            const Station& station);

/*
**  MoonPanelOf / DrawMoonPanel (which draws its texts and the picture): the moon age, illuminated fraction, moonrise, transit and moonset at
**  x = 480, y = 135 ... 199; the day's tidal-range name at (485, 226) one size larger; the
**  phase picture.
**  Given: canvas; the date; the station; calendar (February of the displayed year, for
**  the day before the 1st); palette (colours of the picture).
*/
MoonPanelResult MoonPanelOf(int year, int month, int day, const Station& station,
                            const Calendar& calendar);
void DrawMoonPanel(Canvas& canvas, int year, int month, int day, const Station& station,
                   const Calendar& calendar, const ViewPalette& palette);

/*
**  DrawMoonPicture: a dark disc in the box (540, 214)-(580, 255), centre (560, 234),
**  radius 20, lit from the right limb (waxing) or the left limb (waning, D > 180) to the
**  terminator at 560 + s w cos D, in 41 pairs of rows half a unit of y apart.
**  Given: canvas; elongationDeg D in [0, 360); palette (MoonDark, MoonLit).
*/
void DrawMoonPicture(Canvas& canvas, double elongationDeg, const ViewPalette& palette);

} // namespace marevo
