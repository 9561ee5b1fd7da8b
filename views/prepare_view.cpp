// PrepareView: the calendar, constituent tables, tide table, scale and palette of a view.
// Heights in cm.
#include "views/prepare_view.h"

#include <algorithm>

#include "engine/tide.h"
#include "engine/vertical_scale.h"
#include "views/tide_table_view.h"

namespace marevo {

namespace {

void Include(SpanHeights& span, float heightCm)
{
    span.lowestCm = std::min(span.lowestCm, static_cast<double>(heightCm));
    span.highestCm = std::max(span.highestCm, static_cast<double>(heightCm));
}

void IncludeEvents(SpanHeights& span, const DayExtremes& extremes)
{
    for (int i = 0; i < extremes.count; ++i) Include(span, extremes.events[i].height);
}

} // namespace

SpanHeights SpanHeightsOf(const Station& station, int year, int month, int day, int period,
                          const Calendar& calendar, const ConstituentTables& tables,
                          const ConstituentTables* dayBefore)
{
    SpanHeights span;
    if (period == OneDay) {
        ConstituentTables before;
        if (dayBefore == nullptr) {
            PrepareDayBefore(year, month, day, station, calendar, before);
            dayBefore = &before;
        }
        ExtremeDetector detector;
        DayExtremes extremes;
        FindDayExtremes(station, *dayBefore, tables, detector, extremes);
        IncludeEvents(span, extremes);
    } else if (period == SevenDays || period == FortyTwoDays) {
        // Every day's high and low waters as the tide table finds them (each day from its own
        // preparation and the day before's, as the seven-day view lists them).
        const int days = period == SevenDays ? 7 : TableDays;
        TideTableResults table;
        ComputeTideTable(year, month, day, station, calendar, table, days);
        for (int i = 0; i < days * TableSlots; ++i)
            if (table.TableHeight[i] != EmptySlot) Include(span, table.TableHeight[i]);
    }
    return span;
}

void PrepareView(const Station& station, int year, int month, int day, int period, int style,
                 int colour, PreparedView& view)
{
    SetFebruaryForYear(view.calendar, year);
    PrepareConstituents(year, month, day, station, view.calendar, view.tables);
    ViewModel& model = view.model;
    model = ViewModel();
    if (period == OneDay) {
        PrepareDayBefore(year, month, day, station, view.calendar, view.dayBefore);
        model.dayBefore = &view.dayBefore;
    }
    int tableWidth = 0;
    if (period == TideTable) {
        ComputeTideTable(year, month, day, station, view.calendar, view.tideTable);
        tableWidth = TideTableWidth(view.tideTable);
    }
    if (!CanvasSizeFor(period, tableWidth, view.width, view.height)) view.width = view.height = 0;
    // The port's scale, widened where it would cut what the view shows.
    const SpanHeights span =
        SpanHeightsOf(station, year, month, day, period, view.calendar, view.tables,
                      period == OneDay ? &view.dayBefore : nullptr);
    view.verticalScale = ScaleHolding(VerticalScaleOf(station), span.lowestCm, span.highestCm);
    SetViewPalette(view.palette, colour);

    model.year = year;
    model.month = month;
    model.day = day;
    model.station = &station;
    model.calendar = &view.calendar;
    model.tables = &view.tables;
    model.tideTable = &view.tideTable;
    model.verticalScale = view.verticalScale;
    model.graphStyle = style;
    model.palette = &view.palette;
}

} // namespace marevo
