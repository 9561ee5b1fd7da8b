// Moon age, the times of the four principal phases around a date, and the customary name
// of a day's tidal range. Day numbers and ages in days; longitudes in degrees.
#pragma once

namespace marevo {

// Days per degree of elongation at the mean synodic rate (29.5305 days per turn).
constexpr double SynodicDaysPerDegree = 0.08202916666666667;

// Names of the slots of LunarPhaseTimes: 新月, 上弦, 満月, 下弦, 新月 (Shift-JIS).
extern const char* const PhaseNames[5];
// Names of the thirteen moon-age bands of TideRangeIndex (Shift-JIS).
extern const char* const TideRangeNames[13];

/*
**  NoonDayNumber: the day number of 12:00 local standard time of a civil date.
**  Given: year, month, day; standardMeridianDeg (east longitude of the zone meridian).
**  Returns: DayNumber + (180 - meridian) / 360, single (3055.625 for 2008-05-14 at 135).
*/
float NoonDayNumber(int year, int month, int day, float standardMeridianDeg);

/*
**  FindPhaseTime: the instant at which the elongation of the moon equals a target,
**  refined by a fixed number of steps at the mean synodic rate (no convergence test).
**  Given: t0 (day number), targetDeg (elongation), steps (0 or less returns t0).
**  Returns: the refined day number, single.
*/
float FindPhaseTime(float t0, float targetDeg, int steps);

/*
**  MoonAge: days since the new moon that precedes an instant.
**  Given: e (day number); moonLongitudeDeg, sunLongitudeDeg at e.
**  Returns: e minus the new moon found in three steps from a uniform-rate estimate.
*/
float MoonAge(float e, float moonLongitudeDeg, float sunLongitudeDeg);

/*
**  LunarPhaseTimes: how long before an instant the phases of the current lunation fall.
**  Given: e (day number); moonLongitudeDeg, sunLongitudeDeg at e.
**  Returns: P[0] the moon age; P[1], P[2], P[3] e minus the first quarter, full moon and
**  last quarter after that new moon; P[4] e minus the next new moon (days; positive when
**  the phase lies before e).
*/
void LunarPhaseTimes(float e, float moonLongitudeDeg, float sunLongitudeDeg, float P[5]);

// The same at the NoonDayNumber of a date, with the longitudes computed at that instant.
void LunarPhaseTimesAtNoon(int year, int month, int day, float standardMeridianDeg,
                           float P[5]);
// MoonAge at the NoonDayNumber of a date.
float MoonAgeAtNoon(int year, int month, int day, float standardMeridianDeg);

/*
**  TideRangeIndex: the band of TideRangeNames a moon age belongs to; bands are closed at
**  their upper end, negative ages fall in band 0 and ages above 30.5 in band 12.
**  Given: ageDays (single). Returns: 0 to 12.
*/
int TideRangeIndex(float ageDays);

/*
**  DayAge: the moon age of day k of a group whose phases were found at its first day's
**  noon; it switches to the next new moon once that lies before day k's noon.
**  Given: P0, P4 of the first day; k (0 to 6). Returns: age in days, single.
*/
float DayAge(float P0, float P4, int k);

/*
**  PhaseDayOffset: whole days from a group's first day back to the day of a phase.
**  Given: Pj (days). Returns: floor((Pj 10 + 5) 0.1), Pj rounded to the nearest day.
*/
int PhaseDayOffset(float Pj);

/*
**  PhaseDate: the civil date of a phase, the first day minus PhaseDayOffset(Pj),
**  normalised. Given: the first day's year, month, day; Pj. Returns: the date (out).
*/
void PhaseDate(int year, int month, int day, float Pj, int& phaseYear, int& phaseMonth,
               int& phaseDay);

} // namespace marevo
