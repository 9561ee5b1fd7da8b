// The port files shipped in data/dt: each loads with the program's loader, keeps the file
// format's limits, lists its constituents in the program's order, lies in Japan's waters
// under an existing prefecture code, and (converted from TICON-4) has Z0 = H(M2) + H(S2) +
// H(K1) + H(O1) (cm); and the
// port list data/ports.tsv: one row per file, with the file's header name, position and source.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/station.h"
#include "text/shift_jis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#endif

using namespace marevo;

namespace {

const std::string DtDir = std::string(MAREVO_TEST_DATA) + "/dt/";

// One shipped file: the name as the program's directory listing sees it (Shift-JIS) and a
// path that opens it on this platform.
struct PortFile {
    std::string sjisName;
    std::string path;
};

// Shift-JIS of a UTF-8 name; empty when a character has no Shift-JIS code.
std::string SjisOf(const std::string& utf8) {
    const std::string sjis = Utf8ToSjis(utf8);
    return SjisToUtf8(sjis) == utf8 ? sjis : std::string();
}

#ifdef _WIN32
std::vector<PortFile> ListPortFiles() {
    std::vector<PortFile> files;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((DtDir + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        files.push_back({found.cFileName, DtDir + found.cFileName});
    } while (FindNextFileA(h, &found));
    FindClose(h);
    return files;
}
#else
std::vector<PortFile> ListPortFiles() {
    std::vector<PortFile> files;
    DIR* dir = opendir(DtDir.c_str());
    if (!dir) return files;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        files.push_back({SjisOf(name), DtDir + name});
    }
    closedir(dir);
    return files;
}
#endif

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            bytes.append(buf, n);
        std::fclose(f);
    }
    return bytes;
}

std::vector<std::string> SplitCrlfLines(const std::string& bytes, bool& allCrlf) {
    std::vector<std::string> lines;
    allCrlf = !bytes.empty() && bytes.back() == '\n';
    size_t start = 0;
    while (start < bytes.size()) {
        size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos) lf = bytes.size();
        if (lf == start || bytes[lf - 1] != '\r') allCrlf = false;
        const size_t end = (lf > start && bytes[lf - 1] == '\r') ? lf - 1 : lf;
        lines.push_back(bytes.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return fields;
}

// The program's constituent order, as the files label it.
const char* const Labels[ConstituentCount] = {
    "Sa",  "Ssa",  "Mm",  "MSf", "Mf",   "Q1",   "rho1", "O1",  "MP1", "M1",
    "pi1", "P1",   "S1",  "K1",  "psi1", "phi1", "J1",   "SO1", "OO1", "2N2",
    "mu2", "N2",   "nu2", "OP2", "M2",   "lam2", "L2",   "T2",  "S2",  "R2",
    "K2",  "2SM2", "MO3", "M3",  "MK3",  "SK3",  "M4",   "MS4", "M6",  "2MS6",
};

// Prefecture codes that have a node in the port tree.
const std::set<int> PrefectureCodes = {1,  2,  3,  4,  5,  6,  7,  8,  12, 13, 14, 15, 16, 17,
                                       18, 22, 23, 24, 26, 27, 28, 30, 31, 32, 33, 34, 35, 36,
                                       37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 80};

// Minutes part of a degrees.minutes text: two digits below 60.
bool ValidDegMin(const std::string& text) {
    const size_t dot = text.find('.');
    return dot != std::string::npos && text.size() == dot + 3 &&
           std::atoi(text.c_str() + dot + 1) < 60;
}

// One row of data/ports.tsv (UTF-8): file, name, romaji, prefecture, latitude, longitude,
// source, remark.
struct PortRow {
    std::vector<std::string> fields;
    const std::string& File() const { return fields[0]; }
    const std::string& Name() const { return fields[1]; }
    const std::string& Source() const { return fields[6]; }
};

const char* const PortColumns = "file\tname\tromaji\tprefecture\tlatitude\tlongitude\tsource\tremark";

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.push_back("");
    return fields;
}

// The rows after the header; header is set to the header row as read.
std::vector<PortRow> ReadPortList(std::string& header) {
    std::vector<PortRow> rows;
    std::ifstream in(std::string(MAREVO_TEST_DATA) + "/ports.tsv", std::ios::binary);
    std::string line;
    header.clear();
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (header.empty()) header = line;
        else rows.push_back({SplitTabs(line)});
    }
    return rows;
}

