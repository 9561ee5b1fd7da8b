// The drawing layer on the page's 2D canvas: boxes and straight lines as filled rectangles
// of whole units, slanted lines, discs and texts through the canvas's own paths and fonts.
#include "web/web_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "text/shift_jis.h"

// The page's side (web_canvas_library.js); colours 0x00BBGGRR, coordinates in units.
extern "C" {
void js_canvas_begin(int width, int height, double scale, unsigned background);
void js_canvas_end();
void js_canvas_fill_rect(int x, int y, int w, int h, unsigned colour, int xorMix);
void js_canvas_line(int x1, int y1, int x2, int y2, unsigned colour, int dotted);
void js_canvas_ellipse(double cx, double cy, double rx, double ry, unsigned outline,
                       unsigned fill);
void js_canvas_text(int x, int y, const char* utf8, int height, int escapement, int weight,
                    int underline, unsigned colour, int opaque);
void js_canvas_clip(int x, int y, int w, int h);
void js_canvas_unclip();
}

namespace marevo {

namespace {
// Dotted pens paint 3 units and leave 3, starting again with every line (as the window).
constexpr int DotOn = 3, DotPeriod = 6;
} // namespace

WebCanvas::WebCanvas(int width, int height, double scale, Color background)
{
    js_canvas_begin(std::max(width, 1), std::max(height, 1), scale, background);
}

WebCanvas::~WebCanvas()
{
    if (clip_) js_canvas_unclip();
    js_canvas_end();
}

int WebCanvas::PutText(int x, int y, const char* text)
{
    if (text == nullptr || *text == '\0') return 1;
    const std::string utf8 = SjisToUtf8(text);
    js_canvas_text(x, y, utf8.c_str(), fontHeight_ == 0 ? 12 : fontHeight_, fontEscapement_,
                   fontWeight_, fontUnderline_, textColor_, backgroundMode_ == BackgroundOpaque);
    return 1;
}

void WebCanvas::SelectViewFont(const char* /*face*/, int height, int escapement, int weight,
                               bool underline)
{
    fontHeight_ = height;
    fontEscapement_ = escapement;
    fontWeight_ = weight;
    fontUnderline_ = underline;
}

void WebCanvas::ReleaseViewFont()
{
    fontHeight_ = 12;
    fontEscapement_ = 0;
    fontWeight_ = 0;
    fontUnderline_ = false;
}

void WebCanvas::SelectViewPen(int style, int /*width*/, Color color)
{
    penStyle_ = style;
    penColor_ = color;
}

void WebCanvas::ReleaseViewPen()
{
    penStyle_ = PenSolid;
    penColor_ = Black;
}

void WebCanvas::DrawBox(int left, int top, int right, int bottom, Color fill)
{
    // The platform rectangle (left, top, right + 1, bottom + 1), ordered as the device does.
    const int L = std::min(left, right + 1), R = std::max(left, right + 1);
    const int T = std::min(top, bottom + 1), B = std::max(top, bottom + 1);
    if (R - L <= 0 || B - T <= 0) return;
    const int xorMix = mixMode_ == MixXorPen;
    if (fill != NoFill && R - L > 2 && B - T > 2)
        js_canvas_fill_rect(L + 1, T + 1, R - L - 2, B - T - 2, fill, xorMix);
    if (penStyle_ == PenSolid) {
        js_canvas_fill_rect(L, T, R - L, 1, penColor_, xorMix);
        if (B - 1 > T) js_canvas_fill_rect(L, B - 1, R - L, 1, penColor_, xorMix);
        if (B - T > 2) {
            js_canvas_fill_rect(L, T + 1, 1, B - T - 2, penColor_, xorMix);
            if (R - 1 > L) js_canvas_fill_rect(R - 1, T + 1, 1, B - T - 2, penColor_, xorMix);
        }
        return;
    }
    PenLine(L, T, R, T);
    if (B - 1 > T) PenLine(L, B - 1, R, B - 1);
    PenLine(L, T + 1, L, B - 1);
    if (R - 1 > L) PenLine(R - 1, T + 1, R - 1, B - 1);
}

void WebCanvas::DrawDisc(int left, int top, int right, int bottom, Color fill)
{
    const double L = std::min(left, right), R = std::max(left, right);
    const double T = std::min(top, bottom), B = std::max(top, bottom);
    const double rx = (R - L) / 2, ry = (B - T) / 2;
    if (rx < 1 || ry < 1) return;
    js_canvas_ellipse(L + rx, T + ry, rx, ry, penColor_, fill);
}

void WebCanvas::PenLine(int x1, int y1, int x2, int y2)
{
    const int dx = x2 - x1, dy = y2 - y1;
    if (dx == 0 && dy == 0) return;
    const int xorMix = mixMode_ == MixXorPen;
    if (dx != 0 && dy != 0) { // slanted: the canvas's own line, sharp at any scale
        js_canvas_line(x1, y1, x2, y2, penColor_, penStyle_ == PenDot);
        return;
    }
    // Horizontal or vertical: runs of whole units, the dots of a dotted pen one run each.
    const int steps = std::abs(dx) + std::abs(dy);
    const int sx = dx > 0 ? 1 : dx < 0 ? -1 : 0, sy = dy > 0 ? 1 : dy < 0 ? -1 : 0;
    const int run = penStyle_ == PenDot ? DotOn : steps;
    const int period = penStyle_ == PenDot ? DotPeriod : steps;
    for (int i = 0; i < steps; i += period) {
        const int n = std::min(run, steps - i);
        const int ax = x1 + sx * i, bx = x1 + sx * (i + n - 1);
        const int ay = y1 + sy * i, by = y1 + sy * (i + n - 1);
        js_canvas_fill_rect(std::min(ax, bx), std::min(ay, by), std::abs(bx - ax) + 1,
                            std::abs(by - ay) + 1, penColor_, xorMix);
        if (penStyle_ == PenDot && backgroundMode_ == BackgroundOpaque && i + n < steps) {
            const int g = std::min(DotPeriod - DotOn, steps - i - n);
            const int gx = x1 + sx * (i + n), gy = y1 + sy * (i + n);
            const int ex = gx + sx * (g - 1), ey = gy + sy * (g - 1);
            js_canvas_fill_rect(std::min(gx, ex), std::min(gy, ey), std::abs(ex - gx) + 1,
                                std::abs(ey - gy) + 1, White, xorMix);
        }
    }
}

void WebCanvas::DrawLine(int x1, int y1, int x2, int y2) { PenLine(x1, y1, x2, y2); }

void WebCanvas::SelectClipBox(int left, int top, int right, int bottom)
{
    // As the platform rectangle (left, top, right + 1, bottom + 1), ordered.
    if (clip_) js_canvas_unclip();
    const int L = std::min(left, right + 1), R = std::max(left, right + 1);
    const int T = std::min(top, bottom + 1), B = std::max(top, bottom + 1);
    js_canvas_clip(L, T, R - L, B - T);
    clip_ = true;
}

void WebCanvas::ReleaseClipBox()
{
    if (clip_) js_canvas_unclip();
    clip_ = false;
}

void WebCanvas::SetTextColor(Color color) { textColor_ = color; }

void WebCanvas::SetBackgroundMode(int mode) { backgroundMode_ = mode; }

int WebCanvas::SetMixMode(int mode)
{
    const int previous = mixMode_;
    mixMode_ = mode;
    return previous;
}

} // namespace marevo
