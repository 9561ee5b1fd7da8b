// marevo-fit: the port files of the JMA ports, fitted to JMA's hourly heights of a year.
// Reads DATA/ports.tsv (its JMA:<code> rows) and DATA/jma/<year>/<code>.txt, writes or checks
// DATA/dt/<file>.MV2. Heights in cm above the table's datum; times in JST.
//
// Usage: marevo-fit --data DIR [--check] [--report] [--jobs N]
//   --check   write nothing; compare every JMA port file byte for byte and list files of dt/
//             that ports.tsv does not name; exit status 1 on any difference
//   (without --check, port files of dt/ that ports.tsv does not name are removed)
//   --report  per port: residual of the fit, its condition, and the constituents whose
//             amplitude the year does not determine to 0.1 cm
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/text_encoding.h"
#include "engine/calendar.h"
#include "engine/decimal_text.h"
#include "engine/station.h"
#include "tools/fit/harmonic_fit.h"
#include "tools/fit/jma_table.h"
#include "tools/fit/port_file_text.h"

namespace fs = std::filesystem;
using namespace marevo;
using namespace marevo::fit;

namespace {

constexpr int TableYear = 2024;
constexpr double UndeterminedCm = 0.1; // amplitude standard error worth a mention

// One row of ports.tsv (UTF-8): the columns the fit needs.
struct PortRow {
    std::string file, name, latitude, longitude, source;
};

bool ReadPorts(const std::string& path, std::vector<PortRow>& rows, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) { error = path + ": cannot be read"; return false; }
    std::string line;
    std::vector<std::string> header;
    int lineNo = 0;
    auto split = [](const std::string& l) {
        std::vector<std::string> f;
        std::stringstream ss(l);
        std::string cell;
        while (std::getline(ss, cell, '\t')) f.push_back(cell);
        if (!l.empty() && l.back() == '\t') f.push_back("");
        return f;
    };
    int col[5];
    const char* names[5] = {"file", "name", "latitude", "longitude", "source"};
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f = split(line);
        if (header.empty()) {
            header = f;
            for (int k = 0; k < 5; ++k) {
                auto it = std::find(header.begin(), header.end(), names[k]);
                if (it == header.end()) { error = path + ": no column " + names[k]; return false; }
                col[k] = static_cast<int>(it - header.begin());
            }
            continue;
        }
        if (f.size() < header.size() - 1) {
            error = path + " line " + std::to_string(lineNo) + ": too few columns";
            return false;
        }
        f.resize(header.size());
        rows.push_back({f[col[0]], f[col[1]], f[col[2]], f[col[3]], f[col[4]]});
    }
    if (header.empty()) { error = path + ": no header row"; return false; }
    return true;
}

// The station as the program derives it from the header fields of the file to be written.
Station StationOf(const PortRow& row)
{
    Station s;
    s.LatitudeDM = static_cast<float>(DecimalToDouble(row.latitude.c_str()));
    s.LongitudeDM = static_cast<float>(DecimalToDouble(row.longitude.c_str()));
    s.Latitude = static_cast<float>(DegMinToDegrees(s.LatitudeDM));
    s.Longitude = static_cast<float>(DegMinToDegrees(s.LongitudeDM));
    s.StandardMeridian = ZoneMeridian(s.Latitude, s.Longitude);
    return s;
}

// Shift-JIS of a UTF-8 text; false when a character has no Shift-JIS code.
bool ToSjis(const std::string& utf8, std::string& sjis)
{
    sjis = Utf8ToSjis(utf8);
    return SjisToUtf8(sjis) == utf8;
}

struct PortResult {
    std::string bytes, error;
    HarmonicFit fit;
};

