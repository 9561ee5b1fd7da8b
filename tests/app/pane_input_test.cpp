// The panes as people use them: scrolling and the splitter (the X screen showing the picture
// after them), hover and clicks on cells, the tree, another monitor scale. Their arithmetic
// and which cell is which day: tests/shell/scrolling_test.cpp and session_test.cpp.
#include <algorithm>
#include <tuple>

#include "program_fixture.h"

#include "app/calendar_window.h"
#include "app/ids.h"

namespace marevo {
namespace {

class PaneInputTest : public OwaseTest {
protected:
    // Pane pixels that X shows unlike the picture (on the canvas) or the button face; -1: no X.
    int StalePixels(const std::vector<COLORREF>& picture) const
    {
        int w = 0, h = 0;
        const std::vector<COLORREF> screen = ScreenAsXShowsIt(w, h);
        RECT p = {}, c = {};
        GetClientRect(app.GraphPane, &p);
        MapWindowPoints(app.GraphPane, nullptr, reinterpret_cast<POINT*>(&p), 2);
        GetWindowRect(app.CanvasWindow, &c);
        int stale = screen.empty() ? -1 : 0;
        for (int y = std::max<int>(p.top, 0); stale >= 0 && y < std::min<int>(p.bottom, h); ++y)
            for (int x = std::max<int>(p.left, 0); x < std::min<int>(p.right, w); ++x) {
                const bool in = x >= c.left && x < c.right && y >= c.top && y < c.bottom;
                const size_t i = static_cast<size_t>(y - c.top) * (c.right - c.left) + x - c.left;
                const COLORREF shown = screen[static_cast<size_t>(y) * w + x];
                stale += shown != (in ? picture[i] : GetSysColor(COLOR_BTNFACE));
            }
        return stale;
    }
    // Points of cell (column, 0) of the 42-day view as GDI reads the screen: 3 x 3 (outline,
    // middle) XORed with the highlight colour, or 7 x 7 unchanged.
    int ScreenPoints(int column, bool xored) const
    {
        const CellRect r = CellRectOf(42, 0, {column, 0});
        HDC screen = GetDC(app.CanvasWindow);
        int count = 0;
        for (int n = xored ? 2 : 6, i = 0; i <= n; ++i)
            for (int j = 0; j <= n; ++j) {
                const int x = r.left + (r.right - r.left) * i / n;
                const int y = r.top + (r.bottom - r.top) * j / n;
                const COLORREF picture = GetPixel(app.OffscreenDC(), x, y);
                count += GetPixel(screen, x, y) == (xored ? picture ^ RGB(32, 32, 32) : picture);
            }
        ReleaseDC(app.CanvasWindow, screen);
        return count;
    }
    bool Highlighted(int column) const { return ScreenPoints(column, true) == 9; }
    bool Plain(int column) const { return ScreenPoints(column, false) == 49; }
    // Where the canvas sits, as the pane shows it, keeps it for the hover, and its bars say.
    std::tuple<int, int, int, int, int, int> Scrolled() const
    {
        const POINT o = CanvasOrigin();
        return std::make_tuple(o.x, o.y, app.CanvasX, app.CanvasY,
                               -GetScrollPos(app.GraphPane, SB_HORZ),
                               -GetScrollPos(app.GraphPane, SB_VERT));
    }
    // The tree item is the selection (or made visible) and its text lies whole in sight.
    void ExpectInSight(int code, const char* port, bool selected = true)
    {
        SCOPED_TRACE(port);
        const HTREEITEM item = FindNode(app.PrefectureItems[code], port);
        ASSERT_NE(item, nullptr);
        if (!selected) TreeView_EnsureVisible(app.TreeControl, item);
        EXPECT_EQ(SelectedNode() == item, selected);
        RECT r = {};
        ASSERT_TRUE(TreeView_GetItemRect(app.TreeControl, item, &r, TRUE)); // the text's
        const SIZE tree = ClientSize(app.TreeControl);
        EXPECT_TRUE(r.top >= 0 && r.bottom <= tree.cy && r.right <= tree.cx) << r.right;
    }
};

// Keys after a click, the wheel with the tree focused (Tab), the bars: X shows each step.
TEST_F(PaneInputTest, KeysWheelBarsSplitterAndSizeMoveTheCanvas)
{
    int screenWidth = 0, screenHeight = 0;
    const bool readsX = !ScreenAsXShowsIt(screenWidth, screenHeight).empty();
    SetCursorPos(screenWidth - 1, screenHeight - 1); // no hover highlight
    MoveWindow(app.MainWindow, 0, 0, 600, 400, TRUE);
    Command(CMD_TABLE);
    ASSERT_TRUE(HasStyle(app.GraphPane, WS_VSCROLL) && HasStyle(app.GraphPane, WS_HSCROLL));
    const SIZE pane = ClientSize(app.GraphPane), canvas = ClientSize(app.CanvasWindow);
    const int page = pane.cy - 20, end = canvas.cy - pane.cy, right = canvas.cx - pane.cx;
    ASSERT_TRUE(end > page + 20 && right > 60);
    const std::vector<COLORREF> picture = PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy);
    SetFocus(app.TreeControl);
    Pump();
    HTREEITEM selected = SelectedNode();
    SendMessageA(app.GraphPane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(GetFocus(), app.GraphPane);
    ExpectShown(-1, 1); // no cell hovered: the click picks nothing

    enum How { Key, Tab, Wheel, ShiftWheel, TiltedWheel, WheelOverTree, VBar, HBar };
    struct Step { How how; int value, position, x, y; };
    const Step steps[] = {
        {Key, VK_DOWN, 0, 0, -20}, {Key, VK_NEXT, 0, 0, -20 - page}, {Key, VK_UP, 0, 0, -page},
        {Key, VK_PRIOR, 0, 0, 0},  {Key, VK_END, 0, 0, -end},        {Key, VK_HOME, 0, 0, 0},
        {Key, VK_RIGHT, 0, -20, 0}, {Key, VK_LEFT, 0, 0, 0},         {Key, VK_F20, 0, 0, 0},
        {Tab, 0, 0, 0, 0},         {Wheel, -120, 0, 0, -60},     {ShiftWheel, -120, 0, -60, -60},
        {TiltedWheel, -120, 0, 0, -60}, {WheelOverTree, -120, 0, 0, -60}, {Wheel, 120, 0, 0, 0},
        {VBar, SB_LINEDOWN, 0, 0, -1},       {VBar, SB_THUMBTRACK, 150, 0, -150},
        {VBar, SB_THUMBPOSITION, 5000, 0, -end}, {VBar, SB_LINEUP, 0, 0, 1 - end},
        {VBar, SB_PAGEUP, 0, 0, 21 - end},   {HBar, SB_PAGEDOWN, 0, -20, 21 - end},
        {HBar, SB_THUMBPOSITION, 5000, -right, 21 - end}, {HBar, SB_LINEUP, 0, 1 - right, 21 - end},
        {HBar, SB_THUMBTRACK, 0, 0, 21 - end}, {VBar, SB_THUMBPOSITION, 5000, 0, -end},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &s - steps);
        if (s.how == Key) PressKey(s.value);
        if (s.how == Tab) { // the tree's keys move its selection, not the canvas
            PressKey(VK_TAB);
            EXPECT_EQ(GetFocus(), app.TreeControl);
            PressKey(VK_DOWN);
            EXPECT_NE(SelectedNode(), selected);
            selected = SelectedNode();
        }
        if (s.how >= Wheel && s.how <= WheelOverTree) { // to the focus, the mouse's point
            RECT r = {};
            GetWindowRect(s.how == WheelOverTree ? app.TreeControl : app.GraphPane, &r);
            PostMessageW(GetFocus(), s.how == TiltedWheel ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL,
                         MAKEWPARAM(s.how == ShiftWheel ? MK_SHIFT : 0, s.value),
                         MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
            Pump();
            EXPECT_EQ(GetFocus(), app.TreeControl);
            EXPECT_EQ(SelectedNode(), selected);
        }
        if (s.how >= VBar) { // the uncovered strip painted from the picture; X, since GDI
            SendMessageA(app.GraphPane, s.how == VBar ? WM_VSCROLL : WM_HSCROLL,
                         MAKEWPARAM(s.value, s.position), 0); // reads back Wine's own copy
            EXPECT_TRUE(!readsX || WaitFor([&] { return StalePixels(picture) == 0; }));
        }
        EXPECT_EQ(Scrolled(), std::make_tuple(s.x, s.y, s.x, s.y, s.x, s.y));
    }
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), app.GraphPane);
    EXPECT_TRUE(messages.empty());
    // Grown, scrolled to the end: no empty band below the canvas.
    MoveWindow(app.MainWindow, 0, 0, 600, 500, TRUE);
    Pump();
    const SIZE grown = ClientSize(app.GraphPane);
    const int low = canvas.cy - grown.cy;
    EXPECT_EQ(Scrolled(), std::make_tuple(0, -low, 0, -low, 0, -low));
    // The splitter keeps the tree 35 wide at least and the pane at its edge, painted afresh: no
    // magenta band drawn over it before (as the drag line or the tree's bar were) stays on X.
    HDC dc = GetDC(app.GraphPane);
    const RECT band = {0, grown.cy - 40, grown.cx, grown.cy};
    SetDCBrushColor(dc, RGB(255, 0, 255));
    FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    ReleaseDC(app.GraphPane, dc);
    RECT tree = {};
    GetWindowRect(app.TreePane, &tree);
    const int wide = tree.right - tree.left;
    const struct { int asked, kept; } widths[] = {{wide + 60, wide + 60}, {wide - 20, wide - 20},
                                                  {10, 35}};
    for (const auto& w : widths) {
        SCOPED_TRACE(w.asked);
        MoveWindow(app.TreePane, 0, 0, w.asked, tree.bottom - tree.top, TRUE);
        Pump();
        RECT r = {};
        GetWindowRect(app.TreePane, &r);
        EXPECT_TRUE(r.right - r.left == w.kept && app.settings.TreeWidth == w.kept);
        GetWindowRect(app.GraphPane, &r);
        MapWindowPoints(nullptr, app.MainWindow, reinterpret_cast<POINT*>(&r), 1);
        EXPECT_EQ(r.left, ClientSize(app.TreePane).cx + GetSystemMetrics(SM_CXFRAME));
        EXPECT_TRUE(!readsX || WaitFor([&] { return StalePixels(picture) == 0; }));
    }
    MoveWindow(app.MainWindow, 0, 0, 1100, 900, TRUE); // larger: centred, no bars
    Pump();
    EXPECT_EQ(CanvasOrigin().x, (ClientSize(app.GraphPane).cx - canvas.cx) / 2);
    EXPECT_EQ(CanvasOrigin().y, (ClientSize(app.GraphPane).cy - canvas.cy) / 2);
    EXPECT_FALSE(HasStyle(app.GraphPane, WS_VSCROLL) || HasStyle(app.GraphPane, WS_HSCROLL));
    if (!readsX) GTEST_SKIP() << "the screen probes need `import` to read the X screen";
}

