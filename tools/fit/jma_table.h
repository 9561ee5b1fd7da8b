// JmaTable: one port's year of JMA's published tide table (潮位表), as the text file gives it.
// Heights in cm above the table's datum (潮位表基準面); times in JST (UT + 9 h).
#pragma once

#include <string>
#include <vector>

namespace marevo::fit {

// One high or low water of the table.
struct JmaEvent {
    int minuteOfDay; // 0 .. 1439, JST
    int heightCm;
    bool high;
};

struct JmaDay {
    int year, month, day;
    int hourlyCm[24]; // 00 .. 23 h JST
    std::vector<JmaEvent> events; // highs then lows, as the line lists them
};

struct JmaTable {
    std::string code; // JMA station code, two characters
    std::vector<JmaDay> days; // in date order, one per day of the year
};

/*
**  ParseJmaTable: reads the text of a yearly table file.
**  Given: text (one line per day, 136 characters: 24 hourly heights of 3 characters, the
**         date as YY MM DD, the station code, four high-water and four low-water slots of
**         7 characters HHMM + height, an unused slot written 9999999), the expected code.
**  Returns: true and table filled, or false with a message naming the first bad line
**           (wrong length, code or date, a field that is not a number, days out of order).
*/
bool ParseJmaTable(const std::string& text, const std::string& code, int year, JmaTable& table,
                   std::string& error);

// Reads the file and parses it; false with a message when it cannot be read or parsed.
bool ReadJmaTable(const std::string& path, const std::string& code, int year, JmaTable& table,
                  std::string& error);

} // namespace marevo::fit
