// The seven-day view: weekend shading, date and weekday headers, moon ages and phases
// against the published phase dates, the half-hourly curve and each day's list.
#include "views/seven_day_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tests/views/view_fixture.h"
#include "views/recorder.h"

namespace marevo {
namespace {

using testing_views::BoxesFilled;
using testing_views::ViewSetup;

TEST(SevenDayView, WeekendShadingFollowsTheFirstWeekday)
{
    struct Case {
        int year, month, day;
        int sundayColumn, saturdayColumn;
    } const cases[] = {
        {2008, 5, 11, 0, 6},  // Sunday
        {2008, 5, 12, 6, 5},  // Monday
        {2008, 5, 17, 1, 0},  // Saturday
        {1901, 1, 1, 5, 4},   // Tuesday, before the C library's time range
        {2100, 12, 31, 2, 1}, // Friday, after it
    };
    for (const Case& k : cases) {
        ViewSetup v(k.year, k.month, k.day);
        RecordingCanvas c;
        DrawSevenDayFrame(c, v.model);
        const auto sun = BoxesFilled(c, v.palette.SundayFill);
        const auto sat = BoxesFilled(c, v.palette.SaturdayFill);
        ASSERT_EQ(sun.size(), 1u);
        ASSERT_EQ(sat.size(), 1u);
        EXPECT_EQ(sun[0].x1, 30 + 80 * k.sundayColumn) << k.year << "-" << k.day;
        EXPECT_EQ(sun[0].x2, 110 + 80 * k.sundayColumn);
        EXPECT_EQ(sat[0].x1, 30 + 80 * k.saturdayColumn) << k.year << "-" << k.day;
        EXPECT_TRUE(c.Balanced());
    }
}

TEST(SevenDayView, LevelsAndLabelsFollowTheScale)
{
    ViewSetup v(2008, 5, 14, 1.5f);
    RecordingCanvas c;
    DrawSevenDayFrame(c, v.model);
    // Z0 150, 250, 50 cm at scale 1.5: 346 - trunc(trunc(h 1.6 / 1.5) / 2).
    std::vector<int> levels;
    for (const CanvasCall& l : c.CallsOf(CanvasOp::DrawLine))
        if (l.y1 == l.y2 && l.penColor != v.palette.GridMajor) levels.push_back(l.y1);
    EXPECT_EQ(levels, (std::vector<int>{266, 320, 213}));
    const char* labels[] = {"-30", "  0", " 30", " 60", " 90", "120",
                            "150", "180", "210", "240", "270"};
    for (int k = 0; k <= 10; ++k) {
        ASSERT_NE(c.TextAt(8, 357 - 16 * k), nullptr);
        EXPECT_EQ(c.TextAt(8, 357 - 16 * k)->text, labels[k]);
    }
    EXPECT_TRUE(c.Balanced());
}

TEST(SevenDayView, TitleAndMonthFormAcrossTheYear)
{
    ViewSetup v(2008, 12, 28);
    RecordingCanvas c;
    DrawSevenDayView(c, v.model);
    EXPECT_TRUE(c.Balanced()) << (c.Faults().empty() ? "" : c.Faults()[0]);
    ASSERT_NE(c.TextAt(30, 8), nullptr);
    EXPECT_EQ(c.TextAt(30, 8)->text, "【 東京 】   2008年12月");

    struct Head {
        int column;
        const char* date;
        const char* weekday;
        int weekdayX;
    } const heads[] = {
        {0, "12月28日", "(日)", 85},  {1, "  29日", "(月)", 153}, {2, "  30日", "(火)", 233},
        {3, "  31日", "(水)", 313},   {4, " 1月 1日", "(木)", 405}, {5, "   2日", "(金)", 473},
        {6, "   3日", "(土)", 553},
    };
    for (const Head& h : heads) {
        const int x = 59 + 80 * h.column;
        const CanvasCall* date = c.TextAt(x - 21, 30);
        ASSERT_NE(date, nullptr) << h.column;
        EXPECT_EQ(date->text, h.date);
        EXPECT_EQ(date->fontHeight, 12);
        const CanvasCall* wd = c.TextAt(h.weekdayX, 31);
        ASSERT_NE(wd, nullptr) << h.column;
        EXPECT_EQ(wd->text, h.weekday);
        EXPECT_EQ(wd->fontHeight, 10);
        const Color expected = h.column == 0   ? v.palette.SundayText
                               : h.column == 6 ? v.palette.SaturdayText
                                               : Black;
        EXPECT_EQ(date->textColor, expected);
        EXPECT_EQ(wd->textColor, expected);
    }
}

struct PhaseCase {
    int year, month, day;
    int column;        // where the phase name stands, -1 none
    const char* name;
    float ageOfFirst;  // moon age of the first day, to 0.1
    int newMoonColumn; // the first day after the new moon, where the age restarts, -1 none
    const char* firstAgeText; // as written, nullptr: not checked
    const char* tideNames[7]; // nullptr: not checked
};

TEST(SevenDayView, MoonAgesPhaseDaysAndTideNames)
{
    // Phases in JST (published ephemerides): full moon 2008-05-20 11:11; new moons
    // 2008-05-05 21:18 and 2008-06-04 04:23, 2024-07-06 07:57 (first quarter 07-14);
    // full moon 2024-06-22 10:08.
    const PhaseCase cases[] = {
        // 14 May 2008: 8.6 days, 長潮 (the worked example).
        {2008, 5, 14, 6, "満月", 8.6f, -1, " 8.6", {"長潮"}},
        // The next new moon of the lunation (slot 4) restarts the count on the 4th: the name
        // of the first day (age 27) and of the day after the new moon (age 1.3).
        {2008, 6, 1, 3, "新月", 26.6f, 3, nullptr, {"中潮", nullptr, nullptr, nullptr, "大潮", nullptr, "中潮"}},
        {2024, 7, 6, 0, "新月", 0.2f, -1, nullptr, {}}, // the new moon that begins it (slot 0)
        {2024, 6, 21, 1, "満月", 14.6f, -1, nullptr, {}},
    };
    for (const PhaseCase& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.month << "-" << k.day);
        ViewSetup v(k.year, k.month, k.day);
        RecordingCanvas c;
        DrawSevenDayHeaders(c, v.model);
        std::vector<CanvasCall> phases;
        for (const CanvasCall& t : c.CallsOf(CanvasOp::PutText))
            if (t.y1 == 75) phases.push_back(t);
        ASSERT_EQ(phases.size(), 1u);
        EXPECT_EQ(phases[0].x1, 59 + 80 * k.column);
        EXPECT_EQ(phases[0].text, k.name);
        EXPECT_EQ(phases[0].textColor, v.palette.MoonPhaseText);

        float ages[7];
        for (int i = 0; i < 7; ++i) {
            const CanvasCall* age = c.TextAt(59 + 80 * i, 60);
            ASSERT_NE(age, nullptr);
            ASSERT_EQ(std::sscanf(age->text.c_str(), "%f", &ages[i]), 1);
            EXPECT_EQ(age->textColor, v.palette.MoonAgeText);
            if (i == 0 && k.firstAgeText) {
                EXPECT_EQ(age->text, k.firstAgeText);
            }
            if (i == k.newMoonColumn) {
                EXPECT_GT(ages[i - 1], 28.0f);
                EXPECT_LT(ages[i], 1.0f);
            } else if (i > 0) {
                EXPECT_NEAR(ages[i] - ages[i - 1], 1.0, 0.05) << i;
            }
            const CanvasCall* tideName = c.TextAt(59 + 80 * i, 45);
            ASSERT_NE(tideName, nullptr);
            EXPECT_EQ(tideName->textColor, v.palette.TideNameText);
            if (k.tideNames[i]) {
                EXPECT_EQ(tideName->text, k.tideNames[i]) << i;
            }
        }
        EXPECT_NEAR(ages[0], k.ageOfFirst, 0.45);
        EXPECT_TRUE(c.Balanced());
    }
}

TEST(SevenDayView, CurveRunsUnbrokenOverTheWeek)
{
    ViewSetup v(2008, 5, 14, 2.0f);
    v.OneConstituent(30, -37.5f, 100);
    RecordingCanvas c;
    DrawSevenDayCurve(c, v.model);
    std::vector<CanvasCall> lines;
    for (const CanvasCall& l : c.CallsOf(CanvasOp::DrawLine))
        if (l.penColor == v.palette.CurvePen) lines.push_back(l);
    ASSERT_EQ(lines.size(), 336u);
    EXPECT_EQ(lines[0].x1, 30);
    EXPECT_EQ(lines[2].x2, 34);  // k = 3: one unit short of 35
    EXPECT_EQ(lines[5].x2, 39);  // k = 6
    EXPECT_EQ(lines[0].x2, 31);  // k = 1
    EXPECT_EQ(lines.back().x2, 589);
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].x1, lines[i - 1].x2);
        EXPECT_EQ(lines[i].y1, lines[i - 1].y2);
    }
    // 0 h: 229.3 cm at scale 2: 346 - trunc(183 / 2). The highs (1:15, 13:15) fall between
    // samples: 1:00 and 1:30 give 249.1 cm, 346 - trunc(199 / 2).
    EXPECT_EQ(lines[0].y1, 255);
    int top = 999;
    for (const CanvasCall& l : lines) top = std::min(top, l.y2);
    EXPECT_EQ(top, 247);
}

