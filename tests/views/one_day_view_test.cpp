// The one-day view: header texts and places, boxes, daylight band, grid labels, the curve in
// both styles and the list of high and low waters against a curve known in closed form.
#include "views/one_day_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/ephemeris.h"
#include "tests/views/view_fixture.h"
#include "views/recorder.h"
#include "views/seven_day_view.h"
#include "views/tide_table_view.h"

namespace marevo {
namespace {

using testing_views::BoxesFilled;
using testing_views::ViewSetup;

// Drawn while the clip box is the plot's.
bool InPlot(const CanvasCall& k)
{
    return k.clipHeld && k.clipLeft == OneDayPlotLeft && k.clipTop == OneDayPlotTop &&
           k.clipRight == OneDayPlotRight && k.clipBottom == OneDayPlotBottom;
}

TEST(OneDayView, TextsOfTheBoxesAsLines)
{
    ViewSetup v(2008, 5, 14);
    RecordingCanvas c;
    const ViewReport report = DrawOneDayView(c, v.model);
    EXPECT_EQ(report.sunErrors, 0);
    EXPECT_TRUE(c.Balanced()) << (c.Faults().empty() ? "" : c.Faults()[0]);
    for (const CanvasCall& t : c.CallsOf(CanvasOp::PutText))
        EXPECT_EQ(t.backgroundMode, BackgroundTransparent) << t.text;

    // The header's texts from x 30, 200, 255, 320 and 447: columns 0, 28, 37, 48 and 69 of
    // six units; the zone time in its own colour.
    const OneDayTexts texts = OneDayTextsOf(v.model);
    const std::vector<std::string> header = TextLines(texts.header, OneDayHeaderLeft);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0], std::string("【 東京 の 潮汐 】") + std::string(10, ' ') + "35ﾟ39'N " +
                             " 139ﾟ46'E   2008年5月14日(水)    使用時 JST");
    EXPECT_EQ(texts.header.back().colour, v.palette.ZoneText);
    // Seven sun lines (the worked example of the sun panel), the first five with a moon line
    // at column 22 (x 480), the tidal-range name at column 23 (x 485) beside the last.
    const std::vector<std::string> sunMoon = {
        "  天文薄明   2:57     月  齢   8.6",       "  常用薄明   4:08     月輝面  70.0%",
        "  日　　出   4:36     月　出  13:16(14日)", "  正　　中  11:37     正　中  19:34(14日)",
        "  日　　没  18:38     月  入   1:44(15日)", "  常用薄明  19:06",
        "  天文薄明  20:18      長潮",
    };
    EXPECT_EQ(TextLines(texts.sunMoon, OneDayBoxLeft), sunMoon);
    const std::vector<std::string> waters = TextLines(texts.extremes, OneDayBoxLeft);
    ASSERT_GE(waters.size(), 4u);
    EXPECT_EQ(waters[0], std::string(12, ' ') + " 潮時    潮位");

    // The sun's band is the frame's (sunrise 4.6090, sunset 18.6440: x = 30 + 55 and 30 + 223).
    const auto band = BoxesFilled(c, v.palette.DaylightFill);
    ASSERT_EQ(band.size(), 1u);
    EXPECT_EQ(band[0].x1, 85);
    EXPECT_EQ(band[0].x2, 253);
}

TEST(OneDayView, HemispheresAndZones)
{
    struct Case {
        float latDM, lat, lonDM, lon, meridian;
        const char *latText, *lonText, *zone;
    } const cases[] = {
        {0, 0, 0, 0, 135, " 0ﾟ 0'S ", " 0ﾟ 0'W ", "使用時 JST"},
        {-33.52f, -33.8667f, -70.4f, -70.6667f, -75, "33ﾟ52'S ", "70ﾟ40'W ", "帯域時 UT-5h"},
        {22.18f, 22.3f, 114.1f, 114.1667f, 120, "22ﾟ18'N ", "114ﾟ10'E ", "帯域時 UT+8h"},
    };
    for (const Case& k : cases) {
        ViewSetup v(2008, 1, 1);
        v.station.LatitudeDM = k.latDM;
        v.station.Latitude = k.lat;
        v.station.LongitudeDM = k.lonDM;
        v.station.Longitude = k.lon;
        v.station.StandardMeridian = k.meridian;
        RecordingCanvas c;
        DrawOneDayView(c, v.model);
        EXPECT_EQ(c.TextAt(200, 8)->text, k.latText);
        EXPECT_EQ(c.TextAt(255, 8)->text, k.lonText);
        EXPECT_EQ(c.TextAt(447, 8)->text, k.zone);
        EXPECT_EQ(c.TextAt(320, 8)->text, "2008年1月1日(火) ");
    }
}

