// marevo-cli extremes: the high and low waters of one day at one port.
#include <cstdio>

#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/commands.h"
#include "cli/day_output.h"
#include "cli/event_kinds.h"
#include "cli/json_writer.h"
#include "engine/constituents.h"

namespace marevo::cli {

int RunExtremes(const Words& words)
{
    CliArgs args;
    std::string error;
    if (!ParseArgs(words, {{"--json"}, {}}, args, error)) return Fail(2, error);
    PreparedDay prepared;
    if (!PrepareCliDay(args, prepared, error)) return Fail(1, error);
    const Station& station = prepared.station;
    const ConstituentTables& tables = prepared.tables;
    DayExtremes day;
    FindDateExtremes(args.year, args.month, args.day, station, prepared.calendar, day);
    const std::vector<bool> high = EventKinds(day.events, day.count, station, tables);
    const std::string date = FormatDate(args.year, args.month, args.day);

    if (args.Has("--json")) {
        JsonWriter json;
        json.BeginObject();
        WriteStationJson(json, station);
        json.Key("date").String(date);
        json.Key("extremes").BeginArray();
        for (int i = 0; i < day.count; ++i) {
            const TideEvent& e = day.events[i];
            json.BeginObject();
            json.Key("hour").Number(e.hour).Key("minute").Number(e.minute);
            json.Key("height").Number(e.height).Key("kind").String(KindJson(high[i]));
            json.EndObject();
        }
        json.EndArray().EndObject();
        std::printf("%s\n", json.Text().c_str());
        return 0;
    }
    std::printf("%s  %s(%s)\n", StationNameUtf8(station).c_str(), date.c_str(),
                WeekdayUtf8(args.year, args.month, args.day).c_str());
    for (int i = 0; i < day.count; ++i)
        std::printf("  %s  %s %6.1f cm\n", KindText(high[i]), EventClock(day.events[i]).c_str(),
                    TenthsCm(day.events[i].height));
    if (day.count == 0) std::printf(u8"  満潮・干潮はありません\n");
    return 0;
}

} // namespace marevo::cli
