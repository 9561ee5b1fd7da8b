// The panes as people use them: the wheel scrolls what the mouse points at, a click gives
// the graph pane the keys, places without ports change nothing, the tree shows the port
// at start and its names whole, no stale paint after the splitter moves or the mouse
// leaves, the picture centred in a large pane and drawn at the monitor's scale.
#include <string>

#include "program_fixture.h"
#include "window_probe.h"

#include "app/calendar_window.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/port_tree.h"

namespace marevo {
namespace {

class PaneInputTest : public OwaseTest {
protected:
    bool HasStyle(HWND window, DWORD bit) const { return GetWindowLongA(window, GWL_STYLE) & bit; }
    // A screen point inside the graph pane, near its centre, and one inside the tree.
    POINT PanePoint() const
    {
        RECT r = {};
        GetWindowRect(app.GraphPane, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    POINT TreePoint() const
    {
        RECT r = {};
        GetWindowRect(app.TreeControl, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // A wheel turn as the system delivers it: to the window with the focus, the mouse at p.
    void Wheel(UINT message, int delta, WPARAM keys, POINT p)
    {
        SetCursorPos(p.x, p.y);
        PostMessageW(GetFocus(), message, MAKEWPARAM(keys, delta), MAKELPARAM(p.x, p.y));
        Pump();
    }
    void Key(WPARAM key)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        Pump();
    }
    // The text rectangle of a tree node in the tree's client area; false when not shown.
    bool ItemRect(HTREEITEM item, RECT& r) const
    {
        *reinterpret_cast<HTREEITEM*>(&r) = item;
        return SendMessageA(app.TreeControl, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    }
    // The main window told that its monitor's scale is now dpi, its place the rectangle r.
    void ChangeDpi(int dpi, RECT r)
    {
        SendMessageA(app.MainWindow, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
        Pump();
    }
    HTREEITEM Selected() const
    {
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(app.TreeControl, TVM_GETNEXTITEM, TVGN_CARET, 0));
    }
};

TEST_F(PaneInputTest, TheWheelScrollsThePaneUnderTheMouseWhereverTheFocusIs)
{
    MoveWindow(app.MainWindow, 0, 0, 600, 400, TRUE);
    Command(CMD_TABLE);
    ASSERT_TRUE(HasStyle(app.GraphPane, WS_VSCROLL));
    ASSERT_TRUE(HasStyle(app.GraphPane, WS_HSCROLL));
    SetFocus(app.TreeControl);
    Pump();
    const HTREEITEM selected = Selected();
    // Each turn from the top-left corner of the picture; one notch is 3 x 20 pixels.
    struct Case { UINT message; int delta; WPARAM keys; bool overTree; int x, y; };
    const Case cases[] = {
        {WM_MOUSEWHEEL, -120, 0, false, 0, -60},        // towards the user: down
        {WM_MOUSEWHEEL, -240, 0, false, 0, -120},       // two notches
        {WM_MOUSEWHEEL, 120, 0, false, 0, 0},           // up, at the top already
        {WM_MOUSEWHEEL, -120, MK_SHIFT, false, -60, 0}, // Shift: to the right
        {WM_MOUSEHWHEEL, 120, 0, false, -60, 0},        // tilted right
        {WM_MOUSEWHEEL, -120, 0, true, 0, 0},           // over the tree: the tree's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.delta << " keys " << c.keys << " tree " << c.overTree);
        SendMessageA(app.GraphPane, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
        SendMessageA(app.GraphPane, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
        Pump();
        Wheel(c.message, c.delta, c.keys, c.overTree ? TreePoint() : PanePoint());
        EXPECT_EQ(CanvasOrigin().x, c.x);
        EXPECT_EQ(CanvasOrigin().y, c.y);
        EXPECT_EQ(GetScrollPos(app.GraphPane, SB_VERT), -c.y);
    }
    // Turned past the end: the canvas's bottom edge stays at the pane's bottom edge.
    for (int i = 0; i < 30; ++i) Wheel(WM_MOUSEWHEEL, -120, 0, PanePoint());
    EXPECT_EQ(CanvasOrigin().y + ClientSize(app.CanvasWindow).cy, ClientSize(app.GraphPane).cy);
    EXPECT_EQ(GetFocus(), app.TreeControl); // the wheel does not move the focus
    EXPECT_EQ(Selected(), selected);
    Screenshot("wheel_table");
}

TEST_F(PaneInputTest, AClickGivesThePaneTheKeysAndTabGivesThemBack)
{
    MoveWindow(app.MainWindow, 0, 0, 600, 400, TRUE);
    Command(CMD_TABLE);
    SetFocus(app.TreeControl);
    Pump();
    const HTREEITEM selected = Selected();
    // Below the table's last row: no cell, so the click only takes the focus.
    SendMessageA(app.GraphPane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(GetFocus(), app.GraphPane);

    const int page = ClientSize(app.GraphPane).cy - 20;
    const int end = ClientSize(app.CanvasWindow).cy - ClientSize(app.GraphPane).cy;
    ASSERT_GT(end, page + 20);
    struct Case { WPARAM key; int x, y; };
    const Case cases[] = {
        {VK_DOWN, 0, -20},  {VK_NEXT, 0, -20 - page}, {VK_UP, 0, -page}, {VK_PRIOR, 0, 0},
        {VK_END, 0, -end},  {VK_HOME, 0, 0},          {VK_RIGHT, -20, 0}, {VK_LEFT, 0, 0},
        {VK_LEFT, 0, 0},    {VK_F20, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Key(c.key);
        EXPECT_EQ(CanvasOrigin().x, c.x);
        EXPECT_EQ(CanvasOrigin().y, c.y);
    }
    EXPECT_EQ(Selected(), selected); // the tree's selection has not moved

    // Tab: the tree has the keys again, and they move its selection, not the picture.
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), app.TreeControl);
    Key(VK_DOWN);
    EXPECT_NE(Selected(), selected);
    EXPECT_EQ(CanvasOrigin().y, 0);
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), app.GraphPane);
}

// その他, a prefecture without files, a region without prefectures: choosing one (with the
// mouse or the keys) keeps the port, the labels, the picture and the commands as they were.
TEST_F(PaneInputTest, PlacesWithoutPortsChangeNothing)
{
    Command(CMD_PERIOD1);
    SetDate(2026, 12, 8);
    Command(CMD_REDRAW);
    const std::vector<COLORREF> picture = Picture();
    const HTREEITEM places[] = {app.RegionItems[9], app.PrefectureItems[2], app.RegionItems[1],
                                app.PrefectureItems[24], app.RegionItems[2]};
    for (HTREEITEM place : places) {
        char text[MaxNodeText + 1];
        NodeText(app.TreeControl, place, text, sizeof text);
        SCOPED_TRACE(text);
        Select(place);
        EXPECT_EQ(Text(app.PrefLabel), "三重県");
        EXPECT_EQ(Text(app.PortLabel), "尾鷲");
        EXPECT_STREQ(ShownStation().StationName, "尾鷲");
        EXPECT_EQ(Picture(), picture);
        EXPECT_TRUE(messages.empty());
    }
    Select(app.RegionItems[9]);
    Screenshot("place_without_ports");
    // The date commands go on drawing the port shown.
    Command(CMD_PLUS1);
    ExpectDate(2026, 12, 9);
    EXPECT_NE(Picture(), picture);
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_TRUE(messages.empty());
    // Reached with the keys from the last region: the same.
    SetFocus(app.TreeControl);
    Select(app.RegionItems[8]);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), app.RegionItems[9]);
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");
    EXPECT_TRUE(messages.empty());
}

// The mouse leaves the pane (or a window comes over it): the highlight goes, on the screen
// as GDI reads it back, and the hover is forgotten.
TEST_F(PaneInputTest, TheHighlightGoesWhenTheMouseLeaves)
{
    MoveWindow(app.MainWindow, 0, 0, 800, 560, TRUE);
    Command(CMD_PERIOD42);
    UpdateWindow(app.GraphPane);
    POINT cell = {30 + 80 + 40, 26 + 28}; // canvas point in cell (1, 0)
    ClientToScreen(app.CanvasWindow, &cell);
    SetCursorPos(cell.x, cell.y);
    POINT inPane = cell;
    ScreenToClient(app.GraphPane, &inPane);
    SendMessageA(app.GraphPane, WM_MOUSEMOVE, 0, MAKELPARAM(inPane.x, inPane.y));
    ASSERT_EQ(app.HighlightColumn, 1);
    const CellRect r = CellRectOf(42, 0, {1, 0});
    auto screenIsPicture = [&] {
        HDC screen = GetDC(app.CanvasWindow);
        int same = 0;
        for (int x = r.left; x <= r.right; x += 13)
            if (GetPixel(screen, x, r.top + 20) == GetPixel(app.OffscreenDC(), x, r.top + 20)) ++same;
        ReleaseDC(app.CanvasWindow, screen);
        return same == (r.right - r.left) / 13 + 1;
    };
    EXPECT_FALSE(screenIsPicture());

    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    EXPECT_TRUE(WaitFor([&] { return app.HighlightColumn == -1; }));
    EXPECT_EQ(app.HoverColumn, -1);
    EXPECT_TRUE(screenIsPicture());
    Screenshot("highlight_after_leaving");
}

// The splitter moved while the 42-day view shows: the pane is painted afresh, so nothing
// drawn over it before (here a magenta band, as the splitter's drag line or the tree's
// scroll bar were) stays below the picture. Read from the X server.
TEST_F(PaneInputTest, TheSplitterLeavesNoStalePaint)
{
    int screenWidth = 0, screenHeight = 0;
    if (ScreenAsXShowsIt(screenWidth, screenHeight).empty())
        GTEST_SKIP() << "no `import` to read the X screen";
    SetCursorPos(screenWidth - 1, screenHeight - 1);
    MoveWindow(app.MainWindow, 0, 0, 760, 560, TRUE);
    Command(CMD_PERIOD42);
    UpdateWindow(app.MainWindow);
    RECT pane = {};
    GetClientRect(app.GraphPane, &pane);
    {
        HDC dc = GetDC(app.GraphPane);
        HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
        RECT band = {0, pane.bottom - 40, pane.right, pane.bottom};
        FillRect(dc, &band, magenta);
        DeleteObject(magenta);
        ReleaseDC(app.GraphPane, dc);
    }
    RECT tree = {};
    GetWindowRect(app.TreePane, &tree);
    for (int width : {static_cast<int>(tree.right - tree.left) + 60,
                      static_cast<int>(tree.right - tree.left) - 20}) {
        SCOPED_TRACE(width);
        MoveWindow(app.TreePane, 0, 0, width, tree.bottom - tree.top, TRUE);
        Pump();
        // The pane's client area outside the canvas shows the button face only.
        auto stale = [&] {
            int w = 0, h = 0;
            const std::vector<COLORREF> screen = ScreenAsXShowsIt(w, h);
            RECT p = {};
            GetClientRect(app.GraphPane, &p);
            MapWindowPoints(app.GraphPane, nullptr, reinterpret_cast<POINT*>(&p), 2);
            RECT c = {};
            GetWindowRect(app.CanvasWindow, &c);
            int count = 0;
            for (int y = p.top; y < p.bottom && y < h; ++y)
                for (int x = p.left; x < p.right && x < w; ++x) {
                    if (x >= c.left && x < c.right && y >= c.top && y < c.bottom) continue;
                    if (screen[static_cast<size_t>(y) * w + x] == RGB(255, 0, 255)) ++count;
                }
            return count;
        };
        EXPECT_TRUE(WaitFor([&] { return stale() == 0; }));
    }
    Screenshot("splitter_area");
}

// At start the port shown is the tree's selection, in sight, its region and prefecture
// open; the first start (no settings) and a later one alike.
TEST_F(PaneInputTest, AtStartTheShownPortIsSelectedInTheTree)
{
    auto expectRevealed = [&](int code, const char* port) {
        const HTREEITEM item = FindNode(app.PrefectureItems[code], port);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(Selected(), item);
        RECT r = {};
        ASSERT_TRUE(ItemRect(item, r));
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.bottom, ClientSize(app.TreeControl).cy);
    };
    expectRevealed(24, "尾鷲");
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");
    Screenshot("tree_at_start");
    // A later start on another port, in a low window whose tree must scroll to it.
    Stop();
    WritePort({"47那覇.MV2", "那覇", 26.13, 127.40});
    WriteSettings("[TREE]\r\nCHI2=1\r\nCHI3=1\r\nCHI4=1\r\n[SITE]\r\nPREF=沖縄県\r\nPORT=那覇\r\n"
                  "[WINDOWS]\r\nHeight=300\r\n");
    Start();
    expectRevealed(47, "那覇");
    EXPECT_STREQ(ShownStation().StationName, "那覇");
    EXPECT_TRUE(messages.empty());
}

// The default width of the tree shows a port name of four full-width characters whole
// while the tree has its vertical scroll bar.
TEST_F(PaneInputTest, TheDefaultTreeShowsFourCharacterNamesWhole)
{
    Stop();
    const char* const names[] = {"八丈神湊", "三宅坪田", "東京", "晴海", "芝浦", "竹芝",
                                 "大井", "有明", "品川", "羽田", "青海", "辰巳"};
    for (const char* name : names) WritePort({std::string("13") + name + ".MV2", name});
    WriteSettings("[TREE]\r\nCHI1=1\r\nCHI2=1\r\n[SITE]\r\nPREF=東京都\r\nPORT=八丈神湊\r\n");
    Start();
    ASSERT_TRUE(HasStyle(app.TreeControl, WS_VSCROLL));
    for (const char* name : {"八丈神湊", "三宅坪田"}) {
        SCOPED_TRACE(name);
        const HTREEITEM item = FindNode(app.PrefectureItems[13], name);
        ASSERT_NE(item, nullptr);
        SendMessageA(app.TreeControl, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        RECT r = {};
        ASSERT_TRUE(ItemRect(item, r));
        EXPECT_LE(r.right, ClientSize(app.TreeControl).cx);
    }
    Screenshot("tree_width");
}

// A pane larger than the picture: the picture sits in its middle; hovering and clicking
// find the cells where they are drawn.
TEST_F(PaneInputTest, TheLargePaneCentresThePicture)
{
    ShowWindow(app.MainWindow, SW_MAXIMIZE);
    Pump();
    Command(CMD_PERIOD42);
    const SIZE pane = ClientSize(app.GraphPane), canvas = ClientSize(app.CanvasWindow);
    ASSERT_GT(pane.cx, canvas.cx);
    ASSERT_GT(pane.cy, canvas.cy);
    EXPECT_EQ(CanvasOrigin().x, (pane.cx - canvas.cx) / 2);
    EXPECT_EQ(CanvasOrigin().y, (pane.cy - canvas.cy) / 2);
    EXPECT_FALSE(HasStyle(app.GraphPane, WS_VSCROLL));
    const POINT origin = CanvasOrigin();
    SendMessageA(app.GraphPane, WM_MOUSEMOVE, 0, MAKELPARAM(origin.x + 110, origin.y + 26));
    EXPECT_EQ(app.HoverColumn, 1);
    EXPECT_EQ(app.HoverRow, 0);
    Screenshot("maximised");
    // A table taller than the pane scrolls from its top; back to the window's own size the
    // scrolled picture starts at the pane's edge again.
    Command(CMD_TABLE);
    const int table = ClientSize(app.CanvasWindow).cy, high = ClientSize(app.GraphPane).cy;
    EXPECT_EQ(CanvasOrigin().y, table > high ? 0 : (high - table) / 2);
    ShowWindow(app.MainWindow, SW_RESTORE);
    MoveWindow(app.MainWindow, 0, 0, 600, 400, TRUE);
    Pump();
    EXPECT_EQ(CanvasOrigin().x, 0);
    EXPECT_EQ(CanvasOrigin().y, 0);
}

// A monitor of 150 %: the picture is drawn at that scale through the same view, the
// toolbar's boxes and font grow with it, the cells are found at their scaled places; back
// at 96 dpi the picture is what it was, pixel for pixel.
TEST_F(PaneInputTest, AnotherMonitorScaleScalesTheWholeWindow)
{
    Command(CMD_PERIOD1);
    SetDate(2026, 12, 8);
    Command(CMD_REDRAW);
    ASSERT_EQ(app.Dpi, 96);
    const SIZE canvas96 = ClientSize(app.CanvasWindow);
    ASSERT_EQ(canvas96.cx, 610);
    const std::vector<COLORREF> picture96 = Picture();
    const int painted96 = PaintedPixels();
    RECT site96 = {};
    GetWindowRect(app.SiteBox, &site96);
    const int toolbar96 = ClientSize(app.Toolbar).cy;
    auto fontHeight = [](HWND window) {
        LOGFONTW face = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof face, &face);
        return face.lfHeight;
    };
    const int tree96 = fontHeight(app.TreeControl);

    ChangeDpi(144, {0, 0, 1000, 700});
    EXPECT_EQ(app.Dpi, 144);
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, 915); // 610 x 1.5
    EXPECT_EQ(ClientSize(app.CanvasWindow).cy, 578); // 385 x 1.5, rounded
    // Every third pixel sampled: the scaled picture paints about 1.5^2 times the pixels.
    EXPECT_GT(PaintedPixels(), painted96 * 2);
    RECT site = {};
    GetWindowRect(app.SiteBox, &site);
    EXPECT_EQ(site.bottom - site.top, 30); // 20 x 1.5
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");
    LOGFONTW font = {};
    GetObjectW(app.UiFont.get(), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, 18); // 12 x 1.5
    EXPECT_GE(ClientSize(app.Toolbar).cy, toolbar96 + 8); // 24-pixel images
    EXPECT_EQ(fontHeight(app.TreeControl), MulDiv(tree96, 144, 96));
    // The calendar's close button, 20 pixels high at 96 dpi.
    EXPECT_EQ(ClientSize(GetDlgItem(app.CalendarWindow, CalendarCloseId)).cy, 30);
    RECT window = {};
    GetWindowRect(app.MainWindow, &window);
    EXPECT_EQ(window.right - window.left, 1000);

