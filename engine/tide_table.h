// The 42-day tide table: high and low waters of 42 days from a first day, in fixed slots.
// Slot n of day r is index 9r + n; heights in cm, times as whole hours and minutes.
#pragma once

#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/station.h"
#include "engine/tide.h"

namespace marevo {

constexpr int TableDays = 42;
constexpr int TableSlots = 9;
constexpr float EmptySlot = -1000.0f;

struct TideTableResults {
    float TableHour[TableDays * TableSlots];
    float TableMinute[TableDays * TableSlots];
    float TableHeight[TableDays * TableSlots];
    bool TableHigh[TableDays * TableSlots]; // kind of the event in a used slot (false if empty)
    int TableColumns = 0;      // largest slot index used on any day
    int FirstEventIsHigh = -1; // kind of the table's first event: 1 high, 0 low, -1 no event
    int MaxLowPerDay = 0;
    int MaxHighPerDay = 0;
};

// Rewrites results for 42 days from (year, month, day) (need not be normalised), February
// of cal as the caller set it; the day-by-day preparation works on copies of its own, so the
// caller's calendar is left as it was. Each day's events are those of FindDayExtremes with the day before's preparation, so a
// midnight extreme is listed on exactly one row; each slot keeps its event's own kind, and
// MaxLowPerDay, MaxHighPerDay and FirstEventIsHigh count those kinds. With days below
// TableDays only the first days rows are computed and the rest are left empty.
void ComputeTideTable(int year, int month, int day, const Station& station,
                      const Calendar& cal, TideTableResults& results, int days = TableDays);

} // namespace marevo
