// The refresh pipeline: every change of port, date, period or style ends here; the station
// file is read again and everything is recomputed. Heights in cm; canvas sizes in pixels.
#include "app/refresh.h"

#include <cstdio>
#include <string>

#include "app/graph_pane.h"
#include "app/port_tree.h"
#include "app/system_text.h"
#include "app/ui_seam.h"
#include "engine/vertical_scale.h"
#include "views/gdi/gdi_canvas.h"
#include "views/tide_table_view.h"
#include "views/view_model.h"

namespace marevo {

namespace {

void SetNumberLabel(HWND label, const char* format, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    SetSjisText(label, text);
}

} // namespace

ViewModel ViewModelOf(const AppState& app)
{
    ViewModel model;
    model.year = app.CurrentYear;
    model.month = app.CurrentMonth;
    model.day = app.CurrentDay;
    model.station = &app.station;
    model.calendar = &app.calendar;
    model.tables = &app.tables;
    model.tideTable = &app.tideTable;
    model.verticalScale = app.VerticalScale;
    model.graphStyle = app.settings.GraphStyle;
    model.palette = &app.palette;
    return model;
}

void RefreshDisplay(AppState& app, HWND window)
{
    SetNumberLabel(app.YearLabel, "%4d", app.CurrentYear);
    SetNumberLabel(app.MonthLabel, "%02d", app.CurrentMonth);
    SetNumberLabel(app.DayLabel, "%02d", app.CurrentDay);

    // The labels hold the whole node texts, so every port the tree lists can be loaded.
    char port[MaxNodeText + 1] = {}, pref[MaxNodeText + 1] = {};
    GetSjisText(app.PortLabel, port, sizeof port);
    GetSjisText(app.PrefLabel, pref, sizeof pref);
    if (!port[0] || !pref[0]) {
        ShowMessage(TextNoPort, CaptionError);
        return;
    }

    // A prefecture the tree does not know names no file; it is reported like a missing one.
    const int code = PrefectureCodeOf(app, pref);
    Station loaded = app.station;
    LoadStatus status = LoadStatus::OpenFailed;
    if (code >= 0) {
        // Opened through the wide file functions: the path is Shift-JIS whatever the
        // system's code page.
        const std::string path = StationFilePath(app.ModuleDir, StationFileNameOf(code, port));
        status = LoadStationFrom(OpenSjisFile(path.c_str(), "rb"), path.c_str(), loaded);
    }
    if (status != LoadStatus::Ok) {
        // The old picture stays and the user may choose another port.
        ShowMessage(TextCannotOpen, CaptionError);
        return;
    }
    app.station = loaded;

    SetFebruaryForYear(app.calendar, app.CurrentYear);
    PrepareConstituents(app.CurrentYear, app.CurrentMonth, app.CurrentDay, app.station,
                        app.calendar, app.tables);

    app.VerticalScale = VerticalScaleOf(app.station);

    const int period = app.settings.DisplayPeriod;
    if (period == TideTable) {
        // The table prepares 42 days; it works on copies so that the tables of the state
        // stay those of the displayed date.
        Calendar scratchCalendar = app.calendar;
        ConstituentTables scratchTables = app.tables;
        ComputeTideTable(app.CurrentYear, app.CurrentMonth, app.CurrentDay, app.station,
                         scratchCalendar, scratchTables, app.detector, app.tideTable);
        app.TableWidth = TideTableWidth(app.tideTable);
    }
    int width = 0, height = 0;
    if (CanvasSizeFor(period, app.TableWidth, width, height)) {
        MoveWindow(app.CanvasWindow, app.CanvasX, app.CanvasY, width, height, TRUE);
    }

    DeleteOffscreen(app);
    CreateOffscreen(app);
    LayoutPanes(app);

    SetViewPalette(app.palette, 1);
    const ViewModel model = ViewModelOf(app);
    ViewReport report;
    {
        GdiCanvas canvas(app.OffscreenDC);
        report = DrawView(period, canvas, model);
    }
    InvalidateRect(window, nullptr, FALSE);

    // Said once per drawing, after it, so the picture is complete behind the message.
    if (report.sunErrors > 0) ShowMessage(TextSunError, CaptionError);
}

} // namespace marevo
