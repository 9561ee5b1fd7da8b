// The screen's scale (see screen_scale.h).
#include "app/screen_scale.h"

#include "shell/scrolling.h"

namespace marevo {

int WindowDpi(HWND window)
{
    // Looked up at run time: older systems (and older Wine) have no GetDpiForWindow.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const GetDpiForWindowFn getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : ViewDpi;
}

int Scaled(const AppState& app, int pixels96) { return PixelsOfViewUnits(pixels96, app.Dpi); }

int Unscaled(const AppState& app, int pixels) { return ViewLengthOfPixels(pixels, app.Dpi); }

ScopedViewScale::ScopedViewScale(HDC dc, int dpi) : dc_(dc)
{
    if (!dc_ || dpi == ViewDpi || dpi <= 0) {
        dc_ = nullptr;
        return;
    }
    saved_ = SaveDC(dc_);
    SetMapMode(dc_, MM_ISOTROPIC);
    SetWindowExtEx(dc_, ViewDpi, ViewDpi, nullptr);
    SetViewportExtEx(dc_, dpi, dpi, nullptr);
    SetViewportOrgEx(dc_, 0, 0, nullptr);
}

ScopedViewScale::~ScopedViewScale()
{
    if (dc_ && saved_) RestoreDC(dc_, saved_);
}

} // namespace marevo
