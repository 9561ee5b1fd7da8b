// Bounded substrings, blank trimming and weekdays for the views (bytes of Shift-JIS text).
#include "views/text_util.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/calendar.h"

namespace marevo {

std::string Format(const char* format, ...)
{
    char text[200];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

const char* const WeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

double WholeCm(double heightCm)
{
    // Adding +0 turns the -0 of a small negative height into +0.
    return std::round(heightCm) + 0.0;
}

std::string Substring(const char* text, int start, int count)
{
    if (text == nullptr || start < 0 || count <= 0) return std::string();
    // Never read past the NUL: find the length first, up to the byte just after the window.
    const std::size_t length = std::strlen(text);
    if (static_cast<std::size_t>(start) >= length) return std::string();
    std::size_t n = length - static_cast<std::size_t>(start);
    if (n > static_cast<std::size_t>(count)) n = static_cast<std::size_t>(count);
    if (n > static_cast<std::size_t>(TextLimit)) n = TextLimit;
    return std::string(text + start, n);
}

std::string TrimLeadingSpaces(const char* text)
{
    if (text == nullptr) return std::string();
    int blanks = 0;
    while (blanks < TextLimit && text[blanks] == ' ') ++blanks;
    const int length = static_cast<int>(std::strlen(text));
    return Substring(text, blanks, length - blanks);
}

int WeekdayOf(int year, int month, int day)
{
    NormalizeDate(year, month, day);
    return WeekdayFromDayNumber(DayNumber(year, month, day));
}

} // namespace marevo
