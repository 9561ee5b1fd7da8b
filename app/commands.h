// The main window's commands (menu, toolbar, accelerators, calendar button), the state shown
// at start, the check marks and pressed buttons that follow the period and the style, and
// the toolbar's tooltips.
#pragma once

#include "app/app_state.h"

namespace marevo {

// Runs command id of the main window; unknown numbers are ignored.
void OnCommand(AppState& app, HWND mainWindow, int id);

// Today's date, indicators, tree expansion, saved site, surface and the first picture.
void ApplyStartupState(AppState& app, HWND mainWindow);

// Menu checks of window's menu and the toolbar's period buttons for app's DisplayPeriod.
void SyncPeriodIndicators(AppState& app, HWND window);

// Answers the toolbar's tooltip-text request (wide or narrow form): every button shows the
// string of its command.
void SetToolTipText(const AppState& app, NMTTDISPINFOA& request);
void SetToolTipText(const AppState& app, NMTTDISPINFOW& request);

// Sets the date of app to today's local date.
void SetToday(AppState& app);

} // namespace marevo
