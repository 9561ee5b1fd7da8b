// Start-up and the main window: single-instance guard, module directory, settings, window
// classes, the notice, main and calendar windows, and the message loop.
#pragma once

#include <string>

#include "app/app_state.h"

namespace marevo {

// 1 when another copy runs (the named mutex existed already), else 0. The handle stays
// open for the life of the process.
int IsAlreadyRunning();

// Registers a child-pane class (extended class structure, button-face background).
ATOM RegisterPaneClass(HINSTANCE instance, WNDPROC procedure, const char* className);

// Start-up after the single-instance check, with the program's directory given: settings,
// classes, windows, accelerators. False when a class could not be registered or the
// directory is too long (the program then ends with code 0).
bool StartProgram(HINSTANCE instance, const char* moduleDir, int showCommand);

// Accelerators of the main window, else translation and dispatch.
void DispatchProgramMessage(AppState& app, MSG& message);

// Runs the message loop; returns the quit code.
int RunMessageLoop(AppState& app);

// The whole program: what WinMain does.
int MarevoMain(HINSTANCE instance, int showCommand);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace marevo
