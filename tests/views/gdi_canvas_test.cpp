// The GDI backend leaves the device context as it found it: brushes, pens and fonts
// selected again and the created ones deleted.
#include <windows.h>

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
        bitmap = CreateBitmap(64, 64, 1, 32, nullptr);
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

} // namespace
} // namespace marevo
