// The drawing layer on GDI: fonts and pens in one slot each, inclusive box corners, brushes
// created and deleted within one shape.
#include "views/gdi/gdi_canvas.h"

#include <string>

#include "text/wide_text.h"
#include "views/gdi/gdi_scope.h"

namespace marevo {

namespace {

// The brush of a shape: the hollow stock brush for NoFill, else a solid brush of its own.
HBRUSH CreateShapeBrush(Color fill) {
    return fill == NoFill ? nullptr : CreateSolidBrush(fill);
}

} // namespace

GdiCanvas::~GdiCanvas()
{
    if (font_) ReleaseViewFont();
    if (pen_) ReleaseViewPen();
    if (clip_) ReleaseClipBox();
}

int GdiCanvas::PutText(int x, int y, const char* text)
{
    const std::wstring wide = WideFromSjis(text);
    return TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void GdiCanvas::SelectViewFont(const char* face, int height, int escapement, int weight,
                               bool underline)
{
    // A second select without its release would lose the displaced font and leak this one.
    if (font_) ReleaseViewFont();
    font_ = CreateFontW(height, 0, escapement, 0, weight, FALSE, underline ? TRUE : FALSE,
                        FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        PROOF_QUALITY, FIXED_PITCH | FF_MODERN, WideFromSjis(face).c_str());
    previousFont_ = static_cast<HFONT>(SelectObject(dc_, font_));
}

void GdiCanvas::ReleaseViewFont()
{
    if (!font_) return;
    SelectObject(dc_, previousFont_);
    DeleteObject(font_);
    font_ = nullptr;
    previousFont_ = nullptr;
}

void GdiCanvas::SelectViewPen(int style, int width, Color color)
{
    if (pen_) ReleaseViewPen();
    pen_ = CreatePen(style, width, color);
    previousPen_ = static_cast<HPEN>(SelectObject(dc_, pen_));
}

void GdiCanvas::ReleaseViewPen()
{
    if (!pen_) return;
    SelectObject(dc_, previousPen_);
    DeleteObject(pen_);
    pen_ = nullptr;
    previousPen_ = nullptr;
}

void GdiCanvas::DrawBox(int left, int top, int right, int bottom, Color fill)
{
    ScopedGdiObj<HBRUSH> brush(CreateShapeBrush(fill));
    ScopedSelectObject select(dc_, brush.get() ? static_cast<HGDIOBJ>(brush.get())
                                         : GetStockObject(NULL_BRUSH));
    Rectangle(dc_, left, top, right + 1, bottom + 1);
}

void GdiCanvas::DrawDisc(int left, int top, int right, int bottom, Color fill)
{
    ScopedGdiObj<HBRUSH> brush(CreateShapeBrush(fill));
    ScopedSelectObject select(dc_, brush.get() ? static_cast<HGDIOBJ>(brush.get())
                                         : GetStockObject(NULL_BRUSH));
    Ellipse(dc_, left, top, right, bottom);
}

void GdiCanvas::DrawLine(int x1, int y1, int x2, int y2)
{
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

void GdiCanvas::SelectClipBox(int left, int top, int right, int bottom)
{
    if (clip_) ReleaseClipBox();
    // The region in force before (device units, as GetClipRgn gives it), or none.
    HRGN previous = CreateRectRgn(0, 0, 0, 0);
    if (GetClipRgn(dc_, previous) != 1) {
        DeleteObject(previous);
        previous = nullptr;
    }
    previousClip_ = previous;
    clip_ = true;
    // Logical units, so that the printer's mapping applies; the right and bottom edges of
    // the platform rectangle are outside it.
    IntersectClipRect(dc_, left, top, right + 1, bottom + 1);
}

void GdiCanvas::ReleaseClipBox()
{
    if (!clip_) return;
    SelectClipRgn(dc_, previousClip_);
    if (previousClip_) DeleteObject(previousClip_);
    previousClip_ = nullptr;
    clip_ = false;
}

void GdiCanvas::SetTextColor(Color color) { ::SetTextColor(dc_, color); }

void GdiCanvas::SetBackgroundMode(int mode) { SetBkMode(dc_, mode); }

int GdiCanvas::SetMixMode(int mode) { return SetROP2(dc_, mode); }

} // namespace marevo