// What the port file's notes must name: the JMA tide-table code or the TICON-4 station id.
std::string SourceId(const std::string& source) {
    return source.substr(source.find(':') + 1);
}

class ShippedPorts : public testing::Test {
  protected:
    static void SetUpTestSuite() { files_ = ListPortFiles(); }
    static std::vector<PortFile> files_;
};
std::vector<PortFile> ShippedPorts::files_;

} // namespace

TEST_F(ShippedPorts, TheFolderHoldsTheDefaultPortAndManyMore) {
    ASSERT_GE(files_.size(), 150u) << DtDir;
    std::string owase;
    for (const PortFile& f : files_)
        if (f.sjisName == "24尾鷲.MV2") owase = f.path;
    ASSERT_FALSE(owase.empty()) << "the default port";

    Station s;
    ASSERT_EQ(LoadStationFile(owase.c_str(), s), LoadStatus::Ok);
    EXPECT_STREQ(s.StationName, "尾鷲");
    EXPECT_NEAR(s.Latitude, 34.0764, 1.0 / 120); // the gauge at Owase, to the half minute
    EXPECT_NEAR(s.Longitude, 136.2072, 1.0 / 120);
    EXPECT_FLOAT_EQ(s.StandardMeridian, 135.0f);
}

TEST_F(ShippedPorts, NamesFitThePortTreeAndTheToolbarLabels) {
    std::set<std::string> seen;
    for (const PortFile& f : files_) {
        SCOPED_TRACE(f.path);
        const std::string& n = f.sjisName;
        ASSERT_GT(n.size(), 6u);
        EXPECT_EQ(n.substr(n.size() - 4), ".MV2");
        ASSERT_TRUE(n[0] >= '0' && n[0] <= '9' && n[1] >= '0' && n[1] <= '9');
        EXPECT_EQ(PrefectureCodes.count((n[0] - '0') * 10 + (n[1] - '0')), 1u);
        const std::string port = n.substr(2, n.size() - 6);
        EXPECT_LE(port.size(), 8u) << "labels keep 8 bytes";
        EXPECT_TRUE(seen.insert(port).second) << "port name used twice";
    }
}

TEST_F(ShippedPorts, EveryFileKeepsTheFormatLimits) {
    for (const PortFile& f : files_) {
        SCOPED_TRACE(f.path);
        bool crlf = false;
        const std::vector<std::string> lines = SplitCrlfLines(ReadBytes(f.path), crlf);
        EXPECT_TRUE(crlf) << "every line ends with CR LF";
        // Header, 20 constituent lines, 3 note lines, and with 60 constituents 10 lines more.
        ASSERT_TRUE(lines.size() == 24u || lines.size() == 34u) << lines.size() << " lines";
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i >= 21 && i < 24) {
                EXPECT_LE(lines[i].size(), 75u) << "note " << i - 20;
                continue;
            }
            const std::vector<std::string> fields = SplitFields(lines[i]);
            EXPECT_LE(lines[i].size(), 58u) << "line " << i + 1;
            EXPECT_EQ(fields.size(), i == 0 ? 4u : 6u) << "line " << i + 1;
            for (const std::string& field : fields) {
                EXPECT_FALSE(field.empty()) << "line " << i + 1;
                EXPECT_LE(field.size(), 19u) << "line " << i + 1;
            }
        }
        const std::vector<std::string> header = SplitFields(lines[0]);
        EXPECT_TRUE(ValidDegMin(header[1])) << header[1];
        EXPECT_TRUE(ValidDegMin(header[2])) << header[2];
        for (int k = 1; k <= 20; ++k) {
            const std::vector<std::string> fields = SplitFields(lines[k]);
            if (fields.size() != 6) continue;
            EXPECT_EQ(fields[0], Labels[2 * k - 2]);
            EXPECT_EQ(fields[3], Labels[2 * k - 1]);
        }
        for (size_t i = 24; i < lines.size(); ++i) {
            const std::vector<std::string> fields = SplitFields(lines[i]);
            if (fields.size() != 6) continue;
            EXPECT_EQ(fields[0], ExtraConstituentLabels[2 * (i - 24)]) << "line " << i + 1;
            EXPECT_EQ(fields[3], ExtraConstituentLabels[2 * (i - 24) + 1]) << "line " << i + 1;
        }
    }
}

