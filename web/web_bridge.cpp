// The page's side of the program: one Session holds what the user chose (port, date,
// period, style) and what follows from it, and each C function the page's script calls is a
// command of it, returning what the page must do (WebOutcome: draw again, say a message, show
// the choice) from the session's Outcome. The picture is drawn by mv_render through the
// session into WebCanvas; the facts beside it come as JSON (UTF-8) from the session's model.
// What the session does not hold stays here: the catalogue of the packed ports (marevo-cli's,
// for naming and searching them), the tree's regions (shell/prefectures) and the texts.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <string>
#include <vector>

#include "astro/moon.h"
#include "astro/moon_phase.h"
#include "cli/cli_args.h"
#include "cli/day_output.h"
#include "cli/event_output.h"
#include "cli/json_writer.h"
#include "cli/port_catalog.h"
#include "engine/calendar.h"
#include "engine/station.h"
#include "engine/tide.h"
#include "shell/prefectures.h"
#include "shell/session.h"
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

// What the page does after a command, as bits: draw the picture and the facts again, say
// mv_message, show the choice (which changed without a new picture).
enum WebOutcome { Nothing = 0, Redraw = 1, Message = 2, Changed = 4 };

// Where the packed port files lie in the page's file system.
const char DtFolder[] = "/data/dt";

// Reads a port file of the packed folder by its Shift-JIS file name ("24尾鷲").
LoadStatus ReadPackedStation(const std::string& fileName, Station& station)
{
    const std::string path = std::string(DtFolder) + "/" + SjisToUtf8(fileName) + ".MV2";
    std::FILE* f = std::fopen(path.c_str(), "rb");
    return LoadStationFrom(f, path.c_str(), station);
}

struct WebState {
    std::vector<PortEntry> ports;
    Session session{ReadPackedStation};
    std::string message; // of the last command that returned Message (UTF-8)
    std::string text;    // the last text handed to the page
};

WebState& State()
{
    static WebState state;
    return state;
}

const char* Hand(WebState& s, std::string text)
{
    s.text = std::move(text);
    return s.text.c_str();
}

// The words of a session's message (the window's texts); a file that is not whole is named.
std::string MessageText(const WebState& s, SessionMessage message)
{
    switch (message) {
    case SessionMessage::NoPort:
        return u8"港が選択されていません";
    case SessionMessage::CannotOpen:
        return u8"ファイルがオープンできませんでした";
    case SessionMessage::SunError:
        return u8"日の出計算でエラー発生";
    case SessionMessage::Damaged:
        return u8"ファイルが壊れています: " + SjisToUtf8(s.session.FileName()) + ".MV2";
    default:
        return std::string();
    }
}

int Say(WebState& s, const std::string& message)
{
    s.message = message;
    return Message;
}

int Answer(WebState& s, const Outcome& outcome)
{
    int result = outcome.redraw ? Redraw : outcome.changed ? Changed : Nothing;
    if (outcome.message != SessionMessage::None) result |= Say(s, MessageText(s, outcome.message));
    return result;
}

