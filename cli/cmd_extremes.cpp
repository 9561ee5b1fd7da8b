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
    int year = 0, month = 0, day = 0, days = 1;
    std::string stamp; // DTSTAMP of an iCalendar feed
};

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

void FormatText(const Request& r, PortSpan& p)
{
    const SpanDay& last = p.days.back();
    std::string& out = p.output;
    char line[128];
    out += StationNameUtf8(p.station) + " (" + p.file + ")  " + FormatDate(r.year, r.month, r.day) +
           u8" 〜 " + FormatDate(last.year, last.month, last.day) + "\n";
    for (const SpanDay& d : p.days) {
        if (r.filters.Any() && d.events.empty()) continue;
        out += FormatDate(d.year, d.month, d.day) + "(" + WeekdayUtf8(d.year, d.month, d.day) + ")";
        for (size_t i = 0; i < d.events.size(); ++i) {
            std::snprintf(line, sizeof line, "  %s %s %6.1f", KindText(d.events[i].high),
                          EventClock(d.events[i]).c_str(), PrintedHeight(d.events[i].height));
            out += line;
        }
        out += "\n";
    }
}

void FormatCsv(PortSpan& p)
{
    const std::string port = CsvField(p.file);
    const float meridian = p.station.StandardMeridian;
    char line[160];
    for (const SpanDay& d : p.days) {
        const std::string date = FormatDate(d.year, d.month, d.day);
        for (size_t i = 0; i < d.events.size(); ++i) {
            const TideEvent& e = d.events[i];
            const int hour = static_cast<int>(e.hour), minute = static_cast<int>(e.minute);
            std::snprintf(line, sizeof line, ",%s,%02d:%02d,%s,%.1f,%s\n", date.c_str(), hour, minute,
                          IsoDateTime(d.year, d.month, d.day, hour, minute, meridian).c_str(), PrintedHeight(e.height),
                          KindJson(d.events[i].high));
            p.output += port;
            p.output += line;
        }
    }
}

void FormatJson(const Request& r, PortSpan& p, bool withPort)
{
    const SpanDay& last = p.days.back();
    JsonWriter json;
    json.BeginObject();
    if (withPort) json.Key("port").String(p.file);
    WriteStationJson(json, p.station);
    if (!withPort) {
        json.Key("port").String(p.file);
        json.Key("from").String(FormatDate(r.year, r.month, r.day));
        json.Key("to").String(FormatDate(last.year, last.month, last.day));
    }
    json.Key("days").BeginArray();
    for (const SpanDay& d : p.days) {
        json.BeginObject().Key("date").String(FormatDate(d.year, d.month, d.day));
        json.Key("tide_name").String(TideName(d.year, d.month, d.day, p.station.StandardMeridian));
        json.Key("events").BeginArray();
        for (size_t i = 0; i < d.events.size(); ++i)
            WriteEventJson(json, d.year, d.month, d.day, d.events[i], KindJson(d.events[i].high),
                           p.station.StandardMeridian);
        json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
    p.output = json.Text();
}

void FormatIcs(const Request& r, PortSpan& p)
{
    IcsWriter ics;
    const float meridian = p.station.StandardMeridian;
    const std::string name = StationNameUtf8(p.station), uidPort = UidPart(p.file);
    char height[32];
    for (const SpanDay& d : p.days) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d%02d%02d", d.year, d.month, d.day);
        for (size_t i = 0; i < d.events.size(); ++i) {
            const TideEvent& e = d.events[i];
            const int hour = static_cast<int>(e.hour), minute = static_cast<int>(e.minute);
            char clock[8];
            std::snprintf(clock, sizeof clock, "T%02d%02d", hour, minute);
            std::snprintf(height, sizeof height, " %.1f cm", PrintedHeight(e.height));
            ics.Line("BEGIN", "VEVENT");
            ics.Line("UID", std::string(date) + clock + "-" + KindJson(d.events[i].high) + "-" + uidPort + "@marevo");
            ics.Line("DTSTAMP", r.stamp);
            ics.Line("DTSTART", IcsUtcDateTime(d.year, d.month, d.day, hour, minute, meridian));
            ics.Line("DURATION", "PT0M");
            ics.Line("SUMMARY", IcsEscape(std::string(KindText(d.events[i].high)) + height + " " + name));
            ics.Line("LOCATION", IcsEscape(name + " (" + p.file + ")"));
            ics.Line("TRANSP", "TRANSPARENT");
            ics.Line("END", "VEVENT");
        }
        if (r.filters.Any()) continue; // a filtered feed holds only the low waters asked for
        int ny = d.year, nm = d.month, nd = d.day;
        AddDays(ny, nm, nd, 1);
        char next[16];
        std::snprintf(next, sizeof next, "%04d%02d%02d", ny, nm, nd);
        ics.Line("BEGIN", "VEVENT");
        ics.Line("UID", std::string(date) + "-tide-" + uidPort + "@marevo");
        ics.Line("DTSTAMP", r.stamp);
        ics.Line("DTSTART;VALUE=DATE", date);
        ics.Line("DTEND;VALUE=DATE", next);
        ics.Line("SUMMARY", IcsEscape(TideName(d.year, d.month, d.day, meridian) + " " + name));
        ics.Line("TRANSP", "TRANSPARENT");
        ics.Line("END", "VEVENT");
    }
    p.output = ics.Text();
}

