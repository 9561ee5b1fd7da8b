// The forty-two-day view: title dates, strips and dotted lines, day cells and their month
// form, phase days, and the curve folded into six week strips without a break, each week
// clipped to its strip.
#include "views/forty_two_day_view.h"

#include <gtest/gtest.h>

#include "tests/views/view_fixture.h"
#include "views/recorder.h"

namespace marevo {
namespace {

using testing_views::ViewSetup;

TEST(FortyTwoDayView, TitleEndsFortyOneDaysLater)
{
    struct Case {
        int year, month, day;
        const char* title;
    } const cases[] = {
        {2008, 12, 1, "【 東京 】   2008年12月1日 ～ 2009年1月11日"},
        {2008, 2, 1, "【 東京 】   2008年2月1日 ～ 2008年3月13日"},
        {2009, 2, 1, "【 東京 】   2009年2月1日 ～ 2009年3月14日"},
    };
    for (const Case& k : cases) {
        ViewSetup v(k.year, k.month, k.day);
        RecordingCanvas c;
        DrawFortyTwoDayView(c, v.model);
        ASSERT_NE(c.TextAt(30, 8), nullptr);
        EXPECT_EQ(c.TextAt(30, 8)->text, k.title);
        EXPECT_TRUE(c.Balanced()) << (c.Faults().empty() ? "" : c.Faults()[0]);
    }
}

TEST(FortyTwoDayView, MeanLevelInEveryStrip)
{
    // Z0 150 cm at scale 2: trunc(trunc(240 / 2) / 6) = 20 units above each strip's zero
    // line (dotted, 56 units apart from y 76).
    ViewSetup v(2008, 12, 22, 2.0f);
    RecordingCanvas c;
    DrawFortyTwoDayFrame(c, v.model);
    EXPECT_TRUE(c.Balanced());
    std::vector<int> zeros, means;
    for (const CanvasCall& l : c.CallsOf(CanvasOp::DrawLine)) {
        if (l.y1 != l.y2 || l.penStyle != PenDot) continue;
        (l.penColor == v.palette.GridMajor ? zeros : means).push_back(l.y1);
    }
    ASSERT_EQ(zeros.size(), 6u);
    ASSERT_EQ(means.size(), 6u);
    for (size_t r = 0; r < 6; ++r) {
        EXPECT_EQ(zeros[r], 76 + 56 * static_cast<int>(r));
        EXPECT_EQ(means[r], zeros[r] - 20);
    }
}

TEST(FortyTwoDayView, DayCellsShowTheMonthWhereItChanges)
{
    ViewSetup v(2008, 12, 22);
    RecordingCanvas c;
    DrawFortyTwoDayHeaders(c, v.model);
    EXPECT_TRUE(c.Balanced());
    struct Cell {
        int strip, column;
        const char* date;
    } const cells[] = {
        {0, 0, "12月22日"}, {0, 1, "    23日"}, {0, 6, "    28日"},
        {1, 0, "12月29日"}, {1, 3, " 1月 1日"}, {1, 4, "     2日"},
        {5, 0, " 1月26日"}, {5, 6, " 2月 1日"},
    };
    for (const Cell& k : cells) {
        const CanvasCall* t = c.TextAt(32 + 80 * k.column, 56 * k.strip + 29);
        ASSERT_NE(t, nullptr) << k.strip << "/" << k.column;
        EXPECT_EQ(t->text, k.date);
        // Monday first: column 5 is Saturday, column 6 Sunday.
        const Color expected = k.column == 6   ? v.palette.SundayText
                               : k.column == 5 ? v.palette.SaturdayText
                                               : Black;
        EXPECT_EQ(t->textColor, expected);
        EXPECT_EQ(t->fontHeight, 12);
    }
    // Every cell carries its range name and moon age.
    int names = 0, ages = 0;
    for (const CanvasCall& t : c.CallsOf(CanvasOp::PutText)) {
        if (t.textColor == v.palette.TideNameText) ++names;
        if (t.textColor == v.palette.MoonAgeText) ++ages;
    }
    EXPECT_EQ(names, 42);
    EXPECT_EQ(ages, 42);
}

TEST(FortyTwoDayView, PhaseNamesOnTheirDays)
{
    // From 14 May 2008, in JST (published ephemerides): full moon 5-20 11:11, last quarter
    // 5-28 11:57, new moon 6-4 04:23, full moon 6-19 02:30. (The first quarter, 6-11 00:04,
    // lies too near midnight for a low-precision moon.)
    ViewSetup v(2008, 5, 14);
    RecordingCanvas c;
    DrawFortyTwoDayHeaders(c, v.model);
    struct Phase {
        int strip, column;
        const char* name;
    } const phases[] = {
        {0, 6, "満月"}, {2, 0, "下弦"}, {3, 0, "新月"}, {5, 1, "満月"},
    };
    std::vector<CanvasCall> found;
    for (const CanvasCall& t : c.CallsOf(CanvasOp::PutText))
        if (t.textColor == v.palette.MoonPhaseText) found.push_back(t);
    ASSERT_GE(found.size(), 4u);
    for (const Phase& p : phases) {
        const CanvasCall* t = c.TextAt(32 + 80 * p.column + 53, 56 * p.strip + 70);
        ASSERT_NE(t, nullptr) << p.name << " " << p.strip << "/" << p.column;
        EXPECT_EQ(t->text, p.name);
        EXPECT_EQ(t->textColor, v.palette.MoonPhaseText);
    }
    EXPECT_EQ(c.TextAt(32, 70)->text, " 8.6");
    EXPECT_EQ(c.TextAt(85, 29)->text, "長潮");
}

TEST(FortyTwoDayView, CurveIsContinuousAcrossStrips)
{
    ViewSetup v(2008, 5, 14, 2.0f);
    v.OneConstituent(30, -37.5f, 100);
    RecordingCanvas c;
    DrawFortyTwoDayCurve(c, v.model);
    EXPECT_TRUE(c.Balanced());
    const auto lines = c.CallsOf(CanvasOp::DrawLine);
    ASSERT_EQ(lines.size(), 2016u);
    for (size_t i = 0; i < lines.size(); ++i) {
        const CanvasCall& l = lines[i];
        EXPECT_GE(l.x1, 30);
        EXPECT_LE(l.x2, 590);
        EXPECT_LT(l.x1, l.x2) << i;
        const size_t k = i + 1; // the sample this line ends at
        const int strip = int((k - 1) / 336);
        // Drawn inside its own strip, whatever the heights.
        EXPECT_TRUE(l.clipHeld && l.clipTop == 26 + 56 * strip && l.clipBottom == 82 + 56 * strip &&
                    l.clipLeft == 30 && l.clipRight == 590) << i;
        // Inside its strip: 50 to 250 cm is 6 to 33 units above the zero line at scale 2.
        EXPECT_LE(l.y2, 76 + 56 * strip - 6) << i;
        EXPECT_GE(l.y2, 76 + 56 * strip - 33) << i;
        if (k % 336 == 0) {
            // The week's last line reaches the right edge; the next week starts at the left
            // edge with the same sample, one strip lower.
            EXPECT_EQ(l.x2, 590);
            if (i + 1 < lines.size()) {
                EXPECT_EQ(lines[i + 1].x1, 30);
                EXPECT_EQ(lines[i + 1].y1, l.y2 + 56);
            }
        } else if (i + 1 < lines.size()) {
            EXPECT_EQ(lines[i + 1].x1, l.x2);
            EXPECT_EQ(lines[i + 1].y1, l.y2);
        }
    }
    EXPECT_EQ(lines.front().x1, 30);
    EXPECT_EQ(lines[334].x2, 588); // q = 335: 30 + trunc(558.33)
    EXPECT_EQ(lines.back().x2, 590);
}

} // namespace
} // namespace marevo
