// The image output of marevo-cli render, kept in a module of its own (marevo-render) that
// only render loads, so that the other commands start without cairo and pango.
#pragma once

#include <cstdint>

namespace marevo {
class Canvas;
}

extern "C" {
// 1 and the format (0 PNG, 1 SVG, 2 PDF) when the path ends in .png, .svg or .pdf, else 0.
typedef int (*MarevoImageFormatFn)(const char* path, int* format);
// A canvas of width x height on the background colour, writing to path.
typedef marevo::Canvas* (*MarevoImageOpenFn)(int format, int width, int height,
                                             std::uint32_t background, const char* path);
// Writes the file: 1 done, 0 not written. Then frees the canvas.
typedef int (*MarevoImageSaveFn)(marevo::Canvas* canvas);
}
