// The vertical scale of the graphs: the factor by which every height-to-pixel conversion is
// divided so that a port with a large range still fits the fixed plot height.
#pragma once

#include "engine/station.h"

namespace marevo {

/*
**  VerticalScaleOf: the scale of a port's graphs from its spring high-water level.
**  Given: station (MeanSeaLevelText read as a number, Amplitude of S2 and M2, cm).
**  Returns: 4.0 if m = Z0 + H(S2) + H(M2) > 390 cm; else 3.0 if m > 260; 2.0 if m > 195;
**  1.5 if m > 130; else 1.0 (all comparisons strict).
*/
float VerticalScaleOf(const Station& station);

} // namespace marevo
