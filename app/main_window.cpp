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
#include "app/refresh.h"
#include "app/screen_scale.h"
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
    {&AppState::FirstSlash, &AppState::DateBox, "STATIC", "/", 32, 2, 5, 20, ID_DAY_LABEL, 0, 0},
    {&AppState::SecondSlash, &AppState::DateBox, "STATIC", "/", 54, 2, 5, 20, ID_DAY_LABEL, 0, 0},
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

// The toolbar strip at the screen's scale, its system colours mapped as the toolbar maps
// them: each pixel of the 16-pixel art becomes a block of the scaled size (nearest pixel),
// so the art stays sharp. Null where it cannot be made.
HBITMAP ScaledToolbarStrip(const AppState& app, int image)
{
    ScopedGdiObj<HBITMAP> strip(CreateMappedBitmap(app.Instance, IDB_TOOLBAR, 0, nullptr, 0));
    if (!strip.get()) return nullptr;
    const int width = image * ToolbarButtonCount;
    ScopedGetDC screen(nullptr);
    ScopedDC from(CreateCompatibleDC(screen.get())), to(CreateCompatibleDC(screen.get()));
    HBITMAP scaled = CreateCompatibleBitmap(screen.get(), width, image);
    if (!scaled) return nullptr;
    {
        ScopedSelectObject source(from.get(), strip.get());
        ScopedSelectObject target(to.get(), scaled);
        SetStretchBltMode(to.get(), COLORONCOLOR);
        StretchBlt(to.get(), 0, 0, width, image, from.get(), 0, 0, 16 * ToolbarButtonCount, 16,
                   SRCCOPY);
    }
    return scaled;
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
    const DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS;
    const int image = Scaled(app, 16);
    HBITMAP strip = image != 16 ? ScaledToolbarStrip(app, image) : nullptr;
    if (strip) {
        // In the order the toolbar needs: the image size before the images.
        app.Toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, style, 0, 0, 0, 0, window,
                                      reinterpret_cast<HMENU>(ID_TOOLBAR), app.Instance, nullptr);
        SendMessageW(app.Toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageW(app.Toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(image, image));
        TBADDBITMAP images = {nullptr, reinterpret_cast<UINT_PTR>(strip)};
        SendMessageW(app.Toolbar, TB_ADDBITMAP, ToolbarButtonCount,
                     reinterpret_cast<LPARAM>(&images));
        SendMessageW(app.Toolbar, TB_ADDBUTTONSW, ToolbarButtonCount,
                     reinterpret_cast<LPARAM>(buttons));
        SendMessageW(app.Toolbar, TB_AUTOSIZE, 0, 0);
        DeleteObject(strip); // the toolbar has copied it into its images
    } else {
        app.Toolbar = CreateToolbarEx(window, style, ID_TOOLBAR, ToolbarButtonCount, app.Instance,
                                      IDB_TOOLBAR, buttons, ToolbarButtonCount, 0, 0, 0, 0,
                                      sizeof(TBBUTTON));
    }
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
    const int extra = four.cx + 1 - Scaled(app, PortLabelWidth);
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

// The toolbar, the boxes and labels inside it and their font, at the screen's scale.
void BuildToolbar(AppState& app, HWND window)
{
    CreateToolbar(app, window);
    for (const ChildRow& row : ToolbarChildren) {
        app.*row.handle = CreateWindowExW(row.exStyle, WideFromSjis(row.className).c_str(),
                                          WideFromSjis(row.text).c_str(),
                                          WS_CHILD | WS_VISIBLE | row.style, Scaled(app, row.x),
                                          Scaled(app, row.y), Scaled(app, row.width),
                                          Scaled(app, row.height), app.*row.parent,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                          app.Instance, nullptr);
    }
}

void SetToolbarFont(AppState& app)
{
    app.UiFont.reset(CreateFontW(Scaled(app, 12), 0, 0, 0, 400, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, 0, 0, 0, 0, WideFromSjis(UiFace).c_str()));
    for (HWND AppState::*handle : FontWindows)
        SendMessageA(app.*handle, WM_SETFONT, reinterpret_cast<WPARAM>(app.UiFont.get()), TRUE);
    FitPortLabel(app);
}

void OnCreate(HWND window)
{
    AppState& app = App();
    app.MainWindow = window;
    app.Dpi = WindowDpi(window);

    RegisterPaneClass(app.Instance, GraphPaneProc, "TideGraphWnd");
    app.GraphPane = CreateWindowExW(WS_EX_CLIENTEDGE, L"TideGraphWnd", L"", WS_CHILD | WS_VISIBLE,
                                    0, 0, 0, 0, window, reinterpret_cast<HMENU>(ID_GRAPH_PANE),
                                    app.Instance, nullptr);
    RegisterPaneClass(app.Instance, PortTreeProc, "PortTreeWnd");
    app.TreePane = CreateWindowExW(WS_EX_CLIENTEDGE, L"PortTreeWnd", L"",
                                   WS_CHILD | WS_VISIBLE | WS_THICKFRAME, 0, 0,
                                   Scaled(app, app.settings.TreeWidth), 0, window,
                                   reinterpret_cast<HMENU>(ID_TREE_PANE), app.Instance, nullptr);
    // No width saved yet: wide enough for the names, in the tree's own font.
    if (app.settings.TreeWidth == 0) {
        app.settings.TreeWidth = FittingTreeWidth(app);
        MoveWindow(app.TreePane, 0, 0, app.settings.TreeWidth, 0, FALSE);
    }

    INITCOMMONCONTROLSEX init = {sizeof init, ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    BuildToolbar(app, window);

    LayoutPanes(app);

    SetToolbarFont(app);

    ApplyStartupState(app, window);
    // The port shown is the one selected in the tree, in sight.
    RevealShownPort(app);
}

// Moved to a monitor of another scale (or the scale changed): the toolbar, its boxes and
// font, the tree's width and the picture are made again at the new scale, and the window
// takes the place the system proposes.
void OnDpiChanged(AppState& app, HWND window, int dpi, const RECT* proposed)
{
    if (dpi <= 0 || dpi == app.Dpi) return;
    const int old = app.Dpi;
    app.settings.TreeWidth = MulDiv(app.settings.TreeWidth, dpi, old);
    app.Dpi = dpi;
    DestroyWindow(app.Toolbar); // and the boxes and labels inside it
    BuildToolbar(app, window);
    SetToolbarFont(app);
    // The tree's font in proportion (the system gave it at the old scale).
    LOGFONTW face = {};
    HFONT treeFont = reinterpret_cast<HFONT>(SendMessageW(app.TreeControl, WM_GETFONT, 0, 0));
    if (GetObjectW(treeFont ? static_cast<HGDIOBJ>(treeFont) : GetStockObject(DEFAULT_GUI_FONT),
                   sizeof face, &face)) {
        face.lfHeight = MulDiv(face.lfHeight, dpi, old);
        HFONT scaled = CreateFontIndirectW(&face);
        SendMessageW(app.TreeControl, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
        app.ScaledTreeFont.reset(scaled);
    }
    RECT tree = {};
    GetWindowRect(app.TreePane, &tree);
    MoveWindow(app.TreePane, 0, 0, app.settings.TreeWidth, tree.bottom - tree.top, FALSE);
    // The calendar pop-up is made again at the new scale.
    if (app.CalendarWindow) {
        DestroyWindow(app.CalendarWindow);
        app.CalendarWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"Cal", L"", WS_POPUP | WS_BORDER,
                                             0, 0, 0, 0, window, nullptr, app.Instance, nullptr);
    }
    if (proposed)
        SetWindowPos(window, nullptr, proposed->left, proposed->top,
                     proposed->right - proposed->left, proposed->bottom - proposed->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutPanes(app);
    // The new labels and marks show the session's choices, and the picture is drawn again.
    RefreshDisplay(app);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void OnSize(AppState& app, WPARAM wParam, LPARAM lParam)
{
    SendMessageA(app.Toolbar, WM_SIZE, wParam, lParam);
    LayoutPanes(app);
}

void OnDestroy(AppState& app)
{
    app.ScaledTreeFont.reset(); // the tree goes with the window
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
    // The notice at the screen's scale, centred where the 96-dpi one is.
    app.Dpi = WindowDpi(nullptr);
    const int noticeWidth = Scaled(app, NoticeWidth), noticeHeight = Scaled(app, NoticeHeight);
    Point notice =
        NoticePosition(s.XPosition, s.YPosition, Scaled(app, s.Width), Scaled(app, s.Height));
    notice.x += (NoticeWidth - noticeWidth) / 2;
    notice.y += (NoticeHeight - noticeHeight) / 2;

    app.Instance = instance;
    LoadSjisString(instance, STR_VERSION, app.VersionText, sizeof app.VersionText);
    LoadSjisString(instance, STR_MAIL, app.MailText, sizeof app.MailText);
    LoadSjisString(instance, STR_WEB, app.WebText, sizeof app.WebText);

    if (!RegisterPlainClass(instance, NoticeWindowProc, L"Warning", nullptr, nullptr)) return false;
    app.NoticeWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"Warning", L"", WS_POPUP | WS_DLGFRAME,
                                       notice.x, notice.y, noticeWidth, noticeHeight, nullptr,
                                       nullptr, instance, nullptr);

    HICON icon = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAREVO), IMAGE_ICON, 32, 32, 0));
    if (!RegisterPlainClass(instance, MainWindowProc, L"Marevo", icon, MAKEINTRESOURCEW(IDM_MAIN)))
        return false;
    HWND main = CreateWindowExW(0, L"Marevo", L"Marevo", WS_OVERLAPPEDWINDOW, s.XPosition,
                                s.YPosition, Scaled(app, s.Width), Scaled(app, s.Height), nullptr,
                                nullptr, instance, nullptr);
    app.MainWindow = main;
    ShowWindow(main, showCommand);
    UpdateWindow(main);

    if (app.NoticeWindow) {
        SetWindowPos(app.NoticeWindow, HWND_TOPMOST, notice.x, notice.y, noticeWidth,
                     noticeHeight, SWP_SHOWWINDOW);
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

namespace {

// The window of this thread under a screen point, or null.
HWND OwnWindowAt(POINT point)
{
    HWND window = WindowFromPoint(point);
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return nullptr;
    return window;
}

// The system gives the wheel to the window with the focus; it goes to the window under the
// mouse instead, so that the wheel scrolls what the user points at (the tree or the pane).
void AimWheel(MSG& message)
{
    if (message.message != WM_MOUSEWHEEL && message.message != WM_MOUSEHWHEEL) return;
    const POINT point = {static_cast<short>(LOWORD(message.lParam)),
                         static_cast<short>(HIWORD(message.lParam))};
    if (HWND under = OwnWindowAt(point)) message.hwnd = under;
}

// Tab and Shift+Tab move the keys between the tree and the graph pane.
bool SwitchPane(const AppState& app, const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    HWND focus = GetFocus();
    if (focus == app.TreeControl) SetFocus(app.GraphPane);
    else if (focus == app.GraphPane) SetFocus(app.TreeControl);
    else return false;
    return true;
}

} // namespace

void DispatchProgramMessage(AppState& app, MSG& message)
{
    AimWheel(message);
    if (app.Accelerators && app.MainWindow &&
        TranslateAcceleratorW(app.MainWindow, app.Accelerators, &message))
        return;
    if (SwitchPane(app, message)) return;
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
    case WM_ACTIVATE:
        // The pane that had the keys gets them back when the window is active again.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus == app.TreeControl || focus == app.GraphPane) app.FocusedPane = focus;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_SETFOCUS:
        // The keys go to a pane, the tree first, never to the frame.
        SetFocus(app.FocusedPane == app.GraphPane ? app.GraphPane : app.TreeControl);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(app, window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
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
