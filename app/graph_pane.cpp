// Graph pane: canvas child, off-screen surface, scroll bars, wheel and keys, hover highlight,
// day clicks, and the layout of the two panes. Pixels of the pane's and the canvas's client
// areas; the cells in view units.
#include "app/graph_pane.h"

#include <initializer_list>
#include <memory>

#include "app/commands.h"
#include "views/gdi/gdi_scope.h"
#include "app/ids.h"
#include "app/refresh.h"
#include "app/screen_scale.h"
#include "shell/scrolling.h"
#include "views/gdi/gdi_canvas.h"
#include "views/view_layout.h"
#include "views/view_model.h"

namespace marevo {

namespace {

SIZE ClientSize(HWND window)
{
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void ForgetHover(AppState& app)
{
    app.HoverColumn = app.HoverRow = app.HighlightColumn = app.HighlightRow = -1;
}

void CopySurfaceToCanvas(AppState& app)
{
    ScopedGetDC canvas(app.CanvasWindow);
    const SIZE size = ClientSize(app.CanvasWindow);
    if (app.OffscreenDC())
        BitBlt(canvas.get(), 0, 0, size.cx, size.cy, app.OffscreenDC(), 0, 0, SRCCOPY);
    ForgetHover(app); // the copy has erased any highlight
}

// The canvas paints what is exposed of it from the off-screen surface: the static control
// itself draws nothing, so a strip uncovered by scrolling (or by a window closed above it)
// would otherwise keep whatever pixels the screen held there. The whole canvas is copied,
// so that a highlight is never left half erased.
LRESULT CALLBACK CanvasProc(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: // the pane scrolls, whichever of its windows is told
        return SendMessageW(GetParent(canvas), message, wParam, lParam);
    case WM_PAINT: {
        { ScopedPaint paint(canvas); }
        CopySurfaceToCanvas(App());
        return 0;
    }
    default:
        return CallWindowProcW(App().CanvasPrevious, canvas, message, wParam, lParam);
    }
}

void OnCreate(HWND pane)
{
    AppState& app = App();
    app.TrackingLeave = false; // a new pane has asked for nothing yet
    app.CanvasWindow = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, 0, 0,
                                       0, 0, pane, reinterpret_cast<HMENU>(ID_CANVAS),
                                       app.Instance, nullptr);
    app.CanvasPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        app.CanvasWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CanvasProc)));
}

void OnPaint(HWND pane)
{
    ScopedPaint paint(pane);
    CopySurfaceToCanvas(App());
}

// Moves the canvas by d pixels along one bar, d already kept within the range.
void ScrollBy(HWND pane, int bar, int d)
{
    AppState& app = App();
    SCROLLINFO& record = bar == SB_HORZ ? app.HorizontalScroll : app.VerticalScroll;
    if (d == 0) return;
    record.nPos += d;
    (bar == SB_HORZ ? app.CanvasX : app.CanvasY) = -record.nPos;
    record.cbSize = sizeof record;
    record.fMask = SIF_ALL;
    SetScrollInfo(pane, bar, &record, TRUE);
    const SIZE size = ClientSize(app.CanvasWindow);
    MoveWindow(app.CanvasWindow, app.CanvasX, app.CanvasY, size.cx, size.cy, TRUE);
    UpdateWindow(pane);
}

void OnScroll(HWND pane, int bar, int request, int thumbPosition)
{
    const SCROLLINFO& record = bar == SB_HORZ ? App().HorizontalScroll : App().VerticalScroll;
    ScrollBy(pane, bar, ScrollDelta(request, thumbPosition, record.nPos, record.nMax,
                                    static_cast<int>(record.nPage)));
}

// A step of the wheel or the keys: only along a bar the pane shows, within its range.
void ScrollStep(HWND pane, int bar, int d)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongA(pane, GWL_STYLE));
    if (!(style & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL))) return;
    const SCROLLINFO& record = bar == SB_HORZ ? App().HorizontalScroll : App().VerticalScroll;
    ScrollBy(pane, bar, ClampScrollStep(d, record.nPos, record.nMax,
                                        static_cast<int>(record.nPage)));
}

// The vertical wheel, or with Shift held the horizontal scroll; the tilted wheel scrolls
// horizontally.
void OnWheel(HWND pane, bool tilted, WPARAM wParam)
{
    const bool horizontal = tilted || (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT);
    const int step = WheelStep(GET_WHEEL_DELTA_WPARAM(wParam), tilted,
                               &App().WheelRemainder[horizontal ? 1 : 0]);
    ScrollStep(pane, horizontal ? SB_HORZ : SB_VERT, step);
}

