// Port files whose numbers are far outside any real port (amplitudes and Z0 of 1e19 or
// 1e30 cm, one that overflows to infinity, a longitude of 1e30 degrees): the loader reads
// them as written, and every view still draws with coordinates that are ints of a bounded
// size, never a conversion of a number beyond int or of no number at all.
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "engine/station.h"
#include "views/prepare_view.h"
#include "views/recorder.h"

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
        PreparedView view;
        PrepareView(station, year, month, day, period, BarGraph, 1, view);
        view.model.verticalScale = 4.0f;
        RecordingCanvas canvas;
        DrawView(period, canvas, view.model);
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
