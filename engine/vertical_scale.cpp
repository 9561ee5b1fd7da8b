// The graphs' vertical scale from mean sea level plus the S2 and M2 amplitudes (cm).
#include "engine/vertical_scale.h"

#include <cstdlib>

namespace marevo {

namespace {
struct ScaleStep {
    double aboveCm;
    float scale;
};
const ScaleStep Steps[] = {
    // m above (cm)   scale
    {390.0, 4.0f},
    {260.0, 3.0f},
    {195.0, 2.0f},
    {130.0, 1.5f},
};
} // namespace

float VerticalScaleOf(const Station& station)
{
    const double m = std::atof(station.MeanSeaLevelText) +
                     static_cast<double>(station.Amplitude[IndexS2]) +
                     static_cast<double>(station.Amplitude[IndexM2]);
    for (const ScaleStep& step : Steps)
        if (m > step.aboveCm) return step.scale;
    return 1.0f;
}

} // namespace marevo