TEST(PortList, RowsAreWellFormedAndNameEveryJmaTideTablePortOnce) {
    std::string header;
    const std::vector<PortRow> rows = ReadPortList(header);
    ASSERT_EQ(header, PortColumns);
    std::set<std::string> files, sources;
    int jma = 0;
    for (const PortRow& r : rows) {
        SCOPED_TRACE(r.fields.empty() ? "" : r.File());
        ASSERT_TRUE(r.fields.size() == 7 || r.fields.size() == 8) << r.fields.size() << " columns";
        const std::string file = SjisOf(r.File()), name = SjisOf(r.Name());
        ASSERT_FALSE(file.empty()) << "file name in Shift-JIS";
        ASSERT_FALSE(name.empty()) << "name in Shift-JIS";
        EXPECT_EQ(r.File().substr(0, 2), r.fields[3]) << "file starts with the prefecture code";
        EXPECT_EQ(PrefectureCodes.count(std::atoi(r.fields[3].c_str())), 1u) << r.fields[3];
        EXPECT_GT(file.size(), 2u);
        EXPECT_LE(file.size() - 2, 8u) << "labels keep 8 bytes";
        EXPECT_LE(name.size(), 19u) << "the loader keeps 19 bytes";
        EXPECT_EQ(r.Name().find(','), std::string::npos);
        const std::string& romaji = r.fields[2];
        EXPECT_FALSE(romaji.empty());
        for (char c : romaji)
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c)) || std::strchr(" -()", c))
                << romaji;
        EXPECT_TRUE(ValidDegMin(r.fields[4])) << r.fields[4];
        EXPECT_TRUE(ValidDegMin(r.fields[5])) << r.fields[5];
        const bool isJma = r.Source().rfind("JMA:", 0) == 0;
        EXPECT_TRUE(isJma ? r.Source().size() == 6 : r.Source().rfind("TICON:", 0) == 0) << r.Source();
        jma += isJma;
        EXPECT_TRUE(files.insert(r.File()).second) << "file named twice";
        EXPECT_TRUE(sources.insert(r.Source()).second) << "source used twice";
    }
    EXPECT_EQ(jma, 239) << "JMA's tide tables of 2024 list 239 ports";
}

// Rows of JMA ports whose file is not there yet, or is still an earlier TICON-4 file of the
// place, are skipped (until the JMA files are fitted), and only a complete folder is checked for
// files without a row.
TEST_F(ShippedPorts, EveryRowHasItsFileWithItsNamePositionAndSource) {
    std::string header;
    const std::vector<PortRow> rows = ReadPortList(header);
    ASSERT_FALSE(rows.empty());
    std::map<std::string, std::string> pathOf;
    for (const PortFile& f : files_)
        pathOf[f.sjisName] = f.path;
    std::vector<std::string> missing;
    for (const PortRow& r : rows) {
        if (r.fields.size() < 7) continue; // reported by the row test
        SCOPED_TRACE(r.File());
        const auto it = pathOf.find(SjisOf(r.File()) + ".MV2");
        if (it == pathOf.end()) {
            missing.push_back(r.File());
            continue;
        }
        Station s;
        ASSERT_EQ(LoadStationFile(it->second.c_str(), s), LoadStatus::Ok);
        const bool isJma = r.Source().rfind("JMA:", 0) == 0;
        if (isJma && std::strncmp(s.StationNotes[0], "TICON-4 station ", 16) == 0) {
            missing.push_back(r.File()); // still the earlier TICON-4 file of that place
            pathOf.erase(it);
            continue;
        }
        EXPECT_EQ(std::string(s.StationName), SjisOf(r.Name())) << "header name is the full name";
        EXPECT_EQ(std::string(s.LatitudeText), r.fields[4]);
        EXPECT_EQ(std::string(s.LongitudeText), r.fields[5]);
        const std::string notes = std::string(s.StationNotes[0]) + "\n" + s.StationNotes[1] + "\n" +
                                  s.StationNotes[2];
        EXPECT_NE(notes.find(SourceId(r.Source())), std::string::npos) << "notes name the source";
        if (!isJma) {
            EXPECT_EQ(notes.rfind("TICON-4 station " + SourceId(r.Source()), 0), 0u);
            EXPECT_NE(notes.find("CC BY 4.0"), std::string::npos) << "licence";
        }
        pathOf.erase(it);
    }
    if (!missing.empty())
        GTEST_SKIP() << missing.size() << " of " << rows.size()
                     << " listed ports have no file of their source yet; files without a row are "
                        "checked once all are there";
    for (const auto& [name, path] : pathOf)
        ADD_FAILURE() << path << ": no row in ports.tsv";
}

