// Canvas: the one narrow drawing interface of the program. The window and the printer (GDI),
// the recorder of the tests and the image files (PNG, SVG, PDF) each implement it; the views
// and panels draw only through it. Coordinates are logical units of the target (pixels of
// the off-screen bitmap on screen); colours are 0x00BBGGRR like a Windows COLORREF.
#pragma once

#include <cstdint>

namespace marevo {

using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
    return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}
constexpr int RedOf(Color c) { return int(c & 0xFF); }
constexpr int GreenOf(Color c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return int((c >> 16) & 0xFF); }

// A shape outlined and not filled.
constexpr Color NoFill = 0xFFFFFFFFu;

// Pen styles, background modes and mix modes keep the values of the Windows constants.
enum PenStyle { PenSolid = 0, PenDot = 2 };
enum BackgroundMode { BackgroundTransparent = 1, BackgroundOpaque = 2 };
enum MixMode { MixXorPen = 7, MixCopyPen = 13 };

// "ＭＳ ゴシック": the face of every view font.
extern const char ViewFace[];

class Canvas {
public:
    virtual ~Canvas() = default;

    // Draws the whole Shift-JIS string with its top-left corner at (x, y).
    virtual int PutText(int x, int y, const char* text) = 0;

    // One font slot: a Select and its Release are a pair, with no second Select between.
    // Height in logical units, escapement in tenths of a degree, weight 0 or 400 ... 700.
    virtual void SelectViewFont(const char* face, int height, int escapement, int weight,
                                bool underline) = 0;
    virtual void ReleaseViewFont() = 0;

    // One pen slot, paired like the font. Style PenSolid or PenDot; width 1.
    virtual void SelectViewPen(int style, int width, Color color) = 0;
    virtual void ReleaseViewPen() = 0;

    // A rectangle whose corners (left, top) and (right, bottom) are both painted; outline
    // with the current pen, inside filled with fill unless fill is NoFill.
    virtual void DrawBox(int left, int top, int right, int bottom, Color fill) = 0;
    // An ellipse in the bounding box (left, top, right, bottom), as the platform's Ellipse.
    virtual void DrawDisc(int left, int top, int right, int bottom, Color fill) = 0;
    // A line with the current pen; the end point itself is not painted.
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;

    // One clip slot, paired like the pen: lines, boxes, discs and texts drawn between
    // SelectClipBox and ReleaseClipBox paint only inside the box, whose corners (left, top)
    // and (right, bottom) are both inside it. Release restores the clipping of before.
    virtual void SelectClipBox(int left, int top, int right, int bottom) = 0;
    virtual void ReleaseClipBox() = 0;

    virtual void SetTextColor(Color color) = 0;
    virtual void SetBackgroundMode(int mode) = 0;
    // Returns the previous mix mode.
    virtual int SetMixMode(int mode) = 0;
};

} // namespace marevo
