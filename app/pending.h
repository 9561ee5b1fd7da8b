// Services of the main window whose windows come with the calendar, printing, clipboard and
// version work: their entry points exist so that every command and class is in place.
#pragma once

#include "app/app_state.h"

namespace marevo {

void PrintView(AppState& app, HWND owner);
void ShowPrintSettings(AppState& app, HWND owner);
void CopyToClipboard(AppState& app, HWND owner);
void ShowVersionDialog(AppState& app, HWND owner);
// Moves the calendar pop-up under the "*" button and shows it.
void ShowCalendar(AppState& app);

LRESULT CALLBACK NoticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace marevo
