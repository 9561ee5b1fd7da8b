// marevo-cli extremes: the high and low waters of one day or a span of days, at one port or
// at every port of the folder, as text, JSON, CSV or an iCalendar feed; low waters can be
// filtered by height and by daylight.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/moon_phase.h"
#include "astro/sun.h"
#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/commands.h"
#include "cli/data_folder.h"
#include "cli/day_output.h"
#include "cli/event_output.h"
#include "cli/json_writer.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "cli/port_catalog.h"
#include "cli/span.h"
#include "cli/text_encoding.h"

namespace marevo::cli {

namespace {

enum class Format { Text, Json, Csv, Ics };

// Which low waters to keep; with no filter every high and low water is kept.
struct Filters {
    bool below = false;
    double belowCm = 0;
    bool daylight = false;
    bool Any() const { return below || daylight; }
};

struct Request {
    Format format = Format::Text;
    Filters filters;
    bool utc = false;    // --utc: times in UTC
    bool single = false;     // one date of one port (JSON: with "date" and "extremes")
    bool oneDayText = false; // one date, no filter, as text: the one-day list
    int next = 0;        // --next N: the next N events from now
    int year = 0, month = 0, day = 0, days = 1;
    std::string stamp; // DTSTAMP of an iCalendar feed
};

// The most events --next gives.
constexpr int MaxNextEvents = 1000;

// One port's span and its formatted output.
struct PortSpan {
    std::string path, file;
    Station station;
    std::vector<SpanDay> days;
    std::string error;  // the port could not be read
    std::string output; // text, CSV rows, VEVENTs or the JSON object
};

bool ParseBelow(const std::string& text, double& cm)
{
    char* end = nullptr;
    cm = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && std::isfinite(cm);
}

// The tidal-range name of a date (UTF-8), from the moon age at noon as the one-day view has it.
std::string TideName(int year, int month, int day, float standardMeridianDeg)
{
    return SjisToUtf8(TideRangeNames[TideRangeIndex(MoonAgeAtNoon(year, month, day, standardMeridianDeg))]);
}

void ApplyFilters(const Filters& filters, const Station& station, std::vector<SpanDay>& days)
{
    if (!filters.Any()) return;
    for (SpanDay& d : days) {
        float sun[SunEventCount] = {};
        if (filters.daylight)
            SunDayTimes(d.year, d.month, d.day, station.Latitude, station.Longitude,
                        station.StandardMeridian, sun);
        SpanDay kept{d.year, d.month, d.day, {}};
        for (size_t i = 0; i < d.events.size(); ++i) {
            const TideEvent& e = d.events[i];
            if (d.events[i].high) continue;
            if (filters.below && !(e.height < filters.belowCm)) continue;
            if (filters.daylight) {
                const float t = e.hour + e.minute / 60.0f;
                if (sun[Sunrise] == NoEvent || sun[Sunset] == NoEvent || t < sun[Sunrise] || t > sun[Sunset])
                    continue;
            }
            kept.events.push_back(e);
        }
        d = kept;
    }
}

// The last date of the request's span.
std::string LastDate(const Request& r)
{
    int y = r.year, m = r.month, d = r.day;
    AddDays(y, m, d, r.days - 1);
    return FormatDate(y, m, d);
}

// What opens, and what closes, one port's output; its days come between (FormatDays).
std::string PortHead(const Request& r, const PortSpan& p, bool all)
{
    switch (r.format) {
    case Format::Text:
        if (r.oneDayText)
            return StationNameUtf8(p.station) + "  " + FormatDate(r.year, r.month, r.day) + "(" +
                   WeekdayUtf8(r.year, r.month, r.day) + ")" + (r.utc ? "  UTC\n" : "\n");
        return StationNameUtf8(p.station) + " (" + p.file + ")  " + FormatDate(r.year, r.month, r.day) +
               u8" 〜 " + LastDate(r) + (r.utc ? "  UTC\n" : "\n");
    case Format::Json: {
        JsonWriter json;
        json.BeginObject();
        if (all) json.Key("port").String(p.file);
        WriteStationJson(json, p.station);
        if (!all) json.Key("port").String(p.file);
        if (r.single) {
            // The one-day form of the first versions, kept beside "days" for its scripts.
            const SpanDay& d = p.days[0];
            json.Key("date").String(FormatDate(r.year, r.month, r.day));
            json.Key("extremes").BeginArray();
            for (const TideEvent& e : d.events)
                WriteEventJson(json, d.year, d.month, d.day, e, KindJson(e.high), p.station.StandardMeridian, r.utc);
            json.EndArray();
        }
        if (!all) {
            json.Key("from").String(FormatDate(r.year, r.month, r.day));
            json.Key("to").String(LastDate(r));
        }
        json.Key("days").BeginArray();
        std::string text = json.Text(); // still open
        return text;
    }
    case Format::Csv:
    case Format::Ics: break;
    }
    return std::string();
}

std::string PortTail(const Request& r) { return r.format == Format::Json ? "]}" : ""; }

// The days of one port in the request's format; firstDay tells whether a JSON day needs a
// comma before it.
std::string FormatDays(const Request& r, const PortSpan& p, const std::vector<SpanDay>& days, bool& firstDay)
{
    std::string out;
    char line[160];
    const float meridian = p.station.StandardMeridian;
    const std::string port = CsvField(p.file), name = StationNameUtf8(p.station), uidPort = UidPart(p.file);
    for (const SpanDay& d : days) {
        const std::string date = FormatDate(d.year, d.month, d.day);
        switch (r.format) {
        case Format::Text:
            if (r.oneDayText) {
                for (const TideEvent& e : d.events) {
                    std::snprintf(line, sizeof line, " %6.1f cm\n", PrintedHeight(e.height));
                    out += std::string("  ") + KindText(e.high) + "  " + EventTimeText(d.year, d.month, d.day, e, meridian, r.utc) + line;
                }
                if (d.events.empty()) out += u8"  満潮・干潮はありません\n";
                break;
            }
            if (r.filters.Any() && d.events.empty()) break;
            out += date + "(" + WeekdayUtf8(d.year, d.month, d.day) + ")";
            for (const TideEvent& e : d.events) {
                std::snprintf(line, sizeof line, " %6.1f", PrintedHeight(e.height));
                out += std::string("  ") + KindText(e.high) + " " + EventTimeText(d.year, d.month, d.day, e, meridian, r.utc) + line;
            }
            out += "\n";
            break;
        case Format::Csv:
            for (const TideEvent& e : d.events) {
                const int hour = static_cast<int>(e.hour), minute = static_cast<int>(e.minute);
                const CivilTime t = EventCivilTime(d.year, d.month, d.day, e, meridian, r.utc);
                std::snprintf(line, sizeof line, ",%s,%02d:%02d,%s,%.1f,%s\n",
                              FormatDate(t.year, t.month, t.day).c_str(), t.hour, t.minute,
                              IsoDateTime(d.year, d.month, d.day, hour, minute, meridian, r.utc).c_str(),
                              PrintedHeight(e.height), KindJson(e.high));
                out += port;
                out += line;
            }
            break;
        case Format::Json: {
            JsonWriter json;
            json.BeginObject().Key("date").String(date);
            json.Key("tide_name").String(TideName(d.year, d.month, d.day, meridian));
            json.Key("events").BeginArray();
            for (const TideEvent& e : d.events)
                WriteEventJson(json, d.year, d.month, d.day, e, KindJson(e.high), meridian, r.utc);
            json.EndArray().EndObject();
            if (!firstDay) out += ",";
            out += json.Text();
            break;
        }
        case Format::Ics: {
            IcsWriter ics;
            char compact[16];
            std::snprintf(compact, sizeof compact, "%04d%02d%02d", d.year, d.month, d.day);
            for (const TideEvent& e : d.events) {
                const int hour = static_cast<int>(e.hour), minute = static_cast<int>(e.minute);
                char clock[8], height[32];
                std::snprintf(clock, sizeof clock, "T%02d%02d", hour, minute);
                std::snprintf(height, sizeof height, " %.1f cm", PrintedHeight(e.height));
                ics.Line("BEGIN", "VEVENT");
                ics.Line("UID", std::string(compact) + clock + "-" + KindJson(e.high) + "-" + uidPort + "@marevo");
                ics.Line("DTSTAMP", r.stamp);
                ics.Line("DTSTART", IcsUtcDateTime(d.year, d.month, d.day, hour, minute, meridian));
                ics.Line("DURATION", "PT0M");
                ics.Line("SUMMARY", IcsEscape(std::string(KindText(e.high)) + height + " " + name));
                ics.Line("LOCATION", IcsEscape(name + " (" + p.file + ")"));
                ics.Line("TRANSP", "TRANSPARENT");
                ics.Line("END", "VEVENT");
            }
            if (!r.filters.Any() && !r.next) { // a filtered feed holds only the events asked for
                int ny = d.year, nm = d.month, nd = d.day;
                AddDays(ny, nm, nd, 1);
                char next[16];
                std::snprintf(next, sizeof next, "%04d%02d%02d", ny, nm, nd);
                ics.Line("BEGIN", "VEVENT");
                ics.Line("UID", std::string(compact) + "-tide-" + uidPort + "@marevo");
                ics.Line("DTSTAMP", r.stamp);
                ics.Line("DTSTART;VALUE=DATE", compact);
                ics.Line("DTEND;VALUE=DATE", next);
                ics.Line("SUMMARY", IcsEscape(TideName(d.year, d.month, d.day, meridian) + " " + name));
                ics.Line("TRANSP", "TRANSPARENT");
                ics.Line("END", "VEVENT");
            }
            out += ics.Text();
            break;
        }
        }
        firstDay = false;
    }
    return out;
}

struct AllJob {
    const Request* request;
    std::vector<PortSpan>* ports;
};

// One port of --all: loaded, computed on this thread alone, filtered and formatted.
void RunPort(int index, void* context)
{
    const AllJob& job = *static_cast<AllJob*>(context);
    const Request& r = *job.request;
    PortSpan& p = (*job.ports)[index];
    if (OutputFailed() || !LoadStationAt(p.path, p.station, p.error)) return;
    p.days = ComputeSpan(p.station, r.year, r.month, r.day, r.days, 1);
    ApplyFilters(r.filters, p.station, p.days);
    bool firstDay = true;
    p.output = PortHead(r, p, true) + FormatDays(r, p, p.days, firstDay) + PortTail(r);
}

// What comes before, between and after the ports' own outputs.
struct Frame {
    std::string head, separator, tail;
};

Frame FrameOf(const Request& r, bool all, const std::string& calendarName)
{
    Frame f;
    switch (r.format) {
    case Format::Text: f.separator = "\n"; break;
    case Format::Csv: f.head = "port,date,time,datetime,height_cm,kind\n"; break;
    case Format::Json:
        if (all) {
            JsonWriter json;
            json.BeginObject().Key("from").String(FormatDate(r.year, r.month, r.day));
            json.Key("to").String(LastDate(r));
            f.head = json.Text() + ",\"ports\":[";
            f.tail = "]}";
            f.separator = ",";
        }
        f.tail += "\n";
        break;
    case Format::Ics: {
        IcsWriter ics;
        ics.Line("BEGIN", "VCALENDAR");
        ics.Line("VERSION", "2.0");
        ics.Line("PRODID", "-//Marevo//marevo-cli " MAREVO_VERSION "//JA");
        ics.Line("CALSCALE", "GREGORIAN");
        ics.Line("METHOD", "PUBLISH");
        if (!calendarName.empty()) ics.Line("X-WR-CALNAME", IcsEscape(calendarName));
        f.head = ics.Text();
        IcsWriter end;
        end.Line("END", "VCALENDAR");
        f.tail = end.Text();
        break;
    }
    }
    return f;
}

// The request of the options: format, filters, --next and the iCalendar stamp; false and the
// message when they contradict each other.
bool ReadRequest(const CliArgs& args, Request& r, std::string& error)
{
    const int formats = args.Has("--json") + args.Has("--csv") + args.Has("--ics");
    if (formats > 1) {
        error = Say(u8"--json, --csv, --ics はどれか一つだけ指定してください", "give only one of --json, --csv, --ics");
        return false;
    }
    r.format = args.Has("--json") ? Format::Json : args.Has("--csv") ? Format::Csv
             : args.Has("--ics") ? Format::Ics : Format::Text;
    r.utc = args.Has("--utc");
    r.filters.daylight = args.Has("--daylight");
    const std::string below = args.Value("--below");
    if (args.Given("--below")) {
        if (!ParseBelow(below, r.filters.belowCm)) {
            error = Say(u8"--below は cm の数です: ", "--below takes a height in cm: ") + below;
            return false;
        }
        r.filters.below = true;
    }
    const std::string next = args.Value("--next");
    if (args.Given("--next")) {
        int n = 0;
        if (!ParseCount(next, 1, MaxNextEvents, n)) {
            error = Say(u8"--next は 1 から 1000 までの数です: ", "--next takes a count from 1 to 1000: ") + next;
            return false;
        }
        if (args.dateGiven || args.spanGiven || args.all) {
            error = Say(u8"--next は --date, --from, --days, --all と同時に指定できません",
                        "--next excludes --date, --from, --days and --all");
            return false;
        }
        r.next = n;
    }
    r.single = !args.spanGiven && !r.next && !args.all;
    r.oneDayText = r.single && !r.filters.Any() && r.format == Format::Text;
    r.stamp = IcsNow();
    return true;
}

// --all: every port of the folder, a few per worker at a time, written out in order and then
// freed, so that long spans of every port do not all wait in memory. Stops at a failed write.
int RunAllPorts(CliArgs& args, Request& r)
{
    std::string dt, error;
    if (!FindDtFolder(args.dt, dt, error)) return Fail(1, error);
    std::vector<PortSpan> ports;
    for (const PortEntry& entry : ReadPortCatalog(dt)) {
        PortSpan p;
        p.path = entry.path;
        p.file = entry.file;
        ports.push_back(p);
    }
    if (ports.empty()) return Fail(1, Say(u8"港のファイルがありません: ", "no port files in ") + dt);
    // Today, when no date was given, in the zone time of the first port.
    Station firstPort;
    if (!args.dateGiven && LoadStationAt(ports[0].path, firstPort, error) &&
        !ResolveDefaultDate(args, firstPort.StandardMeridian, error))
        return Fail(2, error);
    if (!ResolveDefaultDate(args, 135.0f, error)) return Fail(2, error);
    r.year = args.year, r.month = args.month, r.day = args.day, r.days = args.days;
    const Frame frame = FrameOf(r, true, std::string());
    Emit(frame.head);
    const int count = static_cast<int>(ports.size()), group = 4 * WorkerCount();
    int status = 0;
    bool first = true;
    for (int start = 0; start < count && !OutputFailed(); start += group) {
        std::vector<PortSpan> some(ports.begin() + start, ports.begin() + std::min(start + group, count));
        AllJob job{&r, &some};
        ParallelFor(static_cast<int>(some.size()), WorkerCount(), RunPort, &job);
        for (const PortSpan& p : some) {
            if (!p.error.empty()) {
                status = Fail(1, p.error);
                continue;
            }
            if (!first) Emit(frame.separator);
            first = false;
            Emit(p.output);
        }
    }
    Emit(frame.tail);
    return status;
}

// --next N: the days from today that hold the next N events from now (after the filters),
// the events before now and after the Nth left out.
void FindNext(const Request& r, PortSpan& p)
{
    const long long now = NowUtcSeconds();
    const float meridian = p.station.StandardMeridian;
    int kept = 0, y = r.year, m = r.month, d = r.day;
    for (int chunk = r.next / 2 + 2; kept < r.next && static_cast<int>(p.days.size()) < MaxSpanDays; chunk *= 2) {
        if (DaysBetween(y, m, d, 9999, 12, 31) < chunk) chunk = DaysBetween(y, m, d, 9999, 12, 31) + 1;
        if (chunk <= 0) break;
        std::vector<SpanDay> more = ComputeSpan(p.station, y, m, d, chunk, WorkerCount());
        ApplyFilters(r.filters, p.station, more);
        AddDays(y, m, d, chunk);
        for (SpanDay& day : more) {
            std::vector<TideEvent> events;
            for (const TideEvent& e : day.events)
                if (kept < r.next &&
                    UtcSecondsOf(day.year, day.month, day.day, static_cast<int>(e.hour), static_cast<int>(e.minute),
                                 meridian) >= now - 59) {
                    events.push_back(e);
                    ++kept;
                }
            day.events = events;
            if (kept < r.next || !day.events.empty()) p.days.push_back(day);
            if (kept >= r.next) break;
        }
    }
}

// One port: its days shared out between the workers, a few months at a time, each written
// before the next is computed, so that a failed write stops the run.
int RunOnePort(CliArgs& args, Request& r)
{
    PortSpan p;
    StationChoice choice;
    std::string error;
    if (!LoadCliStation(args, p.station, error, &choice)) return Fail(1, error);
    p.path = choice.path;
    p.file = choice.file;
    r.year = args.year, r.month = args.month, r.day = args.day, r.days = args.days;
    const int chunk = 32 * WorkerCount();
    if (r.next) {
        FindNext(r, p);
        r.days = std::max<int>(1, static_cast<int>(p.days.size()));
    } else {
        p.days = ComputeSpan(p.station, r.year, r.month, r.day, std::min(r.days, chunk), WorkerCount());
        ApplyFilters(r.filters, p.station, p.days);
    }
    const Frame frame = FrameOf(r, false, StationNameUtf8(p.station));
    Emit(frame.head + PortHead(r, p, false));
    bool firstDay = true;
    Emit(FormatDays(r, p, p.days, firstDay));
    int y = r.year, m = r.month, d = r.day;
    AddDays(y, m, d, static_cast<int>(p.days.size()));
    for (int done = static_cast<int>(p.days.size()); !r.next && done < r.days && !OutputFailed(); done += chunk) {
        std::vector<SpanDay> days = ComputeSpan(p.station, y, m, d, std::min(chunk, r.days - done), WorkerCount());
        ApplyFilters(r.filters, p.station, days);
        Emit(FormatDays(r, p, days, firstDay));
        AddDays(y, m, d, chunk);
    }
    Emit(PortTail(r) + frame.tail);
    return 0;
}

} // namespace

int RunExtremes(const Words& words)
{
    CliArgs args;
    std::string error;
    OptionSpec spec{{"--json", "--csv", "--ics", "--daylight", "--utc"}, {"--below", "--next"},
                    StationUse::OneOrAll, true};
    if (!ParseArgs(words, spec, args, error)) return Fail(2, error);
    Request r;
    if (!ReadRequest(args, r, error)) return Fail(2, error);
    if (r.format == Format::Ics) SetBinaryStdout(); // its lines end in CR LF of their own
    return args.all ? RunAllPorts(args, r) : RunOnePort(args, r);
}

} // namespace marevo::cli
