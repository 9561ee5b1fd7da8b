// Graph pane: bars, keys and the wheel scroll the canvas (the screen showing the picture
// after each kind of scroll), the focus moves by a click and Tab, the canvas is pulled back
// or centred as the window grows, the hover highlight by XOR and a click on a day cell, and
// the splitter. The arithmetic of steps and origins: tests/shell/scrolling_test.cpp.
#include "program_fixture.h"

#include "app/ids.h"
#include "window_probe.h"

namespace marevo {
namespace {

class GraphPaneTest : public OwaseTest {
protected:
    // Pixels of the pane's client area that the X server shows otherwise than the picture
    // (where the canvas is) or the button face (around it); -1 when X cannot be read.
    int StalePixels(const std::vector<COLORREF>& picture) const
    {
        int width = 0, height = 0;
        const std::vector<COLORREF> screen = ScreenAsXShowsIt(width, height);
        if (screen.empty()) return -1;
        RECT p = {}, c = {};
        GetClientRect(app.GraphPane, &p);
        MapWindowPoints(app.GraphPane, nullptr, reinterpret_cast<POINT*>(&p), 2);
        GetWindowRect(app.CanvasWindow, &c);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        int stale = 0;
        for (int y = std::max<int>(p.top, 0); y < std::min<int>(p.bottom, height); ++y)
            for (int x = std::max<int>(p.left, 0); x < std::min<int>(p.right, width); ++x) {
                const bool in = x >= c.left && x < c.right && y >= c.top && y < c.bottom;
                const size_t i = static_cast<size_t>(y - c.top) * (c.right - c.left) + x - c.left;
                if (screen[static_cast<size_t>(y) * width + x] != (in ? picture[i] : face)) ++stale;
            }
        return stale;
    }
    // Cell (column, 0) of the 42-day view on the screen as GDI reads it back: its corners,
    // edge middles and centre XORed with the highlight colour; or the picture unchanged.
    bool Highlighted(int column) const { return ScreenPoints(column, true) == 9; }
    bool Plain(int column) const { return ScreenPoints(column, false) == 0; }
    int ScreenPoints(int column, bool xored) const
    {
        const CellRect r = CellRectOf(42, 0, {column, 0});
        HDC screen = GetDC(app.CanvasWindow);
        int count = 0;
        const int step = xored ? 2 : 6; // the outline and the middle, or a grid inside too
        for (int i = 0; i <= step; ++i)
            for (int j = 0; j <= step; ++j) {
                const int x = r.left + (r.right - r.left) * i / step;
                const int y = r.top + (r.bottom - r.top) * j / step;
                const COLORREF picture = GetPixel(app.OffscreenDC(), x, y);
                const COLORREF shown = GetPixel(screen, x, y);
                if (xored ? shown == (picture ^ RGB(32, 32, 32)) : shown != picture) ++count;
            }
        ReleaseDC(app.CanvasWindow, screen);
        return count;
    }
    POINT Centre(HWND window) const
    {
        RECT r = {};
        GetWindowRect(window, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

// Keys (after a click gave the pane the focus), the wheel over the pane or the tree with the
// focus in the tree, and every kind of scroll bar request, in turn from the top-left corner.
TEST_F(GraphPaneTest, KeysTheWheelAndTheBarsScrollTheCanvas)
{
    int screenWidth = 0, screenHeight = 0;
    const bool readsX = !ScreenAsXShowsIt(screenWidth, screenHeight).empty();
    SetCursorPos(screenWidth - 1, screenHeight - 1); // no hover highlight
    MoveWindow(app.MainWindow, 0, 0, 600, 400, TRUE);
    Command(CMD_TABLE);
    ASSERT_TRUE(HasStyle(app.GraphPane, WS_VSCROLL));
    ASSERT_TRUE(HasStyle(app.GraphPane, WS_HSCROLL));
    const SIZE pane = ClientSize(app.GraphPane), canvas = ClientSize(app.CanvasWindow);
    const int page = pane.cy - 20, end = canvas.cy - pane.cy, right = canvas.cx - pane.cx;
    ASSERT_GT(end, page + 20);
    ASSERT_GT(right, 60);
    const std::vector<COLORREF> picture = PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy);
    SetFocus(app.TreeControl);
    Pump();
    const HTREEITEM port = SelectedNode();
    HTREEITEM chosen = port;
    SendMessageA(app.GraphPane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(GetFocus(), app.GraphPane);
    ExpectShown(-1, 1); // no cell hovered: the click picks nothing

    enum How { Key, Wheel, ShiftWheel, TiltedWheel, WheelOverTree, Tab, VBar, HBar };
    struct Step { How how; int value, position, x, y; };
    const Step steps[] = {
        {Key, VK_DOWN, 0, 0, -20},     {Key, VK_NEXT, 0, 0, -20 - page}, {Key, VK_UP, 0, 0, -page},
        {Key, VK_PRIOR, 0, 0, 0},      {Key, VK_END, 0, 0, -end},        {Key, VK_HOME, 0, 0, 0},
        {Key, VK_RIGHT, 0, -20, 0},    {Key, VK_LEFT, 0, 0, 0},          {Key, VK_F20, 0, 0, 0},
        {Tab, 0, 0, 0, 0}, // the tree has the keys: they move its selection, not the picture
        {Wheel, -120, 0, 0, -60},      {ShiftWheel, -120, 0, -60, -60},
        {TiltedWheel, -120, 0, 0, -60}, {WheelOverTree, -120, 0, 0, -60}, {Wheel, 120, 0, 0, 0},
        // The bars: every kind of request, both ways, each probed on the X screen.
        {VBar, SB_LINEDOWN, 0, 0, -1},         {VBar, SB_PAGEDOWN, 0, 0, -21},
        {VBar, SB_THUMBTRACK, 150, 0, -150},   {VBar, SB_THUMBPOSITION, 0, 0, 0},
        {VBar, SB_THUMBPOSITION, 5000, 0, -end}, {VBar, SB_LINEUP, 0, 0, 1 - end},
        {VBar, SB_PAGEUP, 0, 0, 21 - end},     {HBar, SB_LINEDOWN, 0, -1, 21 - end},
        {HBar, SB_PAGEDOWN, 0, -21, 21 - end}, {HBar, SB_THUMBPOSITION, 5000, -right, 21 - end},
        {HBar, SB_LINEUP, 0, 1 - right, 21 - end}, {HBar, SB_THUMBTRACK, 0, 0, 21 - end},
        {VBar, SB_THUMBPOSITION, 5000, 0, -end},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &s - steps);
        if (s.how == Key) PressKey(s.value);
        if (s.how == Tab) {
            PressKey(VK_TAB);
            EXPECT_EQ(GetFocus(), app.TreeControl);
            PressKey(VK_DOWN);
            chosen = SelectedNode();
            EXPECT_NE(chosen, port);
            EXPECT_EQ(Text(app.PortLabel), "尾鷲"); // a place without ports changes nothing
            EXPECT_TRUE(messages.empty());
        }
        if (s.how >= Wheel && s.how <= WheelOverTree) {
            // As the system delivers it: to the focus, with the mouse's screen point.
            const POINT p = Centre(s.how == WheelOverTree ? app.TreeControl : app.GraphPane);
            PostMessageW(GetFocus(), s.how == TiltedWheel ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL,
                         MAKEWPARAM(s.how == ShiftWheel ? MK_SHIFT : 0, s.value),
                         MAKELPARAM(p.x, p.y));
            Pump();
            EXPECT_EQ(GetFocus(), app.TreeControl);
            EXPECT_EQ(SelectedNode(), chosen);
        }
        if (s.how == VBar || s.how == HBar) {
            SendMessageA(app.GraphPane, s.how == VBar ? WM_VSCROLL : WM_HSCROLL,
                         MAKEWPARAM(s.value, s.position), 0);
            Pump();
            // The strip a scroll uncovers is painted from the picture, not left holding
            // copies of the edge row; X, since GDI reads back Wine's own copy.
            EXPECT_TRUE(!readsX || WaitFor([&] { return StalePixels(picture) == 0; }));
        }
        EXPECT_EQ(CanvasOrigin().x, s.x);
        EXPECT_EQ(CanvasOrigin().y, s.y);
        EXPECT_EQ(app.CanvasX, s.x); // where the hover finds the cells
        EXPECT_EQ(app.CanvasY, s.y);
        EXPECT_EQ(GetScrollPos(app.GraphPane, SB_HORZ), -s.x);
        EXPECT_EQ(GetScrollPos(app.GraphPane, SB_VERT), -s.y);
    }
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), app.GraphPane);

