// Sun rise, meridian passage, set and twilight of a date at a station, by fixed-step
// iteration on the low-precision sun. EventTime values are degrees of UT past 0 h UT of
// the day number; day times are local standard hours; NoEvent (360) marks a missing event.
#pragma once

#include "astro/ephemeris.h"

namespace marevo {

// Slots of the seven sun times, top to bottom as the sun panel shows them.
enum SunEventSlot {
    AstronomicalDawn = 0, // sun at -18 degrees, morning
    CivilDawn = 1,        // -6, morning
    Sunrise = 2,          // -0.9033333 (54.2 arc minutes below the horizon), morning
    MeridianPassage = 3,  // meridian passage
    Sunset = 4,           // -0.9033333, evening
    CivilDusk = 5,        // -6, evening
    AstronomicalDusk = 6, // -18, evening
};
constexpr int SunEventCount = 7;
constexpr float SunriseAltitude = -0.9033333f;

/*
**  SunTransit: the sun's upper meridian passage.
**  Given: d (day number of the date, single), longitudeDeg (east positive).
**  Returns: EventTime, two steps t = t - H from local mean noon 180 - longitude.
*/
float SunTransit(float d, float longitudeDeg);

/*
**  SunAltitudeEvent: the time the sun stands at an altitude on one side of the meridian,
**  two fixed steps from a start time.
**  Given: altitudeDeg h0; side -1 (morning) or +1 (evening); startTime (EventTime); d;
**  latitudeDeg, longitudeDeg.
**  Returns: EventTime, or NoEvent when the sun does not reach h0 in a step.
**  outsideDay: increased by one for each step whose iterate leaves the station's mean
**  solar day (t + longitude outside [0, 360]); the value is kept all the same.
*/
float SunAltitudeEvent(float altitudeDeg, int side, float startTime, float d,
                       float latitudeDeg, float longitudeDeg, int& outsideDay);

/*
**  SunEvents: the six twilight, rise and set times around a transit, each event starting
**  from the one before it (dawn from the transit outward, dusk likewise).
**  Given: d, latitudeDeg, longitudeDeg; slots[3] holding SunTransit(d, longitude).
**  Returns: slots 0-2 and 4-6 as EventTime or NoEvent; the number of steps that left the
**  station's mean solar day ("日の出計算でエラー発生" is shown once by the caller when it is
**  not zero).
*/
int SunEvents(float d, float latitudeDeg, float longitudeDeg, float slots[SunEventCount]);

/*
**  SunDayTimes: the seven sun times of a date in local standard hours.
**  Given: year, month, day; latitudeDeg, longitudeDeg (decimal, north and east
**  positive); standardMeridianDeg.
**  Returns: hours[7] indexed by SunEventSlot, (EventTime + meridian) / 15, not folded
**  into 0 to 24, NoEvent kept; the count of SunEvents.
*/
int SunDayTimes(int year, int month, int day, float latitudeDeg, float longitudeDeg,
                float standardMeridianDeg, float hours[SunEventCount]);

} // namespace marevo