TEST(OneDayView, ReferenceLinesAtMeanLevelAndM2)
{
    // Z0 150, M2 100 at scale 2: y = 330 - 120, 330 - 200, 330 - 40.
    ViewSetup v(2008, 5, 14, 2.0f);
    RecordingCanvas c;
    DrawOneDayView(c, v.model);
    const auto& calls = c.Calls();
    std::vector<CanvasCall> refs;
    for (const CanvasCall& l : calls)
        if (l.op == CanvasOp::DrawLine && l.x1 == 30 && l.x2 == 318 && l.y1 == l.y2)
            refs.push_back(l);
    ASSERT_EQ(refs.size(), 3u);
    EXPECT_EQ(refs[0].y1, 210);
    EXPECT_EQ(refs[0].penColor, v.palette.MeanLevelLine);
    EXPECT_EQ(refs[1].y1, 130);
    EXPECT_EQ(refs[2].y1, 290);
    EXPECT_EQ(refs[1].penColor, v.palette.ReferenceLine);
    EXPECT_EQ(refs[2].penColor, v.palette.ReferenceLine);
    // They come last, over the curve, and like it they stay inside the plot.
    EXPECT_EQ(calls[calls.size() - 3].op, CanvasOp::DrawLine);
    EXPECT_EQ(calls[calls.size() - 3].y1, 290);
    for (const CanvasCall& r : refs) EXPECT_TRUE(InPlot(r));
}

TEST(OneDayView, DaylightBand)
{
    struct Case {
        float rise, set;
        int left, right; // -1: no band
    } const cases[] = {
        {5.5f, 18.75f, 96, 255},
        {NoEvent, 18.75f, -1, -1},
        {5.5f, NoEvent, -1, -1},
        // Hours outside the day stay inside the plot.
        {-1.0f, 25.5f, 30, 318},
    };
    for (const Case& k : cases) {
        ViewSetup v(2008, 5, 14);
        RecordingCanvas c;
        DrawOneDayFrame(c, v.model, k.rise, k.set);
        const auto band = BoxesFilled(c, v.palette.DaylightFill);
        if (k.left < 0) {
            EXPECT_TRUE(band.empty()) << k.rise << " " << k.set;
            continue;
        }
        ASSERT_EQ(band.size(), 1u);
        EXPECT_EQ(band[0].x1, k.left);
        EXPECT_EQ(band[0].x2, k.right);
        EXPECT_TRUE(c.Balanced());
    }
}

TEST(OneDayView, AxisLabelsFollowTheScale)
{
    struct Case {
        float scale;
        const char* labels[11];
    } const cases[] = {
        {1.5f, {"-30", "  0", " 30", " 60", " 90", "120", "150", "180", "210", "240", "270"}},
        {4.0f, {"-80", "  0", " 80", "160", "240", "320", "400", "480", "560", "640", "720"}},
    };
    for (const Case& k : cases) {
        ViewSetup v(2008, 5, 14, k.scale);
        RecordingCanvas c;
        DrawOneDayFrame(c, v.model, 5.5f, 18.75f);
        for (int i = 0; i <= 10; ++i) {
            const CanvasCall* t = c.TextAt(8, 357 - 32 * i);
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(t->text, k.labels[i]) << k.scale;
        }
    }
}

