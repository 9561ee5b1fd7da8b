// JMA's yearly tide-table text files: hourly heights and high and low waters per day.
// Heights in cm above the table's datum; times in JST.
#include "tools/fit/jma_table.h"

#include <fstream>
#include <sstream>

#include "engine/calendar.h"

namespace marevo::fit {
namespace {

constexpr size_t LineLength = 136;
constexpr int SlotWidth = 7, SlotsPerKind = 4;

// A right-aligned integer field (blank-padded, may be negative); false when it is not one.
bool Field(const std::string& line, size_t at, size_t width, int& value)
{
    size_t i = at, end = at + width;
    while (i < end && line[i] == ' ') ++i;
    bool negative = false;
    if (i < end && line[i] == '-') { negative = true; ++i; }
    if (i == end) return false;
    int v = 0;
    for (; i < end; ++i) {
        if (line[i] < '0' || line[i] > '9') return false;
        v = 10 * v + (line[i] - '0');
    }
    value = negative ? -v : v;
    return true;
}

} // namespace

bool ParseJmaTable(const std::string& text, const std::string& code, int year, JmaTable& table,
                   std::string& error)
{
    table.code = code;
    table.days.clear();
    std::istringstream in(text);
    std::string line;
    int lineNo = 0, month = 1, day = 0;
    auto fail = [&](const char* why) {
        error = code + " line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.size() != LineLength) return fail("not 136 characters");
        JmaDay d;
        for (int h = 0; h < 24; ++h)
            if (!Field(line, 3 * h, 3, d.hourlyCm[h])) return fail("hourly height is not a number");
        int yy, mm, dd;
        if (!Field(line, 72, 2, yy) || !Field(line, 74, 2, mm) || !Field(line, 76, 2, dd))
            return fail("date is not a number");
        if (line.compare(78, 2, code) != 0) return fail("station code differs");
        // The next day of the year, in order and without a gap.
        if (++day > MonthLength(year, month)) { day = 1; ++month; }
        if (month > 12 || yy != year % 100 || mm != month || dd != day)
            return fail("date out of order");
        d.year = year;
        d.month = month;
        d.day = day;
        for (int slot = 0; slot < 2 * SlotsPerKind; ++slot) {
            const size_t at = 80 + SlotWidth * slot;
            if (line.compare(at, SlotWidth, "9999999") == 0) continue;
            // Hour and minute are blank-padded on their own: " 8 5" is 08:05.
            int hour, minute, height;
            if (!Field(line, at, 2, hour) || !Field(line, at + 2, 2, minute) ||
                !Field(line, at + 4, 3, height))
                return fail("high or low water is not a number");
            if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return fail("time out of range");
            d.events.push_back({60 * hour + minute, height, slot < SlotsPerKind});
        }
        table.days.push_back(d);
    }
    const int expected = IsLeapYear(year) ? 366 : 365;
    if (static_cast<int>(table.days.size()) != expected) {
        error = code + ": " + std::to_string(table.days.size()) + " days, not " +
                std::to_string(expected);
        return false;
    }
    return true;
}

bool ReadJmaTable(const std::string& path, const std::string& code, int year, JmaTable& table,
                  std::string& error)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = path + ": cannot be read";
        return false;
    }
    std::ostringstream text;
    text << f.rdbuf();
    return ParseJmaTable(text.str(), code, year, table, error);
}

} // namespace marevo::fit
