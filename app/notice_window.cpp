// The start-up notice window: its painting (the picture of views/notice_picture) and the
// click that closes it.
#include "app/notice_window.h"

#include <ctime>

#include "app/app_state.h"
#include "views/gdi/gdi_scope.h"
#include "views/gdi/gdi_canvas.h"
#include "app/screen_scale.h"
#include "views/notice_picture.h"

namespace marevo {

LRESULT CALLBACK NoticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        ScopedPaint paint(window);
        ScopedViewScale scale(paint.get(), App().Dpi);
        GdiCanvas canvas(paint.get());
        PaintNotice(canvas, App().VersionText, static_cast<unsigned>(std::time(nullptr)));
        return 0;
    }
    case WM_LBUTTONUP:
        SendMessageA(window, WM_CLOSE, 0, 0);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        if (App().NoticeWindow == window) App().NoticeWindow = nullptr;
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace marevo
