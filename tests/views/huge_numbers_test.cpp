// Port files whose numbers are far outside any real port (amplitudes and Z0 of 1e19 or
// 1e30 cm, one that overflows to infinity, a longitude of 1e30 degrees): the loader reads
// them as written, and every view still draws with coordinates that are ints of a bounded
// size, never a conversion of a number beyond int or of no number at all.
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/station.h"
#include "engine/tide.h"
#include "engine/tide_table.h"
#include "views/palette.h"
#include "views/recorder.h"
#include "views/view_model.h"

namespace marevo {
namespace {

std::string PortFile(const char* header, const char* amplitude, const char* phase)
{
    std::string text = std::string(header) + "\n";
    for (int k = 0; k < 20; ++k)
        text += std::string("C,") + amplitude + "," + phase + ",D," + amplitude + "," + phase + "\n";
    return text;
}

class HugeNumbers : public ::testing::TestWithParam<int> {
protected:
    void Load(const std::string& content)
    {
        const std::string path = ::testing::TempDir() + "marevo_huge_numbers.MV2";
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
        ASSERT_EQ(LoadStationFile(path.c_str(), station), LoadStatus::Ok);
        std::remove(path.c_str());
    }

    void DrawAndCheck()
    {
        const int period = GetParam();
        const int year = 2024, month = 5, day = 14;
        SetFebruaryForYear(calendar, year);
        PrepareConstituents(year, month, day, station, calendar, tables);
        if (period == TideTable) {
            Calendar scratchCalendar = calendar;
            ConstituentTables scratchTables = tables;
            ComputeTideTable(year, month, day, station, scratchCalendar, scratchTables, detector,
                             table);
        }
        SetViewPalette(palette, 1);
        ViewModel model;
        model.year = year;
        model.month = month;
        model.day = day;
        model.station = &station;
        model.calendar = &calendar;
        model.tables = &tables;
        model.tideTable = &table;
        model.verticalScale = 4.0f;
        model.graphStyle = BarGraph;
        model.palette = &palette;
        RecordingCanvas canvas;
        DrawView(period, canvas, model);
        EXPECT_TRUE(canvas.Balanced());
        int lines = 0;
        for (const CanvasCall& call : canvas.Calls()) {
            if (call.op != CanvasOp::DrawLine && call.op != CanvasOp::DrawBox) continue;
            ++lines;
            // A million pixels and the view's own offsets at most: far off the picture.
            for (int v : {call.x1, call.y1, call.x2, call.y2}) EXPECT_LE(std::abs(v), 1002000);
        }
        EXPECT_GT(lines, 10);
    }

    Station station;
    Calendar calendar;
    ConstituentTables tables;
    ExtremeDetector detector;
    TideTableResults table;
    ViewPalette palette;
};

TEST_P(HugeNumbers, AmplitudesBeyondAnyPort)
{
    for (const char* amplitude : {"7777777777777777777", "1e30", "-1e30", "1e300"}) {
        SCOPED_TRACE(amplitude);
        Load(PortFile("P,34.04,136.12,110.0", amplitude, "10"));
        DrawAndCheck();
    }
}

TEST_P(HugeNumbers, MeanLevelPhasesAndPositionsBeyondAnyPort)
{
    struct { const char* header; const char* phase; } cases[] = {
        {"P,34.04,136.12,1e30", "10"},
        {"P,34.04,136.12,-1e30", "10"},
        {"P,34.04,136.12,110.0", "1e30"},
        {"P,34.04,1e30,110.0", "10"},
        {"P,1e30,136.12,110.0", "10"},
        {"P,-1e30,-1e30,1e30", "-1e30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        Load(PortFile(c.header, "50", c.phase));
        DrawAndCheck();
    }
}

INSTANTIATE_TEST_SUITE_P(Views, HugeNumbers, ::testing::Values(OneDay, SevenDays, FortyTwoDays, TideTable));

} // namespace
} // namespace marevo
