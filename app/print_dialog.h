// The print settings dialog (resource 173): the print magnification and colour or
// monochrome printing, saved in the settings file as soon as they are confirmed.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace marevo {

// Runs the dialog modally over owner. OK stores app.settings.PrinterRatio and PrinterColor
// and writes both to the settings file; a magnification that printing cannot use is
// refused with a message and the dialog stays open. Returns 1 (confirmed) or 2 (cancelled).
INT_PTR ShowPrintSettings(AppState& app, HWND owner);

} // namespace marevo