    // A taller window scrolled to the end leaves no empty band below the canvas; a larger
    // one centres it and drops the bars.
    MoveWindow(app.MainWindow, 0, 0, 600, 500, TRUE);
    Pump();
    const SIZE taller = ClientSize(app.GraphPane);
    ASSERT_GT(canvas.cy, taller.cy);
    EXPECT_EQ(CanvasOrigin().y + canvas.cy, taller.cy);
    EXPECT_EQ(GetScrollPos(app.GraphPane, SB_VERT), canvas.cy - taller.cy);
    MoveWindow(app.MainWindow, 0, 0, 1100, 900, TRUE);
    Pump();
    const SIZE large = ClientSize(app.GraphPane);
    EXPECT_EQ(CanvasOrigin().x, (large.cx - canvas.cx) / 2);
    EXPECT_EQ(CanvasOrigin().y, (large.cy - canvas.cy) / 2);
    EXPECT_FALSE(HasStyle(app.GraphPane, WS_VSCROLL));
    EXPECT_FALSE(HasStyle(app.GraphPane, WS_HSCROLL));
    if (!readsX) GTEST_SKIP() << "the screen probes need `import` to read the X screen";
}

// In a pane larger than the picture (centred), hovering XORs one cell with the hand cursor;
// another cell, no cell, a repaint or the mouse leaving the pane erase it. A click opens
// the hovered cell's day (which day: the Session's tests); before any hover, nothing.
TEST_F(GraphPaneTest, HoverHighlightsOneCellAndAClickOpensItsDay)
{
    MoveWindow(app.MainWindow, 0, 0, 1000, 760, TRUE);
    SetDate(2026, 1, 25);
    Command(CMD_PERIOD42);
    UpdateWindow(app.GraphPane);
    ASSERT_GT(CanvasOrigin().x, 0);
    ASSERT_TRUE(Plain(1));
    POINT mouse = {150, 54}; // the real mouse in cell (1, 0), so that the pane keeps it
    ClientToScreen(app.CanvasWindow, &mouse);
    SetCursorPos(mouse.x, mouse.y);

    struct Hover { int x, y, column; };
    const Hover hovers[] = {{110, 26, 1}, {150, 50, 1}, {200, 60, 2}, {29, 26, -1}};
    for (const Hover& h : hovers) {
        SCOPED_TRACE(h.x);
        MouseAt(h.x, h.y);
        EXPECT_EQ(app.HoverColumn, h.column);
        EXPECT_EQ(app.HighlightColumn, h.column);
        for (int column : {1, 2}) EXPECT_TRUE(column == h.column ? Highlighted(column) : Plain(column));
        if (h.column > 0) {
            EXPECT_EQ(app.HoverRow, 0);
            EXPECT_EQ(GetCursor(), LoadCursorA(app.Instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR)));
        }
    }
    MouseAt(110, 26);
    InvalidateRect(app.GraphPane, nullptr, FALSE);
    UpdateWindow(app.GraphPane);
    EXPECT_EQ(app.HoverColumn, -1);
    EXPECT_EQ(app.HighlightColumn, -1);
    EXPECT_TRUE(Plain(1));
    MouseAt(110, 26);
    ASSERT_TRUE(Highlighted(1));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    EXPECT_TRUE(WaitFor([&] { return app.HighlightColumn == -1; }));
    EXPECT_EQ(app.HoverColumn, -1);
    EXPECT_TRUE(Plain(1));