struct Listed {
    int column, y, minutes;
};

std::vector<Listed> ReadLists(const RecordingCanvas& c)
{
    std::vector<Listed> out;
    for (const CanvasCall& t : c.CallsOf(CanvasOp::PutText)) {
        int h, m, cm;
        if (std::sscanf(t.text.c_str(), "%d:%d %dcm", &h, &m, &cm) != 3) continue;
        EXPECT_EQ((t.x1 - 38) % 80, 0);
        out.push_back({(t.x1 - 38) / 80, t.y1, h * 60 + m});
    }
    return out;
}

// The high and low waters of a station with M2 alone, from the engine's preparation of the
// date: h = Z0 + f A cos(sigma t + offset - kappa) turns where the angle is a multiple of 180.
std::vector<double> M2TurningMinutes(const Station& st, int year, int month, int day)
{
    Calendar cal;
    SetFebruaryForYear(cal, year);
    ConstituentTables t;
    PrepareConstituents(year, month, day, st, cal, t);
    const double sigma = t.ConstituentSpeed[IndexM2];
    const double phase = t.PhaseOffset[IndexM2] - st.PhaseLag[IndexM2];
    std::vector<double> out;
    for (int n = -4; n <= 8; ++n) {
        const double hours = (180.0 * n - phase) / sigma;
        if (hours > 0 && hours < 24) out.push_back(hours * 60);
    }
    return out;
}

