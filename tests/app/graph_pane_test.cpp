// Graph pane: scroll bars and clamping, the page step, the canvas pulled back when the
// window grows, the splitter's minimum, hover cells with the XOR highlight read back from
// the screen, and a click on a day cell (none past the year 9999).
#include "program_fixture.h"

#include "app/ids.h"
#include "window_probe.h"

namespace marevo {
namespace {

class GraphPaneTest : public OwaseTest {
protected:
    bool HasStyle(DWORD bit) const { return GetWindowLongA(app.GraphPane, GWL_STYLE) & bit; }
    void Scroll(UINT message, int request, int position = 0)
    {
        SendMessageA(app.GraphPane, message, MAKEWPARAM(request, position), 0);
        Pump();
    }
    // The mouse over canvas point (x, y), wherever the canvas sits in the pane.
    void MouseAt(int x, int y)
    {
        const POINT origin = CanvasOrigin();
        SendMessageA(app.GraphPane, WM_MOUSEMOVE, 0, MAKELPARAM(origin.x + x, origin.y + y));
    }
    void Paint()
    {
        InvalidateRect(app.GraphPane, nullptr, FALSE);
        UpdateWindow(app.GraphPane);
    }
    // Pixels of the canvas on screen compared with the off-screen picture: how many of the
    // probed points show the picture XORed with the highlight colour.
    int XoredPoints(const CellRect& r)
    {
        HDC screen = GetDC(app.CanvasWindow);
        int xored = 0;
        const int xs[] = {r.left, (r.left + r.right) / 2, r.right};
        const int ys[] = {r.top, (r.top + r.bottom) / 2, r.bottom};
        for (int x : xs)
            for (int y : ys)
                if (GetPixel(screen, x, y) == (GetPixel(app.OffscreenDC(), x, y) ^ RGB(32, 32, 32))) ++xored;
        ReleaseDC(app.CanvasWindow, screen);
        return xored;
    }
    int UnchangedPoints(const CellRect& r)
    {
        HDC screen = GetDC(app.CanvasWindow);
        int same = 0;
        for (int x = r.left; x <= r.right; x += 13)
            for (int y = r.top; y <= r.bottom; y += 11)
                if (GetPixel(screen, x, y) == GetPixel(app.OffscreenDC(), x, y)) ++same;
        ReleaseDC(app.CanvasWindow, screen);
        return same;
    }
    static int Points(const CellRect& r)
    {
        return ((r.right - r.left) / 13 + 1) * ((r.bottom - r.top) / 11 + 1);
    }
};

TEST_F(GraphPaneTest, ScrollingMovesTheCanvasWithinItsRange)
{
    MoveWindow(app.MainWindow, 0, 0, 600, 400, TRUE);
    Command(CMD_TABLE);
    ASSERT_TRUE(HasStyle(WS_VSCROLL));
    const SIZE pane = ClientSize(app.GraphPane);
    const SIZE canvas = ClientSize(app.CanvasWindow);
    ASSERT_GT(canvas.cy, pane.cy);

    Scroll(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(app.CanvasY, -20);
    EXPECT_EQ(CanvasOrigin().y, -20);
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(CanvasOrigin().y, -21);
    Scroll(WM_VSCROLL, SB_LINEUP);
    Scroll(WM_VSCROLL, SB_PAGEUP);
    Scroll(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(CanvasOrigin().y, 0);
    EXPECT_EQ(GetScrollPos(app.GraphPane, SB_VERT), 0);

    // To the end: the canvas's bottom edge at the pane's bottom edge.
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 5000);
    EXPECT_EQ(app.CanvasY, -(canvas.cy - pane.cy));
    EXPECT_EQ(CanvasOrigin().y + canvas.cy, pane.cy);
    EXPECT_EQ(GetScrollPos(app.GraphPane, SB_VERT), canvas.cy - pane.cy);
    Scroll(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(CanvasOrigin().y + canvas.cy, pane.cy);

    if (HasStyle(WS_HSCROLL)) {
        Scroll(WM_HSCROLL, SB_PAGEDOWN);
        EXPECT_EQ(CanvasOrigin().x, -std::min(20, static_cast<int>(canvas.cx - ClientSize(app.GraphPane).cx)));
    }

    // A taller window scrolled to the end leaves no empty band below the canvas.
    MoveWindow(app.MainWindow, 0, 0, 600, 500, TRUE);
    Pump();
    const SIZE taller = ClientSize(app.GraphPane);
    ASSERT_GT(canvas.cy, taller.cy);
    EXPECT_EQ(CanvasOrigin().y + canvas.cy, taller.cy);
    EXPECT_EQ(GetScrollPos(app.GraphPane, SB_VERT), canvas.cy - taller.cy);

    // A larger window pulls the canvas back, centres it and drops the bars once not needed.
    MoveWindow(app.MainWindow, 0, 0, 1100, 900, TRUE);
    Pump();
    const SIZE large = ClientSize(app.GraphPane);
    ASSERT_GT(large.cy, canvas.cy);
    EXPECT_EQ(CanvasOrigin().y, (large.cy - canvas.cy) / 2);
    EXPECT_EQ(CanvasOrigin().x, (large.cx - canvas.cx) / 2);
    EXPECT_FALSE(HasStyle(WS_VSCROLL));
    EXPECT_FALSE(HasStyle(WS_HSCROLL));
}

// What the screen shows of the canvas after each kind of scroll, in both directions, is the
// off-screen picture: the strip a scroll uncovers is painted from it, not left holding
// copies of the edge row. Read from the X server, since GDI reads back Wine's own copy.
TEST_F(GraphPaneTest, ScreenShowsThePictureAfterEveryKindOfScroll)
{
    int screenWidth = 0, screenHeight = 0;
    if (ScreenAsXShowsIt(screenWidth, screenHeight).empty())
        GTEST_SKIP() << "no `import` to read the X screen";
    SetCursorPos(screenWidth - 1, screenHeight - 1); // no hover highlight
    MoveWindow(app.MainWindow, 0, 0, 600, 400, TRUE);
    Command(CMD_TABLE);
    ASSERT_TRUE(HasStyle(WS_VSCROLL));
    ASSERT_TRUE(HasStyle(WS_HSCROLL));
    const SIZE canvas = ClientSize(app.CanvasWindow);
    const std::vector<COLORREF> picture = PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy);

    struct Step { UINT message; int request, position; const char* name; };
    const Step steps[] = {
        {WM_VSCROLL, SB_LINEDOWN, 0, "line down"},     {WM_VSCROLL, SB_PAGEDOWN, 0, "page down"},
        {WM_VSCROLL, SB_THUMBTRACK, 150, "track"},     {WM_VSCROLL, SB_THUMBPOSITION, 5000, "end"},
        {WM_VSCROLL, SB_LINEUP, 0, "line up"},         {WM_VSCROLL, SB_PAGEUP, 0, "page up"},
        {WM_HSCROLL, SB_LINEDOWN, 0, "line right"},    {WM_HSCROLL, SB_PAGEDOWN, 0, "page right"},
        {WM_HSCROLL, SB_THUMBPOSITION, 5000, "right end"},
        {WM_HSCROLL, SB_LINEUP, 0, "line left"},       {WM_HSCROLL, SB_THUMBTRACK, 0, "left end"},
        {WM_VSCROLL, SB_THUMBPOSITION, 0, "top"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const POINT before = CanvasOrigin();
        Scroll(step.message, step.request, step.position);
        const POINT after = CanvasOrigin();
        EXPECT_FALSE(after.x == before.x && after.y == before.y) << "the step did not scroll";

        // Points of the pane's canvas area compared with the picture, as the X server shows
        // them once Wine has handed it the window's surface.
        int differing = 0, compared = 0;
        auto shown = [&] {
            int width = 0, height = 0;
            const std::vector<COLORREF> screen = ScreenAsXShowsIt(width, height);
            if (screen.empty()) return false;
            RECT pane = {};
            GetClientRect(app.GraphPane, &pane);
            MapWindowPoints(app.GraphPane, nullptr, reinterpret_cast<POINT*>(&pane), 2);
            POINT origin = {0, 0};
            ClientToScreen(app.CanvasWindow, &origin);
            differing = compared = 0;
            for (int y = std::max<int>(pane.top, 0); y < std::min<int>(pane.bottom, height); ++y)
                for (int x = std::max<int>(pane.left, 0); x < std::min<int>(pane.right, width); ++x) {
                    const int cx = x - origin.x, cy = y - origin.y;
                    if (cx >= canvas.cx || cy >= canvas.cy) continue;
                    ++compared;
                    if (screen[static_cast<size_t>(y) * width + x] !=
                        picture[static_cast<size_t>(cy) * canvas.cx + cx])
                        ++differing;
                }
            return compared > 0 && differing == 0;
        };
        WaitFor(shown);
        EXPECT_GT(compared, 300 * 200);
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(GraphPaneTest, SplitterKeepsTheTreeAtLeast35Wide)
{
    MoveWindow(app.TreePane, 0, 0, 10, 200, TRUE);
    Pump();
    RECT r = {};
    GetWindowRect(app.TreePane, &r);
    EXPECT_EQ(r.right - r.left, 35);
    EXPECT_EQ(app.settings.TreeWidth, 35);
    MoveWindow(app.TreePane, 0, 0, 200, 200, TRUE);
    Pump();
    EXPECT_EQ(app.settings.TreeWidth, 200);
    // The graph pane starts right of the tree pane's client area.
    RECT graph = {};
    GetWindowRect(app.GraphPane, &graph);
    POINT left = {graph.left, graph.top};
    ScreenToClient(app.MainWindow, &left);
    RECT client = {};
    GetClientRect(app.TreePane, &client);
    EXPECT_EQ(left.x, client.right + GetSystemMetrics(SM_CXFRAME));
}

TEST_F(GraphPaneTest, HoverHighlightsOneCellByXor)
{
    MoveWindow(app.MainWindow, 0, 0, 1000, 760, TRUE);
    Command(CMD_PERIOD42);
    Paint();
    const CellRect first = CellRectOf(42, 0, {1, 0});
    const CellRect second = CellRectOf(42, 0, {2, 0});
    ASSERT_EQ(UnchangedPoints(first), Points(first));

    MouseAt(110, 26); // canvas point (110, 26): cell (1, 0)
    EXPECT_EQ(app.HoverColumn, 1);
    EXPECT_EQ(app.HoverRow, 0);
    EXPECT_EQ(app.HighlightColumn, 1);
    EXPECT_EQ(XoredPoints(first), 9);
    EXPECT_EQ(GetCursor(), LoadCursorA(app.Instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR)));
    MouseAt(150, 50); // same cell: nothing drawn again
    EXPECT_EQ(XoredPoints(first), 9);

    MouseAt(200, 60); // next cell: the old one is restored, never two highlights
    EXPECT_EQ(app.HighlightColumn, 2);
    EXPECT_EQ(UnchangedPoints(first), Points(first));
    EXPECT_EQ(XoredPoints(second), 9);

    MouseAt(29, 26); // outside every cell
    EXPECT_EQ(app.HighlightColumn, -1);
    EXPECT_EQ(app.HoverColumn, -1);
    EXPECT_EQ(UnchangedPoints(second), Points(second));

    // A repaint erases the highlight and forgets the hover.
    MouseAt(110, 26);
    Paint();
    EXPECT_EQ(app.HoverColumn, -1);
    EXPECT_EQ(app.HighlightColumn, -1);
    EXPECT_EQ(UnchangedPoints(first), Points(first));
}

// A click on the cell the mouse is over reaches the session: that day opens in the one-day
// view; a click before any hover picks nothing. Which point picks which day, and picks
// past the year 9999: the Session's tests.
TEST_F(GraphPaneTest, ClickOnACellOpensThatDay)
{
    MoveWindow(app.MainWindow, 0, 0, 1000, 760, TRUE);
    const int x = 30 + 80 * 3 + 5, y = 26 + 56 * 2 + 5; // cell (3, 2): 17 days on
    SetDate(2026, 1, 25);
    Command(CMD_PERIOD42);
    Paint();
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
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, 610);
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace marevo
