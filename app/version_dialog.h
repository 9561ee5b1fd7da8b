// The version dialog (resource 167): program name, version, the maker's texts and the web
// address as a link that opens the default browser.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace marevo {

// Runs the dialog modally over owner; returns 1 when it is closed. A click on the address
// hands the link control's text to OpenDocument (ui_seam.h).
INT_PTR ShowVersionDialog(AppState& app, HWND owner);

} // namespace marevo
