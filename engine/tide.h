// Tide heights and the high and low waters of a day.
// Heights in cm above chart datum; times in hours (TideHeight) or minutes (DetectExtreme)
// of zone time from 0 h of the prepared date.
#pragma once

#include "engine/constituents.h"
#include "engine/station.h"

namespace marevo {

// One high or low water; consecutive events alternate and carry no type of their own.
struct TideEvent {
    float hour;   // whole number 0..23
    float minute; // whole number 0..59
    float height; // cm
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

// Instruction sets the tide sum runs on: every one gives the same bits, the wider faster.
enum class VectorLevel { Baseline = 0, Avx2 = 1, Avx512 = 2 };
// The widest this processor and this build offer; it is the one used from the start.
VectorLevel WidestVectorLevel();
// Uses level (at most the widest) from now on; not while other threads compute heights.
void UseVectorLevel(VectorLevel level);

// Feeds one sample (t minutes, h cm). Returns 1 and replaces t and h by the interpolated
// extreme when one is found, else 0.
int DetectExtreme(ExtremeDetector& detector, float& t, float& h);

// The high and low waters strictly inside the prepared day, in time order.
// Whole hour and minute of an extreme at t minutes (truncated; a minute of 60 becomes 59).
void MinutesToEvent(float t, float h, TideEvent& event);

constexpr int MaxDayEvents = 40;
struct DayExtremes {
    int count = 0;
    TideEvent events[MaxDayEvents];
};
void FindDayExtremes(const Station& station, const ConstituentTables& tables,
                     ExtremeDetector& detector, DayExtremes& out);

} // namespace marevo
