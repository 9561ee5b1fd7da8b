// Shift-JIS cuts by whole characters (see shift_jis.h); the same source for every platform.
#include "text/shift_jis.h"

namespace marevo {

std::string SjisPrefix(const std::string& text, size_t maxBytes)
{
    if (text.size() <= maxBytes) return text;
    size_t cut = 0;
    while (cut < maxBytes) {
        const size_t step = IsSjisLeadByte(static_cast<unsigned char>(text[cut])) ? 2 : 1;
        if (cut + step > maxBytes) break;
        cut += step;
    }
    return text.substr(0, cut);
}

} // namespace marevo
