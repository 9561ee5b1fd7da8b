// The views of every shipped port (data/dt) through 2026: every high and low water a graph
// shows lies inside its axis (大阪 on 25 December in detail), and the one-day heading never
// runs into the position beside it.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/station.h"
#include "engine/tide.h"
#include "engine/vertical_scale.h"
#include "views/forty_two_day_view.h"
#include "views/one_day_view.h"
#include "views/prepare_view.h"
#include "views/recorder.h"
#include "views/seven_day_view.h"
#include "views/text_util.h"

namespace marevo {
namespace {

const std::string DtDir = std::string(MAREVO_TEST_DATA) + "/dt/";

std::vector<std::string> PortPaths()
{
    std::vector<std::string> paths;
    if (DIR* dir = opendir(DtDir.c_str())) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".MV2") == 0)
                paths.push_back(DtDir + name);
        }
        closedir(dir);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// The days of 2026 and the 41 after them, where the last views of the year end.
constexpr int YearDays = 365, SpanDays = YearDays + 41;

struct View {
    int period, days;
    // The plot's rows of a height on day d of the view: inside the axis or not.
    bool (*inside)(double heightCm, int d, float scale);
};

const View Views[] = {
    {OneDay, 1,
     [](double h, int, float s) {
         const int y = OneDayHeightY(h, s);
         return y >= OneDayPlotTop && y <= OneDayPlotBottom;
     }},
    {SevenDays, 7,
     [](double h, int, float s) {
         // The height grid of the seven-day view: y = 194 (190 s cm) to the plot's bottom.
         const int y = SevenDayHeightY(h, s);
         return y >= 194 && y <= DayPlotBottom;
     }},
    {FortyTwoDays, 42,
     [](double h, int d, float s) {
         const int strip = d / WeekDays;
         const int y = FortyTwoDayHeightY(h, strip, s);
         return y >= DayPlotTop + WeekStripHeight * strip &&
                y <= DayPlotTop + WeekStripHeight * (strip + 1);
     }},
};

// Every view of the year, one start date after another. A view whose days' high and low
// waters all lie within the port's own axis (-20 s to 190 s cm) is drawn at that scale or a
// wider one (ScaleHolding never narrows it), so it holds them; the views with a water
// outside it are prepared as the window prepares them and checked in the plot's pixels.
// The one-day views are among them: a day whose water leaves the port's axis is a one-day
// view with such a water.
TEST(ShippedPortViews, EveryHighAndLowWaterLiesInsideItsAxis)
{
#ifndef MAREVO_WHOLE_YEAR
    GTEST_SKIP() << "the year of every port runs in optimised builds";
#endif
    const std::vector<std::string> paths = PortPaths();
    ASSERT_GT(paths.size(), 200u);
    int widened = 0, kept = 0;
    for (const std::string& path : paths) {
        Station station;
        ASSERT_EQ(LoadStationFile(path.c_str(), station), LoadStatus::Ok) << path;
        const float base = VerticalScaleOf(station);
        std::vector<DayExtremes> days(SpanDays);
        std::vector<bool> outside(SpanDays);
        // Day after day, as the tide table lists them: each day's tables are the next
        // day's before.
        Calendar calendar;
        SetFebruaryForYear(calendar, 2026);
        ConstituentTables before, tables;
        PrepareDayBefore(2026, 1, 1, station, calendar, before);
        CarriedSamples carry;
        ExtremeDetector detector;
        for (int i = 0; i < SpanDays; ++i) {
            int year = 2026, month = 1, day = 1 + i;
            NormalizeDate(year, month, day);
            SetFebruaryForYear(calendar, year);
            PrepareConstituents(year, month, day, station, calendar, tables);
            FindDayExtremes(station, before, tables, detector, days[i], &carry);
            before = tables;
            for (int e = 0; e < days[i].count; ++e) {
                const double h = days[i].events[e].height;
                // The one-day grid's bottom and top lines: -20 s and 190 s cm.
                if (h < -20.0 * base || h > 190.0 * base) outside[i] = true;
            }
        }
        bool checkedKept = false;
        for (const View& view : Views) {
            for (int first = 0; first < YearDays; ++first) {
                const bool leaves = std::find(outside.begin() + first,
                                              outside.begin() + first + view.days,
                                              true) != outside.begin() + first + view.days;
                if (!leaves && checkedKept) continue;
                int year = 2026, month = 1, day = 1 + first;
                NormalizeDate(year, month, day);
                PreparedView prepared;
                PrepareView(station, year, month, day, view.period, LineGraph, 1, prepared);
                const float s = prepared.verticalScale;
                if (!leaves) {
                    // One view a port whose waters fit: drawn at the port's own scale.
                    EXPECT_EQ(s, base) << path << " " << month << "/" << day;
                    checkedKept = true;
                    ++kept;
                    continue;
                }
                ++widened;
                for (int d = 0; d < view.days; ++d) {
                    for (int e = 0; e < days[first + d].count; ++e) {
                        const TideEvent& ev = days[first + d].events[e];
                        EXPECT_TRUE(view.inside(ev.height, d, s))
                            << path << " view " << view.period << " from " << month << "/"
                            << day << ": " << ev.height << " cm at scale " << s;
                    }
                }
            }
        }
    }
    // Some views of the year leave the ports' own axes (大阪 on 25 December among them).
    EXPECT_GT(widened, 0);
    EXPECT_GT(kept, 0);
}

