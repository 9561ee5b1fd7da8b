// Helpers of the tests of the program's pop-ups and pictures: acting inside a modal dialog
// from its own message loop, reading pixels out of contexts and bitmaps, and the screen as
// the X server shows it (saved for the eye too when MAREVO_SHOT_DIR names a folder).
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace marevo {

// Runs act on the first modal dialog ("#32770") the thread shows while run() is called;
// act must end the dialog.
inline std::function<void(HWND)>& ModalAction()
{
    static std::function<void(HWND)> action;
    return action;
}

inline void CALLBACK ModalTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !ModalAction()) return;
    KillTimer(nullptr, id);
    const std::function<void(HWND)> act = ModalAction();
    ModalAction() = nullptr;
    act(dialog);
}

inline void WithModal(const std::function<void()>& run, const std::function<void(HWND)>& act)
{
    ModalAction() = act;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, ModalTimer);
    run();
    KillTimer(nullptr, timer);
    ModalAction() = nullptr;
}

// The pixels of a width x height area of dc (or of a bitmap) as COLORREF, row by row.
inline std::vector<COLORREF> PixelsOf(HDC dc, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC copy = CreateCompatibleDC(dc);
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(copy, section);
    BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    const DWORD* p = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
    SelectObject(copy, old);
    DeleteObject(section);
    DeleteDC(copy);
    return pixels;
}

inline std::vector<COLORREF> PixelsOfBitmap(HBITMAP bitmap, int width, int height)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::vector<COLORREF> pixels = PixelsOf(dc, width, height);
    SelectObject(dc, old);
    DeleteDC(dc);
    return pixels;
}

// Writes pixels as a binary PPM file, to be looked at.
inline void SavePicture(const std::string& path, const std::vector<COLORREF>& pixels, int width,
                        int height)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (COLORREF c : pixels) {
        const unsigned char rgb[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

// Runs imagemagick's `import -window root` (a Unix program Wine starts) into a file of the
// build machine; it appears, whole, when done (Wine gives no handle to wait on). False
// where there is no import (not under Wine) or it wrote nothing within 15 s.
inline bool ImportScreen(const std::string& unixPath)
{
    if (GetFileAttributesA("Z:\\usr\\bin\\import") == INVALID_FILE_ATTRIBUTES) return false;
    const std::string format = unixPath.substr(unixPath.size() - 4) == ".rgb" ? "-depth 8 rgb:" : "";
    std::string command = "/bin/sh -c \"/usr/bin/import -silent -window root " + format +
                          unixPath + ".part && mv " + unixPath + ".part " + unixPath + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::string path = "Z:" + unixPath;
    for (int wait = 0; wait < 1500; ++wait) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        Sleep(10);
    }
    return false;
}

// The screen as the X server shows it (not as GDI reads it back), row by row; empty where
// that is not available.
inline std::vector<COLORREF> ScreenAsXShowsIt(int& width, int& height)
{
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    static int count = 0;
    char name[64];
    std::snprintf(name, sizeof name, "/tmp/marevo-screen-%lu-%d.rgb", GetCurrentProcessId(), ++count);
    std::vector<COLORREF> pixels;
    if (!ImportScreen(name)) return pixels;
    const std::string path = std::string("Z:") + name;
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    FILE* f = std::fopen(path.c_str(), "rb");
    const bool whole = f && std::fread(rgb.data(), 1, rgb.size(), f) == rgb.size();
    if (f) std::fclose(f);
    DeleteFileA(path.c_str());
    for (size_t i = 0; whole && i < rgb.size(); i += 3)
        pixels.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
    return pixels;
}

// The screen as the X server shows it into MAREVO_SHOT_DIR/name.png when that names a
// folder of the build machine.
inline void Screenshot(const char* name)
{
    const char* dir = std::getenv("MAREVO_SHOT_DIR");
    if (dir && *dir) ImportScreen(std::string(dir) + "/" + name + ".png");
}

} // namespace marevo
