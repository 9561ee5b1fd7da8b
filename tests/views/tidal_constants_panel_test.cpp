// The nine non-harmonic constants: values from hand-worked constituents, the exact texts and
// their places, and the font pairing of the panel.
#include "views/tidal_constants_panel.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "views/palette.h"
#include "views/recorder.h"
#include "views/view_layout.h"

namespace marevo {
namespace {

Station PanelStation(float o1, float k1, float m2, float s2, const char* z0, float kappaM2,
                     float kappaS2)
{
    Station s;
    std::strcpy(s.MeanSeaLevelText, z0);
    s.MeanSeaLevel = 0; // the panel reads Z0 from the file's text
    s.Amplitude[IndexO1] = o1;
    s.Amplitude[IndexK1] = k1;
    s.Amplitude[IndexM2] = m2;
    s.Amplitude[IndexS2] = s2;
    s.PhaseLag[IndexM2] = kappaM2;
    s.PhaseLag[IndexS2] = kappaS2;
    s.Amplitude[0] = 99; // other constituents take no part
    s.PhaseLag[IndexK1] = 77;
    return s;
}

TEST(TidalConstantsPanel, NineLinesInTwoColumns)
{
    // O1 20, K1 25, M2 50, S2 25, Z0 100; kappa M2 350, S2 10: -340 reduces to 20 degrees,
    // 20 / 24.5 = 0.816 days; 350 / 29 = 12.07 hours. The right column (x 500) starts at
    // column 25 of the box's lines.
    const Station s = PanelStation(20, 25, 50, 25, "100.0", 350, 10);
    const std::vector<std::string> expected = {
        "  略最高高潮面　220.0   ( 単位 cm )",
        "  大   潮   升　175.0    大潮差　 150.0",
        "  小   潮   升　125.0    小潮差　  50.0",
        "  平 均  水 面　100.0    平均潮差 100.0",
        "  潮　　　　齢 [ 朔望より大潮まで ] 0.8日",
        "  平均高潮間隔 [月正中より満潮まで]12.1時",
    };
    EXPECT_EQ(TextLines(TidalConstantsTexts(s), OneDayBoxLeft), expected);
    RecordingCanvas c;
    DrawTidalConstantsPanel(c, s);
    const auto texts = c.CallsOf(CanvasOp::PutText);
    ASSERT_EQ(texts.size(), 9u);
    for (const CanvasCall& t : texts) {
        EXPECT_EQ(t.fontHeight, 12);
        EXPECT_EQ(t.textColor, Black);
    }
    const auto fonts = c.CallsOf(CanvasOp::SelectFont);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].text, ViewFace);
    EXPECT_TRUE(c.Balanced());
}

TEST(TidalConstantsPanel, AgeOfTideAndLunitidalInterval)
{
    struct Case {
        float kappaM2, kappaS2;
        double age, interval;
    } cases[] = {
        {350, 10, 20 / 24.5, 350 / 29.0},       // the difference wraps past 0
        {120, 120, 0.0, 120 / 29.0},            // equal lags: age 0
        {290, 300, 10 / 24.5, 10.0},            // 290 / 29 = 10 hours
        {0.001f, 0, 359.999 / 24.5, 0.001 / 29}, // just below a full turn: 14.7 days
        {359, 359, 0.0, 359 / 29.0},            // no reduction of the interval
    };
    for (const Case& k : cases) {
        const TidalConstants t = TidalConstantsOf(PanelStation(1, 1, 1, 1, "0", k.kappaM2,
                                                               k.kappaS2));
        EXPECT_NEAR(t.ageOfTideDays, k.age, 1e-4) << k.kappaM2 << " " << k.kappaS2;
        EXPECT_NEAR(t.intervalHours, k.interval, 1e-5) << k.kappaM2;
        EXPECT_GE(t.ageOfTideDays, 0.0);
        EXPECT_LT(t.ageOfTideDays, 14.70);
    }
    RecordingCanvas c;
    DrawTidalConstantsPanel(c, PanelStation(1, 1, 1, 1, "0", 290, 290));
    EXPECT_NE(c.FindText("平均高潮間隔 [月正中より満潮まで]10.0時"), nullptr);
    EXPECT_NE(c.FindText("潮　　　　齢 [ 朔望より大潮まで ] 0.0日"), nullptr);
}

