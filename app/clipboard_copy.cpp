// The clipboard copy of the off-screen picture at the canvas's client size. Pixels.
#include "app/clipboard_copy.h"

#include "app/gdi_scope.h"

namespace marevo {

bool CopyToClipboard(AppState& app, HWND owner)
{
    if (!app.OffscreenDC) return false;
    RECT client = {};
    GetClientRect(app.CanvasWindow, &client);
    const int width = client.right, height = client.bottom;

    ScopedGetDC canvasDc(app.CanvasWindow);
    HDC memory = CreateCompatibleDC(canvasDc.get());
    HBITMAP bitmap = CreateCompatibleBitmap(canvasDc.get(), width, height);
    if (!memory || !bitmap) {
        if (bitmap) DeleteObject(bitmap);
        if (memory) DeleteDC(memory);
        return false;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, app.OffscreenDC, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);

    bool placed = false;
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        placed = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
        CloseClipboard();
    }
    // Once placed the bitmap belongs to the clipboard.
    if (!placed) DeleteObject(bitmap);
    return placed;
}

} // namespace marevo
