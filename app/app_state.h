// AppState: the one record of the window program, and its only mutable global: the Session
// (what the user chose and the picture prepared from it) with what belongs to the windows:
// their handles, the settings of the window, the graph pane's surface and scrolling, the
// fonts. GDI objects are owned by scope guards. Coordinates in pixels.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "shell/port_files.h"
#include "shell/prefectures.h"
#include "shell/session.h"
#include "shell/settings_values.h"
#include "views/gdi/gdi_scope.h"
#include "views/view_layout.h"

namespace marevo {

// The graph pane's off-screen picture: a memory context with a bitmap of the canvas's size
// selected into it; deselected, deleted and released in that order.
struct OffscreenSurface {
    ScopedDC dc;
    ScopedGdiObj<HBITMAP> bitmap;
    ScopedSelectObject selection;
    OffscreenSurface(HDC compatible, int width, int height)
        : dc(CreateCompatibleDC(compatible)),
          bitmap(CreateCompatibleBitmap(compatible, width, height)),
          selection(dc.get(), bitmap.get())
    {
    }
};

struct AppState {
    HINSTANCE Instance = nullptr;
    char ModuleDir[256] = {};
    char IniPath[260] = {};
    bool SettingsFailureSaid = false; // a failed save of the settings is said once a run
    char VersionText[30] = {}, MailText[30] = {}, WebText[30] = {};

    HWND MainWindow = nullptr, NoticeWindow = nullptr, CalendarWindow = nullptr;
    HWND GraphPane = nullptr, CanvasWindow = nullptr, TreePane = nullptr, TreeControl = nullptr;
    HWND Toolbar = nullptr, SiteBox = nullptr, DateBox = nullptr;
    HWND PrefLabel = nullptr, PortLabel = nullptr, YearLabel = nullptr, MonthLabel = nullptr,
         DayLabel = nullptr, FirstSlash = nullptr, SecondSlash = nullptr,
         CalendarButton = nullptr;
    ScopedGdiObj<HFONT> UiFont;
    HACCEL Accelerators = nullptr;

    // The user's choices and the picture; the window shows its state and asks it.
    Session session;
    // The window's settings: placement, tree, printer (the choices are read into the session
    // at start and given back at the end).
    Settings settings;

    HTREEITEM RegionItems[RegionCount + 1] = {};
    HTREEITEM PrefectureItems[PrefectureCodes] = {};

    std::unique_ptr<OffscreenSurface> offscreen;
    HDC OffscreenDC() const { return offscreen ? offscreen->dc.get() : nullptr; }
    int CanvasX = 0, CanvasY = 0;
    SCROLLINFO HorizontalScroll = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    SCROLLINFO VerticalScroll = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    int HoverColumn = -1, HoverRow = -1, HighlightColumn = -1, HighlightRow = -1;
    // Dots per inch of the main window's monitor: the views' units (96 to the inch) and the
    // program's own pixel sizes are scaled by Dpi / 96.
    int Dpi = 96;
    // Parts of a wheel notch not yet scrolled (vertical, horizontal), and whether the graph
    // pane has asked to be told when the mouse leaves it.
    int WheelRemainder[2] = {};
    bool TrackingLeave = false;
    // Set while the program itself selects the shown port's node in the tree.
    bool RevealingPort = false;
    // The pane that had the keys when the main window was last deactivated.
    HWND FocusedPane = nullptr;
    // The tree's font at a scale other than the one the program started with.
    ScopedGdiObj<HFONT> ScaledTreeFont;
    WNDPROC CanvasPrevious = nullptr; // the static control's own procedure

    // The calendar pop-up: its month calendar, the close button's font, and whether a
    // selection is the user's (armed once the pop-up is active).
    HWND MonthCalendar = nullptr;
    ScopedGdiObj<HFONT> CalendarCloseFont;
    int CalendarArmed = 0;
    // The version dialog: its link control's own procedure and its fonts.
    WNDPROC LinkPrevious = nullptr;
    ScopedGdiObj<HFONT> VersionNameFont, VersionTextFont, VersionLinkFont;
};

// The program's one AppState, alive for the whole process.
AppState& App();
// Back to the state of a fresh process (the tests start the program several times).
void ResetAppState();

} // namespace marevo