// Arrows, PageUp, PageDown, Home and End; returns false for any other key.
bool OnKey(HWND pane, WPARAM key)
{
    static const struct { WPARAM key; ScrollKey scroll; } Keys[] = {
        {VK_UP, KeyUp}, {VK_DOWN, KeyDown}, {VK_LEFT, KeyLeft}, {VK_RIGHT, KeyRight},
        {VK_PRIOR, KeyPageUp}, {VK_NEXT, KeyPageDown}, {VK_HOME, KeyHome}, {VK_END, KeyEnd},
    };
    for (const auto& row : Keys) {
        if (row.key != key) continue;
        const KeyScroll s = KeyScrollStep(row.scroll, ClientSize(pane).cy,
                                          ClientSize(App().CanvasWindow).cy);
        ScrollStep(pane, s.horizontal ? SB_HORZ : SB_VERT, s.step);
        return true;
    }
    return false;
}

// Draws or erases the valid ones of cells on the canvas window: XOR of their outline and
// inside with the highlight colour.
void XorCells(const AppState& app, std::initializer_list<Cell> cells)
{
    ScopedGetDC dc(app.CanvasWindow);
    ScopedViewScale scale(dc.get(), app.Dpi);
    GdiCanvas canvas(dc.get());
    const int previousMix = canvas.SetMixMode(MixXorPen);
    const Color highlight = app.session.HighlightColour();
    for (Cell cell : cells) {
        if (!CellIsValid(app.session.Period(), cell)) continue;
        const CellRect r = app.session.CellBox(cell);
        canvas.SelectViewPen(PenSolid, 1, highlight);
        canvas.DrawBox(r.left, r.top, r.right, r.bottom, highlight);
        canvas.ReleaseViewPen();
    }
    canvas.SetMixMode(previousMix);
}

// A click opens the day of the cell under the mouse in the one-day view.
void OnLeftButton(AppState& app)
{
    ShowOutcome(app, app.session.PickCell({app.HoverColumn, app.HoverRow}));
}

