// The drawing layer on cairo (shapes, as pixel runs) and pango (text, Shift-JIS converted
// to UTF-8). Units are pixels of the picture.
#include "views/cairo/image_canvas.h"

#include "text/shift_jis.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace marevo {

const char ImageFontFamily[] = "IPAGothic";

namespace {

// Dotted pens paint 3 pixels and leave 3, starting again with every line (as Wine's GDI).
constexpr int DotOn = 3, DotPeriod = 6;
// A styled pen's gaps in opaque background mode take the context's background colour.
constexpr Color GapColour = White;

void SetSource(cairo_t* cr, Color c)
{
    cairo_set_source_rgb(cr, RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0);
}

// Em size per unit of cell height (ascent + descent) of the stand-in face.
double EmPerCellHeight(PangoContext* context)
{
    PangoFontDescription* desc = pango_font_description_from_string(ImageFontFamily);
    pango_font_description_set_absolute_size(desc, 1000.0 * PANGO_SCALE);
    PangoFontMetrics* m = pango_context_get_metrics(context, desc, nullptr);
    const double cell = pango_font_metrics_get_ascent(m) + pango_font_metrics_get_descent(m);
    pango_font_metrics_unref(m);
    pango_font_description_free(desc);
    return cell > 0 ? 1000.0 * PANGO_SCALE / cell : 1.0; // both in pango units
}

// Smallest integer not below p / q, for q > 0.
long CeilDiv(long p, long q) { return p >= 0 ? (p + q - 1) / q : -((-p) / q); }

// Collects the pixels of a line into runs along its major axis, one fill per run.
class RunPainter {
public:
    RunPainter(bool horizontal, void (*fill)(void*, int, int, int, int, Color), void* self)
        : horizontal_(horizontal), fill_(fill), self_(self) {}
    ~RunPainter() { Flush(); }
    void Pixel(int x, int y, Color c)
    {
        if (length_ > 0 && c == colour_ &&
            (horizontal_ ? (y == y0_ && (x == x0_ + length_ || x == x0_ - 1))
                         : (x == x0_ && (y == y0_ + length_ || y == y0_ - 1)))) {
            if (horizontal_ && x == x0_ - 1) x0_ = x;
            if (!horizontal_ && y == y0_ - 1) y0_ = y;
            ++length_;
            return;
        }
        Flush();
        x0_ = x;
        y0_ = y;
        colour_ = c;
        length_ = 1;
    }
    void Gap() { Flush(); }

private:
    void Flush()
    {
        if (length_ == 0) return;
        if (horizontal_) fill_(self_, x0_, y0_, length_, 1, colour_);
        else fill_(self_, x0_, y0_, 1, length_, colour_);
        length_ = 0;
    }
    bool horizontal_;
    void (*fill_)(void*, int, int, int, int, Color);
    void* self_;
    int x0_ = 0, y0_ = 0, length_ = 0;
    Color colour_ = 0;
};

} // namespace

bool ImageFormatFromPath(const std::string& path, ImageFormat& format)
{
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = path.substr(dot + 1);
    for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (ext == "png") format = ImageFormat::Png;
    else if (ext == "svg") format = ImageFormat::Svg;
    else if (ext == "pdf") format = ImageFormat::Pdf;
    else return false;
    return true;
}

ImageCanvas::ImageCanvas(ImageFormat format, int width, int height, Color background,
                         const std::string& path)
    : format_(format), width_(std::max(width, 1)), height_(std::max(height, 1)), path_(path)
{
    switch (format_) {
    case ImageFormat::Png:
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
        break;
    case ImageFormat::Svg:
        surface_ = cairo_svg_surface_create(path_.empty() ? nullptr : path_.c_str(), width_,
                                            height_);
        break;
    case ImageFormat::Pdf:
        surface_ = cairo_pdf_surface_create(path_.empty() ? nullptr : path_.c_str(), width_,
                                            height_);
        break;
    }
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    FillSpan(0, 0, width_, height_, background);
}

ImageCanvas::~ImageCanvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

