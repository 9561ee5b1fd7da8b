// Timing of the window program's refresh under its own windows: for each display period,
// from the redraw command (F5) to the off-screen surface drawn and flushed, the median, the
// fastest and the slowest of many refreshes, in milliseconds. Built on request
// (target refresh_bench of the Windows build); run it under Wine with a display:
//   refresh_bench.exe [folder with dt\ (default: the executable's)] [refreshes per period]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/ids.h"
#include "app/graph_pane.h"
#include "app/main_window.h"
#include "app/refresh.h"
#include "views/gdi/gdi_canvas.h"

using namespace marevo;

namespace {

void Pump(AppState& app)
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchProgramMessage(app, message);
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& rate)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(rate.QuadPart);
}

} // namespace

int main(int argc, char** argv)
{
    std::string folder;
    if (argc > 1) {
        folder = argv[1];
    } else {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        folder = path;
        folder.erase(folder.find_last_of('\\') + 1);
    }
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    AppState& app = App();
    if (!StartProgram(GetModuleHandleA(nullptr), folder.c_str(), SW_SHOWNORMAL)) return 1;
    Pump(app);
    if (app.NoticeWindow) SendMessageA(app.NoticeWindow, WM_LBUTTONUP, 0, 0);
    Pump(app);

    LARGE_INTEGER rate;
    QueryPerformanceFrequency(&rate);
    std::printf("port %s, %d refreshes per period (ms: median, fastest, slowest)\n",
                app.session.Model() ? app.session.Model()->station->StationName : "", count);
    const struct { int command; const char* name; } periods[] = {
        {CMD_PERIOD1, "1 day"}, {CMD_PERIOD7, "7 days"}, {CMD_PERIOD42, "42 days"}, {CMD_TABLE, "tide table"},
    };
    // Each measure: median, fastest, slowest of count runs of one step.
    auto measure = [&](const char* what, const char* period, auto step) {
        std::vector<double> times;
        for (int i = 0; i < count; ++i) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            step();
            GdiFlush();
            QueryPerformanceCounter(&end);
            times.push_back(Milliseconds(start, end, rate));
            Pump(app); // the repaint of the pane, outside the measure
        }
        std::sort(times.begin(), times.end());
        std::printf("%-11s %-28s %8.2f %8.2f %8.2f\n", period, what, times[times.size() / 2],
                    times.front(), times.back());
    };
    for (const auto& period : periods) {
        SendMessageA(app.MainWindow, WM_COMMAND, MAKEWPARAM(period.command, 0), 0);
        Pump(app);
        measure("redraw command (F5)", period.name, [&] {
            SendMessageA(app.MainWindow, WM_COMMAND, MAKEWPARAM(CMD_REDRAW, 0), 0);
        });
        // Where the time goes: the drawing of the view alone, and the panes' layout alone.
        measure("  drawing into the surface", period.name, [&] {
            GdiCanvas canvas(app.OffscreenDC());
            app.session.Render(canvas);
        });
        measure("  layout of the panes", period.name, [&] { LayoutPanes(app); });
        measure("  surface rebuilt", period.name, [&] {
            CreateOffscreen(app);
        });
        measure("  date labels set", period.name, [&] {
            for (HWND label : {app.YearLabel, app.MonthLabel, app.DayLabel}) {
                char text[16];
                GetWindowTextA(label, text, sizeof text);
                SetWindowTextA(label, text);
            }
        });
        measure("  canvas moved in place", period.name, [&] {
            RECT r = {};
            GetClientRect(app.CanvasWindow, &r);
            MoveWindow(app.CanvasWindow, app.CanvasX, app.CanvasY, r.right, r.bottom, TRUE);
        });
    }
    std::fflush(stdout);
    // No settings are written into the data folder: the process ends without closing.
    ExitProcess(0);
}
