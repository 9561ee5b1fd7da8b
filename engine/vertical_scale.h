// The vertical scale of the graphs: the factor by which every height-to-pixel conversion is
// divided so that a port with a large range still fits the fixed plot height. At scale s the
// axes of the graphs show heights from -20 s to 190 s cm.
#pragma once

#include "engine/station.h"

namespace marevo {

// The heights an axis holds at scale s, in cm per unit of s: the one-day and seven-day
// grids run from -20 s to 190 s; the strips of the 42-day view hold the same span.
constexpr double AxisBottomPerScale = -20.0, AxisTopPerScale = 190.0;

/*
**  VerticalScaleOf: the scale of a port's graphs from its spring high-water level.
**  Given: station (MeanSeaLevelText read as a number, Amplitude of S2 and M2, cm).
**  Returns: 4.0 if m = Z0 + H(S2) + H(M2) > 390 cm; else 3.0 if m > 260; 2.0 if m > 195;
**  1.5 if m > 130; else 1.0 (all comparisons strict).
*/
float VerticalScaleOf(const Station& station);

/*
**  ScaleHolding: the scale a graph of a span is drawn at, so that its axis holds the span's
**  lowest and highest heights.
**  Given: base, the port's scale (VerticalScaleOf); lowestCm, highestCm, the extremes of
**  the heights the graph shows.
**  Returns: base when -20 base <= lowestCm and highestCm <= 190 base; else the first scale
**  after base in the steps 1, 1.5, 2, 3, 4, 5, 6, ... (whole numbers after 4) whose axis
**  holds both, at most MaxScale. Heights that are not finite take no part.
*/
constexpr float MaxScale = 1.0e6f;
float ScaleHolding(float base, double lowestCm, double highestCm);

} // namespace marevo
