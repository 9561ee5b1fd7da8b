// AppState: the one record of the window program. It aggregates the core records (station,
// calendar, constituent tables, tide table, palette) with the window handles, the settings
// and the graph pane's surface. Heights in cm; coordinates in pixels.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "shell/port_files.h"
#include "shell/prefectures.h"
#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/station.h"
#include "engine/tide.h"
#include "engine/tide_table.h"
#include "views/palette.h"
#include "views/view_layout.h"
#include "views/view_model.h"

namespace marevo {

// What marevo.ini remembers between runs, with the values a missing key reads as (the site
// given by its texts: the labels are empty until the settings are read).
struct Settings {
    static constexpr char DefaultPref[] = "三重県", DefaultPort[] = "尾鷲";
    int RegionExpanded[RegionCount + 1] = {};        // [1..9]
    int PrefectureExpanded[PrefectureCodes] = {};    // [0..80]
    int GraphStyle = BarGraph;
    int DisplayPeriod = TideTable;
    int XPosition = 100, YPosition = 100, Width = 725, Height = 480;
    int TreeWidth = 120;
    char SavedPref[MaxNodeText + 1] = {};
    char SavedPort[MaxNodeText + 1] = {};
    double PrinterRatio = 1.0;
    int PrinterColor = 1;
};

struct AppState {
    HINSTANCE Instance = nullptr;
    char ModuleDir[256] = {};
    char IniPath[260] = {};
    char VersionText[30] = {}, MailText[30] = {}, WebText[30] = {};

    HWND MainWindow = nullptr, NoticeWindow = nullptr, CalendarWindow = nullptr;
    HWND GraphPane = nullptr, CanvasWindow = nullptr, TreePane = nullptr, TreeControl = nullptr;
    HWND Toolbar = nullptr, SiteBox = nullptr, DateBox = nullptr;
    HWND PrefLabel = nullptr, PortLabel = nullptr, YearLabel = nullptr, MonthLabel = nullptr,
         DayLabel = nullptr, FirstSlash = nullptr, SecondSlash = nullptr,
         CalendarButton = nullptr;
    HFONT UiFont = nullptr;
    HACCEL Accelerators = nullptr;

    int CurrentYear = 2000, CurrentMonth = 1, CurrentDay = 1;
    Settings settings;

    HTREEITEM RegionItems[RegionCount + 1] = {};
    HTREEITEM PrefectureItems[PrefectureCodes] = {};

    HDC OffscreenDC = nullptr;
    HBITMAP OffscreenBitmap = nullptr, PreviousBitmap = nullptr;
    int CanvasX = 0, CanvasY = 0;
    int TableWidth = 0; // canvas width of the tide table of the last refresh
    SCROLLINFO HorizontalScroll = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    SCROLLINFO VerticalScroll = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    int HoverColumn = -1, HoverRow = -1, HighlightColumn = -1, HighlightRow = -1;

    Station station;
    Calendar calendar;
    ConstituentTables tables;
    TideTableResults tideTable = {};
    float VerticalScale = 1.0f;
    ViewPalette palette = {};
};

// The program's one AppState, alive for the whole process.
AppState& App();
// Back to the state of a fresh process (the tests start the program several times).
void ResetAppState();

} // namespace marevo
