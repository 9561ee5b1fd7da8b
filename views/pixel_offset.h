// Pixel offsets worked out from the numbers of a port file. A file may hold any number
// (an amplitude of 1e30 cm, a longitude that leaves the moon's times undefined): every
// offset still becomes an int without undefined behaviour, truncated towards zero as
// before, and one that does not fit lies far outside every picture.
#pragma once

#include <cmath>

namespace marevo {

constexpr int MaxPixelOffset = 1000000;

inline int PixelOffset(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= MaxPixelOffset) return MaxPixelOffset;
    if (value <= -MaxPixelOffset) return -MaxPixelOffset;
    return static_cast<int>(value);
}

} // namespace marevo
