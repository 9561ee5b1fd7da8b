// marevo-cli day: what the one-day view of a port and date shows as text (header, tidal
// constants, sun and moon panels, high and low waters: the view's own texts, box by box,
// laid out as lines), or the same data as JSON with the
// sun's and moon's times in local standard hours and the phase dates around the date; for
// one date or for each date of a span.
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
#include "cli/json_writer.h"
#include "cli/output.h"
#include "cli/span.h"
#include "cli/text_encoding.h"
#include "engine/tide.h"
#include "views/moon_sun_panels.h"
#include "views/one_day_view.h"
#include "shell/session.h"

namespace marevo::cli {

namespace {

// The message of an iterate of the sun outside the station's day, once per run.
const char* const SunErrorMessage = u8"日の出計算でエラー発生";

// Everything of the one-day view that is text, box by box, a blank line between.
// Returns the count of sun iterates outside the station's day.
int PrintOneDayText(const ViewModel& model)
{
    const OneDayTexts texts = OneDayTextsOf(model);
    const struct {
        const PlacedTexts& texts;
        int left;
    } boxes[] = {
        {texts.header, OneDayHeaderLeft},
        {texts.constants, OneDayBoxLeft},
        {texts.sunMoon, OneDayBoxLeft},
        {texts.extremes, OneDayBoxLeft},
    };
    bool first = true;
    for (const auto& box : boxes) {
        const std::vector<std::string> lines = TextLines(box.texts, box.left);
        if (lines.empty()) continue;
        if (!first) Emit("\n");
        first = false;
        for (const std::string& line : lines) Emit(SjisToUtf8(line) + "\n");
    }
    return texts.sunErrors;
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

// The fields of one day in JSON: date, high and low waters, sun and moon times, tidal-range
// name and the moon's phases. Returns the number of sun computations that failed.
int WriteDayFields(JsonWriter& json, int year, int month, int day, const Station& station,
                   const Calendar& cal)
{
    DayExtremes extremes;
    FindDateExtremes(year, month, day, station, cal, extremes);

    float sun[SunEventCount];
    const int sunErrors = SunDayTimes(year, month, day, station.Latitude, station.Longitude,
                                      station.StandardMeridian, sun);
    const MoonDayRecord moon = MoonDayEvents(year, month, day, station.Latitude, station.Longitude,
                                             station.StandardMeridian, cal.MonthLengths);
    float phases[5];
    LunarPhaseTimesAtNoon(year, month, day, station.StandardMeridian, phases);

    json.Key("date").String(FormatDate(year, month, day));
    json.Key("extremes").BeginArray();
    for (int i = 0; i < extremes.count; ++i)
        WriteEventJson(json, year, month, day, extremes.events[i],
                       KindJson(extremes.events[i].high), station.StandardMeridian);
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
        PhaseDate(year, month, day, phases[j], y, m, d);
        if (y > 9999) continue; // no date after 9999-12-31 is shown
        json.BeginObject().Key("name").String(SjisToUtf8(PhaseNames[j]));
        json.Key("date").String(FormatDate(y, m, d)).EndObject();
    }
    json.EndArray();
    return sunErrors;
}

} // namespace

int RunDay(const Words& words)
{
    CliArgs args;
    std::string error;
    const OptionSpec spec{{"--json"}, {}, StationUse::One, true};
    if (!ParseArgs(words, spec, args, error)) return Fail(2, error);
    Station station;
    StationChoice choice;
    if (!LoadCliStation(args, station, error, &choice)) return Fail(1, error);
    const bool json = args.Has("--json");
    // One date: {"station","port", the day's fields}. A span (--from): each day's texts as a
    // run for that date prints them, a blank line between; in JSON
    // {"station","port","from","to","days":[{the day's fields}...]}.
    JsonWriter out;
    out.BeginObject();
    WriteStationJson(out, station);
    out.Key("port").String(choice.file);
    if (args.spanGiven) {
        int lastYear = args.year, lastMonth = args.month, lastDay = args.day;
        AddDays(lastYear, lastMonth, lastDay, args.days - 1);
        out.Key("from").String(FormatDate(args.year, args.month, args.day));
        out.Key("to").String(FormatDate(lastYear, lastMonth, lastDay));
        out.Key("days").BeginArray();
    }
    // Each day's one-day view as the window's session prepares it.
    Session session;
    Settings choices;
    choices.DisplayPeriod = OneDay;
    choices.GraphStyle = LineGraph;
    session.TakeSettings(choices);
    int sunErrors = 0;
    int y = args.year, m = args.month, d = args.day;
    for (int i = 0; i < args.days && !OutputFailed(); ++i, AddDays(y, m, d, 1)) {
        session.ShowStation(station, {y, m, d});
        const ViewModel& model = *session.Model();
        if (json) {
            if (args.spanGiven) out.BeginObject();
            sunErrors += WriteDayFields(out, y, m, d, station, *model.calendar);
            if (args.spanGiven) out.EndObject();
        } else {
            if (i > 0) Emit("\n");
            sunErrors += PrintOneDayText(model);
        }
    }
    if (json) {
        if (args.spanGiven) out.EndArray();
        out.EndObject();
        Emit(out.Text() + "\n");
    }
    if (sunErrors > 0) std::fprintf(stderr, "marevo-cli: %s\n", SunErrorMessage);
    return 0;
}

} // namespace marevo::cli
