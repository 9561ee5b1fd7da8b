// PrepareView: the calendar, constituent tables, tide table, scale and palette of a view.
#include "views/prepare_view.h"

#include "engine/tide.h"
#include "engine/vertical_scale.h"
#include "views/tide_table_view.h"

namespace marevo {

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
    view.verticalScale = VerticalScaleOf(station);
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
