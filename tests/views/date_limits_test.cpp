// The four views at both ends of the years 1 to 9999, as the date moves of the window reach
// them a week at a time: every picture is drawn whole (curve, texts, balanced font and pen
// slots), with no number that is not finite and nothing drawn far outside the canvas. Run
// under the sanitisers this is also the check that no computation of the era's first and
// last weeks is undefined.
#include <gtest/gtest.h>
#include <string>

#include "engine/calendar.h"
#include "engine/station.h"
#include "engine/tide.h"
#include "views/prepare_view.h"
#include "views/recorder.h"

namespace marevo {
namespace {

class EraEnds : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(LoadStationFile(MAREVO_PORT_FILE, station), LoadStatus::Ok) << MAREVO_PORT_FILE;
    }

    // Draws the view of the parameter's period for the date as the refresh does.
    void DrawAt(int year, int month, int day)
    {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << "-" << day);
        const int period = GetParam();
        PreparedView view;
        PrepareView(station, year, month, day, period, BarGraph, 1, view);
        if (period == TideTable) {
            EXPECT_GT(view.tideTable.MaxHighPerDay, 0);
            EXPECT_GT(view.tideTable.MaxLowPerDay, 0);
        }
        view.model.verticalScale = 1.0f;
        RecordingCanvas canvas;
        const ViewReport report = DrawView(period, canvas, view.model);
        EXPECT_EQ(report.sunErrors, 0);
        EXPECT_TRUE(canvas.Balanced());
        for (const std::string& fault : canvas.Faults()) ADD_FAILURE() << fault;

        struct { int width, height; } const size = {view.width, view.height};
        int texts = 0, lines = 0;
        for (const CanvasCall& call : canvas.Calls()) {
            if (call.op == CanvasOp::PutText) {
                ++texts;
                EXPECT_EQ(call.text.find("nan"), std::string::npos) << call.text;
                EXPECT_EQ(call.text.find("inf"), std::string::npos) << call.text;
                EXPECT_GE(call.x1, -20) << call.text;
                EXPECT_LE(call.x1, size.width) << call.text;
                EXPECT_GE(call.y1, -20) << call.text;
                EXPECT_LE(call.y1, size.height) << call.text;
            } else if (call.op == CanvasOp::DrawLine) {
                ++lines;
                // Curves may leave their frame but never by more than the picture's size.
                EXPECT_GT(call.y1, -size.height);
                EXPECT_LT(call.y1, 2 * size.height);
                EXPECT_GT(call.x1, -size.width);
                EXPECT_LT(call.x1, 2 * size.width);
            }
        }
        EXPECT_GT(texts, 10);
        EXPECT_GT(lines, 20);
    }

    Station station;
};

TEST_P(EraEnds, FirstWeeksOfYearOneDrawWhole)
{
    // "-7日" from the 22nd of January of year 1 down to its first day, then "-1日" there.
    for (int day = 22; day >= 1; day -= 7) DrawAt(1, 1, day);
    DrawAt(1, 1, 1);
}

TEST_P(EraEnds, LastWeeksOfYear9999DrawWhole)
{
    // The 42-day view and the table run on into the year 10000.
    for (int day = 10; day <= 31; day += 7) DrawAt(9999, 12, day);
    DrawAt(9999, 12, 31);
}

INSTANTIATE_TEST_SUITE_P(Views, EraEnds, ::testing::Values(OneDay, SevenDays, FortyTwoDays, TideTable));

// Day numbers run on one a day across both ends, so the first and last weeks of the era
// show seven different days (weekday names follow).
TEST(EraEndsCalendar, DayNumbersRunOnAcrossTheEnds)
{
    struct { int year, month, day; } starts[] = {{1, 1, 1}, {9999, 12, 1}, {4, 2, 20}, {9996, 2, 20}};
    for (const auto& s : starts) {
        double previous = DayNumber(s.year, s.month, s.day);
        for (int step = 1; step <= 60; ++step) {
            int ny = s.year, nm = s.month, nd = s.day + step;
            NormalizeDate(ny, nm, nd);
            const double number = DayNumber(ny, nm, nd);
            EXPECT_EQ(number - previous, 1.0) << ny << "-" << nm << "-" << nd;
            previous = number;
        }
    }
}

} // namespace
} // namespace marevo
