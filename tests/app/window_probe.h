// Helpers of the tests of the program's own pop-ups and dialogs: acting inside a modal
// dialog from its own message loop, reading pictures out of contexts and bitmaps, and
// saving a screenshot when MAREVO_SHOT_DIR names a folder.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace marevo {

// Runs act on the first modal dialog ("#32770") the thread shows while run() is called.
// act must end the dialog; when no dialog appears the timer is dropped after run().
inline std::function<void(HWND)>& ModalAction()
{
    static std::function<void(HWND)> action;
    return action;
}

inline BOOL CALLBACK FindDialogWindow(HWND window, LPARAM found)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

inline void CALLBACK ModalTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialogWindow, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !ModalAction()) return;
    KillTimer(nullptr, id);
    std::function<void(HWND)> act = ModalAction();
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

// The pixels of a width x height area of dc as 0x00BBGGRR values, row by row.
inline std::vector<COLORREF> PixelsOf(HDC dc, int width, int height)
{
    HDC copy = CreateCompatibleDC(dc);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
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
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::vector<COLORREF> pixels = PixelsOf(dc, width, height);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Writes pixels as a 24-bit BMP file.
inline void SaveBmp(const std::string& path, const std::vector<COLORREF>& pixels, int width,
                    int height)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    const int row = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {0x4D42, DWORD(54 + row * height), 0, 0, 54};
    BITMAPINFOHEADER head = {sizeof head, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&head, sizeof head, 1, f);
    std::vector<unsigned char> line(row);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixels[static_cast<size_t>(y) * width + x];
            line[x * 3] = GetBValue(c);
            line[x * 3 + 1] = GetGValue(c);
            line[x * 3 + 2] = GetRValue(c);
        }
        std::fwrite(line.data(), 1, row, f);
    }
    std::fclose(f);
}

// The screen as the X server shows it (not as GDI reads it back), through imagemagick's
// `import -window root`, which Wine starts as a Unix program: pixels of the whole screen
// row by row, or nothing when that is not available (not under Wine, no imagemagick).
// Wine gives no handle to wait on for a Unix program: the file appears, whole, when done.
inline std::vector<COLORREF> ScreenAsXShowsIt(int& width, int& height)
{
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<COLORREF> pixels;
    if (GetFileAttributesA("Z:\\usr\\bin\\import") == INVALID_FILE_ATTRIBUTES) return pixels;
    static int count = 0;
    char name[64];
    std::snprintf(name, sizeof name, "tmp/marevo-screen-%lu-%d", GetCurrentProcessId(), ++count);
    const std::string part = std::string("/") + name + ".part";
    std::string command = "/bin/sh -c \"/usr/bin/import -silent -window root -depth 8 rgb:" +
                          part + " && mv " + part + " /" + name + ".rgb\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return pixels;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    const std::string path = std::string("Z:\\") + name + ".rgb";
    FILE* f = nullptr;
    for (int wait = 0; wait < 1500 && !f; ++wait) {
        Sleep(10);
        f = std::fopen(path.c_str(), "rb");
    }
    if (!f) return pixels;
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    const size_t read = std::fread(rgb.data(), 1, rgb.size(), f);
    std::fclose(f);
    DeleteFileA(path.c_str());
    if (read != rgb.size()) return pixels;
    pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = RGB(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
    return pixels;
}

// A screenshot of the whole screen into MAREVO_SHOT_DIR/name.bmp when that is set.
inline void Screenshot(const char* name)
{
    const char* dir = std::getenv("MAREVO_SHOT_DIR");
    if (!dir || !*dir) return;
    // Let every window of the thread finish painting first.
    const DWORD until = GetTickCount() + 300;
    while (GetTickCount() < until) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
    HDC screen = GetDC(nullptr);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    SaveBmp(std::string(dir) + "\\" + name + ".bmp", PixelsOf(screen, w, h), w, h);
    ReleaseDC(nullptr, screen);
}

} // namespace marevo
