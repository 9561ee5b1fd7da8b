// Pieces of output shared by the subcommands: weekday names, "HH:MM", the kind words.
#pragma once

#include <string>

#include "engine/tide.h"

namespace marevo::cli {

// "日" ... "土" (UTF-8) of a date.
std::string WeekdayUtf8(int year, int month, int day);
// "HH:MM" of an event.
std::string EventClock(const TideEvent& event);
// "high" / "low" for JSON, "満潮" / "干潮" for text.
inline const char* KindJson(bool high) { return high ? "high" : "low"; }
inline const char* KindText(bool high) { return high ? u8"満潮" : u8"干潮"; }

} // namespace marevo::cli
