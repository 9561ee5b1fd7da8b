// marevo-cli ports: the ports of the data folder with their names, prefecture, position and
// source; a query picks those whose names or prefecture hold it, --near sorts by distance.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/data_folder.h"
#include "cli/event_output.h"
#include "cli/json_writer.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "cli/port_catalog.h"

namespace marevo::cli {

namespace {

// "LAT,LON" in decimal degrees, north and east positive.
bool ParseNear(const std::string& text, double& lat, double& lon)
{
    const size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    const std::string a = text.substr(0, comma), b = text.substr(comma + 1);
    char* end = nullptr;
    lat = std::strtod(a.c_str(), &end);
    if (a.empty() || end != a.c_str() + a.size()) return false;
    lon = std::strtod(b.c_str(), &end);
    if (b.empty() || end != b.c_str() + b.size()) return false;
    return std::fabs(lat) <= 90 && std::fabs(lon) <= 360;
}

// The ports listed, each with its distance in km from --near (0 without it).
using Listed = std::vector<std::pair<double, const PortEntry*>>;

std::string PortsJson(const Listed& listed, bool byDistance)
{
    JsonWriter json;
    json.BeginObject().Key("ports").BeginArray();
    for (const auto& [km, p] : listed) {
        json.BeginObject();
        json.Key("file").String(p->file).Key("name").String(p->name);
        json.Key("romaji").String(p->romaji);
        json.Key("prefecture").Integer(p->prefecture);
        json.Key("prefecture_name").String(PrefectureName(p->prefecture));
        json.Key("latitude").Fixed(p->latitude, 6).Key("longitude").Fixed(p->longitude, 6);
        json.Key("latitude_dm").Raw(p->latitudeDM).Key("longitude_dm").Raw(p->longitudeDM);
        json.Key("source").String(p->source).Key("remark").String(p->remark);
        if (byDistance) json.Key("distance_km").Fixed(km, 1);
        json.EndObject();
    }
    json.EndArray().EndObject();
    return json.Text() + "\n";
}

std::string PortsCsv(const Listed& listed, bool byDistance)
{
    std::string out = "file,name,romaji,prefecture,prefecture_name,latitude_dm,longitude_dm,latitude,longitude,source,remark";
    out += byDistance ? ",distance_km\n" : "\n";
    char number[64];
    for (const auto& [km, p] : listed) {
        std::snprintf(number, sizeof number, "%02d", p->prefecture);
        out += CsvField(p->file) + "," + CsvField(p->name) + "," + CsvField(p->romaji) + "," + number + "," +
               PrefectureName(p->prefecture) + "," + CsvField(p->latitudeDM) + "," + CsvField(p->longitudeDM);
        std::snprintf(number, sizeof number, ",%.6f,%.6f,", p->latitude, p->longitude);
        out += number + CsvField(p->source) + "," + CsvField(p->remark);
        if (byDistance) {
            std::snprintf(number, sizeof number, ",%.1f", km);
            out += number;
        }
        out += "\n";
    }
    return out;
}

std::string PortsText(const Listed& listed, bool byDistance)
{
    std::string out;
    char number[64];
    for (const auto& [km, p] : listed) {
        std::snprintf(number, sizeof number, "  %.4f %.4f", p->latitude, p->longitude);
        out += p->file + "  " + p->name + "  " + (p->romaji.empty() ? "-" : p->romaji) + "  " +
               PrefectureName(p->prefecture) + number;
        if (!p->source.empty()) out += "  " + p->source;
        if (byDistance) {
            std::snprintf(number, sizeof number, "  %.1f km", km);
            out += number;
        }
        out += "\n";
    }
    return out;
}

} // namespace

int RunPorts(const Words& words)
{
    CliArgs args;
    std::string error;
    if (!ParseArgs(words, {{"--json", "--csv"}, {"--near", "--limit"}, StationUse::None, false}, args, error))
        return Fail(2, error);
    const std::string& query = args.query;
    if (args.Has("--json") && args.Has("--csv"))
        return Fail(2, Say(u8"--csv と --json は同時に指定できません", "--csv and --json exclude each other"));
    double nearLat = 0, nearLon = 0;
    const std::string nearText = args.Value("--near");
    const bool byDistance = args.Given("--near");
    if (byDistance && !ParseNear(nearText, nearLat, nearLon))
        return Fail(2, Say(u8"--near は 緯度,経度 (10進の度) です: ", "--near takes LAT,LON in decimal degrees: ") + nearText);

    const std::string limitText = args.Value("--limit");
    int limit = 0; // all
    if (args.Given("--limit") && !ParseCount(limitText, 1, 10000, limit))
        return Fail(2, Say(u8"--limit は 1 から 10000 までの数です: ", "--limit takes a count from 1 to 10000: ") + limitText);

    std::string dt;
    if (!FindDtFolder(args.dt, dt, error)) return Fail(1, error);
    const std::vector<PortEntry> catalog = ReadPortCatalog(dt);
    std::vector<const PortEntry*> ports = SearchPorts(catalog, query);
    Listed listed;
    for (const PortEntry* p : ports)
        listed.emplace_back(byDistance ? DistanceKm(nearLat, nearLon, p->latitude, p->longitude) : 0.0, p);
    if (byDistance)
        std::stable_sort(listed.begin(), listed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    if (limit > 0 && static_cast<int>(listed.size()) > limit) listed.resize(limit);
    const std::string out = args.Has("--json")  ? PortsJson(listed, byDistance)
                          : args.Has("--csv") ? PortsCsv(listed, byDistance)
                                              : PortsText(listed, byDistance);
    Emit(out);
    if (listed.empty())
        return Fail(1, Say(u8"該当する港はありません: ", "no port matches ") + query);
    return 0;
}

} // namespace marevo::cli