    const int x = 30 + 80 * 3 + 5, y = 26 + 56 * 2 + 5; // cell (3, 2): 17 days on
    SendMessageA(app.GraphPane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Pump();
    ExpectShown(42, 1);
    MouseAt(x, y);
    EXPECT_EQ(app.HoverColumn, 3);
    EXPECT_EQ(app.HoverRow, 2);
    SendMessageA(app.GraphPane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Pump();
    ExpectDate(2026, 2, 11);
    ExpectShown(1, 1);
    const SIZE pane = ClientSize(app.GraphPane), canvas = ClientSize(app.CanvasWindow);
    EXPECT_EQ(canvas.cx, 610);
    EXPECT_EQ(CanvasOrigin().x, (pane.cx - canvas.cx) / 2); // centred again for the new size
    EXPECT_EQ(CanvasOrigin().y, (pane.cy - canvas.cy) / 2);
    EXPECT_TRUE(messages.empty());
}

// The splitter keeps the tree at least 35 wide and the settings its width; the graph pane
// follows its edge and is painted afresh, so nothing drawn over it before (a magenta band,
// as the drag line or the tree's scroll bar were) stays. Read from the X server.
TEST_F(GraphPaneTest, TheSplitterMovesThePaneAndLeavesNoStalePaint)
{
    int screenWidth = 0, screenHeight = 0;
    const bool readsX = !ScreenAsXShowsIt(screenWidth, screenHeight).empty();
    SetCursorPos(screenWidth - 1, screenHeight - 1);
    MoveWindow(app.MainWindow, 0, 0, 760, 560, TRUE);
    Command(CMD_PERIOD42);
    UpdateWindow(app.MainWindow);
    const SIZE canvas = ClientSize(app.CanvasWindow);
    const std::vector<COLORREF> picture = PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy);
    const SIZE pane = ClientSize(app.GraphPane);
    {
        HDC dc = GetDC(app.GraphPane);
        HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
        const RECT band = {0, pane.cy - 40, pane.cx, pane.cy};
        FillRect(dc, &band, magenta);
        DeleteObject(magenta);
        ReleaseDC(app.GraphPane, dc);
    }
    RECT tree = {};
    GetWindowRect(app.TreePane, &tree);
    const int wide = tree.right - tree.left;
    struct Width { int asked, kept; };
    for (const Width& w : {Width{wide + 60, wide + 60}, Width{wide - 20, wide - 20}, Width{10, 35}}) {
        SCOPED_TRACE(w.asked);
        MoveWindow(app.TreePane, 0, 0, w.asked, tree.bottom - tree.top, TRUE);
        Pump();
        RECT r = {}, client = {};
        GetWindowRect(app.TreePane, &r);
        EXPECT_EQ(r.right - r.left, w.kept);
        EXPECT_EQ(app.settings.TreeWidth, w.kept);
        GetWindowRect(app.GraphPane, &r);
        POINT left = {r.left, r.top};
        ScreenToClient(app.MainWindow, &left);
        GetClientRect(app.TreePane, &client);
        EXPECT_EQ(left.x, client.right + GetSystemMetrics(SM_CXFRAME));
        EXPECT_TRUE(!readsX || WaitFor([&] { return StalePixels(picture) == 0; }));
    }
    Screenshot("splitter_area");
    if (!readsX) GTEST_SKIP() << "the screen probes need `import` to read the X screen";
}

} // namespace
} // namespace marevo
