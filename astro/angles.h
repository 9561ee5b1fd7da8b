// Angle reduction of the sun and moon series, degrees: unlike Reduce360 of the calendar,
// which first takes its argument as a float, these keep the full double argument, so that
// the large products rate x T of the series lose no digits before the reduction.
#pragma once

#include <cmath>

namespace marevo {

// x - 360 floor(x / 360): x into [0, 360), in double.
inline double ReduceDegrees(double x) { return x - 360.0 * std::floor(x / 360.0); }

// A longitude stored as a float in [0, 360): reduced, rounded to float, reduced again, so
// that a value that rounds up to 360.0f comes back as 0.
inline float ReduceLongitude(double x)
{
    return static_cast<float>(ReduceDegrees(static_cast<float>(ReduceDegrees(x))));
}

} // namespace marevo
