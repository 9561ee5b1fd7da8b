// Moon transit, rise and set of one passage around a date, with age, elongation and
// illuminated fraction. EventTime in degrees of UT past 0 h UT of the day number; day times
// in local standard hours. Times and angles kept as float between steps.
#include "astro/moon.h"

#include <cmath>

#include "engine/calendar.h"
#include "engine/elementary.h"

namespace marevo {

namespace {

// The moon's hour angle at the station and its place at EventTime t of day d.
struct MoonAngles {
    float hourAngle; // degrees, [-180, 180]
    MoonPlace place;
};

MoonAngles MoonAnglesAt(float t, float d, float longitudeDeg)
{
    const float f = static_cast<float>(t / 360.0);
    const float T = CenturiesOf(static_cast<double>(d) + f);
    const float theta = SiderealAngle(T, f);
    const MoonPlace place = MoonEquatorial(T);
    const double H =
        Fold180(static_cast<double>(theta) - place.rightAscension + longitudeDeg);
    return {static_cast<float>(H), place};
}

// Hours (local standard) of an EventTime.
float LocalHours(float eventTime, float standardMeridianDeg)
{
    return static_cast<float>((static_cast<double>(standardMeridianDeg) + eventTime) *
                              0.06666666666666667);
}

// One rise or set: side -1 for the rise, +1 for the set; three fixed steps.
float MoonHorizonEvent(int side, float d, float latitudeDeg, float longitudeDeg,
                       float transitTime)
{
    float t = transitTime;
    for (int step = 0; step < 3; ++step) {
        const MoonAngles at = MoonAnglesAt(t, d, longitudeDeg);
        // The centre 34' of refraction and one semi-diameter below the horizon, raised by
        // the parallax.
        const float h0 = static_cast<float>(
            (static_cast<double>(at.place.parallaxArcmin) -
             (static_cast<double>(at.place.semiDiameterArcmin) + 34.0)) / 60.0);
        const float H0 = HourAngleAtAltitude(h0, latitudeDeg, at.place.declination);
        if (H0 == NoEvent) return NoEvent;
        t = static_cast<float>(static_cast<double>(t) + side * static_cast<double>(H0) -
                               at.hourAngle);
    }
    return t;
}

} // namespace

float MoonTransit(float d, float longitudeDeg, float standardMeridianDeg)
{
    int steps = 0;
    return MoonTransit(d, longitudeDeg, standardMeridianDeg, steps);
}

float MoonTransit(float d, float longitudeDeg, float standardMeridianDeg, int& steps)
{
    steps = 0;
    float t = static_cast<float>(165.0 - longitudeDeg);
    float prev = 0; // the first step is compared against 0, not the starting guess
    bool retried = false;
    for (;;) {
        double diff = 360;
        for (int step = 0; std::fabs(diff) > 0.1 && step < MoonTransitStepLimit; ++step, ++steps) {
            t = static_cast<float>(static_cast<double>(t) - MoonAnglesAt(t, d, longitudeDeg).hourAngle);
            diff = static_cast<double>(t) - prev;
            prev = t;
        }
        // A transit before 0:00 local standard time: take the next one.
        if (retried || !(static_cast<double>(standardMeridianDeg) + t < 0)) return t;
        t = static_cast<float>(t + 360.0);
        retried = true;
    }
}

void MoonRiseSet(float d, float latitudeDeg, float longitudeDeg, float transitTime,
                 float& rise, float& set)
{
    rise = MoonHorizonEvent(-1, d, latitudeDeg, longitudeDeg, transitTime);
    set = MoonHorizonEvent(+1, d, latitudeDeg, longitudeDeg, transitTime);
}

MoonDayRecord MoonDayEvents(int year, int month, int day, float latitudeDeg,
                            float longitudeDeg, float standardMeridianDeg,
                            const int monthLengths[13])
{
    const float d = static_cast<float>(DayNumber(year, month, day));
    const float e = NoonDayNumber(year, month, day, standardMeridianDeg);
    const float T = CenturiesOf(e);
    const float sunLon = SunLongitude(T);
    const float moonLon = MoonLongitude(T);
    const float beta = MoonLatitude(T);

    const float transit = MoonTransit(d, longitudeDeg, standardMeridianDeg);
    float rise, set;
    MoonRiseSet(d, latitudeDeg, longitudeDeg, transit, rise, set);

    MoonDayRecord rec;
    rec.age = MoonAge(e, moonLon, sunLon);

    // Only the transit and the set can pass midnight forward, only the rise backward.
    const int monthLength = monthLengths[month];
    const int nextDay = day + 1 > monthLength ? 1 : day + 1;
    rec.transit = LocalHours(transit, standardMeridianDeg);
    rec.transitDay = day;
    if (rec.transit > 24) {
        rec.transit -= 24;
        rec.transitDay = nextDay;
    }
    rec.riseDay = day;
    if (rise != NoEvent) {
        rec.rise = LocalHours(rise, standardMeridianDeg);
        if (rec.rise < 0) {
            rec.rise += 24;
            rec.riseDay = day - 1 < 1 ? monthLengths[month - 1] : day - 1;
        }
    }
    rec.setDay = day;
    if (set != NoEvent) {
        rec.set = LocalHours(set, standardMeridianDeg);
        if (rec.set > 24) {
            rec.set -= 24;
            rec.setDay = nextDay;
        }
    }

    rec.elongation = static_cast<float>(Reduce360(static_cast<float>(static_cast<double>(moonLon) - sunLon)));
    const double psi = elementary::Acos(elementary::Cos(rec.elongation * DegToRad) *
                                        elementary::Cos(beta * DegToRad)) *
                       RadToDeg;
    const double phaseAngle = (180.0 - psi) - 0.1468 * elementary::Sin(psi * DegToRad);
    rec.illuminated = static_cast<float>((1.0 + elementary::Cos(phaseAngle * DegToRad)) * 50.0);
    return rec;
}

} // namespace marevo