// Mean of a year of JMA's hourly heights (cm above the table's datum), from the table's text
// file (24 heights of 3 characters at the start of each line); NaN when it cannot be read.
double JmaMeanLevel(const std::string& code) {
    std::ifstream in(std::string(MAREVO_TEST_DATA) + "/jma/2024/" + code + ".txt", std::ios::binary);
    std::string line;
    double sum = 0;
    int n = 0;
    while (std::getline(in, line))
        for (int h = 0; h < 24 && line.size() >= 72; ++h, ++n)
            sum += std::atoi(line.substr(3 * h, 3).c_str());
    return n ? sum / n : std::nan("");
}

TEST_F(ShippedPorts, ConstantsAreInRangeAndZ0IsThePrincipalSum) {
    std::string header;
    std::map<std::string, std::string> sourceOf;
    for (const PortRow& r : ReadPortList(header))
        sourceOf[SjisOf(r.File()) + ".MV2"] = r.Source();
    for (const PortFile& f : files_) {
        SCOPED_TRACE(f.path);
        Station s;
        ASSERT_EQ(LoadStationFile(f.path.c_str(), s), LoadStatus::Ok);
        for (int i = 0; i < MaxConstituents; ++i) {
            EXPECT_GE(s.Amplitude[i], 0.0f) << i;
            EXPECT_LT(s.Amplitude[i], 200.0f) << i;
            EXPECT_GE(s.PhaseLag[i], 0.0f) << i;
            EXPECT_LT(s.PhaseLag[i], 360.0f) << i;
        }
        // Semi-diurnal and diurnal tides are present at every Japanese gauge.
        EXPECT_GT(s.Amplitude[IndexM2], 1.0f);
        EXPECT_GT(s.Amplitude[IndexK1], 1.0f);
        EXPECT_GT(s.Amplitude[IndexO1], 1.0f);
        // Mean level above the datum: the tide tables' datum (JMA ports), which a year of the
        // table's hourly heights gives back, or the chart datum Z0 = H(M2) + H(S2) + H(K1) + H(O1)
        // of the TICON-4 conversion, each written to 0.01 cm.
        EXPECT_GT(s.MeanSeaLevel, 0.0f);
        const std::string& source = sourceOf[f.sjisName];
        if (source.rfind("JMA:", 0) == 0) {
            EXPECT_NEAR(s.MeanSeaLevel, JmaMeanLevel(SourceId(source)), 0.2);
            continue;
        }
        const double principal = double(s.Amplitude[IndexM2]) + s.Amplitude[IndexS2] +
                                 s.Amplitude[IndexK1] + s.Amplitude[IndexO1];
        if (std::strncmp(s.StationNotes[0], "TICON-4 station ", 16) == 0) {
            EXPECT_NEAR(s.MeanSeaLevel, principal, 0.011);
        }
    }
}

TEST_F(ShippedPorts, PositionsLieInJapansWatersOnJapanStandardTime) {
    for (const PortFile& f : files_) {
        SCOPED_TRACE(f.path);
        Station s;
        ASSERT_EQ(LoadStationFile(f.path.c_str(), s), LoadStatus::Ok);
        EXPECT_GE(s.Latitude, 24.0f);
        EXPECT_LE(s.Latitude, 45.6f);
        EXPECT_GE(s.Longitude, 122.9f);
        EXPECT_LE(s.Longitude, 154.0f);
        // Minami-Torishima lies outside the zone boxes and keeps its nearest meridian.
        const bool minamiTorishima = f.sjisName == "13南鳥島.MV2";
        EXPECT_FLOAT_EQ(s.StandardMeridian, minamiTorishima ? 150.0f : 135.0f);
    }
}

#ifdef _WIN32
// On Windows the program opens ModuleDir + "dt\" + code + port name + ".MV2" through the ANSI
// code page. 十, 能 and 表 end in the byte 0x5C, the backslash; such names must still open.
TEST(ShippedPortNames, NamesWithABackslashTrailByteOpenThroughTheProgramsPath) {
    const std::string moduleDir = std::string(MAREVO_TEST_DATA) + "\\";
    for (const char* fileName : {"01十勝", "17能登", "46西之表", "24尾鷲"}) {
        SCOPED_TRACE(fileName);
        Station s;
        ASSERT_EQ(LoadStation(moduleDir, fileName, s), LoadStatus::Ok);
        EXPECT_STREQ(s.StationName, fileName + 2);
    }
}
#endif
