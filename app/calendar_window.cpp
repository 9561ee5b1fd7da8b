// The calendar pop-up: creation of the month calendar and its close button, placement
// under the "*" button, and the selections that set the date and redraw. Pixels.
#include "app/calendar_window.h"

#include <commctrl.h>

#include "views/gdi/gdi_scope.h"
#include "app/refresh.h"
#include "app/screen_scale.h"
#include "text/wide_text.h"

namespace marevo {

namespace {

static_assert(static_cast<int>(MCN_SELCHANGE) == -749, "selection-changed code");

const char CloseFace[] = "ＭＳ ゴシック";
const char CloseText[] = "閉じる";
constexpr int CloseWidth = 50, CloseHeight = 20;

// Right edge at the button's right edge, top edge at its bottom.
void PlaceUnderButton(const AppState& app, HWND popup)
{
    RECT button = {}, own = {};
    GetWindowRect(app.CalendarButton, &button);
    GetWindowRect(popup, &own);
    const int width = own.right - own.left;
    SetWindowPos(popup, nullptr, button.right - width, button.bottom, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnCreate(HWND popup)
{
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_DATE_CLASSES};
    InitCommonControlsEx(&init);
    App().MonthCalendar = CreateWindowExW(
        0, MONTHCAL_CLASSW, L"",
        WS_CHILD | WS_VISIBLE | WS_BORDER | MCS_NOTODAYCIRCLE | MCS_NOTODAY, 0, 0, 0, 0, popup,
        nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(popup, GWLP_HINSTANCE)), nullptr);
    SendMessageA(App().MonthCalendar, MCM_SETCOLOR, MCSC_TITLEBK, RGB(64, 64, 255));
    SendMessageA(App().MonthCalendar, MCM_SETCOLOR, MCSC_TEXT, RGB(0, 0, 64));
    SendMessageA(App().MonthCalendar, MCM_SETCOLOR, MCSC_MONTHBK, RGB(230, 230, 255));

    RECT minimum = {};
    SendMessageA(App().MonthCalendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimum));
    const int w = minimum.right - minimum.left, h = minimum.bottom - minimum.top;

    HWND close = CreateWindowExW(0, L"BUTTON", WideFromSjis(CloseText).c_str(),
                                 WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                 w - Scaled(App(), CloseWidth + 1), h - 1,
                                 Scaled(App(), CloseWidth), Scaled(App(), CloseHeight), popup,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(CalendarCloseId)),
                                 nullptr, nullptr);
    App().CalendarCloseFont.reset(CreateFontW(Scaled(App(), 12), 0, 0, 0, 400, FALSE, FALSE,
                                              FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                              WideFromSjis(CloseFace).c_str()));
    SendMessageA(close, WM_SETFONT, reinterpret_cast<WPARAM>(App().CalendarCloseFont.get()), TRUE);

    MoveWindow(App().MonthCalendar, -1, -1, w, h, TRUE);
    SetWindowPos(popup, nullptr, 0, 0, w, h + Scaled(App(), CloseHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceUnderButton(App(), popup);
    App().CalendarArmed = 0;
}

void Hide(HWND popup)
{
    ShowWindow(popup, SW_HIDE);
    App().CalendarArmed = 0;
}

void TakeSelection(AppState& app)
{
    SYSTEMTIME picked = {};
    if (!SendMessageA(app.MonthCalendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&picked)))
        return;
    ShowOutcome(app, app.session.ChooseDate({picked.wYear, picked.wMonth, picked.wDay}));
}

} // namespace

int CalendarArmed() { return App().CalendarArmed; }

void ShowCalendar(AppState& app)
{
    if (!app.CalendarWindow) return;
    PlaceUnderButton(app, app.CalendarWindow);
    ShowWindow(app.CalendarWindow, SW_SHOW);
}

LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    AppState& app = App();
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            Hide(window);
        } else if (LOWORD(wParam) == WA_ACTIVE) {
            const CivilDate date = app.session.Date();
            SYSTEMTIME current = {};
            current.wYear = static_cast<WORD>(date.year);
            current.wMonth = static_cast<WORD>(date.month);
            current.wDay = static_cast<WORD>(date.day);
            SendMessageA(App().MonthCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&current));
            App().CalendarArmed = 1;
        }
        return 0;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == App().MonthCalendar && header->code == MCN_SELCHANGE &&
            App().CalendarArmed)
            TakeSelection(app);
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == CalendarCloseId) Hide(window);
        return 0;
    case WM_DESTROY:
        App().CalendarCloseFont.reset();
        App().MonthCalendar = nullptr;
        App().CalendarArmed = 0;
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace marevo