// 大阪 on 25 December 2026: a low water below -30 cm, the bottom of the port's axis at 1.5.
// The one-day and seven-day views from that day are drawn at 2 (-40 ... 380 cm) and show it
// inside the plot; a neap day keeps the port's scale.
TEST(VerticalScale, OsakaChristmasLowWaterIsInsideTheAxis)
{
    Station osaka;
    const std::string path = DtDir + reinterpret_cast<const char*>(u8"27大阪.MV2");
    ASSERT_EQ(LoadStationFile(path.c_str(), osaka), LoadStatus::Ok);
    ASSERT_EQ(VerticalScaleOf(osaka), 1.5f);

    Calendar calendar;
    SetFebruaryForYear(calendar, 2026);
    DayExtremes day;
    FindDateExtremes(2026, 12, 25, osaka, calendar, day);
    double lowest = 0;
    for (int i = 0; i < day.count; ++i) lowest = std::fmin(lowest, day.events[i].height);
    ASSERT_LT(lowest, -30.0);
    ASSERT_GE(lowest, -40.0);

    for (int period : {OneDay, SevenDays}) {
        PreparedView view;
        PrepareView(osaka, 2026, 12, 25, period, BarGraph, 1, view);
        EXPECT_EQ(view.verticalScale, 2.0f) << period;
        EXPECT_EQ(view.model.verticalScale, 2.0f) << period;
    }
    PreparedView oneDay;
    PrepareView(osaka, 2026, 12, 25, OneDay, BarGraph, 1, oneDay);
    EXPECT_LE(OneDayHeightY(lowest, oneDay.verticalScale), OneDayPlotBottom);

    PreparedView neap;
    PrepareView(osaka, 2026, 12, 18, OneDay, BarGraph, 1, neap);
    EXPECT_EQ(neap.verticalScale, 1.5f);
    PreparedView table;
    PrepareView(osaka, 2026, 12, 25, TideTable, BarGraph, 1, table);
    EXPECT_EQ(table.verticalScale, 1.5f); // no axis
}

// The heading's text box and the position's, in the 12-unit face of the view (a half-width
// column 6 units, a double-byte character 12), do not overlap for any shipped name.
TEST(ShippedPortViews, OneDayHeadingEndsBeforeThePosition)
{
    const std::vector<std::string> paths = PortPaths();
    ASSERT_GT(paths.size(), 200u);
    int shortened = 0;
    for (const std::string& path : paths) {
        Station station;
        ASSERT_EQ(LoadStationFile(path.c_str(), station), LoadStatus::Ok) << path;
        PreparedView prepared;
        PrepareView(station, 2026, 12, 25, OneDay, LineGraph, 1, prepared);
        RecordingCanvas canvas;
        DrawOneDayView(canvas, prepared.model);
        std::vector<CanvasCall> line;
        for (const CanvasCall& c : canvas.CallsOf(CanvasOp::PutText))
            if (c.y1 == 8) line.push_back(c);
        ASSERT_GE(line.size(), 3u) << path;
        std::sort(line.begin(), line.end(),
                  [](const CanvasCall& a, const CanvasCall& b) { return a.x1 < b.x1; });
        const CanvasCall& heading = line[0];
        const CanvasCall& position = line[1];
        ASSERT_EQ(heading.text.compare(0, 2, "【"), 0) << path;
        const int headingRight =
            heading.x1 + static_cast<int>(heading.text.size()) * heading.fontHeight / 2;
        EXPECT_LE(headingRight, position.x1) << path << ": " << heading.text;
        // A heading that fits in its full form keeps it; the others still name the port
        // whole (no shipped name needs a cut).
        const std::string name = TrimLeadingSpaces(station.StationName);
        const std::string full = "【 " + name + " の 潮汐 】";
        if (static_cast<int>(full.size()) * heading.fontHeight / 2 <= position.x1 - heading.x1) {
            EXPECT_EQ(heading.text, full) << path;
        } else {
            EXPECT_NE(heading.text.find(name), std::string::npos) << path;
            ++shortened;
        }
    }
    EXPECT_EQ(shortened, 1); // 八丈島（八重根）
}

} // namespace
} // namespace marevo
