// Window texts at the window manager's wide functions: the windows hold UTF-16, the
// program reads and writes Shift-JIS (conversion in text/wide_text.h).
#pragma once

#include <windows.h>

#include <string>

#include "text/wide_text.h"

namespace marevo {

void SetSjisText(HWND window, const char* text);

// The window's text into out: at most size - 1 bytes and the terminator; a double-byte
// character that does not fit whole is left out.
void GetSjisText(HWND window, char* out, int size);

} // namespace marevo
