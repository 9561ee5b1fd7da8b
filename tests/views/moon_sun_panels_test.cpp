// The sun and moon panels: hour texts, the worked example of 14 May 2008 at 35°39' N,
// 139°46' E, and the rows of the moon picture at the principal phases.
#include "views/moon_sun_panels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/ephemeris.h"
#include "tests/views/view_fixture.h"
#include "views/recorder.h"

namespace marevo {
namespace {

using testing_views::ExampleStation;

TEST(MoonSunPanels, HourTextsTruncateOrRound)
{
    struct Case {
        float hour;
        const char* sun; // minutes truncated
    } const sunCases[] = {
        {5.5f, " 5:30"},   {17.999f, "17:59"}, {0.25f, " 0:15"},
        {4.999f, " 4:59"}, {11.6226f, "11:37"}, {23.99999f, "23:59"},
    };
    for (const Case& c : sunCases) EXPECT_EQ(FormatHourMinute(c.hour), c.sun) << c.hour;

    struct MoonCase {
        float hour;
        int day;
        const char* text; // minutes rounded, 60 shown as 59
    } const moonCases[] = {
        {23.95f, 14, "23:57(14日)"}, {5.999f, 3, " 5:59( 3日)"}, {13.2649f, 14, "13:16(14日)"},
        {1.7316f, 15, " 1:44(15日)"}, {19.5730f, 14, "19:34(14日)"},
        // A half minute goes up whatever the C library's own rounding of halves.
        {13.125f, 1, "13:08( 1日)"}, {2.875f, 28, " 2:53(28日)"},
    };
    for (const MoonCase& c : moonCases) EXPECT_EQ(FormatMoonTime(c.hour, c.day), c.text) << c.hour;
}

TEST(MoonSunPanels, SunPanelOfTheWorkedExample)
{
    // Where the lines stand is the one-day view's test (TextsOfTheBoxesAsLines).
    RecordingCanvas c;
    const SunPanelResult r = DrawSunPanel(c, 2008, 5, 14, ExampleStation());
    const char* const lines[] = {
        "天文薄明   2:57", "常用薄明   4:08", "日　　出   4:36", "正　　中  11:37",
        "日　　没  18:38", "常用薄明  19:06", "天文薄明  20:18",
    };
    const auto texts = c.CallsOf(CanvasOp::PutText);
    ASSERT_EQ(texts.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(texts[i].text, lines[i]) << i;
        EXPECT_EQ(texts[i].fontHeight, 12);
    }
    EXPECT_NEAR(r.sunriseHour, 4.6090, 2e-4);
    EXPECT_NEAR(r.sunsetHour, 18.6440, 2e-4);
    EXPECT_EQ(r.sunErrors, 0);
    EXPECT_TRUE(c.Balanced());
}

TEST(MoonSunPanels, SunPanelWithoutSunriseKeepsNoEvent)
{
    // 75° N in December: the sun stays below the horizon; the transit is always shown.
    Station s = ExampleStation();
    s.Latitude = 75.0f;
    s.Longitude = 135.0f;
    RecordingCanvas c;
    const SunPanelResult r = DrawSunPanel(c, 2008, 12, 21, s);
    EXPECT_EQ(r.sunriseHour, NoEvent);
    EXPECT_EQ(r.sunsetHour, NoEvent);
    ASSERT_NE(c.TextAt(360, 167), nullptr);
    EXPECT_EQ(c.TextAt(360, 167)->text, "日　　出  *****");
    EXPECT_EQ(c.TextAt(360, 199)->text, "日　　没  *****");
    EXPECT_NE(c.TextAt(360, 183)->text.find(':'), std::string::npos);
}

TEST(MoonSunPanels, MoonPanelOfTheWorkedExample)
{
    ViewPalette pal;
    SetViewPalette(pal, 1);
    Calendar cal;
    SetFebruaryForYear(cal, 2008);
    RecordingCanvas c;
    DrawMoonPanel(c, 2008, 5, 14, ExampleStation(), cal, pal);

    const char* const lines[] = {
        "月  齢   8.6", "月輝面  70.0%", "月　出  13:16(14日)", "正　中  19:34(14日)",
        "月  入   1:44(15日)", "長潮",
    };
    const auto texts = c.CallsOf(CanvasOp::PutText);
    ASSERT_EQ(texts.size(), 6u);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(texts[i].text, lines[i]) << i;
    EXPECT_EQ(texts[5].fontHeight, 16); // the tidal-range name one size larger

    // Elongation 113.42, rounded cosine -0.40: the centre row is lit from the right limb
    // (580) to 560 - 0.40 x 20 = 552.
    const auto lines2 = c.CallsOf(CanvasOp::DrawLine);
    ASSERT_EQ(lines2.size(), 82u);
    EXPECT_EQ(lines2[0].x1, 580);
    EXPECT_EQ(lines2[0].x2, 552);
    EXPECT_EQ(lines2[0].y1, 234);
    EXPECT_TRUE(c.Balanced());
}

// The lit rows of the picture at an elongation, in a palette mode.
std::vector<CanvasCall> PictureLines(double elongation, RecordingCanvas& c, int mode = 1)
{
    ViewPalette pal;
    SetViewPalette(pal, mode);
    DrawMoonPicture(c, elongation, pal);
    return c.CallsOf(CanvasOp::DrawLine);
}

TEST(MoonSunPanels, MoonPictureAtThePrincipalPhases)
{
    struct Case {
        double elongation;
        const char* what;
    } const cases[] = {{0, "new"}, {90, "first quarter"}, {180, "full"}, {270, "last quarter"}};
    for (const Case& k : cases) {
        RecordingCanvas c;
        const auto lines = PictureLines(k.elongation, c);
        ASSERT_EQ(lines.size(), 82u) << k.what;
        for (const CanvasCall& l : lines) {
            EXPECT_EQ(l.y1, l.y2) << k.what;
            EXPECT_LE(std::abs(l.y1 - 234), 20) << k.what;
            // Every end lies on the disc of radius 20 about (560, 234): a row r is reached
            // from the half-unit rows y = r - 0.5 and r, rounded.
            const double y = std::max(0.0, std::abs(l.y1 - 234) - 0.5);
            const double w = std::sqrt(400.0 - y * y);
            EXPECT_LE(std::abs(l.x1 - 560), w + 0.5) << k.what;
            if (k.elongation == 0) {
                EXPECT_EQ(l.x1, l.x2) << "new moon paints nothing";
            } else if (k.elongation == 90) {
                EXPECT_EQ(l.x2, 560);
                EXPECT_GE(l.x1, 560);
            } else if (k.elongation == 270) {
                EXPECT_EQ(l.x2, 560);
                EXPECT_LE(l.x1, 560);
            } else {
                EXPECT_GE(l.x1, 560);
                EXPECT_LE(std::abs(l.x1 + l.x2 - 1120), 1) << "lit from limb to limb";
            }
        }
        // Rows 234 - 20 ... 234 + 20 are all reached, the centre row from the limb.
        EXPECT_EQ(lines.front().y1, 234);
        EXPECT_EQ(lines[lines.size() - 2].y1, 254);
        EXPECT_EQ(lines.back().y1, 214);
        if (k.elongation == 90) {
            EXPECT_EQ(lines.front().x1, 580);
        } else if (k.elongation == 180) {
            EXPECT_EQ(lines.front().x2, 540);
        } else if (k.elongation == 270) {
            EXPECT_EQ(lines.front().x1, 540);
        }
        EXPECT_TRUE(c.Balanced());
    }
}

TEST(MoonSunPanels, MoonPictureColoursFollowThePalette)
{
    for (int mode : {1, 0}) {
        ViewPalette pal;
        SetViewPalette(pal, mode);
        RecordingCanvas c;
        DrawMoonPicture(c, 45, pal);
        const auto discs = c.CallsOf(CanvasOp::DrawDisc);
        ASSERT_EQ(discs.size(), 1u);
        EXPECT_EQ(discs[0].x1, 540);
        EXPECT_EQ(discs[0].y1, 214);
        EXPECT_EQ(discs[0].x2, 580);
        EXPECT_EQ(discs[0].y2, 255);
        EXPECT_EQ(discs[0].color, mode == 1 ? Black : White);
        EXPECT_EQ(discs[0].penColor, discs[0].color);
        for (const CanvasCall& l : c.CallsOf(CanvasOp::DrawLine))
            EXPECT_EQ(l.penColor, mode == 1 ? Rgb(255, 255, 0) : Rgb(128, 128, 128));
    }
}

} // namespace
} // namespace marevo
