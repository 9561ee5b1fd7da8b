// Station file loader: header, 20 constituent lines, up to three note lines of a .MV2 file,
// then up to ten lines of the further constituents 40 to 59.
// Heights in cm, angles in degrees, positions as signed degrees.minutes converted to degrees.
#include "engine/station.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/calendar.h"
#include "engine/decimal_text.h"

namespace marevo {
namespace {

constexpr int LineBuffer = 60;  // 59 characters including the line break
constexpr int NoteBuffer = 76;  // 75 characters
constexpr int FieldSlot = 20;   // 19 characters
constexpr int MaxFields = 6;

// Reads one line of at most size-1 bytes. Returns false at end of file before a line break
// (a last line without a break is not used). Characters beyond the buffer are skipped up to
// the break, so an over-long line is truncated, never split into two lines. A CR before the
// LF is dropped so that CRLF files read the same on every platform.
bool ReadLine(std::FILE* f, char* buf, int size)
{
    int n = 0;
    for (;;) {
        int c = std::fgetc(f);
        if (c == EOF) return false;
        if (c == '\n') break;
        if (n < size - 1) buf[n++] = static_cast<char>(c);
    }
    if (n > 0 && buf[n - 1] == '\r') --n;
    buf[n] = '\0';
    return true;
}

// Splits at commas (runs of commas count as one) into at most MaxFields slots, each cut to
// 19 bytes; fields beyond the sixth are ignored. Returns the number of fields.
int SplitFields(const char* line, char fields[MaxFields][FieldSlot])
{
    int count = 0;
    const char* p = line;
    while (*p && count < MaxFields) {
        while (*p == ',') ++p;
        if (!*p) break;
        int n = 0;
        while (*p && *p != ',') {
            if (n < FieldSlot - 1) fields[count][n++] = *p;
            ++p;
        }
        fields[count][n] = '\0';
        ++count;
    }
    return count;
}

// Decimal only, so that a file reads the same in the Windows and the native builds.
float TextToNumber(const char* text) { return static_cast<float>(DecimalToDouble(text)); }

constexpr int ExtraLines = ExtraConstituentCount / 2;

// Which line j of the further constituents (0 ... 9, holding 40 + 2j and 41 + 2j) a line read
// as a note is, by its first and fourth fields; -1 for any other line. The line is taken as a
// constituent line would be: cut to the line buffer, a CR that then ends it dropped.
int ExtraLineOf(const char* text, char fields[MaxFields][FieldSlot])
{
    char line[LineBuffer];
    const size_t length = std::strlen(text);
    if (length < LineBuffer - 1) {
        std::memcpy(line, text, length + 1);
    } else {
        std::memcpy(line, text, LineBuffer - 1);
        line[LineBuffer - 1] = '\0';
        if (line[LineBuffer - 2] == '\r') line[LineBuffer - 2] = '\0';
    }
    if (SplitFields(line, fields) < 4) return -1;
    for (int j = 0; j < ExtraLines; ++j)
        if (std::strcmp(fields[0], ExtraConstituentLabels[2 * j]) == 0 &&
            std::strcmp(fields[3], ExtraConstituentLabels[2 * j + 1]) == 0)
            return j;
    return -1;
}

} // namespace

float ZoneMeridian(float latitude, float longitude)
{
    float meridian = static_cast<float>(std::floor((longitude + 7.5) * 0.06666666666666667) * 15.0);
    if (latitude > 24.0f) {
        const float lon = longitude;
        if ((lon >= 122 && lon < 128 && latitude < 32) || (lon >= 128 && lon < 131 && latitude < 35) ||
            (lon >= 131 && lon < 138 && latitude < 38) || (lon >= 138 && lon < 148 && latitude < 46))
            meridian = 135.0f;
    }
    return meridian;
}

// LoadStationFile: reads a station file. Given: path. Returns: Ok, OpenFailed, or NoHeader
// for an empty file or a header with fewer than four fields (the station is then left with
// cleared constituents and no name). All 60 constituents are cleared to 0 before reading,
// so a short file never carries entries of the port loaded before it. After the 20
// constituent lines, a line whose two labels are a pair of ExtraConstituentLabels sets that
// pair (ExtraConstituents counts the constituents so carried); the other lines, up to three,
// are the notes. A reader of the 40 alone takes the three notes and stops before them.
LoadStatus LoadStationFile(const char* path, Station& station)
{
    return LoadStationFrom(std::fopen(path, "rb"), path, station);
}

LoadStatus LoadStationFrom(std::FILE* f, const char* path, Station& station)
{
    std::snprintf(station.StationPath, sizeof station.StationPath, "%s", path);
    if (!f) return LoadStatus::OpenFailed;
    for (int i = 0; i < MaxConstituents; ++i) station.Amplitude[i] = station.PhaseLag[i] = 0;
    station.ExtraConstituents = 0;
    for (auto& note : station.StationNotes) note[0] = '\0';

    char line[LineBuffer];
    char fields[MaxFields][FieldSlot] = {};
    const bool haveHeader = ReadLine(f, line, LineBuffer);
    // A directory opens for reading on some systems and fails at the first read: it cannot
    // be opened as a file, as on Windows.
    if (!haveHeader && std::ferror(f)) {
        std::fclose(f);
        station.StationName[0] = '\0';
        return LoadStatus::OpenFailed;
    }
    int headerFields = haveHeader ? SplitFields(line, fields) : 0;
    if (headerFields < 4) {
        std::fclose(f);
        station.StationName[0] = '\0';
        return LoadStatus::NoHeader;
    }
    std::memcpy(station.StationName, fields[0], FieldSlot);
    std::memcpy(station.LatitudeText, fields[1], FieldSlot);
    std::memcpy(station.LongitudeText, fields[2], FieldSlot);
    std::memcpy(station.MeanSeaLevelText, fields[3], FieldSlot);

    for (int k = 1; k <= 20; ++k) {
        if (!ReadLine(f, line, LineBuffer)) break;
        char c[MaxFields][FieldSlot] = {};
        SplitFields(line, c);
        station.Amplitude[2 * k - 2] = TextToNumber(c[1]);
        station.PhaseLag[2 * k - 2] = TextToNumber(c[2]);
        station.Amplitude[2 * k - 1] = TextToNumber(c[4]);
        station.PhaseLag[2 * k - 1] = TextToNumber(c[5]);
    }
    // Three notes and ten lines of further constituents at most, in any order.
    bool carried[ExtraLines] = {};
    int notes = 0;
    char text[NoteBuffer];
    for (int n = 0; n < 3 + ExtraLines && ReadLine(f, text, NoteBuffer); ++n) {
        char c[MaxFields][FieldSlot] = {};
        const int j = ExtraLineOf(text, c);
        if (j >= 0) {
            const int i = ConstituentCount + 2 * j;
            station.Amplitude[i] = TextToNumber(c[1]);
            station.PhaseLag[i] = TextToNumber(c[2]);
            station.Amplitude[i + 1] = TextToNumber(c[4]);
            station.PhaseLag[i + 1] = TextToNumber(c[5]);
            if (!carried[j]) station.ExtraConstituents += 2;
            carried[j] = true;
        } else if (notes < 3) {
            std::memcpy(station.StationNotes[notes++], text, std::strlen(text) + 1);
        }
    }
    std::fclose(f);

    station.StationName[19] = '\0';
    station.LatitudeDM = TextToNumber(station.LatitudeText);
    station.LongitudeDM = TextToNumber(station.LongitudeText);
    station.MeanSeaLevel = TextToNumber(station.MeanSeaLevelText);
    station.LevelPlusM2 = static_cast<float>(DecimalToDouble(station.MeanSeaLevelText) + station.Amplitude[IndexM2]);
    station.LevelMinusM2 = static_cast<float>(DecimalToDouble(station.MeanSeaLevelText) - station.Amplitude[IndexM2]);
    station.Latitude = static_cast<float>(DegMinToDegrees(station.LatitudeDM));
    station.Longitude = static_cast<float>(DegMinToDegrees(station.LongitudeDM));
    station.StandardMeridian = ZoneMeridian(station.Latitude, station.Longitude);
    return LoadStatus::Ok;
}

std::string StationFilePath(const std::string& moduleDir, const std::string& fileName)
{
    return moduleDir + "dt\\" + fileName + ".MV2";
}

LoadStatus LoadStation(const std::string& moduleDir, const std::string& fileName, Station& station)
{
    return LoadStationFile(StationFilePath(moduleDir, fileName).c_str(), station);
}

} // namespace marevo
