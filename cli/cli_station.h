// The station a marevo-cli command works on: --station FILE, or --dt DIR --port CODE+NAME.
#pragma once

#include <string>

#include "cli/cli_args.h"
#include "engine/constituents.h"
#include "engine/station.h"

namespace marevo::cli {

// The file the options name: FILE, or DIR/CODE+NAME.MV2 (UTF-8).
std::string StationFileOf(const CliArgs& args);

// Loads the station the options name. False with a one-line message (UTF-8) when the file
// cannot be opened (an unknown port names the port) or has no header.
bool LoadCliStation(const CliArgs& args, Station& station, std::string& error);

// The station the options name, with its constituents prepared for 0 h of their date.
struct PreparedDay {
    Station station;
    Calendar calendar;
    ConstituentTables tables;
};
bool PrepareCliDay(const CliArgs& args, PreparedDay& day, std::string& error);

// Station name, UTF-8.
std::string StationNameUtf8(const Station& station);

} // namespace marevo::cli

namespace marevo::cli {
class JsonWriter;
// "station":{"name","latitude","longitude","meridian","z0"}: degrees (decimal, east and
// north positive) and cm, as the program uses them.
void WriteStationJson(JsonWriter& json, const Station& station);
} // namespace marevo::cli
