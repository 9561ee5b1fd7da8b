// The values of marevo.ini (see settings_values.h).
#include "shell/settings_values.h"

#include <climits>
#include <cmath>
#include <cstdio>

#include "engine/decimal_text.h"
#include "text/shift_jis.h"
#include "views/view_model.h"

namespace marevo {

std::string CutToWidth(const std::string& text, int width)
{
    if (width <= 0) return std::string();
    return SjisPrefix(text, static_cast<size_t>(width - 1));
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
    // The reader skips spaces and tabs only; DecimalToDouble would also skip line breaks.
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    if (*p != '+' && *p != '-' && *p != '.' && !(*p >= '0' && *p <= '9')) return 0.0;
    return DecimalToDouble(p);
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

DisplayPeriod SanitisedPeriod(int period)
{
    switch (period) {
    case OneDay: return OneDay;
    case SevenDays: return SevenDays;
    case FortyTwoDays: return FortyTwoDays;
    default: return TideTable;
    }
}

GraphStyle SanitisedStyle(int style) { return style == BarGraph ? BarGraph : LineGraph; }

int SanitisedColour(int colour) { return colour == 0 ? 0 : 1; }

} // namespace marevo
