// The station a marevo-cli command works on: --station FILE, or --port NAME in the data
// folder (--dt DIR or the one FindDtFolder finds).
#pragma once

#include <string>

#include "cli/cli_args.h"
#include "engine/constituents.h"
#include "engine/station.h"

namespace marevo::cli {

// The port file a command names (UTF-8) and the name its CSV rows carry (the file's name
// without .MV2). False with a one-line message when the data folder is missing, or the port
// is unknown (with the closest names) or ambiguous (with the candidates).
struct StationChoice {
    std::string path;
    std::string file;
};
bool ChooseStation(const CliArgs& args, StationChoice& choice, std::string& error);

// Loads the station the options name and, when no date was given, sets today's date in the
// station's zone time. False with a one-line message (UTF-8) when the port is not found or
// the file cannot be opened or has no header.
bool LoadCliStation(CliArgs& args, Station& station, std::string& error,
                    StationChoice* chosen = nullptr);
// Loads a port file (UTF-8 path): false with the message of LoadCliStation.
bool LoadStationAt(const std::string& path, Station& station, std::string& error);

// Station name, UTF-8.
std::string StationNameUtf8(const Station& station);

} // namespace marevo::cli

namespace marevo::cli {
class JsonWriter;
// "station":{"name","latitude","longitude","latitude_dm","longitude_dm","meridian","z0"}:
// decimal degrees rounded to 1e-6 (east and north positive), degrees.minutes and Z0 (cm) as
// written in the file.
void WriteStationJson(JsonWriter& json, const Station& station);
} // namespace marevo::cli
