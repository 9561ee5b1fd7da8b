// The page's state and commands: what the user chose (port, date, period, style) and what
// follows from it (the loaded station, the prepared view), with one C function a command for
// the page's script. Each command returns what the page must do (WebOutcome) and never shows
// anything itself; the picture is drawn by mv_render through WebCanvas, the facts beside it
// come as JSON (UTF-8). All the page's state logic is here, over the portable calls
// (LoadStationFrom, PrepareView, DrawView, the cells of view_layout, the date limits of
// shell/, the panels' texts, marevo-cli's catalogue of ports), so that it can move onto a
// portable session of the program in this one file.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "astro/moon.h"
#include "astro/moon_phase.h"
#include "cli/day_output.h"
#include "cli/event_output.h"
#include "cli/json_writer.h"
#include "cli/port_catalog.h"
#include "engine/calendar.h"
#include "engine/station.h"
#include "engine/tide.h"
#include "shell/date_limits.h"
#include "text/shift_jis.h"
#include "views/one_day_view.h"
#include "views/placed_text.h"
#include "views/prepare_view.h"
#include "views/view_layout.h"
#include "views/view_model.h"
#include "web/web_canvas.h"

namespace marevo::web {

using cli::JsonWriter;
using cli::PortEntry;

// What the page does after a command.
enum WebOutcome { Nothing = 0, Redraw = 1, Message = 2 };

// Where the packed port files lie in the page's file system.
const char DtFolder[] = "/data/dt";

// The regions of the port tree and the prefectures under each, in the tree's order (JIS X
// 0401 codes); 北海道 holds its ports itself, その他 those of code 80.
struct RegionRow {
    const char* name;
    int codes[10];
};
const RegionRow Regions[] = {
    {u8"北海道", {1}},
    {u8"東北", {2, 3, 4, 5, 6, 7}},
    {u8"関東", {8, 12, 13, 14}},
    {u8"中部", {15, 16, 17, 18, 22, 23}},
    {u8"近畿", {24, 26, 27, 28, 30}},
    {u8"中国", {31, 32, 33, 34, 35}},
    {u8"四国", {36, 37, 38, 39}},
    {u8"九州", {40, 41, 42, 43, 44, 45, 46, 47}},
    {u8"その他", {80}},
};

struct WebState {
    std::vector<PortEntry> ports;
    const PortEntry* port = nullptr;
    Station station;
    int year = 2026, month = 1, day = 1;
    int period = OneDay;
    int style = LineGraph;
    std::unique_ptr<PreparedView> view;
    std::string message; // of the last command that returned Message (UTF-8)
    std::string text;    // the last text handed to the page
};

WebState& State()
{
    static WebState state;
    return state;
}

void Prepare(WebState& s)
{
    s.view = std::make_unique<PreparedView>();
    PrepareView(s.station, s.year, s.month, s.day, s.period, s.style, 1, *s.view);
}

int Say(WebState& s, const std::string& message)
{
    s.message = message;
    return Message;
}

// Moves to a date (any integers, normalised); a date outside the years the program keeps to
// is not taken.
int MoveTo(WebState& s, int year, int month, int day)
{
    NormalizeDate(year, month, day);
    if (year < FirstYear || year > LastYear) return Nothing;
    s.year = year;
    s.month = month;
    s.day = day;
    if (s.port == nullptr) return Nothing;
    Prepare(s);
    return Redraw;
}

const char* Hand(WebState& s, std::string text)
{
    s.text = std::move(text);
    return s.text.c_str();
}

std::string DateText(int year, int month, int day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::vector<std::string> Utf8Lines(const PlacedTexts& texts, int left)
{
    std::vector<std::string> lines;
    for (const std::string& line : TextLines(texts, left)) lines.push_back(SjisToUtf8(line));
    return lines;
}

void WriteLines(JsonWriter& json, const char* key, const std::vector<std::string>& lines)
{
    json.Key(key).BeginArray();
    for (const std::string& line : lines) json.String(line);
    json.EndArray();
}

// One day's facts: date, weekday, tidal-range name, high and low waters; with panels, the
// sun and moon panel's lines (and with constants, the tidal constants' lines) as the
// one-day view shows them.
void WriteDay(JsonWriter& json, const WebState& s, int year, int month, int day, bool panels,
              bool constants)
{
    NormalizeDate(year, month, day);
    Calendar cal;
    SetFebruaryForYear(cal, year);
    DayExtremes extremes;
    FindDateExtremes(year, month, day, s.station, cal, extremes);
    const MoonDayRecord moon = MoonDayEvents(year, month, day, s.station.Latitude,
                                             s.station.Longitude, s.station.StandardMeridian,
                                             cal.MonthLengths);
    json.BeginObject();
    json.Key("date").String(DateText(year, month, day));
    json.Key("weekday").String(cli::WeekdayUtf8(year, month, day));
    json.Key("tide_name").String(SjisToUtf8(TideRangeNames[TideRangeIndex(moon.age)]));
    json.Key("moon_age").Fixed(moon.age, 1);
    json.Key("extremes").BeginArray();
    for (int i = 0; i < extremes.count; ++i) {
        const TideEvent& e = extremes.events[i];
        json.BeginObject().Key("time").String(cli::EventClock(e));
        json.Key("height").Fixed(cli::PrintedHeight(e.height), 1);
        json.Key("kind").String(cli::KindJson(e.high)).EndObject();
    }
    json.EndArray();
    if (panels) {
        PreparedView one;
        PrepareView(s.station, year, month, day, OneDay, s.style, 1, one);
        const OneDayTexts texts = OneDayTextsOf(one.model);
        WriteLines(json, "sun_moon", Utf8Lines(texts.sunMoon, OneDayBoxLeft));
        if (constants) {
            WriteLines(json, "header", Utf8Lines(texts.header, OneDayHeaderLeft));
            WriteLines(json, "constants", Utf8Lines(texts.constants, OneDayBoxLeft));
        }
    }
    json.EndObject();
}

void WritePort(JsonWriter& json, const PortEntry& p)
{
    json.BeginObject();
    json.Key("file").String(p.file);
    json.Key("name").String(p.name);
    json.Key("romaji").String(p.romaji);
    json.Key("prefecture").Integer(p.prefecture);
    json.Key("latitude").Fixed(p.latitude, 4);
    json.Key("longitude").Fixed(p.longitude, 4);
    json.EndObject();
}

} // namespace marevo::web

using namespace marevo;
using namespace marevo::web;

extern "C" {

// Reads the catalogue of the packed ports; the number of ports.
EMSCRIPTEN_KEEPALIVE int mv_init()
{
    WebState& s = State();
    s.ports = cli::ReadPortCatalog(DtFolder);
    return static_cast<int>(s.ports.size());
}

// The ports and the tree of regions and prefectures, as JSON.
EMSCRIPTEN_KEEPALIVE const char* mv_catalogue_json()
{
    WebState& s = State();
    JsonWriter json;
    json.BeginObject().Key("ports").BeginArray();
    for (const PortEntry& p : s.ports) WritePort(json, p);
    json.EndArray().Key("regions").BeginArray();
    for (const RegionRow& region : Regions) {
        json.BeginObject().Key("name").String(region.name).Key("prefectures").BeginArray();
        for (int code : region.codes) {
            if (code == 0) break;
            json.BeginObject().Key("code").Integer(code);
            json.Key("name").String(cli::PrefectureName(code)).EndObject();
        }
        json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
    return Hand(s, json.Text());
}

// The ports whose file name, kanji, kana or romaji name or prefecture holds a word (as
// marevo-cli ports QUERY), as a JSON list of file names.
EMSCRIPTEN_KEEPALIVE const char* mv_search_json(const char* word)
{
    WebState& s = State();
    JsonWriter json;
    json.BeginArray();
    for (const PortEntry* p : cli::SearchPorts(s.ports, word)) json.String(p->file);
    json.EndArray();
    return Hand(s, json.Text());
}

// Chooses the port a word names (file name, kanji, kana or romaji, as marevo-cli's --port).
EMSCRIPTEN_KEEPALIVE int mv_choose_port(const char* word)
{
    WebState& s = State();
    const cli::PortMatch match = cli::MatchPort(s.ports, word);
    if (match.found.size() > 1) {
        std::string text = u8"港の名前が一つに決まりません: ";
        for (size_t i = 0; i < match.found.size(); ++i)
            text += (i ? ", " : "") + cli::DescribePort(*match.found[i]);
        return Say(s, text);
    }
    if (match.found.empty()) {
        std::string text = std::string(u8"港が見つかりません: ") + word;
        for (size_t i = 0; i < match.suggestions.size(); ++i)
            text += (i ? ", " : u8" (近い名前: ") + cli::DescribePort(*match.suggestions[i]);
        if (!match.suggestions.empty()) text += ")";
        return Say(s, text);
    }
    const PortEntry* port = match.found[0];
    Station station;
    std::FILE* f = std::fopen(port->path.c_str(), "rb");
    if (LoadStationFrom(f, port->path.c_str(), station) != LoadStatus::Ok)
        return Say(s, u8"港のデータが読めません: " + port->file);
    s.station = station;
    s.port = port;
    Prepare(s);
    return Redraw;
}

// Moves the date by days (the ±1 and ±7 commands).
EMSCRIPTEN_KEEPALIVE int mv_step_date(int days)
{
    WebState& s = State();
    return MoveTo(s, s.year, s.month, s.day + days);
}

// A date of the date field; a date that does not exist is refused.
EMSCRIPTEN_KEEPALIVE int mv_choose_date(int year, int month, int day)
{
    WebState& s = State();
    int y = year, m = month, d = day;
    NormalizeDate(y, m, d);
    if (y != year || m != month || d != day || y < FirstYear || y > LastYear)
        return Say(s, u8"日付が正しくありません");
    return MoveTo(s, year, month, day);
}

// Today, the clock's date given by the page (the device's local date, as the window takes
// the machine's).
EMSCRIPTEN_KEEPALIVE int mv_today(int year, int month, int day)
{
    return mv_choose_date(year, month, day);
}

// The display period: 1, 7, 42 or -1 (the table).
EMSCRIPTEN_KEEPALIVE int mv_set_period(int period)
{
    WebState& s = State();
    if (period != OneDay && period != SevenDays && period != FortyTwoDays && period != TideTable)
        return Nothing;
    s.period = period;
    if (s.port == nullptr) return Nothing;
    Prepare(s);
    return Redraw;
}

// The graph style: 0 lines, 1 bars.
EMSCRIPTEN_KEEPALIVE int mv_set_style(int style)
{
    WebState& s = State();
    if (style != LineGraph && style != BarGraph) return Nothing;
    s.style = style;
    if (s.port == nullptr) return Nothing;
    Prepare(s);
    return Redraw;
}

// The day cell under a canvas point (logical units) becomes the one-day view of its day.
EMSCRIPTEN_KEEPALIVE int mv_pick_cell(int x, int y)
{
    WebState& s = State();
    if (s.view == nullptr) return Nothing;
    Cell cell;
    if (!CellAt(s.period, s.view->width, x, y, cell) || !CellIsValid(s.period, cell))
        return Nothing;
    int year = s.year, month = s.month, day = s.day + CellDayOffset(s.period, cell);
    NormalizeDate(year, month, day);
    // The last cells near the end of 9999 lie in the year 10000: such a pick is not made.
    if (year < FirstYear || year > LastYear) return Nothing;
    s.period = OneDay;
    return MoveTo(s, year, month, day);
}

// The highlight box of the cell under a canvas point, as "left,top,right,bottom" (a box's
// corners, both inside), empty where no day cell is.
EMSCRIPTEN_KEEPALIVE const char* mv_cell_box(int x, int y)
{
    WebState& s = State();
    Cell cell;
    if (s.view == nullptr || !CellAt(s.period, s.view->width, x, y, cell) ||
        !CellIsValid(s.period, cell))
        return Hand(s, "");
    const CellRect r = CellRectOf(s.period, s.view->width, cell);
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", r.left, r.top, r.right, r.bottom);
    return Hand(s, text);
}

EMSCRIPTEN_KEEPALIVE int mv_canvas_width() { return State().view ? State().view->width : 0; }
EMSCRIPTEN_KEEPALIVE int mv_canvas_height() { return State().view ? State().view->height : 0; }

// Draws the current view at scale device pixels a unit; the number of failed sun
// computations ("日の出計算でエラー発生" when not 0).
EMSCRIPTEN_KEEPALIVE int mv_render(double scale)
{
    WebState& s = State();
    if (s.view == nullptr) return 0;
    WebCanvas canvas(s.view->width, s.view->height, scale, WebWindowFace);
    return DrawView(s.period, canvas, s.view->model).sunErrors;
}

EMSCRIPTEN_KEEPALIVE const char* mv_message() { return State().message.c_str(); }

// The choice as JSON: the port, date, period and style, and the canvas size.
EMSCRIPTEN_KEEPALIVE const char* mv_state_json()
{
    WebState& s = State();
    JsonWriter json;
    json.BeginObject();
    json.Key("port");
    if (s.port != nullptr) WritePort(json, *s.port);
    else json.Null();
    json.Key("date").String(DateText(s.year, s.month, s.day));
    json.Key("period").Integer(s.period);
    json.Key("style").String(s.style == BarGraph ? "bar" : "line");
    json.Key("width").Integer(mv_canvas_width()).Key("height").Integer(mv_canvas_height());
    json.EndObject();
    return Hand(s, json.Text());
}

// The facts of the view as JSON: the days shown (one, seven, or the 42 of the 42-day view
// and the table), with the sun and moon panels for one and seven days.
EMSCRIPTEN_KEEPALIVE const char* mv_facts_json()
{
    WebState& s = State();
    JsonWriter json;
    json.BeginObject().Key("days").BeginArray();
    if (s.port != nullptr) {
        const int days = s.period == OneDay ? 1 : s.period == SevenDays ? WeekDays : TableDays;
        for (int i = 0; i < days; ++i)
            WriteDay(json, s, s.year, s.month, s.day + i, days <= WeekDays, days == 1);
    }
    json.EndArray().EndObject();
    return Hand(s, json.Text());
}

} // extern "C"