PortResult FitPort(const PortRow& row, const std::string& jmaDir)
{
    PortResult r;
    const std::string code = row.source.substr(4);
    JmaTable table;
    if (!ReadJmaTable(jmaDir + "/" + code + ".txt", code, TableYear, table, r.error)) return r;
    r.fit = FitHarmonics(StationOf(row), table);

    PortFileContent c;
    std::string name;
    if (!ToSjis(row.name, c.nameSjis) || !ToSjis(row.name, name)) {
        r.error = row.file + ": name has no Shift-JIS form";
        return r;
    }
    c.latitudeText = row.latitude;
    c.longitudeText = row.longitude;
    c.meanLevelCm = r.fit.meanLevelCm;
    c.count = FitCount;
    c.amplitudeCm = r.fit.amplitudeCm;
    c.phaseLagDeg = r.fit.phaseLagDeg;
    c.notesSjis[0] = "JMA 潮位表 " + std::to_string(TableYear) + " " + code + " " + name +
                     ": 毎時潮位の最小二乗適合";
    c.notesSjis[1] = "出典：気象庁ホームページ（潮位表）のデータを加工して作成";
    c.notesSjis[2] = "政府標準利用規約（第2.0版）に準拠、CC BY 4.0 互換";
    const std::vector<std::string> lines = PortFileLines(c);
    const std::string breach = CheckPortFileLimits(lines);
    if (!breach.empty()) { r.error = row.file + ": " + breach; return r; }
    r.bytes = PortFileText(lines);
    return r;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) return std::string(1, '\0') + "missing";
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void Report(const PortRow& row, const HarmonicFit& fit)
{
    std::printf("%-22s %-6s rms %.3f max %.2f cm  Z0 %7.2f  cond %.1f", row.file.c_str(),
                row.source.c_str(), fit.residualRmsCm, fit.residualMaxCm, fit.meanLevelCm,
                fit.conditionNumber);
    for (int i = 0; i < FitCount; ++i)
        if (fit.amplitudeErrorCm[i] > UndeterminedCm)
            std::printf("  %s %.2f±%.2f", ConstituentLabel(i), fit.amplitudeCm[i],
                        fit.amplitudeErrorCm[i]);
    std::printf("\n");
}

int Usage()
{
    std::fprintf(stderr, "usage: marevo-fit --data DIR [--check] [--report] [--jobs N]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string data;
    bool check = false, report = false;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--check") check = true;
        else if (a == "--report") report = true;
        else if (a == "--data" && i + 1 < argc) data = argv[++i];
        else if (a == "--jobs" && i + 1 < argc) jobs = std::max(1, std::atoi(argv[++i]));
        else return Usage();
    }
    if (data.empty()) return Usage();

    std::vector<PortRow> rows;
    std::string error;
    if (!ReadPorts(data + "/ports.tsv", rows, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::vector<const PortRow*> jma;
    std::set<std::string> listed;
    for (const PortRow& row : rows) {
        listed.insert(row.file + ".MV2");
        if (row.source.rfind("JMA:", 0) == 0) jma.push_back(&row);
    }

    // Each port is fitted on its own; the results are taken in the order of the list.
    const std::string jmaDir = data + "/jma/" + std::to_string(TableYear);
    std::vector<PortResult> results(jma.size());
    std::atomic<size_t> next{0};
    std::vector<std::thread> workers;
    for (unsigned w = 0; w < std::min<size_t>(jobs, jma.size()); ++w)
        workers.emplace_back([&] {
            for (size_t k; (k = next++) < jma.size();) results[k] = FitPort(*jma[k], jmaDir);
        });
    for (std::thread& w : workers) w.join();

    const fs::path dt = fs::path(data) / "dt";
    int failures = 0;
    if (!check) fs::create_directories(dt);
    for (size_t k = 0; k < jma.size(); ++k) {
        const PortResult& r = results[k];
        if (!r.error.empty()) {
            std::fprintf(stderr, "%s\n", r.error.c_str());
            ++failures;
            continue;
        }
        if (report) Report(*jma[k], r.fit);
        const fs::path path = dt / (jma[k]->file + ".MV2");
        if (check) {
            if (ReadBytes(path) != r.bytes) {
                std::fprintf(stderr, "differs: %s\n", path.filename().c_str());
                ++failures;
            }
        } else {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << r.bytes;
            if (!out.flush()) {
                std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
                ++failures;
            }
        }
    }
    if (fs::is_directory(dt))
        for (const fs::directory_entry& e : fs::directory_iterator(dt))
            if (!listed.count(e.path().filename().string())) {
                // A port file that the list no longer names goes when the folder is
                // regenerated; anything else is left alone and reported.
                const bool portFile = e.is_regular_file() && e.path().extension() == ".MV2";
                if (!check && portFile) {
                    fs::remove(e.path());
                    std::printf("removed: %s\n", e.path().filename().c_str());
                    continue;
                }
                std::fprintf(stderr, "not in ports.tsv: %s\n", e.path().filename().c_str());
                ++failures;
            }
    std::printf("%zu JMA port files %s in %s\n", jma.size(), check ? "checked" : "written",
                dt.c_str());
    return failures ? 1 : 0;
}
