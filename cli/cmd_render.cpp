// marevo-cli render: the picture of one view of a port and date, at the view's own size,
// written as PNG, SVG or PDF on the window's 3-D face background.
#include <cstdio>
#include <string>

#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/commands.h"
#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/tide_table.h"
#include "engine/vertical_scale.h"
#include "views/palette.h"
#include "views/tide_table_view.h"
#include "views/view_model.h"
#if MAREVO_HAVE_IMAGE
#include "views/image_canvas.h"
#endif

namespace marevo::cli {

namespace {

struct ViewChoice {
    const char* name;
    int period, width, height; // a height of 0: the table's own size
};

const ViewChoice Views[] = {
    // --view   display period   width            height
    {"1",     OneDay,       OneDayWidth,       OneDayHeight},
    {"7",     SevenDays,    SevenDayWidth,     SevenDayHeight},
    {"42",    FortyTwoDays, FortyTwoDayWidth,  FortyTwoDayHeight},
    {"table", TideTable,    0,                 TideTableHeight},
};

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
    if (view == nullptr) return Fail(2, u8"--view は 1, 7, 42, table のどれかです");
    const std::string style = args.Value("--style", "line");
    if (style != "line" && style != "bar") return Fail(2, u8"--style は bar か line です");
    const std::string out = args.Value("--out");
    if (out.empty()) return Fail(2, u8"--out FILE.png|.svg|.pdf が必要です");
#if MAREVO_HAVE_IMAGE
    ImageFormat format;
    if (!ImageFormatFromPath(out, format))
        return Fail(2, u8"出力は .png, .svg, .pdf のどれかです: " + out);

    PreparedDay prepared;
    if (!PrepareCliDay(args, prepared, error)) return Fail(1, error);
    const Station& station = prepared.station;
    const Calendar& cal = prepared.calendar;
    const ConstituentTables& tables = prepared.tables;

    TideTableResults table;
    int width = view->width;
    if (view->period == TideTable) {
        // The table prepares 42 days on copies; the tables of the date stay as prepared.
        Calendar scratchCalendar = cal;
        ConstituentTables scratchTables = tables;
        ExtremeDetector detector;
        ComputeTideTable(args.year, args.month, args.day, station, scratchCalendar,
                         scratchTables, detector, table);
        width = TideTableWidth(table);
    }

    ViewPalette palette;
    SetViewPalette(palette, args.Has("--mono") ? 0 : 1);
    ViewModel model;
    model.year = args.year;
    model.month = args.month;
    model.day = args.day;
    model.station = &station;
    model.calendar = &cal;
    model.tables = &tables;
    model.tideTable = &table;
    model.verticalScale = VerticalScaleOf(station);
    model.graphStyle = style == "bar" ? BarGraph : LineGraph;
    model.palette = &palette;

    ImageCanvas canvas(format, width, view->height, WindowFace, out);
    const ViewReport report = DrawView(view->period, canvas, model);
    if (!canvas.Save()) return Fail(1, u8"書き込めませんでした: " + out);
    if (report.sunErrors > 0) std::fprintf(stderr, "marevo-cli: %s\n", u8"日の出計算でエラー発生");
    std::printf("%s %dx%d\n", out.c_str(), width, view->height);
    return 0;
#else
    return Fail(1, u8"この版では render を使えません (画像出力なし)");
#endif
}

} // namespace marevo::cli
