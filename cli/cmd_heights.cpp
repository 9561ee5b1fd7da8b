// marevo-cli heights: the predicted height every few minutes over a span of days, for plots
// and home automation, as text, CSV or JSON.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/commands.h"
#include "cli/event_output.h"
#include "cli/json_writer.h"
#include "cli/messages.h"
#include "cli/span.h"

namespace marevo::cli {

namespace {

// The series as text, CSV or JSON; sample i lies i * step minutes after 0 h of the first day.
std::string FormatHeights(const CliArgs& args, const Station& station, const std::string& file, int step,
                          const std::vector<float>& heights)
{
    const float meridian = station.StandardMeridian;
    std::string out;
    char line[160];
    JsonWriter json;
    const bool csv = args.Has("--csv"), asJson = args.Has("--json");
    if (asJson) {
        json.BeginObject();
        WriteStationJson(json, station);
        json.Key("port").String(file);
        json.Key("step_minutes").Integer(step);
        json.Key("heights").BeginArray();
    } else if (csv) {
        out = "port,date,time,datetime,height_cm\n";
    } else {
        std::snprintf(line, sizeof line, "  (%d min)\n", step);
        out = StationNameUtf8(station) + " (" + file + ")" + line;
    }
    const std::string port = CsvField(file);
    for (size_t i = 0; i < heights.size(); ++i) {
        const long long minute = static_cast<long long>(i) * step;
        int y = args.year, m = args.month, d = args.day;
        AddDays(y, m, d, static_cast<int>(minute / 1440));
        const int hour = static_cast<int>(minute % 1440 / 60), min = static_cast<int>(minute % 60);
        const std::string date = FormatDate(y, m, d);
        if (asJson) {
            json.BeginObject().Key("datetime").String(IsoDateTime(y, m, d, hour, min, meridian));
            json.Key("height").Fixed(heights[i], 1).EndObject();
        } else if (csv) {
            std::snprintf(line, sizeof line, ",%s,%02d:%02d,%s,%.1f\n", date.c_str(), hour, min,
                          IsoDateTime(y, m, d, hour, min, meridian).c_str(), PrintedHeight(heights[i]));
            out += port;
            out += line;
        } else {
            std::snprintf(line, sizeof line, "%s %02d:%02d %7.1f\n", date.c_str(), hour, min, PrintedHeight(heights[i]));
            out += line;
        }
    }
    if (asJson) {
        json.EndArray().EndObject();
        out = json.Text() + "\n";
    }
    return out;
}

} // namespace

int RunHeights(const Words& words)
{
    CliArgs args;
    std::string error;
    if (!ParseArgs(words, {{"--json", "--csv"}, {"--step"}, StationUse::One, true}, args, error))
        return Fail(2, error);
    if (args.Has("--json") && args.Has("--csv"))
        return Fail(2, Say(u8"--csv と --json は同時に指定できません", "--csv and --json exclude each other"));
    const std::string stepText = args.Value("--step", "10");
    int step = 0;
    for (char c : stepText) step = (c >= '0' && c <= '9' && step < 100000) ? step * 10 + (c - '0') : -1;
    if (stepText.empty() || step < 1 || step > 1440)
        return Fail(2, Say(u8"--step は 1 から 1440 までの分数です: ", "--step takes minutes from 1 to 1440: ") + stepText);

    // Ten million samples at most (19 years a minute apart): the series is built in memory.
    if (static_cast<long long>(args.days) * 1440 / step > 10000000)
        return Fail(2, Say(u8"時系列が長すぎます (1000 万点まで): --step を大きくするか期間を短くしてください",
                           "series too long (ten million samples at most): a larger --step or a shorter span"));
    Station station;
    StationChoice choice;
    if (!LoadCliStation(args, station, error, &choice)) return Fail(1, error);
    const std::vector<float> heights = ComputeHeights(station, args.year, args.month, args.day, args.days, step);
    const std::string out = FormatHeights(args, station, choice.file, step, heights);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

} // namespace marevo::cli
