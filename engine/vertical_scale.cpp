// The graphs' vertical scale from mean sea level plus the S2 and M2 amplitudes (cm), widened
// where a span's heights would leave the axis.
#include "engine/vertical_scale.h"

#include <cmath>
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

// The scales below the whole-number steps, smallest first.
const float FirstScales[] = {1.0f, 1.5f, 2.0f, 3.0f, 4.0f};

bool Holds(double scale, double lowestCm, double highestCm)
{
    return (!std::isfinite(lowestCm) || lowestCm >= AxisBottomPerScale * scale) &&
           (!std::isfinite(highestCm) || highestCm <= AxisTopPerScale * scale);
}
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

float ScaleHolding(float base, double lowestCm, double highestCm)
{
    if (Holds(base, lowestCm, highestCm)) return base;
    for (float scale : FirstScales)
        if (scale > base && Holds(scale, lowestCm, highestCm)) return scale;
    // Whole numbers after 4 (or after a base beyond the steps): the smallest that holds.
    double need = std::floor(base) + 1.0;
    if (std::isfinite(lowestCm)) need = std::fmax(need, lowestCm / AxisBottomPerScale);
    if (std::isfinite(highestCm)) need = std::fmax(need, highestCm / AxisTopPerScale);
    need = std::ceil(need);
    return need < MaxScale ? static_cast<float>(need) : MaxScale;
}

} // namespace marevo