    Command(CMD_PERIOD42);
    const POINT origin = CanvasOrigin();
    // View point (110, 26), cell (1, 0), lies at pixel (165, 39) of the 150 % canvas.
    SendMessageA(app.GraphPane, WM_MOUSEMOVE, 0, MAKELPARAM(origin.x + 165, origin.y + 39));
    EXPECT_EQ(app.HoverColumn, 1);
    EXPECT_EQ(app.HoverRow, 0);
    SendMessageA(app.GraphPane, WM_MOUSEMOVE, 0, MAKELPARAM(origin.x + 43, origin.y + 39));
    EXPECT_EQ(app.HoverColumn, -1); // view x 28: left of the first cell

    ChangeDpi(96, {0, 0, 1000, 700});
    Command(CMD_PERIOD1);
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, 610);
    EXPECT_EQ(Picture(), picture96);
    GetWindowRect(app.SiteBox, &site);
    EXPECT_EQ(site.bottom - site.top, site96.bottom - site96.top);
    EXPECT_EQ(ClientSize(app.Toolbar).cy, toolbar96);
    EXPECT_TRUE(messages.empty());

    // marevo.ini keeps the sizes as at 96 dpi: a window of 900 x 600 pixels at 150 % is
    // saved as 600 x 400, and opens at 600 x 400 on a screen of 96 dpi.
    ChangeDpi(144, {0, 0, 900, 600});
    Stop();
    EXPECT_EQ(IniValue("Width"), "600");
    EXPECT_EQ(IniValue("Height"), "400");
    Start();
    GetWindowRect(app.MainWindow, &window);
    EXPECT_EQ(window.right - window.left, 600);
    EXPECT_EQ(window.bottom - window.top, 400);
}

} // namespace
} // namespace marevo
