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

// How a line read from a file ended.
enum class LineEnd {
    None,      // end of the file: no line (or only blanks after the last line break)
    Break,     // a line break
    EndOfFile, // the last line of the file, without a line break
};

// Reads one line of at most size-1 bytes. Characters beyond the buffer are skipped up to the
// break, so an over-long line is truncated, never split into two lines. A CR before the LF is
// dropped so that CRLF files read the same on every platform. A last line without a break is
// read as well; blanks (space, tab, CR) alone after the last break are no line.
LineEnd ReadLine(std::FILE* f, char* buf, int size)
{
    int n = 0, c;
    bool blank = true;
    while ((c = std::fgetc(f)) != EOF && c != '\n') {
        if (c != ' ' && c != '\t' && c != '\r') blank = false;
        if (n < size - 1) buf[n++] = static_cast<char>(c);
    }
    if (c == EOF && blank) return LineEnd::None;
    if (n > 0 && buf[n - 1] == '\r') --n;
    buf[n] = '\0';
    return c == EOF ? LineEnd::EndOfFile : LineEnd::Break;
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

// Fields 2, 3, 5 and 6 of a constituent line (amplitude and phase lag of its two
// constituents) are numbers, each complete; a line cut short lacks one or ends inside one.
bool ConstituentNumbers(const char fields[MaxFields][FieldSlot])
{
    return IsDecimalNumber(fields[1]) && IsDecimalNumber(fields[2]) && IsDecimalNumber(fields[4]) &&
           IsDecimalNumber(fields[5]);
}

// Whether a line begins as a line of the further constituents (the first label of a pair
// and its comma).
bool BeginsAsExtraLine(const char* text)
{
    for (int j = 0; j < ExtraLines; ++j) {
        const char* label = ExtraConstituentLabels[2 * j];
        const size_t n = std::strlen(label);
        if (std::strncmp(text, label, n) == 0 && text[n] == ',') return true;
    }
    return false;
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

// LoadStationFile: reads a station file. Given: path. Returns: Ok, OpenFailed, NoHeader for
// an empty file or a header with fewer than four fields or without a line break, or Damaged
// for a file that is not whole (see LoadStatus); for any status but Ok the station is left
// with cleared constituents, no name and no notes. All 60 constituents are cleared to 0
// before reading. After the 20 constituent lines, a line whose two labels are a pair of
// ExtraConstituentLabels sets that pair (ExtraConstituents counts the constituents so
// carried); the other lines, up to three, are the notes. A reader of the 40 alone takes the
// three notes and stops before them. The last line of a file may lack its line break.
LoadStatus LoadStationFile(const char* path, Station& station)
{
    return LoadStationFrom(std::fopen(path, "rb"), path, station);
}

namespace {

// Clears what a refused file may have set, so that nothing of it or of the port before is
// drawn; closes the file.
LoadStatus Refuse(std::FILE* f, Station& station, LoadStatus status)
{
    std::fclose(f);
    station.StationName[0] = '\0';
    for (int i = 0; i < MaxConstituents; ++i) station.Amplitude[i] = station.PhaseLag[i] = 0;
    station.ExtraConstituents = 0;
    for (auto& note : station.StationNotes) note[0] = '\0';
    return status;
}

} // namespace

LoadStatus LoadStationFrom(std::FILE* f, const char* path, Station& station)
{
    std::snprintf(station.StationPath, sizeof station.StationPath, "%s", path);
    if (!f) return LoadStatus::OpenFailed;
    for (int i = 0; i < MaxConstituents; ++i) station.Amplitude[i] = station.PhaseLag[i] = 0;
    station.ExtraConstituents = 0;
    for (auto& note : station.StationNotes) note[0] = '\0';

    char line[LineBuffer];
    char fields[MaxFields][FieldSlot] = {};
    const LineEnd header = ReadLine(f, line, LineBuffer);
    // A directory opens for reading on some systems and fails at the first read: it cannot
    // be opened as a file, as on Windows.
    if (header == LineEnd::None && std::ferror(f))
        return Refuse(f, station, LoadStatus::OpenFailed);
    // A file of one line without a break holds no station at all, whatever that line says.
    if (header != LineEnd::Break || SplitFields(line, fields) < 4)
        return Refuse(f, station, LoadStatus::NoHeader);
    if (!IsDecimalNumber(fields[1]) || !IsDecimalNumber(fields[2]) || !IsDecimalNumber(fields[3]))
        return Refuse(f, station, LoadStatus::Damaged);
    std::memcpy(station.StationName, fields[0], FieldSlot);
    std::memcpy(station.LatitudeText, fields[1], FieldSlot);
    std::memcpy(station.LongitudeText, fields[2], FieldSlot);
    std::memcpy(station.MeanSeaLevelText, fields[3], FieldSlot);

    // All 20 constituent lines, each with its four numbers. A line of the further
    // constituents among them means that a line before it is missing.
    for (int k = 1; k <= 20; ++k) {
        if (ReadLine(f, line, LineBuffer) == LineEnd::None)
            return Refuse(f, station, LoadStatus::Damaged);
        char c[MaxFields][FieldSlot] = {}, labels[MaxFields][FieldSlot] = {};
        SplitFields(line, c);
        if (!ConstituentNumbers(c) || ExtraLineOf(line, labels) >= 0)
            return Refuse(f, station, LoadStatus::Damaged);
        station.Amplitude[2 * k - 2] = TextToNumber(c[1]);
        station.PhaseLag[2 * k - 2] = TextToNumber(c[2]);
        station.Amplitude[2 * k - 1] = TextToNumber(c[4]);
        station.PhaseLag[2 * k - 1] = TextToNumber(c[5]);
    }
    // Three notes and ten lines of further constituents at most, in any order. A line taken
    // as further constituents holds its four numbers; the last line of the file, when it has
    // no break and begins as such a line, is one cut short.
    bool carried[ExtraLines] = {};
    int notes = 0;
    char text[NoteBuffer];
    LineEnd end = LineEnd::Break;
    for (int n = 0; n < 3 + ExtraLines && end == LineEnd::Break; ++n) {
        end = ReadLine(f, text, NoteBuffer);
        if (end == LineEnd::None) break;
        char c[MaxFields][FieldSlot] = {};
        const int j = ExtraLineOf(text, c);
        if (j >= 0) {
            if (!ConstituentNumbers(c)) return Refuse(f, station, LoadStatus::Damaged);
            const int i = ConstituentCount + 2 * j;
            station.Amplitude[i] = TextToNumber(c[1]);
            station.PhaseLag[i] = TextToNumber(c[2]);
            station.Amplitude[i + 1] = TextToNumber(c[4]);
            station.PhaseLag[i + 1] = TextToNumber(c[5]);
            if (!carried[j]) station.ExtraConstituents += 2;
            carried[j] = true;
        } else if (end == LineEnd::EndOfFile && BeginsAsExtraLine(text)) {
            return Refuse(f, station, LoadStatus::Damaged);
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
