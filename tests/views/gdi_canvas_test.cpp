// The GDI backend leaves the device context as it found it (brushes, pens and fonts
// selected again and the created ones deleted) and hands its texts to the system as their
// characters whatever the system's code page (run under 932, 1252 and 65001).
#include <windows.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "views/gdi/gdi_canvas.h"
#include "views/palette.h"

namespace marevo {
namespace {

class MemoryDc : public ::testing::Test {
protected:
    void SetUp() override
    {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(Width, 2 * Height, 1, 32, nullptr);
        previousBitmap = SelectObject(dc, bitmap);
        brush = GetCurrentObject(dc, OBJ_BRUSH);
        pen = GetCurrentObject(dc, OBJ_PEN);
        font = GetCurrentObject(dc, OBJ_FONT);
    }
    void TearDown() override
    {
        SelectObject(dc, previousBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void ExpectOriginalObjects(const char* when)
    {
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush) << when;
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen) << when;
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font) << when;
    }
    static constexpr int Width = 160, Height = 20;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr, brush = nullptr, pen = nullptr, font = nullptr;
};

TEST_F(MemoryDc, ShapesSelectTheirBrushOnlyWhileDrawing)
{
    GdiCanvas canvas(dc);
    canvas.SelectViewPen(PenSolid, 1, Black);
    HGDIOBJ viewPen = GetCurrentObject(dc, OBJ_PEN);
    EXPECT_NE(viewPen, pen);
    canvas.DrawBox(1, 1, 10, 10, Black);
    canvas.DrawBox(1, 1, 10, 10, NoFill);
    canvas.DrawDisc(1, 1, 10, 10, Rgb(255, 255, 0));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), viewPen);
    canvas.ReleaseViewPen();
    // The released pen was deleted: its handle no longer names an object.
    EXPECT_EQ(GetObjectType(viewPen), 0u);
    ExpectOriginalObjects("after the pair");
}

TEST_F(MemoryDc, FontSlotCreatesTheFontAskedFor)
{
    GdiCanvas canvas(dc);
    canvas.SelectViewFont(ViewFace, 12, 900, 700, true);
    HGDIOBJ viewFont = GetCurrentObject(dc, OBJ_FONT);
    LOGFONTA lf = {};
    ASSERT_EQ(GetObjectA(viewFont, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, 12);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfItalic);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(lf.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(lf.lfPitchAndFamily, FIXED_PITCH | FF_MODERN);
    EXPECT_STREQ(lf.lfFaceName, ViewFace);
    canvas.ReleaseViewFont();
    EXPECT_EQ(GetObjectType(viewFont), 0u);
    ExpectOriginalObjects("after the font pair");
}

TEST_F(MemoryDc, ASecondSelectOrAnEndedCanvasLeaksNothing)
{
    HGDIOBJ first = nullptr;
    {
        GdiCanvas canvas(dc);
        canvas.SelectViewPen(PenSolid, 1, Black);
        first = GetCurrentObject(dc, OBJ_PEN);
        canvas.SelectViewPen(PenDot, 1, White); // the first pen is given back and deleted
        EXPECT_EQ(GetObjectType(first), 0u);
        canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
        canvas.SelectViewFont(ViewFace, 16, 0, 0, false);
        canvas.ReleaseViewPen();
        canvas.SelectViewPen(PenSolid, 1, Black);
        // The canvas ends with a pen and a font held.
    }
    ExpectOriginalObjects("after the canvas ended");
}

TEST_F(MemoryDc, TextsAreDrawnAsTheirCharacters)
{
    if (const char* acp = std::getenv("MAREVO_EXPECT_ACP")) { // the locale was taken
        EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(acp)));
    }
    const wchar_t expected[] = L"尾鷲 潮見表 大潮";
    PatBlt(dc, 0, 0, Width, 2 * Height, WHITENESS);
    {
        GdiCanvas canvas(dc);
        canvas.SelectViewFont(ViewFace, 16, 0, 400, false);
        canvas.PutText(0, 0, "尾鷲 潮見表 大潮");
        // The same characters handed to the system as they are, in the font the canvas chose.
        TextOutW(dc, 0, Height, expected, static_cast<int>(sizeof expected / 2 - 1));
        canvas.ReleaseViewFont();
    }
    int ink = 0, differing = 0;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            ink += pixel != RGB(255, 255, 255);
            differing += pixel != GetPixel(dc, x, y + Height);
        }
    }
    EXPECT_GT(ink, 100); // drawn at all
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace marevo