TEST(OneDayView, CurveInLineStyle)
{
    ViewSetup v(2008, 5, 14, 2.0f);
    v.OneConstituent(30, -37.5f, 100);
    RecordingCanvas c;
    DrawOneDayCurve(c, v.model);
    const auto lines = c.CallsOf(CanvasOp::DrawLine);
    ASSERT_EQ(lines.size(), 72u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].x1, 30 + 4 * int(i));
        EXPECT_EQ(lines[i].x2, 34 + 4 * int(i));
        if (i > 0) {
            EXPECT_EQ(lines[i].y1, lines[i - 1].y2);
        }
        EXPECT_EQ(lines[i].penColor, v.palette.CurvePen);
    }
    // h(t) = 150 + 100 cos(30 t - 37.5) cm at 0.8 units a cm: 0 h gives 229.3 cm,
    // y = 330 - 183; 4 h gives 150 + 100 cos 82.5 = 163.05 cm, y = 330 - 130.
    EXPECT_EQ(lines[0].y1, 147);
    EXPECT_EQ(lines[11].y2, 200);
    EXPECT_TRUE(c.Balanced());
}

TEST(OneDayView, CurveInBarStyleStandsOnOrHangsFromZero)
{
    // Z0 150 with an amplitude of 200: the tide runs from 350 cm down to -50 cm.
    ViewSetup v(2008, 5, 14, 2.0f);
    v.OneConstituent(30, -37.5f, 200);
    v.model.graphStyle = BarGraph;
    RecordingCanvas c;
    DrawOneDayCurve(c, v.model);
    EXPECT_TRUE(c.CallsOf(CanvasOp::DrawLine).empty());
    const auto bars = c.CallsOf(CanvasOp::DrawBox);
    ASSERT_EQ(bars.size(), 72u);
    int hanging = 0;
    for (size_t i = 0; i < bars.size(); ++i) {
        const CanvasCall& b = bars[i];
        EXPECT_EQ(b.x1, 30 + 4 * int(i));
        EXPECT_EQ(b.x2, 34 + 4 * int(i));
        EXPECT_LE(b.y1, b.y2);
        EXPECT_TRUE(b.y1 == 330 || b.y2 == 330);
        if (b.y1 == 330 && b.y2 > 330) ++hanging;
        EXPECT_EQ(b.color, v.palette.BarFill);
        EXPECT_EQ(b.penColor, v.palette.CurvePen);
    }
    EXPECT_GT(hanging, 0);
    // The lowest sample, 7:20 (-49.8 cm), hangs 39 units below the zero line.
    int deepest = 0;
    for (const CanvasCall& b : bars) deepest = std::max(deepest, b.y2);
    EXPECT_EQ(deepest, 369);
    // Below the plot's bottom (362): the bars are clipped to the plot, and so is the line.
    for (const CanvasCall& b : bars) EXPECT_TRUE(InPlot(b));
    v.model.graphStyle = LineGraph;
    RecordingCanvas line;
    DrawOneDayCurve(line, v.model);
    EXPECT_TRUE(line.Balanced());
    for (const CanvasCall& l : line.CallsOf(CanvasOp::DrawLine)) EXPECT_TRUE(InPlot(l));
}

struct ListLine {
    int y, hour, minute, heightCm;
    int x = 0;
};

std::vector<ListLine> ReadList(const RecordingCanvas& c)
{
    std::vector<ListLine> out;
    for (const CanvasCall& t : c.CallsOf(CanvasOp::PutText)) {
        ListLine l{};
        EXPECT_EQ(t.fontHeight, 13);
        if (std::sscanf(t.text.c_str(), "%d:%d %dcm", &l.hour, &l.minute, &l.heightCm) != 3)
            continue;
        l.x = t.x1;
        l.y = t.y1;
        out.push_back(l);
    }
    return out;
}

