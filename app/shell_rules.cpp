// Rules of the window program that need no window (see shell_rules.h).
#include "app/shell_rules.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace marevo {

std::string ModuleDirOf(const char* exePath)
{
    // Paths are Shift-JIS: the second byte of a double-byte character may be 0x5C, as in
    // "ソ" (83 5C) or "表" (95 5C), and is no separator.
    const char* last = nullptr;
    for (const char* p = exePath; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && p[1]) {
            ++p;
            continue;
        }
        if (*p == '\\' || *p == '/') last = p;
    }
    return last ? std::string(exePath, last + 1) : std::string();
}

Point NoticePosition(int xPosition, int yPosition, int width, int height)
{
    // C++ division truncates towards zero, as the placement wants.
    return {(width - NoticeWidth) / 2 + xPosition, (height - NoticeHeight) / 2 + yPosition};
}

std::string CutToWidth(const std::string& text, int width)
{
    if (width <= 0) return std::string();
    const size_t limit = static_cast<size_t>(width - 1);
    if (text.size() <= limit) return text;
    // A double-byte character that does not fit whole is left out, not halved.
    size_t cut = 0;
    while (cut < limit) {
        const unsigned char c = static_cast<unsigned char>(text[cut]);
        const size_t step = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
        if (cut + step > limit) break;
        cut += step;
    }
    return text.substr(0, cut);
}

int ProfileInt(const std::string& text)
{
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p++ - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

double ProfileDouble(const std::string& text)
{
    // Only the decimal form is a number here: the library's conversion would also take
    // hexadecimal ("0x5"), "inf" and "nan", which depend on the runtime and read as 0.0.
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    const char* end = p;
    if (*end == '+' || *end == '-') ++end;
    const char* digits = end;
    while (*end >= '0' && *end <= '9') ++end;
    if (*end == '.') ++end;
    while (*end >= '0' && *end <= '9') ++end;
    if (end - digits == 0 || (end - digits == 1 && *digits == '.')) return 0.0;
    if (*end == 'e' || *end == 'E') {
        const char* exponent = end + 1;
        if (*exponent == '+' || *exponent == '-') ++exponent;
        if (*exponent >= '0' && *exponent <= '9') {
            end = exponent;
            while (*end >= '0' && *end <= '9') ++end;
        }
    }
    return std::atof(std::string(p, end).c_str());
}

std::string RatioText(double ratio)
{
    if (!std::isfinite(ratio)) return std::string();
    char text[64];
    int n = std::snprintf(text, sizeof text, "%4.1f", ratio);
    if (n < 0 || n > 11) return std::string();
    return text;
}

double SanitisedRatio(double ratio) { return RatioText(ratio).empty() ? 1.0 : ratio; }

int SanitisedPeriod(int period)
{
    return (period == 1 || period == 7 || period == 42) ? period : -1;
}

int SanitisedStyle(int style) { return style == 1 ? 1 : 0; }

int SanitisedColour(int colour) { return colour == 0 ? 0 : 1; }

PortFileName ParsePortFileName(const char* name)
{
    PortFileName result{0, std::string()};
    char codeText[3] = {};
    std::strncpy(codeText, name, 2);
    result.code = ProfileInt(codeText);
    const int length = static_cast<int>(std::strlen(name));
    int count = length - 6;
    if (count > 256) count = 256;
    if (count > 0) result.port.assign(name + 2, count);
    return result;
}

bool IsTreeCode(int code) { return code >= 0 && code < PrefectureCodes; }

int ScrollDelta(int request, int thumbPosition, int position, int maximum, int page)
{
    int d = 0;
    switch (request) {
    case ScrollLineUp: d = -1; break;
    case ScrollLineDown: d = 1; break;
    case ScrollPageUp: d = -ScrollPageStep; break;
    case ScrollPageDown: d = ScrollPageStep; break;
    case ScrollThumbPosition:
    case ScrollThumbTrack: d = thumbPosition - position; break;
    default: d = 0; break;
    }
    const int upper = maximum - page - position;
    if (d > upper) d = upper;
    if (d < -position) d = -position;
    return d;
}

} // namespace marevo