// The catalogue's entry of the chosen port, or nullptr.
const PortEntry* ChosenPort(const WebState& s)
{
    const std::string file = SjisToUtf8(s.session.FileName());
    for (const PortEntry& p : s.ports)
        if (p.file == file) return &p;
    return nullptr;
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

void WritePanels(JsonWriter& json, const ViewModel& oneDay, bool constants)
{
    const OneDayTexts texts = OneDayTextsOf(oneDay);
    WriteLines(json, "sun_moon", Utf8Lines(texts.sunMoon, OneDayBoxLeft));
    if (constants) {
        WriteLines(json, "header", Utf8Lines(texts.header, OneDayHeaderLeft));
        WriteLines(json, "constants", Utf8Lines(texts.constants, OneDayBoxLeft));
    }
}

// One day of the picture's model (offset days after its first): date, weekday, tidal-range
// name, high and low waters; with panels, the sun and moon panel's lines (and in the one-day
// view, the tidal constants' lines) as the one-day view shows them.
void WriteDay(JsonWriter& json, const ViewModel& model, DisplayPeriod period, int offset)
{
    const Station& station = *model.station;
    int year = model.year, month = model.month, day = model.day + offset;
    NormalizeDate(year, month, day);
    Calendar cal;
    SetFebruaryForYear(cal, year);
    DayExtremes extremes;
    FindDateExtremes(year, month, day, station, cal, extremes);
    const MoonDayRecord moon = MoonDayEvents(year, month, day, station.Latitude,
                                             station.Longitude, station.StandardMeridian,
                                             cal.MonthLengths);
    json.BeginObject();
    json.Key("date").String(cli::FormatDate(year, month, day));
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
    if (period == OneDay) {
        WritePanels(json, model, true);
    } else if (period == SevenDays) {
        // Each day's panel as its own one-day view shows it.
        PreparedView one;
        PrepareView(station, year, month, day, OneDay, model.graphStyle, 1, one);
        WritePanels(json, one.model, false);
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

// A prefecture of the tree: its code and its node's text.
void WriteTreeNode(JsonWriter& json, int code)
{
    json.BeginObject().Key("code").Integer(code);
    json.Key("name").String(SjisToUtf8(TreeNameOfCode(code))).EndObject();
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

// The ports and the tree of regions and the prefectures under each (北海道 and その他 hold
// their ports themselves), as JSON.
EMSCRIPTEN_KEEPALIVE const char* mv_catalogue_json()
{
    WebState& s = State();
    JsonWriter json;
    json.BeginObject().Key("ports").BeginArray();
    for (const PortEntry& p : s.ports) WritePort(json, p);
    json.EndArray().Key("regions").BeginArray();
    for (int region = 1; region <= RegionCount; ++region) {
        json.BeginObject().Key("name").String(RegionName(region));
        json.Key("prefectures").BeginArray();
        if (region == OtherRegion) WriteTreeNode(json, OtherCode);
        for (const Prefecture& p : Prefectures)
            if (p.region == region) WriteTreeNode(json, p.code);
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
    const PortEntry& port = *match.found[0];
    return Answer(s, s.session.ChoosePort(port.prefecture,
                                          Utf8ToSjis(cli::ShortName(port.file))));
}

// Moves the date by days (the ±1 and ±7 commands).
EMSCRIPTEN_KEEPALIVE int mv_step_date(int days)
{
    WebState& s = State();
    return Answer(s, s.session.StepDate(days));
}

// A date of the date field; one that does not exist or lies outside the program's years is
// refused.
EMSCRIPTEN_KEEPALIVE int mv_choose_date(int year, int month, int day)
{
    WebState& s = State();
    const Outcome outcome = s.session.ChooseDate({year, month, day});
    if (!outcome.changed) return Say(s, u8"日付が正しくありません");
    return Answer(s, outcome);
}

// Today, the clock's date given by the page (the device's local date, as the window takes
// the machine's).
EMSCRIPTEN_KEEPALIVE int mv_today(int year, int month, int day)
{
    WebState& s = State();
    return Answer(s, s.session.GoToToday({year, month, day}));
}

// The display period: 1, 7, 42 or -1 (the table); any other value is not taken.
EMSCRIPTEN_KEEPALIVE int mv_set_period(int period)
{
    WebState& s = State();
    if (SanitisedPeriod(period) != period) return Nothing;
    return Answer(s, s.session.SetPeriod(SanitisedPeriod(period)));
}

// The graph style: 0 lines, 1 bars; any other value is not taken.
EMSCRIPTEN_KEEPALIVE int mv_set_style(int style)
{
    WebState& s = State();
    if (SanitisedStyle(style) != style) return Nothing;
    return Answer(s, s.session.SetStyle(SanitisedStyle(style)));
}

// The day cell under a canvas point (logical units) becomes the one-day view of its day.
EMSCRIPTEN_KEEPALIVE int mv_pick_cell(int x, int y)
{
    WebState& s = State();
    return Answer(s, s.session.PickAt(x, y));
}

// The highlight box of the day cell under a canvas point, as "left,top,right,bottom" (a
// box's corners, both inside), empty where no day cell is.
EMSCRIPTEN_KEEPALIVE const char* mv_cell_box(int x, int y)
{
    WebState& s = State();
    Cell cell;
    if (!s.session.HasPicture() || !s.session.CellAt(x, y, cell) ||
        !CellIsValid(s.session.Period(), cell))
        return Hand(s, "");
    const CellRect r = s.session.CellBox(cell);
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", r.left, r.top, r.right, r.bottom);
    return Hand(s, text);
}

// Draws the picture at scale device pixels a unit; Message when a sun computation failed.
EMSCRIPTEN_KEEPALIVE int mv_render(double scale)
{
    WebState& s = State();
    if (!s.session.HasPicture()) return Nothing;
    int width = 0, height = 0;
    s.session.CanvasSize(width, height);
    WebCanvas canvas(width, height, scale, WebWindowFace);
    const SessionMessage message = s.session.Render(canvas);
    return message == SessionMessage::None ? Nothing : Say(s, MessageText(s, message));
}

EMSCRIPTEN_KEEPALIVE const char* mv_message() { return State().message.c_str(); }

// The choice as JSON: the port (its catalogue entry) and the tree's texts of it, the date,
// period and style, the canvas size (0 before the first picture) and the picture's highlight
// colour [r, g, b].
EMSCRIPTEN_KEEPALIVE const char* mv_state_json()
{
    WebState& s = State();
    const Session& session = s.session;
    int width = 0, height = 0;
    if (session.HasPicture()) session.CanvasSize(width, height);
    JsonWriter json;
    json.BeginObject();
    json.Key("port");
    if (const PortEntry* port = ChosenPort(s)) WritePort(json, *port);
    else json.Null();
    json.Key("site").BeginObject();
    json.Key("prefecture").String(SjisToUtf8(session.ChosenSite().prefecture));
    json.Key("port").String(SjisToUtf8(session.ChosenSite().port)).EndObject();
    const CivilDate date = session.Date();
    json.Key("date").String(cli::FormatDate(date.year, date.month, date.day));
    json.Key("period").Integer(session.Period());
    json.Key("style").String(session.Style() == BarGraph ? "bar" : "line");
    json.Key("width").Integer(width).Key("height").Integer(height);
    const Color c = session.HighlightColour();
    json.Key("highlight").BeginArray().Integer(RedOf(c)).Integer(GreenOf(c));
    json.Integer(BlueOf(c)).EndArray();
    json.EndObject();
    return Hand(s, json.Text());
}

// The facts of the picture as JSON: the days it shows (one, seven, or the 42 of the 42-day
// view and the table), with the sun and moon panels for one and seven days.
EMSCRIPTEN_KEEPALIVE const char* mv_facts_json()
{
    WebState& s = State();
    JsonWriter json;
    json.BeginObject().Key("days").BeginArray();
    if (const ViewModel* model = s.session.Model()) {
        const DisplayPeriod period = s.session.Period();
        const int days = period == OneDay ? 1 : period == SevenDays ? WeekDays : TableDays;
        for (int i = 0; i < days; ++i) WriteDay(json, *model, period, i);
    }
    json.EndArray().EndObject();
    return Hand(s, json.Text());
}

} // extern "C"
