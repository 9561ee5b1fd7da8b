// The pixel rules of a drawing backend: inclusive box corners, the end point of a line left
// unpainted, hollow boxes, dotted pens, XOR mixing, text inside its cell. Linked with the
// surface of one backend (GDI memory bitmap, or the image canvas).
#include <gtest/gtest.h>

#include "tests/views/pixel_surface.h"
#include "views/palette.h"

namespace marevo {
namespace {

const Color Face = Rgb(192, 192, 192);
const Color Pen = Rgb(0, 0, 255);

// Bounding box of the pixels that differ from the background, and their number.
struct Painted {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};
Painted PaintedPixels(PixelSurface& s, int width, int height)
{
    Painted p;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (s.Pixel(x, y) != Face) {
                ++p.count;
                if (x < p.left) p.left = x;
                if (x > p.right) p.right = x;
                if (y < p.top) p.top = y;
                if (y > p.bottom) p.bottom = y;
            }
    return p;
}

TEST(PixelRules, BoxCornersAreBothPainted)
{
    auto s = MakePixelSurface(460, 30, Face);
    s->canvas().SelectViewPen(PenSolid, 1, Pen);
    s->canvas().DrawBox(30, 7, 435, 19, White);
    s->canvas().ReleaseViewPen();
    const Painted p = PaintedPixels(*s, 460, 30);
    EXPECT_EQ(p.left, 30);
    EXPECT_EQ(p.right, 435);
    EXPECT_EQ(p.top, 7);
    EXPECT_EQ(p.bottom, 19);
    EXPECT_EQ(p.count, 406 * 13);
    // The pen outlines, the brush fills the inside.
    EXPECT_EQ(s->Pixel(30, 7), Pen);
    EXPECT_EQ(s->Pixel(435, 19), Pen);
    EXPECT_EQ(s->Pixel(435, 12), Pen);
    EXPECT_EQ(s->Pixel(31, 8), White);
    EXPECT_EQ(s->Pixel(434, 18), White);
}

TEST(PixelRules, HollowAndBlackBoxes)
{
    auto s = MakePixelSurface(60, 40, Face);
    s->canvas().SelectViewPen(PenSolid, 1, Pen);
    s->canvas().DrawBox(10, 10, 20, 20, NoFill);
    s->canvas().DrawBox(30, 10, 40, 20, Black);
    s->canvas().ReleaseViewPen();
    for (int y = 11; y <= 19; ++y)
        for (int x = 11; x <= 19; ++x) ASSERT_EQ(s->Pixel(x, y), Face) << x << "," << y;
    for (int i = 10; i <= 20; ++i) {
        EXPECT_EQ(s->Pixel(i, 10), Pen);
        EXPECT_EQ(s->Pixel(i, 20), Pen);
        EXPECT_EQ(s->Pixel(10, i), Pen);
        EXPECT_EQ(s->Pixel(20, i), Pen);
    }
    EXPECT_EQ(s->Pixel(35, 15), Black);
    EXPECT_EQ(PaintedPixels(*s, 60, 40).count, 40 + 121);
}

TEST(PixelRules, LinesLeaveTheirEndPointUnpainted)
{
    struct Case {
        int x1, y1, x2, y2;
        int left, top, right, bottom, count;
    } cases[] = {
        {30, 5, 318, 5, 30, 5, 317, 5, 288},  // rightwards: x 30 to 317
        {318, 9, 30, 9, 31, 9, 318, 9, 288},  // leftwards: x 318 down to 31
        {40, 10, 40, 30, 40, 10, 40, 29, 20}, // downwards
        {50, 30, 50, 10, 50, 11, 50, 30, 20}, // upwards
        {60, 10, 70, 20, 60, 10, 69, 19, 10}, // diagonal
        {80, 10, 80, 10, 0, 0, 0, 0, 0},      // a zero-length line paints nothing
    };
    for (const Case& c : cases) {
        auto s = MakePixelSurface(330, 40, Face);
        s->canvas().SelectViewPen(PenSolid, 1, Pen);
        s->canvas().DrawLine(c.x1, c.y1, c.x2, c.y2);
        s->canvas().ReleaseViewPen();
        const Painted p = PaintedPixels(*s, 330, 40);
        EXPECT_EQ(p.count, c.count) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
        if (c.count == 0) continue;
        EXPECT_EQ(p.left, c.left) << c.x1 << "," << c.y1;
        EXPECT_EQ(p.top, c.top) << c.x1 << "," << c.y1;
        EXPECT_EQ(p.right, c.right) << c.x1 << "," << c.y1;
        EXPECT_EQ(p.bottom, c.bottom) << c.x1 << "," << c.y1;
    }
}

TEST(PixelRules, ClipBoxKeepsLinesAndBoxesInsideItsInclusiveCorners)
{
    auto s = MakePixelSurface(60, 40, Face);
    Canvas& c = s->canvas();
    c.SelectViewPen(PenSolid, 1, Pen);
    c.SelectClipBox(10, 10, 20, 20);
    c.DrawLine(0, 15, 50, 15);
    c.DrawBox(15, 18, 40, 39, White);
    c.ReleaseClipBox();
    const Painted p = PaintedPixels(*s, 60, 40);
    EXPECT_EQ(p.left, 10);
    EXPECT_EQ(p.right, 20);
    EXPECT_EQ(p.top, 15);
    EXPECT_EQ(p.bottom, 20);
    EXPECT_EQ(s->Pixel(20, 18), Pen);   // the box's outline, cut at the clip's corner
    EXPECT_EQ(s->Pixel(18, 20), White); // its inside
    // Released, the whole surface is drawn on again.
    c.DrawLine(0, 30, 50, 30);
    c.ReleaseViewPen();
    EXPECT_EQ(s->Pixel(0, 30), Pen);
    EXPECT_EQ(s->Pixel(49, 30), Pen);
}

TEST(PixelRules, SlopedLineStepsOnePixelAtATime)
{
    auto s = MakePixelSurface(40, 40, Face);
    s->canvas().SelectViewPen(PenSolid, 1, Pen);
    s->canvas().DrawLine(2, 30, 34, 22); // x-major: one pixel per column
    s->canvas().ReleaseViewPen();
    for (int x = 2; x < 34; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 40; ++y) inColumn += s->Pixel(x, y) == Pen;
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }
    EXPECT_EQ(s->Pixel(2, 30), Pen);
    EXPECT_EQ(PaintedPixels(*s, 40, 40).count, 32);
}

TEST(PixelRules, HalfwayStepsGoToTheSmallerCoordinate)
{
    struct Case {
        int x1, y1, x2, y2;
        int pixels[4][2];
    } cases[] = {
        {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {4, 0, 0, 2, {{4, 0}, {3, 0}, {2, 1}, {1, 1}}},
        {4, 2, 0, 0, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {0, 4, 2, 0, {{0, 4}, {0, 3}, {1, 2}, {1, 1}}},
    };
    for (const Case& c : cases) {
        auto s = MakePixelSurface(20, 20, Face);
        s->canvas().SelectViewPen(PenSolid, 1, Pen);
        s->canvas().DrawLine(c.x1 + 5, c.y1 + 5, c.x2 + 5, c.y2 + 5);
        s->canvas().ReleaseViewPen();
        for (const auto& p : c.pixels)
            EXPECT_EQ(s->Pixel(p[0] + 5, p[1] + 5), Pen)
                << c.x1 << "," << c.y1 << "->" << c.x2 << "," << c.y2 << " at " << p[0] << ","
                << p[1];
        EXPECT_EQ(PaintedPixels(*s, 20, 20).count, 4);
    }
}

TEST(PixelRules, DottedPenLeavesGapsInTransparentMode)
{
    auto s = MakePixelSurface(120, 20, Face);
    s->canvas().SetBackgroundMode(BackgroundTransparent);
    s->canvas().SelectViewPen(PenDot, 1, Pen);
    s->canvas().DrawLine(10, 5, 110, 5);
    s->canvas().ReleaseViewPen();
    int on = 0, runs = 0;
    for (int x = 10; x < 110; ++x) {
        const Color c = s->Pixel(x, 5);
        ASSERT_TRUE(c == Pen || c == Face) << x;
        on += c == Pen;
        runs += c == Pen && (x == 10 || s->Pixel(x - 1, 5) != Pen);
    }
    EXPECT_EQ(s->Pixel(10, 5), Pen); // the pattern starts with a dot
    EXPECT_GT(runs, 10);
    EXPECT_GT(on, 30);
    EXPECT_LT(on, 70);
    EXPECT_EQ(PaintedPixels(*s, 120, 20).count, on);
}

TEST(PixelRules, XorTwiceRestoresThePicture)
{
    auto s = MakePixelSurface(40, 20, Face);
    Canvas& c = s->canvas();
    c.SelectViewPen(PenSolid, 1, Rgb(32, 32, 32));
    EXPECT_EQ(c.SetMixMode(MixXorPen), MixCopyPen);
    c.DrawLine(5, 5, 30, 5);
    EXPECT_EQ(s->Pixel(10, 5), Rgb(192 ^ 32, 192 ^ 32, 192 ^ 32));
    c.DrawLine(5, 5, 30, 5);
    EXPECT_EQ(c.SetMixMode(MixCopyPen), MixXorPen);
    c.ReleaseViewPen();
    EXPECT_EQ(PaintedPixels(*s, 40, 20).count, 0);
}

TEST(PixelRules, DiscStaysInsideItsBoundingBox)
{
    auto s = MakePixelSurface(60, 60, Face);
    s->canvas().SelectViewPen(PenSolid, 1, Black);
    s->canvas().DrawDisc(10, 10, 41, 41, Rgb(255, 255, 0));
    s->canvas().ReleaseViewPen();
    const Painted p = PaintedPixels(*s, 60, 60);
    EXPECT_EQ(p.left, 10);
    EXPECT_EQ(p.top, 10);
    EXPECT_EQ(p.right, 40); // the platform's ellipse excludes right and bottom
    EXPECT_EQ(p.bottom, 40);
    EXPECT_EQ(s->Pixel(25, 25), Rgb(255, 255, 0));
    EXPECT_EQ(s->Pixel(25, 10), Black);
    EXPECT_EQ(s->Pixel(11, 11), Face); // corners of the box stay
}

TEST(PixelRules, TextFillsItsCellFromTheTopLeftCorner)
{
    for (int height : {12, 16}) {
        auto s = MakePixelSurface(200, 40, Face);
        Canvas& c = s->canvas();
        c.SetBackgroundMode(BackgroundTransparent);
        c.SelectViewFont(ViewFace, height, 0, 0, false);
        c.SetTextColor(Black);
        c.PutText(20, 10, "潮汐 Tide");
        c.ReleaseViewFont();
        const Painted p = PaintedPixels(*s, 200, 40);
        EXPECT_GT(p.count, 20) << height;
        EXPECT_GE(p.left, 20) << height;
        EXPECT_LE(p.left, 22) << height;
        EXPECT_GE(p.top, 10) << height;
        EXPECT_LE(p.bottom, 10 + height - 1) << height; // the height is the cell height
        EXPECT_GE(p.bottom, 10 + height - 4) << height;
        // Fixed pitch: two full-width characters, a blank and four letters take 8.5 ems of
        // half the cell height at most.
        EXPECT_LE(p.right, 20 + 9 * height / 2 + 1) << height;
    }
}

} // namespace
} // namespace marevo
