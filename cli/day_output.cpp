// Shared output pieces of marevo-cli.
#include "cli/day_output.h"

#include <cstdio>

#include "engine/calendar.h"

namespace marevo::cli {

std::string WeekdayUtf8(int year, int month, int day)
{
    static const char* const names[7] = {u8"日", u8"月", u8"火", u8"水", u8"木", u8"金", u8"土"};
    return names[WeekdayFromDayNumber(DayNumber(year, month, day))];
}

std::string EventClock(const TideEvent& e)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(e.hour), static_cast<int>(e.minute));
    return text;
}

} // namespace marevo::cli