TEST(OneDayView, ListsOfHighAndLowWaters)
{
    // h(t) = 150 + 100 cos(speed t - 37.5): highs of 250 cm and lows of 50 cm in turn.
    // At 30 degrees an hour four, at 1:15, 7:15, 13:15 and 19:15, in one column; at 90
    // twelve, at 0:25, 2:25 ... 22:25, six lines in each of two columns, all inside the box
    // (bottom 377).
    struct Case { float speed; int count, firstMinute, step; } const cases[] = {
        {30, 4, 75, 360}, {90, 12, 25, 120}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.speed);
        ViewSetup v(2008, 5, 14, 2.0f);
        v.OneConstituent(k.speed, -37.5f, 100);
        RecordingCanvas c;
        DrawOneDayCurve(c, v.model);
        const auto list = ReadList(c);
        ASSERT_EQ(list.size(), static_cast<size_t>(k.count));
        for (int i = 0; i < k.count; ++i) {
            const int x = k.count <= 6 ? OneDayListX : i < 6 ? OneDayListLeftX : OneDayListRightX;
            EXPECT_EQ(list[i].x, x) << i;
            EXPECT_EQ(list[i].y, 288 + 13 * (i % 6)) << i;
            EXPECT_NEAR(list[i].hour * 60 + list[i].minute, k.firstMinute + k.step * i, 1) << i;
            EXPECT_EQ(list[i].heightCm, i % 2 ? 50 : 250) << i;
            EXPECT_LE(list[i].y + 13, 377);
        }
    }
    // The text itself: hour two characters wide, four blanks, height three wide.
    ViewSetup v(2008, 5, 14, 2.0f);
    v.OneConstituent(30, -37.5f, 100);
    RecordingCanvas c;
    DrawOneDayCurve(c, v.model);
    EXPECT_EQ(c.TextAt(425, 301)->text.substr(5), "     50cm");

    // 120 degrees an hour: sixteen; eleven are listed and the twelfth line says the rest.
    v.OneConstituent(120, -37.5f, 100);
    RecordingCanvas busier;
    DrawOneDayCurve(busier, v.model);
    EXPECT_EQ(ReadList(busier).size(), 11u);
    const CanvasCall* more = busier.FindText("ほか5件");
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(more->x1, OneDayListRightX);
    EXPECT_EQ(more->y1, OneDayListFirstY + OneDayListStep * 5);
}

TEST(OneDayView, ListAgreesWithTheSevenDayColumnAndTheTableNamedDay)
{
    // 室蘭 2027-12-05 has eight high and low waters; its highest, at 18:34, was left out of
    // both lists. The one-day list, the day's seven-day column and the table's row hold the
    // same eight times and heights.
    ViewSetup v(2027, 12, 5);
    ASSERT_EQ(LoadStationFile(MAREVO_ENGINE_FIXTURES "/01muroran.MV2", v.station), LoadStatus::Ok);
    v.Prepare(2027, 12, 5);
    auto timesAndHeights = [](const RecordingCanvas& c, int left, int right, int top, int bottom) {
        std::vector<std::pair<int, int>> out;
        for (const CanvasCall& t : c.CallsOf(CanvasOp::PutText)) {
            int h, m, cm;
            if (t.x1 < left || t.x1 >= right || t.y1 < top || t.y1 >= bottom ||
                std::sscanf(t.text.c_str(), "%d:%d %dcm", &h, &m, &cm) != 3)
                continue;
            out.push_back({60 * h + m, cm});
        }
        std::sort(out.begin(), out.end());
        return out;
    };
    RecordingCanvas one, seven, table;
    DrawOneDayCurve(one, v.model);
    DrawSevenDayCurve(seven, v.model);
    PreparedView tableView;
    PrepareView(v.station, 2027, 12, 5, TideTable, LineGraph, 1, tableView);
    DrawTideTableView(table, tableView.model);
    const auto list = timesAndHeights(one, 347, 600, 288, 377);
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list.back().first, 18 * 60 + 34);
    EXPECT_EQ(timesAndHeights(seven, 38, 118, 95, 194), list);
    EXPECT_EQ(timesAndHeights(table, 195, 2000, 45, 60), list);
}

} // namespace
} // namespace marevo