// The port selected in sight at start; over a centred picture the hovered cell is XORed (hand
// cursor) until another cell, no cell, a repaint or leaving; a click opens it once hovered.
TEST_F(PaneInputTest, TheTreeTheCellsAndAnotherMonitorScale)
{
    ExpectInSight(24, "尾鷲");
    MoveWindow(app.MainWindow, 0, 0, 1000, 760, TRUE);
    SetDate(2026, 1, 25);
    Command(CMD_PERIOD42);
    UpdateWindow(app.GraphPane);
    ASSERT_TRUE(CanvasOrigin().x > 0 && Plain(1));
    POINT mouse = {150, 54}; // the real mouse in cell (1, 0), so that the pane keeps it
    ClientToScreen(app.CanvasWindow, &mouse);
    SetCursorPos(mouse.x, mouse.y);
    const struct { int x, y, column; } hovers[] = {{110, 26, 1}, {150, 50, 1}, {200, 60, 2},
                                                   {29, 26, -1}};
    for (const auto& h : hovers) {
        SCOPED_TRACE(h.x);
        MouseAt(h.x, h.y);
        EXPECT_EQ(app.HoverColumn, h.column);
        EXPECT_EQ(app.HighlightColumn, h.column);
        for (int c : {1, 2}) EXPECT_TRUE(c == h.column ? Highlighted(c) : Plain(c)) << c;
        if (h.column > 0) {
            EXPECT_EQ(app.HoverRow, 0);
            EXPECT_EQ(GetCursor(), LoadCursorA(app.Instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR)));
        }
    }
    MouseAt(110, 26);
    InvalidateRect(app.GraphPane, nullptr, FALSE);
    UpdateWindow(app.GraphPane);
    EXPECT_TRUE(app.HoverColumn == -1 && app.HighlightColumn == -1 && Plain(1));
    MouseAt(110, 26);
    ASSERT_TRUE(Highlighted(1));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    EXPECT_TRUE(WaitFor([&] { return app.HighlightColumn == -1; }));
    EXPECT_TRUE(app.HoverColumn == -1 && Plain(1));

    const int x = 30 + 80 * 3 + 5, y = 26 + 56 * 2 + 5; // cell (3, 2): 17 days on
    SendMessageA(app.GraphPane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Pump();
    ExpectShown(42, 1);
    MouseAt(x, y);
    EXPECT_TRUE(app.HoverColumn == 3 && app.HoverRow == 2);
    SendMessageA(app.GraphPane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Pump();
    ExpectDate(2026, 2, 11);
    ExpectShown(1, 1);
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, 610);

    // At 150 % all grows and cells are found where drawn; back at 96 dpi all is as it was.
    ASSERT_EQ(app.Dpi, 96);
    auto changeDpi = [&](int dpi, RECT r) {
        const LPARAM place = reinterpret_cast<LPARAM>(&r);
        SendMessageA(app.MainWindow, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), place);
        Pump();
    };
    auto fontHeight = [](HWND window) {
        LOGFONTW face = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof face,
                   &face);
        return face.lfHeight;
    };
    const std::vector<COLORREF> picture96 = Picture();
    const int painted96 = PaintedPixels(), tree96 = fontHeight(app.TreeControl);
    const int site96 = ClientSize(app.SiteBox).cy, toolbar96 = ClientSize(app.Toolbar).cy;
    changeDpi(144, {0, 0, 1000, 700});
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, 915); // 610 x 1.5
    EXPECT_EQ(ClientSize(app.CanvasWindow).cy, 578); // 385 x 1.5, rounded
    EXPECT_GT(PaintedPixels(), painted96 * 2);       // about 1.5^2 times the pixels
    RECT r = {};
    GetWindowRect(app.SiteBox, &r);
    EXPECT_EQ(r.bottom - r.top, 30); // 20 x 1.5
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");
    EXPECT_EQ(Text(app.FirstSlash) + Text(app.SecondSlash), "//"); // made again with the toolbar
    EXPECT_EQ(fontHeight(app.PortLabel), 18);             // 12 x 1.5
    EXPECT_GE(ClientSize(app.Toolbar).cy, toolbar96 + 8); // 24-pixel images
    EXPECT_EQ(fontHeight(app.TreeControl), MulDiv(tree96, 144, 96));
    EXPECT_EQ(ClientSize(GetDlgItem(app.CalendarWindow, CalendarCloseId)).cy, 30); // 20 x 1.5
    GetWindowRect(app.MainWindow, &r);
    EXPECT_EQ(r.right - r.left, 1000);
    Command(CMD_PERIOD42);
    MouseAt(200, 39); // view (133, 26): cell (1, 0); unscaled it would be cell (2, 0)
    EXPECT_TRUE(app.HoverColumn == 1 && app.HoverRow == 0);
    changeDpi(96, {0, 0, 1000, 700});
    Command(CMD_PERIOD1);
    EXPECT_EQ(Picture(), picture96);
    EXPECT_EQ(ClientSize(app.SiteBox).cy, site96);
    EXPECT_EQ(ClientSize(app.Toolbar).cy, toolbar96);

    // A place without ports changes nothing; four-character names show whole beside the bar.
    const HTREEITEM places[] = {app.RegionItems[9], app.PrefectureItems[2], app.RegionItems[1]};
    for (const HTREEITEM& place : places) {
        SCOPED_TRACE(&place - places); // その他, a prefecture without files, a region
        Select(place);
        EXPECT_EQ(Text(app.PrefLabel) + Text(app.PortLabel), "三重県尾鷲");
        EXPECT_STREQ(ShownStation().StationName, "尾鷲");
        EXPECT_EQ(Picture(), picture96);
    }
    Command(CMD_PLUS1);
    ExpectDate(2026, 2, 12);
    EXPECT_NE(Picture(), picture96);
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_TRUE(messages.empty());
    changeDpi(144, {0, 0, 900, 600}); // marevo.ini keeps the 96-dpi sizes
    Stop();
    EXPECT_EQ(IniValue("Width") + " " + IniValue("Height"), "600 400");
    WritePort({"47那覇.MV2", "那覇", 26.13, 127.40});
    for (const char* name : {"八丈神湊", "三宅坪田", "東京", "晴海", "芝浦", "竹芝", "大井"})
        WritePort({std::string("13") + name + ".MV2", name});
    WriteSettings("[TREE]\r\nCHI1=1\r\nCHI2=1\r\nCHI3=1\r\nCHI4=1\r\n[SITE]\r\nPREF=沖縄県\r\n"
                  "PORT=那覇\r\n[WINDOWS]\r\nHeight=300\r\n");
    Start(); // in a low window the tree scrolls to the port
    ExpectInSight(47, "那覇");
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(HasStyle(app.TreeControl, WS_VSCROLL));
    for (const char* name : {"八丈神湊", "三宅坪田"}) ExpectInSight(13, name, false);
}

} // namespace
} // namespace marevo
