// The clipboard copy of the off-screen picture at the canvas's client size. Pixels.
#include "app/clipboard_copy.h"

#include "views/gdi/gdi_scope.h"

namespace marevo {

bool CopyToClipboard(AppState& app, HWND owner)
{
    if (!app.OffscreenDC()) return false;
    RECT client = {};
    GetClientRect(app.CanvasWindow, &client);
    const int width = client.right, height = client.bottom;

    ScopedGdiObj<HBITMAP> bitmap;
    {
        ScopedGetDC canvasDc(app.CanvasWindow);
        ScopedDC memory(CreateCompatibleDC(canvasDc.get()));
        bitmap.reset(CreateCompatibleBitmap(canvasDc.get(), width, height));
        if (!memory.get() || !bitmap.get()) return false;
        // The bitmap leaves the memory context before it goes to the clipboard.
        ScopedSelectObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, app.OffscreenDC(), 0, 0, SRCCOPY);
    }

    bool placed = false;
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        placed = SetClipboardData(CF_BITMAP, bitmap.get()) != nullptr;
        CloseClipboard();
    }
    // Once placed the bitmap belongs to the clipboard.
    if (placed) bitmap.release();
    return placed;
}

} // namespace marevo