void FormatPort(const Request& r, PortSpan& p, bool all)
{
    switch (r.format) {
    case Format::Text: FormatText(r, p); break;
    case Format::Csv: FormatCsv(p); break;
    case Format::Json: FormatJson(r, p, all); break;
    case Format::Ics: FormatIcs(r, p); break;
    }
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
    if (!LoadStationAt(p.path, p.station, p.error)) return;
    p.days = ComputeSpan(p.station, r.year, r.month, r.day, r.days, 1);
    ApplyFilters(r.filters, p.station, p.days);
    FormatPort(r, p, true);
}

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// What comes before, between and after the ports' own outputs.
struct Frame {
    std::string head, separator, tail;
};

Frame FrameOf(const Request& r, bool all, const std::string& calendarName)
{
    Frame f;
    int y = r.year, m = r.month, d = r.day;
    AddDays(y, m, d, r.days - 1);
    switch (r.format) {
    case Format::Text: f.separator = "\n"; break;
    case Format::Csv: f.head = "port,date,time,datetime,height_cm,kind\n"; break;
    case Format::Json:
        if (all) {
            JsonWriter json;
            json.BeginObject().Key("from").String(FormatDate(r.year, r.month, r.day));
            json.Key("to").String(FormatDate(y, m, d));
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

// The one-day form kept from the first versions: the day's list, or its JSON.
int PrintSingleDay(const CliArgs& args, const PortSpan& p, bool json)
{
    const Station& station = p.station;
    const SpanDay& day = p.days[0];
    const std::string date = FormatDate(args.year, args.month, args.day);
    if (json) {
        JsonWriter out;
        out.BeginObject();
        WriteStationJson(out, station);
        out.Key("port").String(p.file);
        out.Key("date").String(date);
        out.Key("extremes").BeginArray();
        for (size_t i = 0; i < day.events.size(); ++i)
            WriteEventJson(out, day.year, day.month, day.day, day.events[i], KindJson(day.events[i].high),
                           station.StandardMeridian);
        out.EndArray().EndObject();
        std::printf("%s\n", out.Text().c_str());
        return 0;
    }
    std::printf("%s  %s(%s)\n", StationNameUtf8(station).c_str(), date.c_str(),
                WeekdayUtf8(args.year, args.month, args.day).c_str());
    for (size_t i = 0; i < day.events.size(); ++i)
        std::printf("  %s  %s %6.1f cm\n", KindText(day.events[i].high), EventClock(day.events[i]).c_str(),
                    PrintedHeight(day.events[i].height));
    if (day.events.empty()) std::printf("%s", u8"  満潮・干潮はありません\n");
    return 0;
}

// The request of the options: format, filters and the iCalendar stamp; false and the message
// when they contradict each other.
bool ReadRequest(const CliArgs& args, Request& r, std::string& error)
{
    const int formats = args.Has("--json") + args.Has("--csv") + args.Has("--ics");
    if (formats > 1) {
        error = Say(u8"--json, --csv, --ics はどれか一つだけ指定してください", "give only one of --json, --csv, --ics");
        return false;
    }
    r.format = args.Has("--json") ? Format::Json : args.Has("--csv") ? Format::Csv
             : args.Has("--ics") ? Format::Ics : Format::Text;
    r.filters.daylight = args.Has("--daylight");
    const std::string below = args.Value("--below");
    if (!below.empty() || args.Value("--below", "x").empty()) {
        if (!ParseBelow(below, r.filters.belowCm)) {
            error = Say(u8"--below は cm の数です: ", "--below takes a height in cm: ") + below;
            return false;
        }
        r.filters.below = true;
    }
    r.stamp = IcsNow();
    return true;
}

// --all: every port of the folder, a few per worker at a time, written out in order and then
// freed, so that long spans of every port do not all wait in memory.
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
    if (!args.dateGiven && LoadStationAt(ports[0].path, firstPort, error))
        ResolveDefaultDate(args, firstPort.StandardMeridian);
    ResolveDefaultDate(args, 135.0f);
    r.year = args.year, r.month = args.month, r.day = args.day, r.days = args.days;
    const Frame frame = FrameOf(r, true, std::string());
    Write(frame.head);
    const int count = static_cast<int>(ports.size()), group = 4 * WorkerCount();
    int status = 0;
    bool first = true;
    for (int start = 0; start < count; start += group) {
        std::vector<PortSpan> some(ports.begin() + start, ports.begin() + std::min(start + group, count));
        AllJob job{&r, &some};
        ParallelFor(static_cast<int>(some.size()), WorkerCount(), RunPort, &job);
        for (const PortSpan& p : some) {
            if (!p.error.empty()) {
                status = Fail(1, p.error);
                continue;
            }
            if (!first) Write(frame.separator);
            first = false;
            Write(p.output);
        }
    }
    Write(frame.tail);
    return status;
}

// One port: its days shared out between the workers.
int RunOnePort(CliArgs& args, Request& r)
{
    PortSpan p;
    StationChoice choice;
    std::string error;
    if (!LoadCliStation(args, p.station, error, &choice)) return Fail(1, error);
    p.path = choice.path;
    p.file = choice.file;
    r.year = args.year, r.month = args.month, r.day = args.day, r.days = args.days;
    p.days = ComputeSpan(p.station, r.year, r.month, r.day, r.days, WorkerCount());
    const bool single = !args.spanGiven && !r.filters.Any() &&
                        (r.format == Format::Text || r.format == Format::Json);
    if (single) return PrintSingleDay(args, p, r.format == Format::Json);
    ApplyFilters(r.filters, p.station, p.days);
    FormatPort(r, p, false);
    const Frame frame = FrameOf(r, false, StationNameUtf8(p.station));
    Write(frame.head);
    Write(p.output);
    Write(frame.tail);
    return 0;
}

} // namespace

int RunExtremes(const Words& words)
{
    CliArgs args;
    std::string error;
    OptionSpec spec{{"--json", "--csv", "--ics", "--daylight"}, {"--below"}, StationUse::OneOrAll, true};
    if (!ParseArgs(words, spec, args, error)) return Fail(2, error);
    Request r;
    if (!ReadRequest(args, r, error)) return Fail(2, error);
    return args.all ? RunAllPorts(args, r) : RunOnePort(args, r);
}

} // namespace marevo::cli