TEST(SevenDayView, EachDayListsItsOwnWatersAcrossTheYearEnd)
{
    ViewSetup v(2008, 12, 29);
    v.station.PhaseLag[IndexM2] = 40;
    v.Prepare(2008, 12, 29);
    RecordingCanvas c;
    DrawSevenDayCurve(c, v.model);
    EXPECT_TRUE(c.Balanced());
    const auto listed = ReadLists(c);
    const int dates[7][3] = {{2008, 12, 29}, {2008, 12, 30}, {2008, 12, 31}, {2009, 1, 1},
                             {2009, 1, 2},   {2009, 1, 3},   {2009, 1, 4}};
    for (int d = 0; d < 7; ++d) {
        const auto expected = M2TurningMinutes(v.station, dates[d][0], dates[d][1], dates[d][2]);
        std::vector<Listed> day;
        for (const Listed& l : listed)
            if (l.column == d) day.push_back(l);
        ASSERT_EQ(day.size(), expected.size()) << "day " << d;
        for (size_t i = 0; i < day.size(); ++i) {
            EXPECT_EQ(day[i].y, 95 + 15 * int(i));
            EXPECT_NEAR(day[i].minutes, expected[i], 1.5) << "day " << d << " event " << i;
        }
    }
    // The caller's tables are still those of the first day.
    ConstituentTables first;
    Calendar cal;
    SetFebruaryForYear(cal, 2008);
    PrepareConstituents(2008, 12, 29, v.station, cal, first);
    EXPECT_EQ(v.tables.PhaseOffset[IndexM2], first.PhaseOffset[IndexM2]);
}

TEST(SevenDayView, BusyDaysAreListedAboveTheGridAndSayWhatIsLeftOut)
{
    // Constituent 38 alone turns about twelve times a day: eight lines fit above the grid
    // (top 194), the last one saying how many more the day has; the curve stays in its plot.
    ViewSetup v(2008, 5, 14);
    v.station.Amplitude[IndexM2] = 0;
    v.station.Amplitude[38] = 50;
    v.Prepare(2008, 5, 14);
    RecordingCanvas c;
    DrawSevenDayCurve(c, v.model);
    EXPECT_TRUE(c.Balanced());
    int perDay[7] = {}, marks = 0;
    for (const CanvasCall& t : c.CallsOf(CanvasOp::PutText)) {
        EXPECT_LE(t.y1 + 12, 194) << "into the height grid";
        const int d = (t.x1 - 38) / 80;
        ++perDay[d];
        int more = 0;
        if (std::sscanf(t.text.c_str(), "ほか%d件", &more) == 1) {
            ++marks;
            DayExtremes day;
            FindDateExtremes(2008, 5, 14 + d, v.station, v.calendar, day);
            EXPECT_EQ(more, day.count - 7) << d;
            EXPECT_EQ(t.y1, SevenDayListFirstY + SevenDayListTightStep * 7);
        }
    }
    EXPECT_EQ(marks, 7);
    for (int d = 0; d < 7; ++d) EXPECT_EQ(perDay[d], SevenDayListTightLines) << d;
    for (const CanvasCall& l : c.CallsOf(CanvasOp::DrawLine))
        EXPECT_TRUE(l.clipHeld && l.clipTop == 26 && l.clipBottom == 362);
}

} // namespace
} // namespace marevo
