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

// Today's local date, by the formatted fields of the local time as the date texts are read.
int TodayField(const std::tm& now, const char* format, int size)
{
    char text[8] = {};
    std::strftime(text, size, format, &now);
    return std::atoi(text);
}

} // namespace

CivilDate Today()
{
    const std::time_t t = std::time(nullptr);
    // A clock beyond what the runtime converts (after 3000 on Windows) gives no local time:
    // no date, and the date shown stays as it was.
    const std::tm* local = std::localtime(&t);
    if (!local) return {0, 0, 0};
    const std::tm now = *local;
    return {TodayField(now, "%Y", 5), TodayField(now, "%m", 3), TodayField(now, "%d", 3)};
}

void ShowStyle(AppState& app, HWND window)
{
    const bool bars = app.session.Style() == BarGraph;
    SetButton(app.Toolbar, TB_BARS, bars);
    Check(window, CMD_BARS, bars);
    Check(window, CMD_LINES, !bars);
}

void OnCommand(AppState& app, HWND window, int id)
{
    Session& session = app.session;
    // A toolbar button does what its menu command does.
    if (const int command = MenuCommandOf(id)) id = command;
    switch (id) {
    case CMD_EXIT: DestroyWindow(window); break;
    case CMD_PRINT: PrintView(app, app.MainWindow); break;
    case CMD_PRINT_SETTINGS: ShowPrintSettings(app, window); break;
    case CMD_COPY: CopyToClipboard(app, window); break;
    case CMD_REDRAW: ShowOutcome(app, session.Redraw()); break;
    case CMD_TODAY: ShowOutcome(app, session.GoToToday(Today())); break;
    case CMD_MINUS7: ShowOutcome(app, session.StepDate(-7)); break;
    case CMD_MINUS1: ShowOutcome(app, session.StepDate(-1)); break;
    case CMD_PLUS1: ShowOutcome(app, session.StepDate(1)); break;
    case CMD_PLUS7: ShowOutcome(app, session.StepDate(7)); break;
    case CMD_PERIOD1: ShowOutcome(app, session.SetPeriod(OneDay)); break;
    case CMD_PERIOD7: ShowOutcome(app, session.SetPeriod(SevenDays)); break;
    case CMD_PERIOD42: ShowOutcome(app, session.SetPeriod(FortyTwoDays)); break;
    case CMD_TABLE: ShowOutcome(app, session.SetPeriod(TideTable)); break;
    case CMD_BARS: ShowOutcome(app, session.SetStyle(BarGraph)); break;
    case CMD_LINES: ShowOutcome(app, session.SetStyle(LineGraph)); break;
    case TB_BARS: // the toolbar has toggled its own button already: the other style
        ShowOutcome(app, session.ToggleStyle());
        break;
    case CMD_HELP: OpenHelp(app, window); break;
    case CMD_VERSION: ShowVersionDialog(app, window); break;
    case ID_CALENDAR_BUTTON: ShowCalendar(app); break;
    default: break;
    }
}

void ApplyStartupState(AppState& app, HWND window)
{
    (void)window;
    // Before the first picture the canvas has the period's start-up size, which stays when
    // the port cannot be read.
    app.CanvasX = 0;
    app.CanvasY = 0;
    int width, height;
    app.session.CanvasSize(width, height);
    MoveWindow(app.CanvasWindow, 0, 0, width, height, TRUE);

    ApplyTreeExpansion(app);

    CreateOffscreen(app);
    ShowOutcome(app, app.session.Start(Today()));
}

void ShowPeriod(AppState& app, HWND window)
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
        if (row.period != app.session.Period()) continue;
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
