// Finding and loading the station of a command, with the messages a user reads.
#include "cli/cli_station.h"

#include <cstdio>

#include "cli/text_encoding.h"

namespace marevo::cli {

std::string StationFileOf(const CliArgs& args)
{
    if (!args.station.empty()) return args.station;
    std::string dir = args.dt;
    if (dir.back() != '/' && dir.back() != '\\') dir += '/';
    return dir + args.port + ".MV2";
}

bool LoadCliStation(const CliArgs& args, Station& station, std::string& error)
{
    const std::string file = StationFileOf(args);
    const std::string path = NativePath(file);
    if (path.size() >= sizeof station.StationPath) {
        error = u8"ファイル名が長すぎます: " + file;
        return false;
    }
    switch (LoadStationFrom(OpenUtf8File(file, "rb"), path.c_str(), station)) {
    case LoadStatus::Ok:
        return true;
    case LoadStatus::OpenFailed:
        error = args.station.empty()
                    ? u8"港が見つかりません: " + args.port + u8" (" + file + u8" が開けません)"
                    : u8"ファイルが開けません: " + file;
        return false;
    case LoadStatus::NoHeader:
        break;
    }
    error = u8"港のデータとして読めません (見出し行がありません): " + file;
    return false;
}

bool PrepareCliDay(const CliArgs& args, PreparedDay& day, std::string& error)
{
    if (!LoadCliStation(args, day.station, error)) return false;
    SetFebruaryForYear(day.calendar, args.year);
    PrepareConstituents(args.year, args.month, args.day, day.station, day.calendar, day.tables);
    return true;
}

std::string StationNameUtf8(const Station& station) { return SjisToUtf8(station.StationName); }

} // namespace marevo::cli

#include "cli/json_writer.h"

namespace marevo::cli {

void WriteStationJson(JsonWriter& json, const Station& s)
{
    json.Key("station").BeginObject();
    json.Key("name").String(StationNameUtf8(s));
    json.Key("latitude").Number(s.Latitude);
    json.Key("longitude").Number(s.Longitude);
    json.Key("meridian").Number(s.StandardMeridian);
    json.Key("z0").Number(s.MeanSeaLevel);
    json.EndObject();
}

} // namespace marevo::cli
