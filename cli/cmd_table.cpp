// marevo-cli table: the 42-day tide table of one port from a date.
#include <cstdio>

#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/commands.h"
#include "cli/day_output.h"
#include "cli/event_output.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "cli/messages.h"
#include "engine/tide_table.h"

namespace marevo::cli {

namespace {

struct TableRow {
    int year, month, day;
    std::vector<TideEvent> events;
    std::vector<bool> high;
};

// The used slots of each day with their kinds.
std::vector<TableRow> RowsOf(const TideTableResults& r, int year, int month, int day)
{
    std::vector<TableRow> rows;
    for (int d = 0; d < TableDays; ++d) {
        int y = year, m = month, dd = day + d;
        NormalizeDate(y, m, dd);
        TableRow row{y, m, dd, {}, {}};
        for (int j = 0; j < TableSlots; ++j) {
            const int i = TableSlots * d + j;
            if (r.TableHeight[i] == EmptySlot) continue;
            row.events.push_back({r.TableHour[i], r.TableMinute[i], r.TableHeight[i], r.TableHigh[i]});
            row.high.push_back(r.TableHigh[i]);
        }
        rows.push_back(row);
    }
    return rows;
}

void PrintJson(const Station& station, const std::string& port, const TideTableResults& r,
               const std::vector<TableRow>& rows, bool utc)
{
    JsonWriter json;
    json.BeginObject();
    WriteStationJson(json, station);
    json.Key("port").String(port);
    json.Key("first_day").String(FormatDate(rows[0].year, rows[0].month, rows[0].day));
    json.Key("columns").Integer(r.TableColumns);
    json.Key("first_event_is_high");
    if (r.FirstEventIsHigh < 0) json.Null();
    else json.Bool(r.FirstEventIsHigh == 1);
    json.Key("max_low_per_day").Integer(r.MaxLowPerDay);
    json.Key("max_high_per_day").Integer(r.MaxHighPerDay);
    json.Key("days").BeginArray();
    for (const TableRow& row : rows) {
        json.BeginObject().Key("date").String(FormatDate(row.year, row.month, row.day));
        json.Key("events").BeginArray();
        for (size_t i = 0; i < row.events.size(); ++i)
            WriteEventJson(json, row.year, row.month, row.day, row.events[i],
                           r.FirstEventIsHigh < 0 ? nullptr : KindJson(row.high[i]),
                           station.StandardMeridian, utc);
        json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
    Emitf("%s\n", json.Text().c_str());
}

} // namespace

int RunTable(const Words& words)
{
    CliArgs args;
    std::string error;
    if (!ParseArgs(words, {{"--json", "--csv", "--utc"}, {}}, args, error)) return Fail(2, error);
    if (args.Has("--json") && args.Has("--csv"))
        return Fail(2, Say(u8"--csv と --json は同時に指定できません", "--csv and --json exclude each other"));
    Station station;
    StationChoice choice;
    if (!LoadCliStation(args, station, error, &choice)) return Fail(1, error);
    if (!SpanEndsInTime(args.year, args.month, args.day, TableDays, error)) return Fail(2, error);

    Calendar cal;
    TideTableResults results;
    SetFebruaryForYear(cal, args.year);
    ComputeTideTable(args.year, args.month, args.day, station, cal, results);
    const std::vector<TableRow> rows = RowsOf(results, args.year, args.month, args.day);

    if (args.Has("--json")) {
        PrintJson(station, choice.file, results, rows, args.Has("--utc"));
        return 0;
    }
    const bool csv = args.Has("--csv"), utc = args.Has("--utc");
    const float meridian = station.StandardMeridian;
    if (csv) Emitf("port,date,time,datetime,height_cm,kind\n");
    else Emitf(u8"%s  潮見表 %s から 42 日%s\n", StationNameUtf8(station).c_str(),
               FormatDate(args.year, args.month, args.day).c_str(), utc ? "  UTC" : "");
    for (const TableRow& row : rows) {
        const std::string date = FormatDate(row.year, row.month, row.day);
        if (!csv) Emitf("%s(%s)", date.c_str(), WeekdayUtf8(row.year, row.month, row.day).c_str());
        for (size_t i = 0; i < row.events.size(); ++i) {
            const char* kind = results.FirstEventIsHigh < 0 ? "" : csv ? KindJson(row.high[i]) : KindText(row.high[i]);
            const TideEvent& e = row.events[i];
            if (csv) {
                const CivilTime t = EventCivilTime(row.year, row.month, row.day, e, meridian, utc);
                Emitf("%s,%s,%02d:%02d,%s,%.1f,%s\n", CsvField(choice.file).c_str(),
                      FormatDate(t.year, t.month, t.day).c_str(), t.hour, t.minute,
                      IsoDateTime(row.year, row.month, row.day, static_cast<int>(e.hour),
                                  static_cast<int>(e.minute), meridian, utc).c_str(),
                      PrintedHeight(e.height), kind);
            } else {
                Emitf("  %s %s %6.1f", kind, EventTimeText(row.year, row.month, row.day, e, meridian, utc).c_str(),
                      PrintedHeight(e.height));
            }
        }
        if (!csv) Emitf("\n");
    }
    return 0;
}

} // namespace marevo::cli
