// Finding and loading the station of a command, with the messages a user reads.
#include "cli/cli_station.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/data_folder.h"
#include "cli/messages.h"
#include "cli/port_catalog.h"
#include "cli/text_encoding.h"

namespace marevo::cli {

bool ChooseStation(const CliArgs& args, StationChoice& choice, std::string& error)
{
    if (!args.station.empty()) {
        choice.path = args.station;
        choice.file = std::filesystem::u8path(args.station).stem().u8string();
        return true;
    }
    std::string dt;
    if (!FindDtFolder(args.dt, dt, error)) return false;
    std::string dir = dt;
    if (dir.back() != '/' && dir.back() != '\\') dir += '/';
    // The file name as typed needs no list of the folder.
    if (args.port.find_first_of("/\\") == std::string::npos && IsFile(dir + args.port + ".MV2")) {
        choice.path = dir + args.port + ".MV2";
        choice.file = args.port;
        return true;
    }
    const std::vector<PortEntry> ports = ReadPortCatalog(dt);
    const PortMatch match = MatchPort(ports, args.port);
    if (match.found.size() == 1) {
        choice.path = match.found[0]->path;
        choice.file = match.found[0]->file;
        if (match.searched) // not the port's own name: say which port the search found
            std::fprintf(stderr, "marevo-cli: %s%s\n", Say(u8"使用する港: ", "using ").c_str(),
                         DescribePort(*match.found[0]).c_str());
        return true;
    }
    if (match.found.size() > 1) {
        error = (match.searched ? Say(u8"港が一つに決まりません: ", "more than one port matches ")
                                : Say(u8"港の名前が一つに決まりません: ", "more than one port has the name ")) +
                args.port + Say(u8" (候補: ", " (candidates: ");
        for (size_t i = 0; i < match.found.size(); ++i)
            error += (i ? ", " : "") + DescribePort(*match.found[i]);
        error += ")";
        return false;
    }
    error = Say(u8"港が見つかりません: ", "no such port: ") + args.port + " (" + dt;
    if (!match.suggestions.empty()) {
        error += Say(u8"; 近い名前: ", "; closest names: ");
        for (size_t i = 0; i < match.suggestions.size(); ++i)
            error += (i ? ", " : "") + DescribePort(*match.suggestions[i]);
    }
    error += ")";
    return false;
}

bool LoadStationAt(const std::string& file, Station& station, std::string& error)
{
    const std::string path = NativePath(file);
    if (path.size() >= sizeof station.StationPath) {
        error = Say(u8"ファイル名が長すぎます: ", "file name too long: ") + file;
        return false;
    }
    switch (LoadStationFrom(OpenUtf8File(file, "rb"), path.c_str(), station)) {
    case LoadStatus::Ok:
        return true;
    case LoadStatus::OpenFailed:
        error = Say(u8"ファイルが開けません: ", "cannot open file: ") + file;
        return false;
    case LoadStatus::Damaged:
        error = Say(u8"港のデータが壊れています (欠けた行、途中で切れた行、数でない値): ",
                    "damaged port file (a line missing or cut short, or a value that is not a "
                    "number): ") + file;
        return false;
    case LoadStatus::NoHeader:
        break;
    }
    error = Say(u8"港のデータとして読めません (見出し行がありません): ",
                "not a port file (no header line): ") + file;
    return false;
}

bool LoadCliStation(CliArgs& args, Station& station, std::string& error, StationChoice* chosen)
{
    StationChoice choice;
    if (!ChooseStation(args, choice, error)) return false;
    if (!LoadStationAt(choice.path, station, error)) return false;
    if (!ResolveDefaultDate(args, station.StandardMeridian, error)) return false;
    if (chosen != nullptr) *chosen = choice;
    return true;
}

std::string StationNameUtf8(const Station& station) { return SjisToUtf8(station.StationName); }

} // namespace marevo::cli

#include "cli/json_writer.h"

namespace marevo::cli {

namespace {
// A header field as written, without surrounding blanks.
std::string Trimmed(const char* text)
{
    const std::string s = text;
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}
double DecimalDegrees(const char* text) { return DegMinToDegrees(std::atof(Trimmed(text).c_str())); }
} // namespace

void WriteStationJson(JsonWriter& json, const Station& s)
{
    json.Key("station").BeginObject();
    json.Key("name").String(StationNameUtf8(s));
    json.Key("latitude").Fixed(DecimalDegrees(s.LatitudeText), 6);
    json.Key("longitude").Fixed(DecimalDegrees(s.LongitudeText), 6);
    json.Key("latitude_dm").Raw(Trimmed(s.LatitudeText));
    json.Key("longitude_dm").Raw(Trimmed(s.LongitudeText));
    json.Key("meridian").Number(s.StandardMeridian);
    json.Key("z0").Number(s.MeanSeaLevel);
    json.EndObject();
}

} // namespace marevo::cli
