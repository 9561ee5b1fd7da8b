// The main window's commands (menu, toolbar, accelerators, calendar button), the state shown
// at start, the check marks and pressed buttons that follow the period and the style, and
// the toolbar's tooltips.
#pragma once

#include "app/app_state.h"

namespace marevo {

// Runs command id of the main window; unknown numbers are ignored.
void OnCommand(AppState& app, HWND mainWindow, int id);

// Tree expansion, the canvas's start-up size, the surface, and the session started on today.
void ApplyStartupState(AppState& app, HWND mainWindow);

// Menu checks of window's menu and the toolbar's period buttons for the session's period.
void ShowPeriod(AppState& app, HWND window);
// The bar-graph button and the two menu checks for the session's graph style.
void ShowStyle(AppState& app, HWND window);

// Answers the toolbar's tooltip-text request (wide or narrow form): every button shows the
// string of its command.
void SetToolTipText(const AppState& app, NMTTDISPINFOA& request);
void SetToolTipText(const AppState& app, NMTTDISPINFOW& request);

// Today's local date: the clock the window hands the session ({0, 0, 0} when the runtime
// cannot convert the clock).
CivilDate Today();

} // namespace marevo
