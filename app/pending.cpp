// Entry points of the services that arrive with the calendar, printing, clipboard and
// version windows. Until then the commands do nothing; the notice window closes on a click
// and the calendar pop-up stays an empty hidden window.
#include "app/pending.h"

namespace marevo {

void PrintView(AppState&, HWND) {}
void ShowPrintSettings(AppState&, HWND) {}
void CopyToClipboard(AppState&, HWND) {}
void ShowVersionDialog(AppState&, HWND) {}
void ShowCalendar(AppState&) {}

LRESULT CALLBACK NoticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONUP:
        SendMessageA(window, WM_CLOSE, 0, 0);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        if (App().NoticeWindow == window) App().NoticeWindow = nullptr;
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace marevo