bool ImageCanvas::Save()
{
    if (saved_ || path_.empty() || cairo_status(cr_) != CAIRO_STATUS_SUCCESS) return false;
    saved_ = true;
    if (format_ == ImageFormat::Png)
        return cairo_surface_write_to_png(surface_, path_.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_finish(surface_);
    return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
}

Color ImageCanvas::PixelAt(int x, int y)
{
    if (format_ != ImageFormat::Png || x < 0 || y < 0 || x >= width_ || y >= height_)
        return Black;
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::uint32_t px;
    std::memcpy(&px, data + y * stride + 4 * x, 4);
    return Rgb(int((px >> 16) & 0xFF), int((px >> 8) & 0xFF), int(px & 0xFF));
}

void ImageCanvas::FillSpan(int x, int y, int w, int h, Color colour)
{
    // Clip to the picture, as the device does, and to the clip box.
    int left = std::max(x, 0), top = std::max(y, 0);
    int right = std::min(x + w, width_), bottom = std::min(y + h, height_);
    if (clip_) {
        left = std::max(left, clipLeft_);
        top = std::max(top, clipTop_);
        right = std::min(right, clipRight_);
        bottom = std::min(bottom, clipBottom_);
    }
    if (right <= left || bottom <= top) return;
    if (mixMode_ == MixXorPen && format_ == ImageFormat::Png) {
        // Bitwise XOR of the colour into the pixels; vector pictures paint it plainly.
        cairo_surface_flush(surface_);
        unsigned char* data = cairo_image_surface_get_data(surface_);
        const int stride = cairo_image_surface_get_stride(surface_);
        const std::uint32_t mask = (std::uint32_t(RedOf(colour)) << 16) |
                                   (std::uint32_t(GreenOf(colour)) << 8) |
                                   std::uint32_t(BlueOf(colour));
        for (int j = top; j < bottom; ++j)
            for (int i = left; i < right; ++i) {
                std::uint32_t px;
                std::memcpy(&px, data + j * stride + 4 * i, 4);
                px ^= mask;
                std::memcpy(data + j * stride + 4 * i, &px, 4);
            }
        cairo_surface_mark_dirty_rectangle(surface_, left, top, right - left, bottom - top);
        return;
    }
    SetSource(cr_, colour);
    cairo_rectangle(cr_, left, top, right - left, bottom - top);
    cairo_fill(cr_);
}

void ImageCanvas::PenLine(int x1, int y1, int x2, int y2, Color colour, int style)
{
    const int dx = x2 - x1, dy = y2 - y1;
    const int adx = std::abs(dx), ady = std::abs(dy);
    const int steps = std::max(adx, ady);
    if (steps == 0) return;
    const bool xMajor = adx >= ady;
    RunPainter runs(xMajor,
                    [](void* self, int x, int y, int w, int h, Color c) {
                        static_cast<ImageCanvas*>(self)->FillSpan(x, y, w, h, c);
                    },
                    this);
    for (int i = 0; i < steps; ++i) {
        // The minor coordinate of the exact line, a half rounded towards the smaller
        // coordinate in every direction, as the window's line drawing does.
        int x, y;
        if (xMajor) {
            x = x1 + (dx > 0 ? i : -i);
            y = y1 + CeilDiv(2L * i * dy - adx, 2L * adx);
        } else {
            y = y1 + (dy > 0 ? i : -i);
            x = x1 + CeilDiv(2L * i * dx - ady, 2L * ady);
        }
        if (style == PenDot && i % DotPeriod >= DotOn) {
            if (backgroundMode_ == BackgroundOpaque) runs.Pixel(x, y, GapColour);
            else runs.Gap();
            continue;
        }
        runs.Pixel(x, y, colour);
    }
}

int ImageCanvas::PutText(int x, int y, const char* text)
{
    if (text == nullptr || *text == '\0') return 1;
    const std::string utf8 = text ? SjisToUtf8(text) : std::string();
    PangoLayout* layout = pango_cairo_create_layout(cr_);
    PangoContext* context = pango_layout_get_context(layout);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);

    // A positive height is the cell height (ascent + descent), a negative one the em size.
    const int height = fontHeight_ == 0 ? 12 : fontHeight_;
    const double em =
        (height > 0 ? height * EmPerCellHeight(context) : -height) * PANGO_SCALE;
    PangoFontDescription* desc = pango_font_description_from_string(ImageFontFamily);
    pango_font_description_set_absolute_size(desc, em);
    pango_font_description_set_weight(
        desc, fontWeight_ == 0 ? PANGO_WEIGHT_NORMAL : static_cast<PangoWeight>(fontWeight_));
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    if (fontUnderline_) {
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
    }
    pango_layout_set_text(layout, utf8.c_str(), -1);

    cairo_save(cr_);
    ApplyClip();
    cairo_translate(cr_, x, y);
    // Escapement in tenths of a degree, counter-clockwise on the screen.
    if (fontEscapement_ != 0) cairo_rotate(cr_, -fontEscapement_ / 10.0 * M_PI / 180.0);
    if (backgroundMode_ == BackgroundOpaque) {
        PangoRectangle logical;
        pango_layout_get_pixel_extents(layout, nullptr, &logical);
        SetSource(cr_, GapColour);
        cairo_rectangle(cr_, logical.x, logical.y, logical.width, logical.height);
        cairo_fill(cr_);
    }
    SetSource(cr_, textColor_);
    cairo_move_to(cr_, 0, 0);
    pango_cairo_show_layout(cr_, layout);
    cairo_restore(cr_);
    g_object_unref(layout);
    return 1;
}

