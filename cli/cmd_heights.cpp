// marevo-cli heights: the predicted height every few minutes over a span of days, for plots
// and home automation, as text, CSV or JSON.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/commands.h"
#include "cli/event_output.h"
#include "cli/json_writer.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "cli/span.h"

namespace marevo::cli {

namespace {

// The samples of one run: where they start, how far apart, and how they are written.
struct Series {
    const CliArgs* args;
    const Station* station;
    std::string file;
    int step = 10;
    bool csv = false, json = false, utc = false;
};

std::string SeriesHead(const Series& s)
{
    if (s.json) {
        JsonWriter json;
        json.BeginObject();
        WriteStationJson(json, *s.station);
        json.Key("port").String(s.file);
        json.Key("step_minutes").Integer(s.step);
        json.Key("heights").BeginArray();
        return json.Text();
    }
    if (s.csv) return "port,date,time,datetime,height_cm\n";
    char line[48];
    std::snprintf(line, sizeof line, "  (%d min)%s\n", s.step, s.utc ? "  UTC" : "");
    return StationNameUtf8(*s.station) + " (" + s.file + ")" + line;
}

// Samples first, first + 1, ... as text, CSV rows or JSON objects (a comma before each but
// the very first); sample i lies i * step minutes after 0 h of the first day.
std::string FormatSamples(const Series& s, long long first, const std::vector<float>& heights)
{
    const float meridian = s.station->StandardMeridian;
    const std::string port = CsvField(s.file);
    std::string out;
    char line[160];
    for (size_t k = 0; k < heights.size(); ++k) {
        const long long minute = (first + static_cast<long long>(k)) * s.step;
        int y = s.args->year, m = s.args->month, d = s.args->day;
        AddDays(y, m, d, static_cast<int>(minute / 1440));
        const int hour = static_cast<int>(minute % 1440 / 60), min = static_cast<int>(minute % 60);
        const CivilTime t = ShownTime(y, m, d, hour, min, meridian, s.utc);
        const std::string date = FormatDate(t.year, t.month, t.day);
        if (s.json) {
            JsonWriter json;
            json.BeginObject().Key("datetime").String(IsoDateTime(y, m, d, hour, min, meridian, s.utc));
            json.Key("height").Fixed(heights[k], 1).EndObject();
            if (first + static_cast<long long>(k) > 0) out += ",";
            out += json.Text();
        } else if (s.csv) {
            std::snprintf(line, sizeof line, ",%s,%02d:%02d,%s,%.1f\n", date.c_str(), t.hour, t.minute,
                          IsoDateTime(y, m, d, hour, min, meridian, s.utc).c_str(), PrintedHeight(heights[k]));
            out += port;
            out += line;
        } else {
            std::snprintf(line, sizeof line, "%s %02d:%02d %7.1f\n", date.c_str(), t.hour, t.minute,
                          PrintedHeight(heights[k]));
            out += line;
        }
    }
    return out;
}

} // namespace

int RunHeights(const Words& words)
{
    CliArgs args;
    std::string error;
    if (!ParseArgs(words, {{"--json", "--csv", "--utc"}, {"--step"}, StationUse::One, true}, args, error))
        return Fail(2, error);
    if (args.Has("--json") && args.Has("--csv"))
        return Fail(2, Say(u8"--csv と --json は同時に指定できません", "--csv and --json exclude each other"));
    const std::string stepText = args.Value("--step", "10");
    int step = 0;
    if (!ParseCount(stepText, 1, 1440, step))
        return Fail(2, Say(u8"--step は 1 から 1440 までの分数です: ", "--step takes minutes from 1 to 1440: ") + stepText);

    // Ten million samples at most (19 years a minute apart).
    const long long samples = (static_cast<long long>(args.days) * 1440 + step - 1) / step;
    if (samples > 10000000)
        return Fail(2, Say(u8"時系列が長すぎます (1000 万点まで): --step を大きくするか期間を短くしてください",
                           "series too long (ten million samples at most): a larger --step or a shorter span"));
    Station station;
    StationChoice choice;
    if (!LoadCliStation(args, station, error, &choice)) return Fail(1, error);
    Series series{&args, &station, choice.file, step, args.Has("--csv"), args.Has("--json"), args.Has("--utc")};
    // A day of samples at a time, each written before the next is computed: a failed write
    // (a reader gone, a full disk) ends the run at once.
    const long long chunk = std::max(1, 1440 / step);
    Emit(SeriesHead(series));
    for (long long first = 0; first < samples && !OutputFailed(); first += chunk) {
        const long long count = std::min(chunk, samples - first);
        Emit(FormatSamples(series, first, ComputeHeights(station, args.year, args.month, args.day, step, first, count)));
    }
    Emit(series.json ? "]}\n" : "");
    return 0;
}

} // namespace marevo::cli