TEST(TidalConstantsPanel, HeightsFromTheConstituents)
{
    struct Case {
        float o1, k1, m2, s2;
        const char* z0;
        double highest, springRise, springRange, neapRise, neapRange, msl, meanRange;
    } cases[] = {
        {0, 0, 50.0f, 25.0f, "100.0", 175.0, 175.0, 150.0, 125.0, 50.0, 100.0, 100.0},
        // S2 above M2: the neap rise falls below Z0 and the neap range is negative.
        {5, 6, 10.0f, 20.0f, "100", 141.0, 130.0, 60.0, 90.0, -20.0, 100.0, 20.0},
        // Z0 comes from the text; an unreadable text reads as 0.
        {1, 2, 3.0f, 4.0f, "abc", 10.0, 7.0, 14.0, -1.0, -2.0, 0.0, 6.0},
    };
    for (const Case& k : cases) {
        const TidalConstants t =
            TidalConstantsOf(PanelStation(k.o1, k.k1, k.m2, k.s2, k.z0, 0, 0));
        EXPECT_DOUBLE_EQ(t.highestHighWater, k.highest) << k.z0;
        EXPECT_DOUBLE_EQ(t.springRise, k.springRise) << k.z0;
        EXPECT_DOUBLE_EQ(t.springRange, k.springRange) << k.z0;
        EXPECT_DOUBLE_EQ(t.neapRise, k.neapRise) << k.z0;
        EXPECT_DOUBLE_EQ(t.neapRange, k.neapRange) << k.z0;
        EXPECT_DOUBLE_EQ(t.meanSeaLevel, k.msl) << k.z0;
        EXPECT_DOUBLE_EQ(t.meanRange, k.meanRange) << k.z0;
    }
    RecordingCanvas c;
    DrawTidalConstantsPanel(c, PanelStation(5, 6, 10, 20, "100", 0, 0));
    EXPECT_NE(c.FindText("小潮差　 -20.0"), nullptr);
}

TEST(TidalConstantsPanel, ThePortOfOwase)
{
    // 24尾鷲.MV2 (the fixture copy): O1 17.14, K1 22.17, M2 43.90 (170.18 deg), S2 19.80 (194.28 deg), Z0 103.01.
    // By hand: 206.02, 166.71, 127.40, 127.11, 48.20, 103.01, 87.80; age 24.10 / 24.5 = 0.98
    // days; interval 170.18 / 29 = 5.87 hours.
#ifdef _WIN32
    const std::string path = std::string(MAREVO_TEST_FIXTURES) + "/dt/24尾鷲.MV2"; // code page 932
#else
    const std::string path = std::string(MAREVO_TEST_FIXTURES) + u8"/dt/24尾鷲.MV2";
#endif
    Station s;
    ASSERT_EQ(LoadStationFile(path.c_str(), s), LoadStatus::Ok) << path;
    RecordingCanvas c;
    DrawTidalConstantsPanel(c, s);
    const char* const expected[] = {
        "略最高高潮面　206.0   ( 単位 cm )", "大   潮   升　166.7", "大潮差　 127.4",
        "小   潮   升　127.1",             "小潮差　  48.2",     "平 均  水 面　103.0",
        "平均潮差  87.8",
        "潮　　　　齢 [ 朔望より大潮まで ] 1.0日",
        "平均高潮間隔 [月正中より満潮まで] 5.9時",
    };
    const auto texts = c.CallsOf(CanvasOp::PutText);
    ASSERT_EQ(texts.size(), 9u);
    for (size_t i = 0; i < 9; ++i) EXPECT_EQ(texts[i].text, expected[i]) << i;
}

} // namespace
} // namespace marevo
