// Start-up, the main window's creation, sizing, notifications and destruction, and the
// message loop. Positions and sizes in pixels.
#include "app/main_window.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/commands.h"
#include "views/gdi/gdi_scope.h"
#include "app/graph_pane.h"
#include "app/ids.h"
#include "app/window_services.h"
#include "app/port_tree.h"
#include "app/settings.h"
#include "app/system_text.h"
#include "app/toolbar.h"
#include "app/ui_seam.h"
#include "engine/station.h"
#include "shell/startup.h"
#include "text/wide_text.h"

namespace marevo {

namespace {

const char MutexName[] = "Marevo Mutex";
const char UiFace[] = "ＭＳ ゴシック";

constexpr int PortLabelWidth = 40;

struct ChildRow {
    HWND AppState::*handle; // where the window is kept
    HWND AppState::*parent;
    const char* className;
    const char* text;
    int x, y, width, height, id;
    DWORD style, exStyle;
};

// Controls inside the toolbar, in creation order.
const ChildRow ToolbarChildren[] = {
    {&AppState::SiteBox, &AppState::Toolbar, "STATIC", "", 350, 2, 110, 20, ID_SITE_BOX, WS_BORDER, WS_EX_STATICEDGE},
    {&AppState::PrefLabel, &AppState::SiteBox, "STATIC", "", 6, 2, 50, 15, ID_PREF_LABEL, 0, 0},
    {&AppState::PortLabel, &AppState::SiteBox, "STATIC", "", 62, 2, PortLabelWidth, 15, ID_PORT_LABEL, 0, 0},
    {&AppState::DateBox, &AppState::Toolbar, "STATIC", "", 470, 2, 83, 20, ID_SITE_BOX, WS_BORDER, WS_EX_STATICEDGE},
    {&AppState::FirstSlash, &AppState::DateBox, "STATIC", "", 32, 2, 5, 20, ID_DAY_LABEL, 0, 0},
    {&AppState::SecondSlash, &AppState::DateBox, "STATIC", "", 54, 2, 5, 20, ID_DAY_LABEL, 0, 0},
    {&AppState::YearLabel, &AppState::DateBox, "STATIC", "", 5, 2, 26, 20, ID_YEAR_LABEL, 0, 0},
    {&AppState::MonthLabel, &AppState::DateBox, "STATIC", "", 40, 2, 13, 20, ID_MONTH_LABEL, 0, 0},
    {&AppState::DayLabel, &AppState::DateBox, "STATIC", "", 62, 2, 13, 20, ID_DAY_LABEL, 0, 0},
    {&AppState::CalendarButton, &AppState::Toolbar, "BUTTON", "*", 553, 2, 15, 19, ID_CALENDAR_BUTTON, BS_PUSHBUTTON, 0},
};

// Windows that show the toolbar font.
HWND AppState::*const FontWindows[] = {
    &AppState::PrefLabel, &AppState::PortLabel, &AppState::FirstSlash, &AppState::SecondSlash,
    &AppState::YearLabel, &AppState::MonthLabel, &AppState::DayLabel, &AppState::CalendarButton,
};

// Every class of the program is a wide one: its windows take and give UTF-16 texts.
bool RegisterPlainClass(HINSTANCE instance, WNDPROC procedure, const wchar_t* name, HICON icon,
                        const wchar_t* menu)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = menu;
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

// A string resource (UTF-16 in the executable) as Shift-JIS, at most size - 1 bytes.
void LoadSjisString(HINSTANCE instance, UINT id, char* out, int size)
{
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    const std::string sjis = length > 0 ? SjisFromWide(std::wstring(text, length),
                                                       static_cast<size_t>(size - 1))
                                        : std::string();
    std::memcpy(out, sjis.c_str(), sjis.size() + 1);
}

void CreateToolbar(AppState& app, HWND window)
{
    TBBUTTON buttons[ToolbarButtonCount] = {};
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        buttons[i].iBitmap = ToolbarButtons[i].image;
        buttons[i].idCommand = ToolbarButtons[i].id;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = ToolbarButtons[i].style;
    }
    app.Toolbar = CreateToolbarEx(window, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                                  ID_TOOLBAR, ToolbarButtonCount, app.Instance, IDB_TOOLBAR,
                                  buttons, ToolbarButtonCount, 0, 0, 0, 0, sizeof(TBBUTTON));
    for (int position : ToolbarSeparators) {
        TBBUTTON separator = {};
        separator.fsStyle = TBSTYLE_SEP;
        SendMessageA(app.Toolbar, TB_INSERTBUTTONA, position,
                     reinterpret_cast<LPARAM>(&separator));
    }
}

// Widens the port label to four full-width characters of the toolbar font (the longest port
// name the label holds) where the font draws them wider than the label's 40 pixels: the
// site box grows with it, and the date box and the calendar button move right by as much.
void FitPortLabel(AppState& app)
{
    SIZE four = {};
    {
        ScopedGetDC dc(app.PortLabel);
        ScopedSelectObject font(dc.get(), app.UiFont.get());
        GetTextExtentPoint32W(dc.get(), L"土佐清水", 4, &four);
    }
    const int extra = four.cx + 1 - PortLabelWidth;
    if (extra <= 0) return;
    auto widen = [](HWND control, int dx, int dw) {
        RECT r = {};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        MoveWindow(control, r.left + dx, r.top, r.right - r.left + dw, r.bottom - r.top, TRUE);
    };
    widen(app.PortLabel, 0, extra);
    widen(app.SiteBox, 0, extra);
    widen(app.DateBox, extra, 0);
    widen(app.CalendarButton, extra, 0);
}

void OnCreate(HWND window)
{
    AppState& app = App();
    app.MainWindow = window;

    RegisterPaneClass(app.Instance, GraphPaneProc, "TideGraphWnd");
    app.GraphPane = CreateWindowExW(WS_EX_CLIENTEDGE, L"TideGraphWnd", L"", WS_CHILD | WS_VISIBLE,
                                    0, 0, 0, 0, window, reinterpret_cast<HMENU>(ID_GRAPH_PANE),
                                    app.Instance, nullptr);
    RegisterPaneClass(app.Instance, PortTreeProc, "PortTreeWnd");
    app.TreePane = CreateWindowExW(WS_EX_CLIENTEDGE, L"PortTreeWnd", L"",
                                   WS_CHILD | WS_VISIBLE | WS_THICKFRAME, 0, 0,
                                   app.settings.TreeWidth, 0, window,
                                   reinterpret_cast<HMENU>(ID_TREE_PANE), app.Instance, nullptr);

    INITCOMMONCONTROLSEX init = {sizeof init, ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    CreateToolbar(app, window);

    for (const ChildRow& row : ToolbarChildren) {
        app.*row.handle = CreateWindowExW(row.exStyle, WideFromSjis(row.className).c_str(),
                                          WideFromSjis(row.text).c_str(),
                                          WS_CHILD | WS_VISIBLE | row.style, row.x, row.y,
                                          row.width, row.height, app.*row.parent,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                          app.Instance, nullptr);
    }

    LayoutPanes(app);

    app.UiFont.reset(CreateFontW(12, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                                 0, WideFromSjis(UiFace).c_str()));
    for (HWND AppState::*handle : FontWindows)
        SendMessageA(app.*handle, WM_SETFONT, reinterpret_cast<WPARAM>(app.UiFont.get()), TRUE);
    FitPortLabel(app);

    ApplyStartupState(app, window);
}

void OnSize(AppState& app, WPARAM wParam, LPARAM lParam)
{
    SendMessageA(app.Toolbar, WM_SIZE, wParam, lParam);
    LayoutPanes(app);
}

void OnDestroy(AppState& app)
{
    SaveSettings(app);
    app.UiFont.reset();
    app.offscreen.reset();
    PostQuitMessage(0);
}

} // namespace

int IsAlreadyRunning()
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, MutexName);
    (void)mutex; // kept open until the process ends
    return GetLastError() == ERROR_ALREADY_EXISTS ? 1 : 0;
}

