// Tide heights and the high and low waters of a day.
// Heights in cm above chart datum; times in hours (TideHeight) or minutes (DetectExtreme)
// of zone time from 0 h of the prepared date.
#pragma once

#include "engine/constituents.h"
#include "engine/station.h"

namespace marevo {

// One high or low water. Its kind is decided where it is found (a maximum or a minimum of
// the sampled curve), never from its position in a list: an extra or a missing event must
// not turn the kinds of the events after it.
struct TideEvent {
    float hour;   // whole number 0..23
    float minute; // whole number 0..59
    float height; // cm
    bool high;    // true for a high water (a maximum), false for a low water (a minimum)
};

// Streaming turning-point detector; a sample at DetectorReset minutes restarts it.
constexpr float DetectorReset = -60.0f;
struct ExtremeDetector {
    int count = 0;
    float T[4] = {}; // T-3, T-2, T-1, T0 (oldest first)
    float H[4] = {};
    float D[3] = {}; // D-2, D-1, D0
    int sign[3] = {};
};

// Height at t hours from 0 h of the prepared date: Z0 plus the 40 constituents in their order,
// then the 20 further ones if the station carries them (ExtraConstituents > 0).
float TideHeight(double t, const Station& station, const ConstituentTables& tables);
// Height at step k of a grid of stepHours (sigma * t formed as k * sigma * stepHours); the
// views sample with 0.33333334f (20 min) and 0.5f (30 min).
float TideHeightAtStep(int k, float stepHours, const Station& station,
                       const ConstituentTables& tables);
// out[j] = TideHeightAtStep(first + j, ...) for j < count, the same bits, computed several
// steps at a time.
void TideHeightsAtSteps(int first, int count, float stepHours, const Station& station,
                        const ConstituentTables& tables, float* out);

// Instruction sets the tide sum runs on: every one gives the same bits, the wider faster.
enum class VectorLevel { Baseline = 0, Avx2 = 1, Avx512 = 2 };
// The widest this processor and this build offer; it is the one used from the start.
VectorLevel WidestVectorLevel();
// Uses level (at most the widest) from now on; not while other threads compute heights.
void UseVectorLevel(VectorLevel level);

// Feeds one sample (t minutes, h cm). Returns 1 and replaces t and h by the interpolated
// extreme when one is found, else 0; extremes at or before t = 0 are not reported. When
// high is given it is set to whether the extreme is a maximum (the curve rose, or stood
// level, before it and falls or stands level after it) or a minimum.
int DetectExtreme(ExtremeDetector& detector, float& t, float& h, bool* high = nullptr);

// Whole hour and minute of an extreme at t minutes (truncated; a minute of 60 becomes 59).
void MinutesToEvent(float t, float h, TideEvent& event);

constexpr int MaxDayEvents = 40;
struct DayExtremes {
    int count = 0;
    TideEvent events[MaxDayEvents];
};

// The last samples of one day's search (those the next day's search takes from its day
// before) and the station and tables they come from. Given to the searches of consecutive
// days, it lets each day take them instead of computing them again; a day whose day before
// or station is not the one they come from computes its own, so the results never depend on
// it.
struct CarriedSamples {
    static constexpr int Count = 8;
    bool valid = false;
    float heights[Count] = {};
    float MeanSeaLevel = 0;
    int ExtraConstituents = 0;
    float Amplitude[MaxConstituents] = {}, PhaseLag[MaxConstituents] = {};
    ConstituentTables tables;
    bool Matches(const Station& station, const ConstituentTables& dayBefore) const;
    void Keep(const Station& station, const ConstituentTables& tables, const float* last);
};

/*
**  FindDayExtremes: the high and low waters of one day, in time order, each with its kind.
**
**  Given: the station; the constituents prepared for 0 h of the day (tables) and for 0 h of
**  the day before (dayBefore); a detector (reset here); optionally the samples the search of
**  the day before left (carry), which this search then replaces by its own.
**  Returns: out, at most MaxDayEvents events.
**
**  Method: heights every 20 minutes from 1 h 40 min before the day to 40 min after it,
**  fed to DetectExtreme. Each turning point lies between two midpoints of the grid; the
**  one that straddles a midnight (from 10 minutes before to 10 minutes after it) is seen by
**  the searches of both days. So that both decide it alike, the samples from 1 h 40 min
**  before the day to 40 min after its start are taken from the day before's preparation
**  (they are the same numbers that day's own search uses at its end), and the straddling
**  extreme goes to the earlier day when its interpolation point x lies below one half (its
**  time falls before midnight), to the later day otherwise. Every other turning point lies
**  wholly inside one day. Consecutive days therefore list, together, exactly the extremes
**  of one continuous search, none twice and none lost at midnight.
**  A turning point of the other kind within two steps of the one before it whose
**  interpolated height crosses that one's takes its height (a near-level stand), so that
**  no high water is listed below the low water beside it.
**  The form without dayBefore takes every sample from the day's own preparation: the
**  method for a day on its own, whose midnight decisions may then differ from the day
**  before's by a rounding.
**
**  Reference: a second-degree interpolation through three differences of the samples (see
**  DetectExtreme).
*/
void FindDayExtremes(const Station& station, const ConstituentTables& dayBefore,
                     const ConstituentTables& tables, ExtremeDetector& detector,
                     DayExtremes& out, CarriedSamples* carry = nullptr);
void FindDayExtremes(const Station& station, const ConstituentTables& tables,
                     ExtremeDetector& detector, DayExtremes& out);

// Prepares the constituents for 0 h of the day before (year, month, day), February set for
// that day's year on a copy of cal.
void PrepareDayBefore(int year, int month, int day, const Station& station, const Calendar& cal,
                      ConstituentTables& before);

// Prepares the day before (year, month, day) and the day itself in scratch tables (February
// set for each date's year on a copy of cal) and finds the day's extremes as above.
void FindDateExtremes(int year, int month, int day, const Station& station,
                      const Calendar& cal, DayExtremes& out);

} // namespace marevo
