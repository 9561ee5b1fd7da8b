// The module marevo-render: the cairo image canvas behind three C entry points.
#include "cli/render_module.h"

#include <string>

#include "views/cairo/image_canvas.h"

using namespace marevo;

extern "C" {

__attribute__((visibility("default"))) int MarevoImageFormat(const char* path, int* format)
{
    ImageFormat f;
    if (!ImageFormatFromPath(path, f)) return 0;
    *format = f == ImageFormat::Png ? 0 : f == ImageFormat::Svg ? 1 : 2;
    return 1;
}

__attribute__((visibility("default"))) Canvas* MarevoImageOpen(int format, int width, int height,
                                                              std::uint32_t background,
                                                              const char* path)
{
    const ImageFormat f = format == 0 ? ImageFormat::Png : format == 1 ? ImageFormat::Svg : ImageFormat::Pdf;
    return new ImageCanvas(f, width, height, background, path);
}

__attribute__((visibility("default"))) int MarevoImageSave(Canvas* canvas)
{
    ImageCanvas* image = static_cast<ImageCanvas*>(canvas);
    const bool saved = image->Save();
    delete image;
    return saved ? 1 : 0;
}

} // extern "C"
