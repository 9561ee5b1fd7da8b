// Command handler of the main window: date moves, today, display periods, graph styles,
// redraw, help, and the entry points of printing, copying, the calendar and the version.
#include "app/commands.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/graph_pane.h"
#include "app/ids.h"
#include "app/window_services.h"
#include "app/port_tree.h"
#include "app/refresh.h"
#include "app/system_text.h"
#include "app/toolbar.h"
#include "app/ui_seam.h"
#include "views/view_layout.h"

namespace marevo {

namespace {

void SetButton(HWND toolbar, int id, bool pressed)
{
    SendMessageA(toolbar, TB_SETSTATE, id,
                 MAKELONG(TBSTATE_ENABLED | (pressed ? TBSTATE_CHECKED : 0), 0));
}

void Check(HWND window, int id, bool checked)
{
    CheckMenuItem(GetMenu(window), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MoveDate(AppState& app, int days)
{
    CivilDate date{app.CurrentYear, app.CurrentMonth, app.CurrentDay};
    if (!StepDate(date, days)) return; // a step past the program's years is not made
    app.CurrentYear = date.year;
    app.CurrentMonth = date.month;
    app.CurrentDay = date.day;
    RefreshDisplay(app, app.GraphPane);
}

void SetPeriod(AppState& app, HWND window, int period)
{
    app.settings.DisplayPeriod = period;
    SyncPeriodIndicators(app, window);
    RefreshDisplay(app, app.GraphPane);
}

// The bar-graph button and the two menu checks show the graph style.
void ShowStyle(const AppState& app, HWND window)
{
    const bool bars = app.settings.GraphStyle == BarGraph;
    SetButton(app.Toolbar, TB_BARS, bars);
    Check(window, CMD_BARS, bars);
    Check(window, CMD_LINES, !bars);
}

void SetStyle(AppState& app, HWND window, int style)
{
    app.settings.GraphStyle = style;
    ShowStyle(app, window);
    RefreshDisplay(app, app.GraphPane);
}

// Help: the platform's help file when it is installed, else the HTML page beside the program.
void OpenHelp(const AppState& app, HWND window)
{
    const std::wstring hlp = WideFromSjis(std::string(app.ModuleDir) + "marevo.hlp");
    if (GetFileAttributesW(hlp.c_str()) != INVALID_FILE_ATTRIBUTES) {
        WinHelpW(window, hlp.c_str(), HELP_FINDER, 0);
        return;
    }
    const std::string html = std::string(app.ModuleDir) + "marevo.html";
    // The help engine says when its file is missing; the page's opener does not.
    if (!OpenDocument(html.c_str())) ShowMessage(TextNoHelp, CaptionError);
}

// Formats one field of today's local time and converts it, as the date texts are read.
int TodayField(const std::tm& now, const char* format, int size)
{
    char text[8] = {};
    std::strftime(text, size, format, &now);
    return std::atoi(text);
}

} // namespace

void SetToday(AppState& app)
{
    const std::time_t t = std::time(nullptr);
    // A clock beyond what the runtime converts (after 3000 on Windows) gives no local time:
    // the date shown stays as it was.
    const std::tm* local = std::localtime(&t);
    if (!local) return;
    const std::tm now = *local;
    app.CurrentYear = TodayField(now, "%Y", 5);
    app.CurrentMonth = TodayField(now, "%m", 3);
    app.CurrentDay = TodayField(now, "%d", 3);
}

void OnCommand(AppState& app, HWND window, int id)
{
    // A toolbar button does what its menu command does.
    if (const int command = MenuCommandOf(id)) id = command;
    switch (id) {
    case CMD_EXIT: DestroyWindow(window); break;
    case CMD_PRINT: PrintView(app, app.MainWindow); break;
    case CMD_PRINT_SETTINGS: ShowPrintSettings(app, window); break;
    case CMD_COPY: CopyToClipboard(app, window); break;
    case CMD_REDRAW: RefreshDisplay(app, app.GraphPane); break;
    case CMD_TODAY: {
        SetToday(app);
        char day[4];
        std::snprintf(day, sizeof day, "%02d", app.CurrentDay);
        SetSjisText(app.DayLabel, day);
        RefreshDisplay(app, app.GraphPane);
        break;
    }
    case CMD_MINUS7: MoveDate(app, -7); break;
    case CMD_MINUS1: MoveDate(app, -1); break;
    case CMD_PLUS1: MoveDate(app, 1); break;
    case CMD_PLUS7: MoveDate(app, 7); break;
    case CMD_PERIOD1: SetPeriod(app, window, OneDay); break;
    case CMD_PERIOD7: SetPeriod(app, window, SevenDays); break;
    case CMD_PERIOD42: SetPeriod(app, window, FortyTwoDays); break;
    case CMD_TABLE: SetPeriod(app, window, TideTable); break;
    case CMD_BARS: SetStyle(app, window, BarGraph); break;
    case CMD_LINES: SetStyle(app, window, LineGraph); break;
    case TB_BARS: // the toolbar has toggled its own button already: the other style
        SetStyle(app, window, app.settings.GraphStyle == BarGraph ? LineGraph : BarGraph);
        break;
    case CMD_HELP: OpenHelp(app, window); break;
    case CMD_VERSION: ShowVersionDialog(app, window); break;
    case ID_CALENDAR_BUTTON: ShowCalendar(app); break;
    default: break;
    }
}

void ApplyStartupState(AppState& app, HWND window)
{
    SetToday(app);
    char text[8];
    std::snprintf(text, sizeof text, "%d", app.CurrentYear);
    SetSjisText(app.YearLabel, text);
    std::snprintf(text, sizeof text, "%02d", app.CurrentMonth);
    SetSjisText(app.MonthLabel, text);
    std::snprintf(text, sizeof text, "%02d", app.CurrentDay);
    SetSjisText(app.DayLabel, text);
    SetSjisText(app.FirstSlash, "/");
    SetSjisText(app.SecondSlash, "/");

    ShowStyle(app, window);

    app.CanvasX = 0;
    app.CanvasY = 0;
    int width, height;
    StartupCanvasSize(app.settings.DisplayPeriod, width, height);
    SyncPeriodIndicators(app, window);
    MoveWindow(app.CanvasWindow, 0, 0, width, height, TRUE);

    ApplyTreeExpansion(app);

    SetSjisText(app.PortLabel, app.settings.SavedPort);
    SetSjisText(app.PrefLabel, app.settings.SavedPref);

    CreateOffscreen(app);
    RefreshDisplay(app, app.GraphPane);
}

void SyncPeriodIndicators(AppState& app, HWND window)
{
    static const struct { int period, button, item; } Indicators[] = {
        {OneDay, TB_PERIOD1, CMD_PERIOD1},
        {SevenDays, TB_PERIOD7, CMD_PERIOD7},
        {FortyTwoDays, TB_PERIOD42, CMD_PERIOD42},
        {TideTable, TB_TABLE, CMD_TABLE},
    };
    for (const auto& row : Indicators) {
        SetButton(app.Toolbar, row.button, false);
        Check(window, row.item, false);
    }
    for (const auto& row : Indicators) {
        if (row.period != app.settings.DisplayPeriod) continue;
        SetButton(app.Toolbar, row.button, true);
        Check(window, row.item, true);
    }
}

namespace {

// The tooltip of a toolbar button is the string with its id.
template <class Request>
void SetToolTipOf(const AppState& app, Request& request)
{
    request.hinst = app.Instance;
    const UINT_PTR id = request.hdr.idFrom;
    if (IsToolbarButton(static_cast<int>(id)))
        request.lpszText = reinterpret_cast<decltype(request.lpszText)>(id);
}

} // namespace

void SetToolTipText(const AppState& app, NMTTDISPINFOA& request) { SetToolTipOf(app, request); }
void SetToolTipText(const AppState& app, NMTTDISPINFOW& request) { SetToolTipOf(app, request); }

} // namespace marevo
