// The port files shipped in data/dt: each loads with the program's loader, keeps the file
// format's limits, lists its 40 constituents in the program's order, lies in Japan's waters
// under an existing prefecture code, and has Z0 = H(M2) + H(S2) + H(K1) + H(O1) (cm).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "engine/station.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <iconv.h>
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
std::string Utf8ToSjis(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::string in = utf8, out(utf8.size() * 2 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    size_t srcLeft = in.size(), dstLeft = out.size();
    const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) return {};
    out.resize(out.size() - dstLeft);
    return out;
}

std::vector<PortFile> ListPortFiles() {
    std::vector<PortFile> files;
    DIR* dir = opendir(DtDir.c_str());
    if (!dir) return files;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        files.push_back({Utf8ToSjis(name), DtDir + name});
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
        ASSERT_TRUE(lines.size() == 24u || lines.size() == 34u)
            << "header, 20 constituent lines, 3 note lines, and the further constituents' 10 lines or none";
        for (int i = 0; i < 21; ++i) {
            const std::vector<std::string> fields = SplitFields(lines[i]);
            EXPECT_LE(lines[i].size(), 58u) << "line " << i + 1;
            EXPECT_EQ(fields.size(), i == 0 ? 4u : 6u) << "line " << i + 1;
            for (const std::string& field : fields) {
                EXPECT_FALSE(field.empty()) << "line " << i + 1;
                EXPECT_LE(field.size(), 19u) << "line " << i + 1;
            }
        }
        const std::vector<std::string> header = SplitFields(lines[0]);
        const std::string& n = f.sjisName;
        EXPECT_EQ(header[0], n.substr(2, n.size() - 6)) << "station name is the port name";
        EXPECT_TRUE(ValidDegMin(header[1])) << header[1];
        EXPECT_TRUE(ValidDegMin(header[2])) << header[2];
        for (int k = 1; k <= 20; ++k) {
            const std::vector<std::string> fields = SplitFields(lines[k]);
            if (fields.size() != 6) continue;
            EXPECT_EQ(fields[0], Labels[2 * k - 2]);
            EXPECT_EQ(fields[3], Labels[2 * k - 1]);
        }
        for (int i = 21; i < 24; ++i)
            EXPECT_LE(lines[i].size(), 75u);
        for (size_t i = 24; i < lines.size(); ++i) {
            const std::vector<std::string> fields = SplitFields(lines[i]);
            EXPECT_LE(lines[i].size(), 58u) << "line " << i + 1;
            ASSERT_EQ(fields.size(), 6u) << "line " << i + 1;
            EXPECT_EQ(fields[0], ExtraConstituentLabels[2 * (i - 24)]) << "line " << i + 1;
            EXPECT_EQ(fields[3], ExtraConstituentLabels[2 * (i - 24) + 1]) << "line " << i + 1;
        }
        EXPECT_EQ(lines[21].rfind("TICON-4 station ", 0), 0u) << "source and station id";
        EXPECT_NE(lines[23].find("CC BY 4.0"), std::string::npos) << "licence";
    }
}

TEST_F(ShippedPorts, ConstantsAreInRangeAndZ0IsThePrincipalSum) {
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
        const double principal = double(s.Amplitude[IndexM2]) + s.Amplitude[IndexS2] +
                                 s.Amplitude[IndexK1] + s.Amplitude[IndexO1];
        EXPECT_NEAR(s.MeanSeaLevel, principal, 0.011); // each written to 0.01 cm
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
