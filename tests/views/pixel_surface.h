// A canvas backed by pixels that a test can read, made by each drawing backend's test build.
#pragma once

#include <memory>

#include "views/canvas.h"

namespace marevo {

class PixelSurface {
public:
    virtual ~PixelSurface() = default;
    virtual Canvas& canvas() = 0;
    // The colour of pixel (x, y) as drawn so far.
    virtual Color Pixel(int x, int y) = 0;
};

// width x height pixels filled with background.
std::unique_ptr<PixelSurface> MakePixelSurface(int width, int height, Color background);

} // namespace marevo
