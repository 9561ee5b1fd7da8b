// The 42-day tide table: each day's high and low waters in nine fixed slots, and the
// layout figures of the table (columns, first event type, highs and lows per day).
#include "engine/tide_table.h"

namespace marevo {

// ComputeTideTable: high and low waters of 42 days from (year, month, day).
// When day 0 has fewer than two distinct events the first type is decided by continuing
// over the used slots of the following days in reading order.
void ComputeTideTable(int year, int month, int day, const Station& station, Calendar& cal,
                      ConstituentTables& tables, ExtremeDetector& detector, TideTableResults& res)
{
    res.TableColumns = 0;
    for (int i = 0; i < TableDays * TableSlots; ++i)
        res.TableHour[i] = res.TableMinute[i] = res.TableHeight[i] = EmptySlot;
    DayExtremes ex;
    for (int r = 0; r < TableDays; ++r) {
        NormalizeDate(year, month, day);
        if (IsLeapYear(year)) cal.MonthLengths[2] = 29;
        PrepareConstituents(year, month, day, station, cal, tables);
        FindDayExtremes(station, tables, detector, ex);
        for (int j = 0; j < ex.count && j < TableSlots; ++j) {
            res.TableHour[9 * r + j] = ex.events[j].hour;
            res.TableMinute[9 * r + j] = ex.events[j].minute;
            res.TableHeight[9 * r + j] = ex.events[j].height;
            if (j > res.TableColumns) res.TableColumns = j;
        }
        day += 1;
    }
    // Walk the used slots in reading order; position 0 is the first event of the table.
    res.FirstEventIsHigh = -1;
    int pos = 0;
    float prev = 0;
    bool havePrev = false;
    for (int i = 0; i < TableDays * TableSlots && res.FirstEventIsHigh < 0; ++i) {
        if (res.TableHeight[i] == EmptySlot) continue;
        if (havePrev && res.TableHeight[i] != prev) {
            const bool high = res.TableHeight[i] > prev;
            res.FirstEventIsHigh = (high == (pos % 2 == 0)) ? 1 : 0;
        }
        prev = res.TableHeight[i];
        havePrev = true;
        ++pos;
    }
    res.MaxLowPerDay = res.MaxHighPerDay = 0;
    int q = res.FirstEventIsHigh;
    for (int r = 0; r < TableDays; ++r) {
        int lows = 0, highs = 0;
        for (int j = 0; j < TableSlots; ++j) {
            if (res.TableHeight[9 * r + j] == EmptySlot) continue;
            if (q % 2 != 0) ++highs; else ++lows;
            ++q;
        }
        if (lows > res.MaxLowPerDay) res.MaxLowPerDay = lows;
        if (highs > res.MaxHighPerDay) res.MaxHighPerDay = highs;
    }
}

} // namespace marevo
