// The nine non-harmonic constants: computed from the station, laid out as text lines and
// drawn.
#include "views/tidal_constants_panel.h"

#include <cstdio>
#include <cstdlib>

#include "engine/calendar.h"
#include "views/palette.h"

namespace marevo {

namespace {
// Days per degree of the S2 - M2 phase difference (1 / 24.5).
constexpr double DaysPerDegree = 0.04081632653061224;
// Hours per degree of M2 phase (1 / 29), held in single precision.
constexpr float HoursPerDegree = 0.03448276f;
} // namespace

TidalConstants TidalConstantsOf(const Station& station)
{
    const double z0 = std::atof(station.MeanSeaLevelText);
    const double o1 = station.Amplitude[IndexO1], k1 = station.Amplitude[IndexK1];
    const double m2 = station.Amplitude[IndexM2], s2 = station.Amplitude[IndexS2];
    const float kappaM2 = station.PhaseLag[IndexM2], kappaS2 = station.PhaseLag[IndexS2];
    TidalConstants c;
    c.highestHighWater = k1 + o1 + s2 + m2 + z0;
    c.springRise = s2 + m2 + z0;
    c.springRange = 2 * (s2 + m2);
    c.neapRise = m2 - s2 + z0;
    c.neapRange = 2 * (m2 - s2);
    c.meanSeaLevel = z0;
    c.meanRange = 2 * m2;
    c.ageOfTideDays = Reduce360(static_cast<float>(kappaS2 - kappaM2)) * DaysPerDegree;
    c.intervalHours = static_cast<double>(kappaM2) * HoursPerDegree;
    return c;
}

PlacedTexts TidalConstantsTexts(const Station& station)
{
    const TidalConstants c = TidalConstantsOf(station);
    struct Line {
        int x, y;
        const char* format;
        double value;
    } const lines[] = {
        {360, 29, "略最高高潮面　%5.1f   ( 単位 cm )", c.highestHighWater},
        {360, 45, "大   潮   升　%5.1f", c.springRise},
        {500, 45, "大潮差　 %5.1f", c.springRange},
        {360, 61, "小   潮   升　%5.1f", c.neapRise},
        {500, 61, "小潮差　 %5.1f", c.neapRange},
        {360, 77, "平 均  水 面　%5.1f", c.meanSeaLevel},
        {500, 77, "平均潮差 %5.1f", c.meanRange},
        {360, 93, "潮　　　　齢 [ 朔望より大潮まで ]%4.1f日", c.ageOfTideDays},
        {360, 109, "平均高潮間隔 [月正中より満潮まで]%4.1f時", c.intervalHours},
    };
    PlacedTexts texts;
    for (const Line& line : lines) {
        char text[128];
        std::snprintf(text, sizeof text, line.format, line.value);
        texts.push_back({line.x, line.y, 12, Black, text});
    }
    return texts;
}

void DrawTidalConstantsPanel(Canvas& canvas, const Station& station)
{
    DrawPlacedTexts(canvas, TidalConstantsTexts(station));
}

} // namespace marevo
