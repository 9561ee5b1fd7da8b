// The 42-day tide table: each day's high and low waters in nine fixed slots, and the
// layout figures of the table (columns, first event type, highs and lows per day).
#include "engine/tide_table.h"

namespace marevo {

// ComputeTideTable: high and low waters of 42 days (or fewer) from (year, month, day).
void ComputeTideTable(int year, int month, int day, const Station& station,
                      const Calendar& callerCalendar, TideTableResults& res, int days)
{
    // Scratch records: the loop moves the calendar and the tables on day by day.
    Calendar cal = callerCalendar;
    ConstituentTables tables;
    ExtremeDetector detector;
    res.TableColumns = 0;
    for (int i = 0; i < TableDays * TableSlots; ++i) {
        res.TableHour[i] = res.TableMinute[i] = res.TableHeight[i] = EmptySlot;
        res.TableHigh[i] = false;
    }
    // The day before the first, prepared on a scratch calendar, decides the first midnight.
    ConstituentTables before;
    PrepareDayBefore(year, month, day, station, cal, before);
    DayExtremes ex;
    CarriedSamples carry;
    for (int r = 0; r < days && r < TableDays; ++r) {
        NormalizeDate(year, month, day);
        if (IsLeapYear(year)) cal.MonthLengths[2] = 29;
        PrepareConstituents(year, month, day, station, cal, tables);
        FindDayExtremes(station, before, tables, detector, ex, &carry);
        for (int j = 0; j < ex.count && j < TableSlots; ++j) {
            res.TableHour[9 * r + j] = ex.events[j].hour;
            res.TableMinute[9 * r + j] = ex.events[j].minute;
            res.TableHeight[9 * r + j] = ex.events[j].height;
            res.TableHigh[9 * r + j] = ex.events[j].high;
            if (j > res.TableColumns) res.TableColumns = j;
        }
        before = tables;
        day += 1;
    }
    // Every event carries its kind, so the first one tells and each day counts its own.
    res.FirstEventIsHigh = -1;
    res.MaxLowPerDay = res.MaxHighPerDay = 0;
    for (int r = 0; r < TableDays; ++r) {
        int lows = 0, highs = 0;
        for (int j = 0; j < TableSlots; ++j) {
            const int i = 9 * r + j;
            if (res.TableHeight[i] == EmptySlot) continue;
            if (res.FirstEventIsHigh < 0) res.FirstEventIsHigh = res.TableHigh[i] ? 1 : 0;
            if (res.TableHigh[i]) ++highs; else ++lows;
        }
        if (lows > res.MaxLowPerDay) res.MaxLowPerDay = lows;
        if (highs > res.MaxHighPerDay) res.MaxHighPerDay = highs;
    }
}

} // namespace marevo
