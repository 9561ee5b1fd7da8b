// The start-up notice's picture: the wave's 90 bars inside the picture area for every seed,
// the same wave within one second, the texts naming the shipped data and the navigation
// notice.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "views/notice_picture.h"
#include "views/recorder.h"

namespace marevo {
namespace {

const Color BarFill = Rgb(209, 239, 230);

TEST(NoticePicture, WaveBarsStayInsideThePictureAreaForEverySeed)
{
    for (unsigned seed = 0; seed < 400; seed += 7) {
        SCOPED_TRACE(seed);
        RecordingCanvas canvas;
        PaintNotice(canvas, "Version,3.03", seed);
        EXPECT_TRUE(canvas.Balanced());
        int bars = 0, expectedX = 8;
        for (const CanvasCall& call : canvas.CallsOf(CanvasOp::DrawBox)) {
            if (call.color != BarFill) continue;
            ++bars;
            EXPECT_EQ(call.x1, expectedX);
            EXPECT_EQ(call.x2, expectedX + 4);
            EXPECT_GE(call.y1, 40);
            EXPECT_LE(call.y1, 134);
            EXPECT_EQ(call.y2, 134);
            expectedX += 4;
        }
        EXPECT_EQ(bars, 90);
    }
}

TEST(NoticePicture, SameSecondSameWaveAndTheWaveFollowsItsCosine)
{
    RecordingCanvas first, again, other;
    PaintNotice(first, "v", 12345);
    PaintNotice(again, "v", 12345);
    ASSERT_EQ(first.Calls().size(), again.Calls().size());
    for (size_t i = 0; i < first.Calls().size(); ++i) EXPECT_EQ(first.Calls()[i].y1, again.Calls()[i].y1);
    // Consecutive bars differ by at most 50 / 8 dots (the steepest period): a cosine, not noise.
    std::vector<int> tops;
    for (const CanvasCall& call : first.CallsOf(CanvasOp::DrawBox))
        if (call.color == BarFill) tops.push_back(call.y1);
    for (size_t i = 1; i < tops.size(); ++i) EXPECT_LE(std::abs(tops[i] - tops[i - 1]), 7);
}

TEST(NoticePicture, TextsNameTheShippedDataAndKeepTheNavigationNotice)
{
    RecordingCanvas canvas;
    PaintNotice(canvas, "Version,3.03", 1);
    const struct { int x, y; const char* text; int height; bool underline; } texts[] = {
        {140, 13, "Marevo", 19, true},
        {300, 27, "Version,3.03", 12, false},
        {22, 150, NoticeSourceLine, 12, false},
        {17, 173, NoticeLicenceLine, 12, false},
        {17, 188, "本機に表示される情報は、航海の用に供するものではありません。 ", 12, false},
        {17, 203, "航海には必ず海上保安庁水路部発行の潮汐表を使用してください。 ", 12, false},
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.y);
        const CanvasCall* call = canvas.TextAt(t.x, t.y);
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(call->text, t.text);
        EXPECT_EQ(call->fontHeight, t.height);
        EXPECT_EQ(call->backgroundMode, BackgroundTransparent);
    }
    // The constants shipped are not those of the printed table: it is named nowhere. Both
    // sources are, and JMA's terms ask for the statement that its data were processed.
    EXPECT_EQ(std::string(NoticeSourceLine).find("書籍"), std::string::npos);
    EXPECT_NE(std::string(NoticeSourceLine).find("気象庁"), std::string::npos);
    EXPECT_NE(std::string(NoticeSourceLine).find("TICON-4"), std::string::npos);
    EXPECT_NE(std::string(NoticeSourceLine).find("CC BY 4.0"), std::string::npos);
    EXPECT_EQ(std::string(NoticeLicenceLine), "出典：気象庁ホームページ（潮位表）のデータを加工して作成 ");
}

} // namespace
} // namespace marevo
