// The clipboard copy: the whole current picture, as drawn off-screen, as a bitmap.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace marevo {

// Places a copy of the canvas-sized off-screen picture on the clipboard for owner,
// whatever part is scrolled into sight. Returns true when the clipboard took it; when it
// is busy nothing is placed and nothing is said.
bool CopyToClipboard(AppState& app, HWND owner);

} // namespace marevo