void ImageCanvas::SelectViewFont(const char* /*face*/, int height, int escapement, int weight,
                                 bool underline)
{
    font_ = true;
    fontHeight_ = height;
    fontEscapement_ = escapement;
    fontWeight_ = weight;
    fontUnderline_ = underline;
}

void ImageCanvas::ReleaseViewFont()
{
    font_ = false;
    fontHeight_ = 12;
    fontEscapement_ = 0;
    fontWeight_ = 0;
    fontUnderline_ = false;
}

void ImageCanvas::SelectViewPen(int style, int /*width*/, Color color)
{
    pen_ = true;
    penStyle_ = style;
    penColor_ = color;
}

void ImageCanvas::ReleaseViewPen()
{
    pen_ = false;
    penStyle_ = PenSolid;
    penColor_ = Black;
}

void ImageCanvas::DrawBox(int left, int top, int right, int bottom, Color fill)
{
    // The platform rectangle (left, top, right + 1, bottom + 1), ordered as the device does.
    const int L = std::min(left, right + 1), R = std::max(left, right + 1);
    const int T = std::min(top, bottom + 1), B = std::max(top, bottom + 1);
    if (R - L <= 0 || B - T <= 0) return;
    if (fill != NoFill && R - L > 2 && B - T > 2) FillSpan(L + 1, T + 1, R - L - 2, B - T - 2, fill);
    if (penStyle_ == PenSolid) {
        FillSpan(L, T, R - L, 1, penColor_);
        if (B - 1 > T) FillSpan(L, B - 1, R - L, 1, penColor_);
        if (B - T > 2) {
            FillSpan(L, T + 1, 1, B - T - 2, penColor_);
            if (R - 1 > L) FillSpan(R - 1, T + 1, 1, B - T - 2, penColor_);
        }
        return;
    }
    PenLine(L, T, R, T, penColor_, penStyle_);
    if (B - 1 > T) PenLine(L, B - 1, R, B - 1, penColor_, penStyle_);
    PenLine(L, T + 1, L, B - 1, penColor_, penStyle_);
    if (R - 1 > L) PenLine(R - 1, T + 1, R - 1, B - 1, penColor_, penStyle_);
}

void ImageCanvas::DrawDisc(int left, int top, int right, int bottom, Color fill)
{
    const double L = std::min(left, right), R = std::max(left, right);
    const double T = std::min(top, bottom), B = std::max(top, bottom);
    const double rx = (R - L) / 2, ry = (B - T) / 2;
    if (rx < 1 || ry < 1) return;
    const double cx = L + rx, cy = T + ry;
    cairo_save(cr_);
    ApplyClip();
    auto ellipse = [&](double ax, double ay) {
        cairo_save(cr_);
        cairo_translate(cr_, cx, cy);
        cairo_scale(cr_, ax, ay);
        cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr_);
    };
    if (fill != NoFill) {
        SetSource(cr_, fill);
        ellipse(rx, ry);
        cairo_fill(cr_);
    }
    SetSource(cr_, penColor_);
    ellipse(rx - 0.5, ry - 0.5);
    cairo_set_line_width(cr_, 1.0);
    cairo_stroke(cr_);
    cairo_restore(cr_);
}

void ImageCanvas::ApplyClip()
{
    if (!clip_) return;
    cairo_rectangle(cr_, clipLeft_, clipTop_, clipRight_ - clipLeft_, clipBottom_ - clipTop_);
    cairo_clip(cr_);
}

void ImageCanvas::SelectClipBox(int left, int top, int right, int bottom)
{
    // As the platform rectangle (left, top, right + 1, bottom + 1), ordered.
    clip_ = true;
    clipLeft_ = std::min(left, right + 1);
    clipRight_ = std::max(left, right + 1);
    clipTop_ = std::min(top, bottom + 1);
    clipBottom_ = std::max(top, bottom + 1);
}

void ImageCanvas::ReleaseClipBox() { clip_ = false; }

void ImageCanvas::DrawLine(int x1, int y1, int x2, int y2)
{
    PenLine(x1, y1, x2, y2, penColor_, penStyle_);
}

void ImageCanvas::SetTextColor(Color color) { textColor_ = color; }

void ImageCanvas::SetBackgroundMode(int mode) { backgroundMode_ = mode; }

int ImageCanvas::SetMixMode(int mode)
{
    const int previous = mixMode_;
    mixMode_ = mode;
    return previous;
}

} // namespace marevo
