// The fit against curves of known constants drawn by the engine itself (so that the program
// reproduces what the fit writes), and against JMA's published constants of Tokyo.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/decimal_text.h"
#include "engine/tide.h"
#include "tools/fit/harmonic_fit.h"

using namespace marevo;
using namespace marevo::fit;

namespace {

Station At(const char* latitudeDM, const char* longitudeDM)
{
    Station s;
    s.Latitude = static_cast<float>(DegMinToDegrees(DecimalToDouble(latitudeDM)));
    s.Longitude = static_cast<float>(DegMinToDegrees(DecimalToDouble(longitudeDM)));
    s.StandardMeridian = ZoneMeridian(s.Latitude, s.Longitude);
    return s;
}

// A year of hourly heights in JST, as the table gives them, from the engine's TideHeight:
// JST hour h of a date is hour h + (meridian - 135) / 15 of the port's zone time.
JmaTable Synthetic(const Station& s, int year)
{
    JmaTable t;
    Calendar cal;
    SetFebruaryForYear(cal, year);
    ConstituentTables tables;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= cal.MonthLengths[month]; ++day) {
            JmaDay d{year, month, day, {}, {}};
            PrepareConstituents(year, month, day, s, cal, tables);
            for (int h = 0; h < 24; ++h)
                d.hourlyCm[h] = static_cast<int>(std::lround(
                    TideHeight(h + (s.StandardMeridian - 135.0) / 15.0, s, tables)));
            t.days.push_back(d);
        }
    return t;
}

double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

} // namespace

// Constants a hundred times those of a port, so that the whole-centimetre rounding of the
// heights weighs as 0.01 cm would: every constituent, in every species, comes back.
TEST(HarmonicFit, RecoversConstantsTheEngineDrew)
{
    const struct {
        const char* where;
        const char* latitude;
        const char* longitude;
    } ports[] = {
        {"on 135 E (JST)", "34.05", "136.12"},
        {"zone UT+10 (150 E), table still in JST", "24.17", "153.59"},
    };
    for (const auto& p : ports) {
        Station s = At(p.latitude, p.longitude);
        s.MeanSeaLevel = 12345.0f;
        s.ExtraConstituents = FitCount - ConstituentCount;
        for (int i = 0; i < FitCount; ++i) {
            s.Amplitude[i] = 100.0f * (1.0f + (i * 37 % 11));
            s.PhaseLag[i] = static_cast<float>((i * 97 + 13) % 360) + 0.25f;
        }
        const HarmonicFit fit = FitHarmonics(s, Synthetic(s, 2024));
        EXPECT_EQ(fit.rows, 366 * 24) << p.where;
        EXPECT_NEAR(fit.meanLevelCm, 12345.0, 0.05) << p.where;
        EXPECT_LT(fit.residualRmsCm, 0.35) << p.where; // the rounding alone: 1/sqrt(12)
        for (int i = 0; i < FitCount; ++i) {
            EXPECT_NEAR(fit.amplitudeCm[i], s.Amplitude[i], 0.1) << p.where << " " << i;
            EXPECT_NEAR(AngleDifference(fit.phaseLagDeg[i], s.PhaseLag[i]), 0.0, 0.01)
                << p.where << " " << i;
            EXPECT_GE(fit.phaseLagDeg[i], 0.0);
            EXPECT_LT(fit.phaseLagDeg[i], 360.0);
            EXPECT_LT(fit.amplitudeErrorCm[i], 0.1) << i;
        }
    }
}

// JMA publishes Tokyo's M3 phase lag as 154.84 degrees in the convention of the port files.
// Fitted from the table, the M3 phase lands within two degrees of it (the two programs' nodal
// angles of M3 differ by about one), not 180 away.
TEST(HarmonicFit, TokyoM3PhaseAsJmaPublishes)
{
    JmaTable table;
    std::string error;
    ASSERT_TRUE(ReadJmaTable(std::string(MAREVO_TEST_DATA) + "/jma/2024/TK.txt", "TK", 2024,
                             table, error))
        << error;
    const HarmonicFit fit = FitHarmonics(At("35.39", "139.46"), table);
    constexpr int M3 = 33;
    EXPECT_NEAR(AngleDifference(fit.phaseLagDeg[M3], 154.84), 0.0, 2.0);
    EXPECT_NEAR(fit.amplitudeCm[M3], 1.1, 0.2);
    // The table's datum lies below mean sea level by about M2 + S2 + K1 + O1 (116 cm).
    EXPECT_NEAR(fit.meanLevelCm, 116.0, 10.0);
}
