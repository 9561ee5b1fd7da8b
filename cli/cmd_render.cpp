// marevo-cli render: the picture of one view of a port and date, at the view's own size,
// written as PNG, SVG or PDF on the window's 3-D face background.
#include <cstdio>
#include <string>

#if MAREVO_RENDER_MODULE
#include <dlfcn.h>
#endif

#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/commands.h"
#include "cli/data_folder.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "cli/render_module.h"
#include "views/cairo/image_canvas.h" // WindowFace only: the canvas itself is in the module
#include "shell/session.h"

#ifndef MAREVO_RENDER_MODULE_FILE
#define MAREVO_RENDER_MODULE_FILE "marevo-render.so"
#endif
#ifndef MAREVO_MODULE_RELATIVE
#define MAREVO_MODULE_RELATIVE "../lib/marevo"
#endif

namespace marevo::cli {

namespace {

struct ViewChoice {
    const char* name;
    DisplayPeriod period;
    int days; // the days drawn from the date on
};

const ViewChoice Views[] = {
    {"1", OneDay, 1},
    {"7", SevenDays, 7},
    {"42", FortyTwoDays, 42},
    {"table", TideTable, TableDays},
};

#if MAREVO_RENDER_MODULE
struct ImageModule {
    MarevoImageFormatFn format = nullptr;
    MarevoImageOpenFn open = nullptr;
    MarevoImageSaveFn save = nullptr;
};

// The module beside the executable, else in the installed library folder.
bool LoadImageModule(ImageModule& module, std::string& error)
{
    const std::string dir = ExecutableDir();
    void* handle = nullptr;
    for (const std::string& path : {dir + MAREVO_RENDER_MODULE_FILE,
                                    dir + MAREVO_MODULE_RELATIVE "/" MAREVO_RENDER_MODULE_FILE}) {
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle != nullptr) break;
        const char* why = dlerror();
        error = why ? why : path;
    }
    if (handle == nullptr) return false;
    module.format = reinterpret_cast<MarevoImageFormatFn>(dlsym(handle, "MarevoImageFormat"));
    module.open = reinterpret_cast<MarevoImageOpenFn>(dlsym(handle, "MarevoImageOpen"));
    module.save = reinterpret_cast<MarevoImageSaveFn>(dlsym(handle, "MarevoImageSave"));
    if (!module.format || !module.open || !module.save) {
        error = MAREVO_RENDER_MODULE_FILE;
        return false;
    }
    return true;
}
#endif

} // namespace

int RunRender(const Words& words)
{
    CliArgs args;
    std::string error;
    if (!ParseArgs(words, {{"--mono"}, {"--view", "--style", "--out"}}, args, error))
        return Fail(2, error);
    const ViewChoice* view = nullptr;
    for (const ViewChoice& v : Views)
        if (args.Value("--view") == v.name) view = &v;
    if (view == nullptr)
        return Fail(2, Say(u8"--view は 1, 7, 42, table のどれかです", "--view is one of 1, 7, 42, table"));
    const std::string style = args.Value("--style", "line");
    if (style != "line" && style != "bar")
        return Fail(2, Say(u8"--style は bar か line です", "--style is bar or line"));
    const std::string out = args.Value("--out");
    if (out.empty()) return Fail(2, Say(u8"--out FILE.png|.svg|.pdf が必要です", "--out FILE.png|.svg|.pdf is needed"));
#if MAREVO_RENDER_MODULE
    ImageModule module;
    if (!LoadImageModule(module, error))
        return Fail(1, Say(u8"画像出力のモジュールが読めません: ", "cannot load the image module: ") + error);
    int format = 0;
    if (!module.format(out.c_str(), &format))
        return Fail(2, Say(u8"出力は .png, .svg, .pdf のどれかです: ", "output must be .png, .svg or .pdf: ") + out);

    Station station;
    if (!LoadCliStation(args, station, error)) return Fail(1, error);
    if (!SpanEndsInTime(args.year, args.month, args.day, view->days, error)) return Fail(2, error);
    // The window's way from a choice to a picture: a session shows the station at the date.
    Session session;
    Settings choices;
    choices.DisplayPeriod = view->period;
    choices.GraphStyle = style == "bar" ? BarGraph : LineGraph;
    session.TakeSettings(choices);
    session.ShowStation(station, {args.year, args.month, args.day}, args.Has("--mono") ? 0 : 1);
    int width = 0, height = 0;
    session.CanvasSize(width, height);

    Canvas* canvas = module.open(format, width, height, WindowFace, out.c_str());
    const SessionMessage message = session.Render(*canvas);
    if (!module.save(canvas)) return Fail(1, Say(u8"書き込めませんでした: ", "could not write ") + out);
    if (message == SessionMessage::SunError)
        std::fprintf(stderr, "marevo-cli: %s\n", u8"日の出計算でエラー発生");
    Emitf("%s %dx%d\n", out.c_str(), width, height);
    return 0;
#else
    return Fail(1, Say(u8"この版では render を使えません (画像出力なし)",
                       "render is not available in this build (no image output)"));
#endif
}

} // namespace marevo::cli