// Sets the pane's scroll bars. The style, and the frame change that makes it take effect
// (a repaint of the whole pane), only when the bars shown change: on every refresh the
// layout is usually the same, and under Wine each frame change costs tens of milliseconds.
void SetBars(HWND pane, DWORD style, SCROLLINFO* vertical, SCROLLINFO* horizontal)
{
    const DWORD bars = WS_VSCROLL | WS_HSCROLL;
    const DWORD current = static_cast<DWORD>(GetWindowLongA(pane, GWL_STYLE));
    const bool changed = (current & bars) != style || (current & (WS_CHILD | WS_VISIBLE)) !=
                                                          (WS_CHILD | WS_VISIBLE);
    if (changed) SetWindowLongA(pane, GWL_STYLE, WS_CHILD | WS_VISIBLE | style);
    // A bar is set (and redrawn) only when its range, page or position change.
    auto set = [&](int bar, SCROLLINFO* record) {
        SCROLLINFO shown = {sizeof shown, SIF_ALL, 0, 0, 0, 0, 0};
        if (!changed && GetScrollInfo(pane, bar, &shown) && shown.nMin == record->nMin &&
            shown.nMax == record->nMax && shown.nPage == record->nPage && shown.nPos == record->nPos)
            return;
        SetScrollInfo(pane, bar, record, TRUE);
    };
    if (vertical) set(SB_VERT, vertical);
    if (horizontal) set(SB_HORZ, horizontal);
    if (changed)
        SetWindowPos(pane, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

// Whether a child window already has that place and size in its parent.
bool PlacedAt(HWND window, int x, int y, int width, int height)
{
    RECT r = {};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r.left == x && r.top == y && r.right - r.left == width && r.bottom - r.top == height;
}

// Moves a child window unless it already has that place and size (a move repaints it).
void MoveChild(HWND window, int x, int y, int width, int height)
{
    if (!PlacedAt(window, x, y, width, height)) MoveWindow(window, x, y, width, height, TRUE);
}

// Moves the graph pane where the splitter or the window's size puts it. Its old pixels are
// not carried along (they may hold what was drawn over them, such as the splitter's drag
// line), and the whole pane, its frame and the canvas are painted afresh.
void MovePane(HWND pane, int x, int y, int width, int height)
{
    if (PlacedAt(pane, x, y, width, height)) return;
    SetWindowPos(pane, nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

} // namespace

void CreateOffscreen(AppState& app)
{
    app.offscreen.reset();
    const SIZE size = ClientSize(app.CanvasWindow);
    ScopedGetDC canvas(app.CanvasWindow);
    app.offscreen = std::make_unique<OffscreenSurface>(canvas.get(), size.cx, size.cy);
    ScopedSelectObject brush(app.OffscreenDC(), GetSysColorBrush(COLOR_BTNFACE));
    PatBlt(app.OffscreenDC(), 0, 0, size.cx, size.cy, PATCOPY);
}

void LayoutPanes(AppState& app)
{
    // During creation the panes and the toolbar do not all exist yet.
    if (!app.MainWindow || !app.Toolbar || !app.TreePane || !app.GraphPane || !app.CanvasWindow)
        return;
    RECT m = {}, t = {}, tree = {};
    GetClientRect(app.MainWindow, &m);
    GetClientRect(app.Toolbar, &t);
    const int f = GetSystemMetrics(SM_CXFRAME);

    GetWindowRect(app.TreePane, &tree);
    app.settings.TreeWidth = tree.right - tree.left;
    if (app.settings.TreeWidth < 35) app.settings.TreeWidth = 35;
    MoveChild(app.TreePane, -f, t.bottom - f + 1, app.settings.TreeWidth,
              m.bottom - t.bottom + 2 * f);

    RECT r = {};
    GetClientRect(app.TreePane, &r);
    MovePane(app.GraphPane, r.right + f, t.bottom + 2, m.right - r.right - f,
             m.bottom - t.bottom);

    for (int pass = 0; pass < 2; ++pass) {
        const SIZE c = ClientSize(app.CanvasWindow);
        const SIZE g = ClientSize(app.GraphPane);
        const int verticalPage = c.cy > g.cy ? g.cy : 0;
        const int horizontalPage = c.cx > g.cx ? g.cx : 0;
        // Scrolled within its range, or centred where it is smaller than the pane.
        const int x = CanvasOriginIn(app.CanvasX, c.cx, g.cx, true);
        const int y = CanvasOriginIn(app.CanvasY, c.cy, g.cy, true);
        if (x != app.CanvasX || y != app.CanvasY) {
            app.CanvasX = x;
            app.CanvasY = y;
            MoveWindow(app.CanvasWindow, x, y, c.cx, c.cy, TRUE);
        }
        SCROLLINFO& v = app.VerticalScroll;
        SCROLLINFO& h = app.HorizontalScroll;
        v.cbSize = h.cbSize = sizeof(SCROLLINFO);
        v.fMask = h.fMask = SIF_ALL;
        if (verticalPage) {
            v.nMin = 0; v.nMax = c.cy; v.nPage = verticalPage; v.nPos = -app.CanvasY;
        }
        if (horizontalPage) {
            h.nMin = 0; h.nMax = c.cx; h.nPage = horizontalPage; h.nPos = -app.CanvasX;
        }
        if (verticalPage && horizontalPage)
            SetBars(app.GraphPane, WS_VSCROLL | WS_HSCROLL, &v, &h);
        else if (horizontalPage)
            SetBars(app.GraphPane, WS_HSCROLL, nullptr, &h);
        else if (verticalPage)
            SetBars(app.GraphPane, WS_VSCROLL, &v, nullptr);
        else
            SetBars(app.GraphPane, 0, nullptr, nullptr);
    }
}

void TrackHover(AppState& app, HWND pane, int x, int y)
{
    // Told once when the mouse leaves the pane (or a window comes over it), so that the
    // highlight does not stay behind.
    if (!app.TrackingLeave) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, pane, 0};
        app.TrackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    const int period = app.session.Period();
    if (period == OneDay) return;
    Cell cell;
    if (!app.session.CellAt(ViewUnitOfPixel(x - app.CanvasX, app.Dpi),
                            ViewUnitOfPixel(y - app.CanvasY, app.Dpi), cell))
        return;
    app.HoverColumn = cell.column;
    app.HoverRow = cell.row;
    const Cell old{app.HighlightColumn, app.HighlightRow};
    if (CellIsValid(period, cell)) {
        SetCursor(LoadCursorA(app.Instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR)));
        if (old.column == cell.column && old.row == cell.row) return;
        XorCells(app, {old, cell});
        app.HighlightColumn = cell.column;
        app.HighlightRow = cell.row;
    } else {
        EraseHighlight(app);
    }
}

void EraseHighlight(AppState& app)
{
    const Cell old{app.HighlightColumn, app.HighlightRow};
    if (CellIsValid(app.session.Period(), old)) XorCells(app, {old});
    app.HighlightColumn = app.HighlightRow = -1;
}

LRESULT CALLBACK GraphPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(pane);
        return 0;
    case WM_PAINT:
        OnPaint(pane);
        return 0;
    case WM_HSCROLL:
        OnScroll(pane, SB_HORZ, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(pane, SB_VERT, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOUSEMOVE:
        TrackHover(App(), pane, static_cast<short>(LOWORD(lParam)),
                   static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_MOUSELEAVE:
        App().TrackingLeave = false;
        EraseHighlight(App());
        App().HoverColumn = App().HoverRow = -1;
        return 0;
    case WM_LBUTTONDOWN:
        // A click gives the pane the keys (arrows, pages, Home, End) until the tree is
        // clicked again.
        if (GetFocus() != pane) SetFocus(pane);
        OnLeftButton(App());
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        OnWheel(pane, message == WM_MOUSEHWHEEL, wParam);
        return 0;
    case WM_KEYDOWN:
        if (OnKey(pane, wParam)) return 0;
        return DefWindowProcW(pane, message, wParam, lParam);
    default:
        return DefWindowProcW(pane, message, wParam, lParam);
    }
}

} // namespace marevo
