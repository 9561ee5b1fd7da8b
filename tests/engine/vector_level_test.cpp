// The tide sum compiled for wider vectors gives the same bits as the baseline build of it,
// over a year of a real port's 20-minute grid and at arbitrary times, one step at a time or
// a run of steps together.
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

#include "engine/constituents.h"
#include "engine/tide.h"

namespace marevo {
namespace {

// The fixture's path as the C library's fopen takes it: UTF-8 here, code page 932 on Windows.
#ifdef _WIN32
const char* const PortFile = MAREVO_PORT_FILE;
#else
const char* const PortFile = u8"" MAREVO_PORT_FILE;
#endif

std::vector<float> YearOfHeights(const Station& station) {
    std::vector<float> heights;
    Calendar cal;
    ConstituentTables tables;
    SetFebruaryForYear(cal, 2028);
    for (int day = 1; day <= 366; day += 5) {
        int y = 2028, m = 1, d = day;
        NormalizeDate(y, m, d);
        PrepareConstituents(y, m, d, station, cal, tables);
        // A run of steps computed together (79: not a whole number of blocks) gives the
        // bits of the steps one at a time.
        float run[79];
        TideHeightsAtSteps(-5, 79, 0.33333334f, station, tables, run);
        for (int k = -5; k < 74; ++k) {
            const float h = TideHeightAtStep(k, 0.33333334f, station, tables);
            EXPECT_EQ(std::memcmp(&h, &run[k + 5], sizeof h), 0) << "step " << k;
            heights.push_back(h);
        }
        for (double t = -3.7; t < 30; t += 1.37)
            heights.push_back(TideHeight(t, station, tables));
    }
    return heights;
}

TEST(VectorLevel, EveryLevelGivesTheBaselineBits)
{
    Station station;
    ASSERT_EQ(LoadStationFile(PortFile, station), LoadStatus::Ok);
    // The same port again with the 20 further constituents in use.
    Station sixty = station;
    sixty.ExtraConstituents = ExtraConstituentCount;
    for (int i = ConstituentCount; i < MaxConstituents; ++i) {
        sixty.Amplitude[i] = 0.5f + 0.25f * (i % 5);
        sixty.PhaseLag[i] = static_cast<float>((i * 53) % 360);
    }
    for (const Station* s : {&station, &sixty}) {
        const VectorLevel widest = WidestVectorLevel();
        UseVectorLevel(VectorLevel::Baseline);
        const std::vector<float> baseline = YearOfHeights(*s);
        for (int level = 1; level <= static_cast<int>(widest); ++level) {
            UseVectorLevel(static_cast<VectorLevel>(level));
            const std::vector<float> wide = YearOfHeights(*s);
            ASSERT_EQ(wide.size(), baseline.size());
            EXPECT_EQ(std::memcmp(wide.data(), baseline.data(), wide.size() * sizeof(float)), 0)
                << "level " << level;
        }
        UseVectorLevel(widest);
    }
}

} // namespace
} // namespace marevo