std::string SjisPathOf(const wchar_t* path)
{
    const std::string sjis = SjisFromWide(path);
    if (WideFromSjis(sjis) == path) return sjis;
    // A name code page 932 does not hold (such as "Zoë") has a short form in ASCII.
    wchar_t shortPath[MAX_PATH + 1] = {};
    const DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return sjis;
    return SjisFromWide(shortPath);
}

ATOM RegisterPaneClass(HINSTANCE instance, WNDPROC procedure, const char* className)
{
    const std::wstring name = WideFromSjis(className);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name.c_str();
    wc.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    return RegisterClassExW(&wc);
}

bool StartProgram(HINSTANCE instance, const char* moduleDir, int showCommand)
{
    AppState& app = App();
    if (std::strlen(moduleDir) > static_cast<size_t>(MaxModuleDir)) {
        ShowMessage(TextFailed, "");
        return false;
    }
    std::snprintf(app.ModuleDir, sizeof app.ModuleDir, "%s", moduleDir);
    std::snprintf(app.IniPath, sizeof app.IniPath, "%smarevo.ini", app.ModuleDir);

    // The port files are read beside the program, through the wide file functions: the path
    // is Shift-JIS whatever the system's code page.
    app.session = Session([dir = std::string(app.ModuleDir)](const std::string& fileName,
                                                             Station& station) {
        const std::string path = StationFilePath(dir, fileName);
        return LoadStationFrom(OpenSjisFile(path.c_str(), "rb"), path.c_str(), station);
    });
    LoadSettings(app);
    const Settings& s = app.settings;
    const Point notice = NoticePosition(s.XPosition, s.YPosition, s.Width, s.Height);

    app.Instance = instance;
    LoadSjisString(instance, STR_VERSION, app.VersionText, sizeof app.VersionText);
    LoadSjisString(instance, STR_MAIL, app.MailText, sizeof app.MailText);
    LoadSjisString(instance, STR_WEB, app.WebText, sizeof app.WebText);

    if (!RegisterPlainClass(instance, NoticeWindowProc, L"Warning", nullptr, nullptr)) return false;
    app.NoticeWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"Warning", L"", WS_POPUP | WS_DLGFRAME,
                                       notice.x, notice.y, NoticeWidth, NoticeHeight, nullptr,
                                       nullptr, instance, nullptr);

    HICON icon = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAREVO), IMAGE_ICON, 32, 32, 0));
    if (!RegisterPlainClass(instance, MainWindowProc, L"Marevo", icon, MAKEINTRESOURCEW(IDM_MAIN)))
        return false;
    HWND main = CreateWindowExW(0, L"Marevo", L"Marevo", WS_OVERLAPPEDWINDOW, s.XPosition,
                                s.YPosition, s.Width, s.Height, nullptr, nullptr, instance, nullptr);
    app.MainWindow = main;
    ShowWindow(main, showCommand);
    UpdateWindow(main);

    if (app.NoticeWindow) {
        SetWindowPos(app.NoticeWindow, HWND_TOPMOST, notice.x, notice.y, NoticeWidth,
                     NoticeHeight, SWP_SHOWWINDOW);
        UpdateWindow(app.NoticeWindow);
    }

    if (!RegisterPlainClass(instance, CalendarWindowProc, L"Cal", nullptr, nullptr)) return false;
    app.CalendarWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"Cal", L"", WS_POPUP | WS_BORDER, 0, 0,
                                         0, 0, main, nullptr, instance, nullptr);
    UpdateWindow(app.CalendarWindow);

    app.Accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN));
    if (!app.Accelerators) ShowMessage(TextFailed, "");
    if (!app.NoticeWindow) ShowMessage(TextNoHandle, "");
    return true;
}

void DispatchProgramMessage(AppState& app, MSG& message)
{
    if (app.Accelerators && app.MainWindow &&
        TranslateAcceleratorW(app.MainWindow, app.Accelerators, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop(AppState& app)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchProgramMessage(app, message);
    return static_cast<int>(message.wParam);
}

int MarevoMain(HINSTANCE instance, int showCommand)
{
    if (IsAlreadyRunning()) return 0;
    wchar_t exePath[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 0;
    const std::string moduleDir = ModuleDirOf(SjisPathOf(exePath).c_str());
    if (!StartProgram(instance, moduleDir.c_str(), showCommand)) return 0;
    return RunMessageLoop(App());
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    AppState& app = App();
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_SIZE:
        OnSize(app, wParam, lParam);
        return 0;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        // A wide window is asked in the wide form; the other is answered alike.
        if (header->code == TTN_GETDISPINFOW)
            SetToolTipText(app, *reinterpret_cast<NMTTDISPINFOW*>(lParam));
        else if (header->code == TTN_GETDISPINFOA)
            SetToolTipText(app, *reinterpret_cast<NMTTDISPINFOA*>(lParam));
        return 0;
    }
    case WM_COMMAND:
        OnCommand(app, window, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        OnDestroy(app);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace marevo
