// Moon age, phase times of the current lunation and tidal-range names. Day numbers and
// ages in days, single precision between steps; elongations in degrees.
#include "astro/moon_phase.h"

#include <cmath>

#include "astro/ephemeris.h"
#include "engine/calendar.h"

namespace marevo {

const char* const PhaseNames[5] = {"新月", "上弦", "満月", "下弦", "新月"};

const char* const TideRangeNames[13] = {
    "大潮", "中潮", "小潮", "長潮", "若潮", "中潮", "大潮",
    "中潮", "小潮", "長潮", "若潮", "中潮", "大潮",
};

namespace {

// Upper bounds (inclusive) of the moon-age bands of TideRangeNames, days.
const double TideRangeUpperBounds[13] = {
    1.5, 5.5, 8.5, 9.5, 10.5, 12.5, 16.5, 20.5, 23.5, 24.5, 25.5, 27.5, 30.5,
};

// Elongation (moon minus sun longitude) at day number t.
double ElongationAt(float t)
{
    const float T = CenturiesOf(t);
    return static_cast<double>(MoonLongitude(T)) - SunLongitude(T);
}

// The new moon before e: a uniform-rate estimate refined in three steps.
float NewMoonBefore(float e, float moonLongitudeDeg, float sunLongitudeDeg)
{
    float D = static_cast<float>(static_cast<double>(moonLongitudeDeg) - sunLongitudeDeg);
    if (D < 0) D = static_cast<float>(D + 360.0);
    const float t0 = static_cast<float>(e - D * SynodicDaysPerDegree);
    return FindPhaseTime(t0, 0, 3);
}

} // namespace

float NoonDayNumber(int year, int month, int day, float standardMeridianDeg)
{
    return static_cast<float>(DayNumber(year, month, day) + (180.0 - standardMeridianDeg) / 360.0);
}

float FindPhaseTime(float t0, float targetDeg, int steps)
{
    float t = t0;
    for (int i = 0; i < steps; ++i) {
        const float delta = static_cast<float>(Fold180(ElongationAt(t) - targetDeg));
        t = static_cast<float>(t - delta * SynodicDaysPerDegree);
    }
    return t;
}

float MoonAge(float e, float moonLongitudeDeg, float sunLongitudeDeg)
{
    return static_cast<float>(static_cast<double>(e) -
                              NewMoonBefore(e, moonLongitudeDeg, sunLongitudeDeg));
}

void LunarPhaseTimes(float e, float moonLongitudeDeg, float sunLongitudeDeg, float P[5])
{
    // Starting offsets of each phase after the new moon, days, and its elongation.
    static const struct { double offset; float target; } Phases[4] = {
        {7.38, 90}, {14.77, 180}, {22.15, 270}, {29.5305, 0},
    };
    const float newMoon = NewMoonBefore(e, moonLongitudeDeg, sunLongitudeDeg);
    P[0] = static_cast<float>(static_cast<double>(e) - newMoon);
    for (int j = 0; j < 4; ++j) {
        const float start = static_cast<float>(newMoon + Phases[j].offset);
        P[j + 1] = static_cast<float>(static_cast<double>(e) -
                                      FindPhaseTime(start, Phases[j].target, 2));
    }
}

void LunarPhaseTimesAtNoon(int year, int month, int day, float standardMeridianDeg,
                           float P[5])
{
    const float e = NoonDayNumber(year, month, day, standardMeridianDeg);
    const float T = CenturiesOf(e);
    LunarPhaseTimes(e, MoonLongitude(T), SunLongitude(T), P);
}

float MoonAgeAtNoon(int year, int month, int day, float standardMeridianDeg)
{
    const float e = NoonDayNumber(year, month, day, standardMeridianDeg);
    const float T = CenturiesOf(e);
    return MoonAge(e, MoonLongitude(T), SunLongitude(T));
}

int TideRangeIndex(float ageDays)
{
    for (int i = 0; i < 13; ++i)
        if (ageDays <= TideRangeUpperBounds[i]) return i;
    return 12; // no age above 30.5 arises from the moon age; the last band is the safe one
}

float DayAge(float P0, float P4, int k)
{
    if (k + static_cast<double>(P4) > 0) return static_cast<float>(k + static_cast<double>(P4));
    return static_cast<float>(k + static_cast<double>(P0));
}

int PhaseDayOffset(float Pj)
{
    const double days = std::floor((static_cast<double>(Pj) * 10.0f + 5.0f) * 0.1f);
    // A port file's far-off meridian can leave no phase time at all (not a number): no
    // offset then, rather than an int made of nothing.
    if (!(std::fabs(days) < 1.0e6)) return 0;
    return static_cast<int>(days);
}

void PhaseDate(int year, int month, int day, float Pj, int& phaseYear, int& phaseMonth,
               int& phaseDay)
{
    phaseYear = year;
    phaseMonth = month;
    phaseDay = day - PhaseDayOffset(Pj);
    NormalizeDate(phaseYear, phaseMonth, phaseDay);
}

} // namespace marevo
