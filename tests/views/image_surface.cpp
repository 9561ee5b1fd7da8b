// The image backend's pixels: a raster picture held in memory.
#include "tests/views/pixel_surface.h"
#include "views/cairo/image_canvas.h"

namespace marevo {
namespace {

class ImageSurface : public PixelSurface {
public:
    ImageSurface(int width, int height, Color background)
        : canvas_(ImageFormat::Png, width, height, background) {}
    Canvas& canvas() override { return canvas_; }
    Color Pixel(int x, int y) override { return canvas_.PixelAt(x, y); }

private:
    ImageCanvas canvas_;
};

} // namespace

std::unique_ptr<PixelSurface> MakePixelSurface(int width, int height, Color background)
{
    return std::make_unique<ImageSurface>(width, height, background);
}

} // namespace marevo
