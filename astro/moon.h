// Moonrise, meridian passage and moonset of one passage of the moon around a date, the
// moon age, the elongation and the illuminated fraction. EventTime values are degrees of
// UT past 0 h UT of the day number; day times are local standard hours with their day of
// the month; NoEvent (360) marks a missing rise or set.
#pragma once

#include "astro/ephemeris.h"
#include "astro/moon_phase.h"

namespace marevo {

// A cap on the steps of each pass of MoonTransit, far above the few steps a real case
// takes; it only ends an iteration that cannot settle.
constexpr int MoonTransitStepLimit = 100;

// What the moon panel shows for a date.
struct MoonDayRecord {
    float age = 0;         // moon age, days
    float illuminated = 0; // illuminated fraction of the disc, percent 0 to 100
    float elongation = 0;  // moon longitude minus sun longitude, degrees [0, 360)
    float rise = NoEvent;  // local standard hours, or NoEvent
    int riseDay = 0;       // day of the month of the rise
    float transit = 0;     // local standard hours
    int transitDay = 0;
    float set = NoEvent;   // local standard hours, or NoEvent
    int setDay = 0;
};

/*
**  MoonTransit: the moon's upper meridian passage nearest 11:00 local time of the
**  zone 135, the next one when that lies before 0:00 local standard time.
**  Given: d (day number), longitudeDeg, standardMeridianDeg.
**  Returns: EventTime, iterated t = t - H until a step moves it by 0.1 degree or less
**  (at most MoonTransitStepLimit steps a pass).
*/
float MoonTransit(float d, float longitudeDeg, float standardMeridianDeg);
// The same, with the number of steps taken over both passes.
float MoonTransit(float d, float longitudeDeg, float standardMeridianDeg, int& steps);

/*
**  MoonRiseSet: the rise and set bracketing a transit, three fixed steps each, with the
**  moon's centre at (parallax - semi-diameter - 34') below the horizon.
**  Given: d, latitudeDeg, longitudeDeg, transitTime (EventTime).
**  Returns: rise and set as EventTime, each NoEvent when it does not occur.
*/
void MoonRiseSet(float d, float latitudeDeg, float longitudeDeg, float transitTime,
                 float& rise, float& set);

/*
**  MoonDayEvents: everything the moon panel shows for a date at a station.
**  Given: year, month, day; latitudeDeg, longitudeDeg, standardMeridianDeg;
**  monthLengths (entry 0 December, 1-12 January to December, February for the year).
**  Returns: MoonDayRecord; the rise may carry the previous day's number, the transit and
**  the set the next day's.
**  Reference: the illuminated fraction from the phase angle i = 180 - psi - 0.1468 sin psi
**  (Meeus, Astronomical Algorithms, ch. 48, low-precision form).
*/
MoonDayRecord MoonDayEvents(int year, int month, int day, float latitudeDeg,
                            float longitudeDeg, float standardMeridianDeg,
                            const int monthLengths[13]);

} // namespace marevo
