// The start-up notice window (class "Warning"): program name, version, a decorative tide
// picture and the notice on the data and on navigation; a click closes it. Pixels.
#pragma once

#include <windows.h>

#include "views/notice_picture.h"

namespace marevo {

LRESULT CALLBACK NoticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace marevo
