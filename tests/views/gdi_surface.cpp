// The GDI backend's pixels: a 32-bit DIB section selected into a memory device context.
#include <windows.h>

#include "tests/views/pixel_surface.h"
#include "views/gdi/gdi_canvas.h"

namespace marevo {
namespace {

class GdiSurface : public PixelSurface {
public:
    GdiSurface(int width, int height, Color background)
    {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
        canvas_ = new GdiCanvas(dc_);
    }
    ~GdiSurface() override
    {
        delete canvas_;
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas& canvas() override { return *canvas_; }
    Color Pixel(int x, int y) override
    {
        GdiFlush();
        return GetPixel(dc_, x, y);
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    GdiCanvas* canvas_;
};

} // namespace

std::unique_ptr<PixelSurface> MakePixelSurface(int width, int height, Color background)
{
    return std::make_unique<GdiSurface>(width, height, background);
}

} // namespace marevo
