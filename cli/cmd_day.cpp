// marevo-cli day: what the one-day view of a port and date shows as text (header, tidal
// constants, sun and moon panels, high and low waters), or the same data as JSON with the
// sun's and moon's times in local standard hours and the phase dates around the date.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/moon.h"
#include "astro/sun.h"
#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/commands.h"
#include "cli/day_output.h"
#include "cli/event_output.h"
#include "cli/event_kinds.h"
#include "cli/json_writer.h"
#include "cli/text_encoding.h"
#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/tide.h"
#include "engine/vertical_scale.h"
#include "views/moon_sun_panels.h"
#include "views/palette.h"
#include "views/recorder.h"
#include "views/view_model.h"

namespace marevo::cli {

namespace {

// The message of an iterate of the sun outside the station's day, once per run.
const char* const SunErrorMessage = u8"日の出計算でエラー発生";

// Regions of the one-day view whose texts are printed, top to bottom: the header line,
// then the three information boxes right of the graph (tidal constants; sun and moon; high
// and low waters). left is where a region's first column starts, in view units.
struct Region {
    int left, top, bottom; // texts with x >= left and top <= y < bottom
};
const Region Regions[] = {
    // left  top  bottom
    {30,     0,   24},
    {347,    24,  130},
    {347,    130, 260},
    {347,    260, 378},
};
// A half-width character of the 12-unit font is 6 units wide; texts less than 8 units apart
// in y share a line (the tidal-range name beside the last sun line).
constexpr int UnitsPerColumn = 6, SameLineUnits = 8;

// The texts of one region laid out as lines: sorted by y, then x, each placed at its column
// (counted in Shift-JIS bytes, one per half-width column), at least one blank apart.
std::vector<std::string> RegionLines(const std::vector<CanvasCall>& texts, const Region& r)
{
    std::vector<const CanvasCall*> in;
    for (const CanvasCall& c : texts)
        if (c.x1 >= r.left && c.y1 >= r.top && c.y1 < r.bottom) in.push_back(&c);
    std::stable_sort(in.begin(), in.end(),
                     [](const CanvasCall* a, const CanvasCall* b) { return a->y1 < b->y1; });
    std::vector<std::string> lines;
    for (size_t i = 0; i < in.size();) {
        size_t end = i + 1;
        while (end < in.size() && in[end]->y1 - in[i]->y1 < SameLineUnits) ++end;
        std::vector<const CanvasCall*> row(in.begin() + i, in.begin() + end);
        std::stable_sort(row.begin(), row.end(),
                         [](const CanvasCall* a, const CanvasCall* b) { return a->x1 < b->x1; });
        std::string sjis;
        for (const CanvasCall* c : row) {
            const size_t column = static_cast<size_t>((c->x1 - r.left) / UnitsPerColumn);
            if (!sjis.empty() && sjis.size() >= column) sjis += ' ';
            while (sjis.size() < column) sjis += ' ';
            sjis += c->text;
        }
        while (!sjis.empty() && sjis.back() == ' ') sjis.pop_back();
        lines.push_back(SjisToUtf8(sjis));
        i = end;
    }
    return lines;
}

// Everything of the one-day view that is text, region by region, a blank line between.
// Returns the count of sun iterates outside the station's day met while drawing.
int PrintOneDayText(const ViewModel& model)
{
    RecordingCanvas canvas;
    const ViewReport report = DrawOneDayView(canvas, model);
    const std::vector<CanvasCall> texts = canvas.CallsOf(CanvasOp::PutText);
    bool first = true;
    for (const Region& r : Regions) {
        const std::vector<std::string> lines = RegionLines(texts, r);
        if (lines.empty()) continue;
        if (!first) std::printf("\n");
        first = false;
        for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    }
    return report.sunErrors;
}

// "HH:MM" of a panel's "%2.0f:%02.0f" text.
std::string Clock(const std::string& panelText)
{
    std::string clock = panelText.substr(0, 5);
    if (clock[0] == ' ') clock[0] = '0';
    return clock;
}

// A local standard hour, or null for an event that does not occur, and beside it (key_time)
// the "HH:MM" the sun panel shows.
void HourOrNull(JsonWriter& json, const std::string& key, float hour)
{
    json.Key(key);
    if (hour == NoEvent)
        json.Null();
    else
        json.Number(hour);
    json.Key(key + "_time");
    if (hour == NoEvent)
        json.Null();
    else
        json.String(Clock(FormatHourMinute(hour)));
}

// {"hour","day","time"} of a moon event ("HH:MM" as the moon panel shows it), or null.
void MoonEventJson(JsonWriter& json, const char* key, float hour, int day)
{
    json.Key(key);
    if (hour == NoEvent) {
        json.Null();
        return;
    }
    json.BeginObject().Key("hour").Number(hour).Key("day").Integer(day);
    json.Key("time").String(Clock(FormatMoonTime(hour, day))).EndObject();
}

} // namespace

int RunDay(const Words& words)
{
    CliArgs args;
    std::string error;
    if (!ParseArgs(words, {{"--json"}, {}}, args, error)) return Fail(2, error);
    PreparedDay prepared;
    StationChoice choice;
    if (!LoadCliStation(args, prepared.station, error, &choice)) return Fail(1, error);
    SetFebruaryForYear(prepared.calendar, args.year);
    PrepareConstituents(args.year, args.month, args.day, prepared.station, prepared.calendar,
                        prepared.tables);
    const Station& station = prepared.station;
    const Calendar& cal = prepared.calendar;
    const ConstituentTables& tables = prepared.tables;

    if (!args.Has("--json")) {
        ViewPalette palette;
        SetViewPalette(palette, 1);
        ViewModel model;
        model.year = args.year;
        model.month = args.month;
        model.day = args.day;
        model.station = &station;
        model.calendar = &cal;
        model.tables = &tables;
        model.verticalScale = VerticalScaleOf(station);
        model.palette = &palette;
        if (PrintOneDayText(model) > 0) std::fprintf(stderr, "marevo-cli: %s\n", SunErrorMessage);
        return 0;
    }

    DayExtremes day;
    FindDateExtremes(args.year, args.month, args.day, station, prepared.calendar, day);
    const std::vector<bool> high = EventKinds(day.events, day.count, station, tables);

    float sun[SunEventCount];
    const int sunErrors = SunDayTimes(args.year, args.month, args.day, station.Latitude,
                                      station.Longitude, station.StandardMeridian, sun);
    const MoonDayRecord moon = MoonDayEvents(args.year, args.month, args.day, station.Latitude,
                                             station.Longitude, station.StandardMeridian,
                                             cal.MonthLengths);
    float phases[5];
    LunarPhaseTimesAtNoon(args.year, args.month, args.day, station.StandardMeridian, phases);

    JsonWriter json;
    json.BeginObject();
    WriteStationJson(json, station);
    json.Key("port").String(choice.file);
    json.Key("date").String(FormatDate(args.year, args.month, args.day));
    json.Key("extremes").BeginArray();
    for (int i = 0; i < day.count; ++i)
        WriteEventJson(json, args.year, args.month, args.day, day.events[i], KindJson(high[i]),
                       station.StandardMeridian);
    json.EndArray();

    json.Key("sun").BeginObject();
    static const char* const SunKeys[SunEventCount] = {
        "astronomical_dawn", "civil_dawn", "sunrise", "transit",
        "sunset", "civil_dusk", "astronomical_dusk",
    };
    for (int slot = 0; slot < SunEventCount; ++slot) HourOrNull(json, SunKeys[slot], sun[slot]);
    json.EndObject();

    json.Key("moon").BeginObject();
    json.Key("age").Number(moon.age);
    json.Key("illuminated").Number(moon.illuminated);
    json.Key("illuminated_percent").Fixed(moon.illuminated, 1);
    json.Key("elongation").Number(moon.elongation);
    MoonEventJson(json, "rise", moon.rise, moon.riseDay);
    MoonEventJson(json, "transit", moon.transit, moon.transitDay);
    MoonEventJson(json, "set", moon.set, moon.setDay);
    json.EndObject();

    json.Key("tide_name").String(SjisToUtf8(TideRangeNames[TideRangeIndex(moon.age)]));
    json.Key("phases").BeginArray();
    for (int j = 0; j < 5; ++j) {
        int y, m, d;
        PhaseDate(args.year, args.month, args.day, phases[j], y, m, d);
        json.BeginObject().Key("name").String(SjisToUtf8(PhaseNames[j]));
        json.Key("date").String(FormatDate(y, m, d)).EndObject();
    }
    json.EndArray().EndObject();
    std::printf("%s\n", json.Text().c_str());
    if (sunErrors > 0) std::fprintf(stderr, "marevo-cli: %s\n", SunErrorMessage);
    return 0;
}

} // namespace marevo::cli
