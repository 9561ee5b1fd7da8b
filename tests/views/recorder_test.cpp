// The recording canvas: calls kept in order with the state they met, slot faults found.
#include "views/recorder.h"
#include "views/palette.h"

#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(Recorder, KeepsCallsInOrderWithTheirState)
{
    RecordingCanvas c;
    c.SelectViewPen(PenDot, 1, Rgb(1, 2, 3));
    c.DrawBox(30, 7, 435, 19, White);
    c.SelectViewFont(ViewFace, 12, 0, 0, false);
    c.SetTextColor(Rgb(0, 0, 255));
    c.SetBackgroundMode(BackgroundTransparent);
    c.PutText(447, 8, "使用時 JST");
    c.ReleaseViewFont();
    c.DrawLine(30, 100, 318, 100);
    c.ReleaseViewPen();

    ASSERT_EQ(c.Calls().size(), 9u);
    const CanvasCall& box = c.Calls()[1];
    EXPECT_EQ(box.op, CanvasOp::DrawBox);
    EXPECT_EQ(box.x1, 30);
    EXPECT_EQ(box.y1, 7);
    EXPECT_EQ(box.x2, 435);
    EXPECT_EQ(box.y2, 19);
    EXPECT_EQ(box.color, White);
    EXPECT_EQ(box.penColor, Rgb(1, 2, 3));
    EXPECT_EQ(box.penStyle, PenDot);

    const CanvasCall* text = c.FindText("使用時 JST");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text, c.TextAt(447, 8));
    EXPECT_EQ(text->fontHeight, 12);
    EXPECT_EQ(text->textColor, Rgb(0, 0, 255));
    EXPECT_EQ(text->backgroundMode, BackgroundTransparent);
    EXPECT_EQ(c.FindText("JST"), nullptr); // whole texts only

    const CanvasCall& line = c.Calls()[7];
    EXPECT_TRUE(line.penHeld);
    EXPECT_FALSE(line.fontHeld);
    EXPECT_EQ(c.CallsOf(CanvasOp::DrawLine).size(), 1u);
    EXPECT_TRUE(c.Balanced()) << (c.Faults().empty() ? "" : c.Faults()[0]);
}

TEST(Recorder, FindsEveryBreakOfTheOneSlotPairing)
{
    struct Case {
        const char* what;
        void (*draw)(RecordingCanvas&);
        size_t faults;
        bool fontHeld, penHeld;
    } cases[] = {
        {"second font", [](RecordingCanvas& c) {
             c.SelectViewFont(ViewFace, 12, 0, 0, false);
             c.SelectViewFont(ViewFace, 16, 0, 0, false);
             c.ReleaseViewFont();
         }, 1, false, false},
        {"second pen", [](RecordingCanvas& c) {
             c.SelectViewPen(PenSolid, 1, Black);
             c.SelectViewPen(PenSolid, 1, White);
             c.ReleaseViewPen();
         }, 1, false, false},
        {"release without select", [](RecordingCanvas& c) {
             c.ReleaseViewFont();
             c.ReleaseViewPen();
         }, 2, false, false},
        {"font left held", [](RecordingCanvas& c) {
             c.SelectViewFont(ViewFace, 12, 0, 0, false);
             c.PutText(0, 0, "x");
         }, 0, true, false},
        {"pen left held", [](RecordingCanvas& c) { c.SelectViewPen(PenSolid, 1, Black); },
         0, false, true},
        {"shapes and text without pen or font", [](RecordingCanvas& c) {
             c.DrawBox(0, 0, 1, 1, NoFill);
             c.DrawDisc(0, 0, 1, 1, NoFill);
             c.DrawLine(0, 0, 1, 1);
             c.PutText(0, 0, "x");
         }, 4, false, false},
        {"second clip box, and a release without one", [](RecordingCanvas& c) {
             c.SelectClipBox(0, 0, 9, 9);
             c.SelectClipBox(0, 0, 5, 5);
             c.ReleaseClipBox();
             c.ReleaseClipBox();
         }, 2, false, false},
        {"pen and font held together", [](RecordingCanvas& c) {
             c.SelectViewPen(PenSolid, 1, Black);
             c.SelectViewFont(ViewFace, 12, 0, 0, false);
             c.ReleaseViewPen();
             c.ReleaseViewFont();
         }, 0, false, false},
    };
    for (const Case& k : cases) {
        RecordingCanvas c;
        k.draw(c);
        EXPECT_EQ(c.Faults().size(), k.faults) << k.what;
        EXPECT_EQ(c.FontHeld(), k.fontHeld) << k.what;
        EXPECT_EQ(c.PenHeld(), k.penHeld) << k.what;
        EXPECT_EQ(c.Balanced(), k.faults == 0 && !k.fontHeld && !k.penHeld) << k.what;
    }
    // A clip box left held is not balanced; the calls within it record it.
    RecordingCanvas c;
    c.SelectViewPen(PenSolid, 1, Black);
    c.SelectClipBox(30, 26, 318, 362);
    c.DrawLine(0, 0, 400, 400);
    c.ReleaseViewPen();
    EXPECT_FALSE(c.Balanced());
    const CanvasCall line = c.CallsOf(CanvasOp::DrawLine).front();
    EXPECT_TRUE(line.clipHeld);
    EXPECT_EQ(line.clipLeft + line.clipTop + line.clipRight + line.clipBottom, 30 + 26 + 318 + 362);
    c.ReleaseClipBox();
    EXPECT_TRUE(c.Balanced());
}

TEST(Recorder, MixModeReturnsThePreviousMode)
{
    RecordingCanvas c;
    EXPECT_EQ(c.SetMixMode(MixXorPen), MixCopyPen);
    EXPECT_EQ(c.SetMixMode(MixCopyPen), MixXorPen);
}

} // namespace
} // namespace marevo
