// The refresh pipeline: every change of port, date, period or style ends here; the station
// file is read again and PrepareView recomputes everything else. Heights in cm; canvas
// sizes in pixels.
#include "app/refresh.h"

#include <cstdio>
#include <string>

#include "app/graph_pane.h"
#include "app/port_tree.h"
#include "app/screen_scale.h"
#include "app/system_text.h"
#include "app/ui_seam.h"
#include "views/gdi/gdi_canvas.h"
#include "views/prepare_view.h"
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
    std::string fileName;
    if (code >= 0) {
        // Opened through the wide file functions: the path is Shift-JIS whatever the
        // system's code page.
        fileName = StationFileNameOf(code, port);
        const std::string path = StationFilePath(app.ModuleDir, fileName);
        status = LoadStationFrom(OpenSjisFile(path.c_str(), "rb"), path.c_str(), loaded);
    }
    if (status == LoadStatus::Damaged) {
        // A file cut short or with a line missing: named, so that it can be replaced; the
        // old picture stays.
        ShowMessage((std::string(TextDamaged) + "\n" + StationFilePath("", fileName)).c_str(),
                    CaptionError);
        return;
    }
    if (status != LoadStatus::Ok) {
        // The old picture stays and the user may choose another port.
        ShowMessage(TextCannotOpen, CaptionError);
        return;
    }
    app.station = loaded;

    // The records of the state hold what the picture is drawn from; the tide table and its
    // width change only with a table view, the hover cells of the last table keep theirs.
    const int period = app.settings.DisplayPeriod;
    PreparedView prepared;
    PrepareView(app.station, app.CurrentYear, app.CurrentMonth, app.CurrentDay, period,
                app.settings.GraphStyle, 1, prepared);
    app.calendar = prepared.calendar;
    app.tables = prepared.tables;
    app.VerticalScale = prepared.verticalScale;
    app.palette = prepared.palette;
    if (period == TideTable) {
        app.tideTable = prepared.tideTable;
        app.TableWidth = prepared.width;
    }
    // The canvas holds the view at the screen's scale.
    if (prepared.width > 0)
        MoveWindow(app.CanvasWindow, app.CanvasX, app.CanvasY, Scaled(app, prepared.width),
                   Scaled(app, prepared.height), TRUE);

    DeleteOffscreen(app);
    CreateOffscreen(app);
    LayoutPanes(app);

    const ViewModel model = ViewModelOf(app);
    ViewReport report;
    {
        ScopedViewScale scale(app.OffscreenDC, app.Dpi);
        GdiCanvas canvas(app.OffscreenDC);
        report = DrawView(period, canvas, model);
    }
    InvalidateRect(window, nullptr, FALSE);

    // Said once per drawing, after it, so the picture is complete behind the message.
    if (report.sunErrors > 0) ShowMessage(TextSunError, CaptionError);
}

} // namespace marevo
