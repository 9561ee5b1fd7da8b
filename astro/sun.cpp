// Sun transit, twilight, rise and set by fixed-step iteration on the low-precision sun.
// EventTime in degrees of UT past 0 h UT of the day number; day times in local standard
// hours. Times kept as float between steps.
#include "astro/sun.h"

#include "engine/calendar.h"

namespace marevo {

namespace {

// The sun's hour angle at the station and its declination at EventTime t of day d.
struct SunAngles {
    float hourAngle;   // degrees, [-180, 180]
    float declination; // degrees
};

SunAngles SunAnglesAt(float t, float d, float longitudeDeg)
{
    const float f = static_cast<float>(t / 360.0);
    const float T = CenturiesOf(static_cast<double>(d) + f);
    const Equatorial sun = SunEquatorial(T);
    const float theta = SiderealAngle(T, f);
    double H = Reduce360(static_cast<double>(theta) - sun.rightAscension) + longitudeDeg;
    if (H > 180) H -= 360;
    if (H < -180) H += 360;
    return {static_cast<float>(H), sun.declination};
}

} // namespace

float SunTransit(float d, float longitudeDeg)
{
    float t = static_cast<float>(180.0 - longitudeDeg);
    for (int step = 0; step < 2; ++step)
        t = static_cast<float>(static_cast<double>(t) - SunAnglesAt(t, d, longitudeDeg).hourAngle);
    return t;
}

float SunAltitudeEvent(float altitudeDeg, int side, float startTime, float d,
                       float latitudeDeg, float longitudeDeg, int& outsideDay)
{
    float t = startTime;
    for (int step = 0; step < 2; ++step) {
        const SunAngles at = SunAnglesAt(t, d, longitudeDeg);
        const float H0 = HourAngleAtAltitude(altitudeDeg, latitudeDeg, at.declination);
        if (H0 == NoEvent) return NoEvent;
        t = static_cast<float>(static_cast<double>(t) + side * static_cast<double>(H0) - at.hourAngle);
        // Outside the station's mean solar day: counted for the caller, value kept.
        const double local = static_cast<double>(t) + longitudeDeg;
        if (local < 0 || local > 360) ++outsideDay;
    }
    return t;
}

int SunEvents(float d, float latitudeDeg, float longitudeDeg, float slots[SunEventCount])
{
    int outsideDay = 0;
    // One chain from the transit outward on each side: each event starts from the one
    // found before it, or from that one's own start when it does not occur.
    struct Link {
        int slot;
        float altitude;
    };
    static const Link Morning[3] = {
        {AstronomicalDawn, -18.0f}, {CivilDawn, -6.0f}, {Sunrise, SunriseAltitude}};
    static const Link Evening[3] = {
        {AstronomicalDusk, -18.0f}, {CivilDusk, -6.0f}, {Sunset, SunriseAltitude}};
    for (int side = -1; side <= 1; side += 2) {
        const Link* chain = side < 0 ? Morning : Evening;
        float start = slots[MeridianPassage];
        for (int i = 0; i < 3; ++i) {
            const float t = SunAltitudeEvent(chain[i].altitude, side, start, d, latitudeDeg,
                                             longitudeDeg, outsideDay);
            slots[chain[i].slot] = t;
            if (t != NoEvent) start = t;
        }
    }
    return outsideDay;
}

int SunDayTimes(int year, int month, int day, float latitudeDeg, float longitudeDeg,
                float standardMeridianDeg, float hours[SunEventCount])
{
    const float d = static_cast<float>(DayNumber(year, month, day));
    hours[MeridianPassage] = SunTransit(d, longitudeDeg);
    const int outsideDay = SunEvents(d, latitudeDeg, longitudeDeg, hours);
    for (int slot = 0; slot < SunEventCount; ++slot)
        if (hours[slot] != NoEvent)
            hours[slot] = static_cast<float>((static_cast<double>(hours[slot]) + standardMeridianDeg) *
                                             static_cast<double>(0.06666667f));
    return outsideDay;
}

} // namespace marevo
