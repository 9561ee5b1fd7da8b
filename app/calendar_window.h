// The calendar pop-up (class "Cal") under the toolbar's "*" button: a month calendar whose
// every pick becomes the current date at once, and its "閉じる" button. Pixels.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace marevo {

constexpr int CalendarCloseId = 1050;

LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Moves the pop-up right-aligned under the "*" button and shows it (command 1013).
void ShowCalendar(AppState& app);

// 1 while the shown pop-up takes the calendar's selections over, else 0.
int CalendarArmed();

} // namespace marevo
