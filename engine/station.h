// Station: one port's harmonic constants as read from its .MV2 file.
// Heights in cm above chart datum; angles in degrees; positions east and north positive.
#pragma once

#include <cstdio>
#include <string>

namespace marevo {

// The 40 constituents of every port file, then up to 20 further ones (indexes 40 to 59) that a
// file may carry after its notes.
constexpr int ConstituentCount = 40;
constexpr int ExtraConstituentCount = 20;
constexpr int MaxConstituents = ConstituentCount + ExtraConstituentCount;
// Labels of the further constituents 40 to 59 in a port file (ASCII, case-sensitive): they
// stand after the notes, two a line in the six-field form, and a line is taken only when its
// two labels are those of a pair 40 + 2j, 41 + 2j.
inline constexpr const char* ExtraConstituentLabels[ExtraConstituentCount] = {
    "2Q1", "sigma1", "chi1", "theta1", "OQ2", "MNS2", "MKS2", "MSN2", "KJ2", "SO3",
    "MN4", "SN4",    "MK4",  "S4",     "SK4", "2MN6", "MSN6", "2MK6", "2SM6", "MSK6",
};
// Constituent indexes read by name elsewhere.
constexpr int IndexO1 = 7, IndexK1 = 13, IndexM2 = 24, IndexS2 = 28;

struct Station {
    char StationPath[256] = {};
    char StationName[20] = {};       // at most 19 bytes (Shift-JIS)
    char LatitudeText[20] = {};      // header fields as read
    char LongitudeText[20] = {};
    char MeanSeaLevelText[20] = {};
    float LatitudeDM = 0, LongitudeDM = 0; // degrees.minutes as written
    float Latitude = 0, Longitude = 0;     // decimal degrees
    float MeanSeaLevel = 0;                // Z0, cm
    float LevelPlusM2 = 0, LevelMinusM2 = 0;
    float StandardMeridian = 0;            // east longitude of the zone meridian
    float Amplitude[MaxConstituents] = {};
    float PhaseLag[MaxConstituents] = {};
    int ExtraConstituents = 0; // how many of the 20 further constituents the file carried
    char StationNotes[3][90] = {};
};

enum class LoadStatus {
    Ok,         // header and the 20 constituent lines read
    OpenFailed, // "ファイルがオープンできませんでした"
    NoHeader,   // empty file or a header without its four fields
    Damaged,    // not whole: a constituent line missing or cut short, or a number field
                // (position, Z0, amplitude, phase lag) that is not a number
};

// Reads the station file at path into station. The caller shows the message for a status
// other than Ok; the station then holds no name, constituent or note (of this file or of the
// one loaded before).
LoadStatus LoadStationFile(const char* path, Station& station);
// The same for a file the caller opened (in binary mode) in its own way, such as through
// the wide file functions of Windows; f is closed here. A null f gives OpenFailed.
LoadStatus LoadStationFrom(std::FILE* f, const char* path, Station& station);

// ModuleDir + "dt\" + fileName + ".MV2" (fileName is "%02d" code followed by the port name).
std::string StationFilePath(const std::string& moduleDir, const std::string& fileName);

// LoadStation of the program: the path above, then LoadStationFile.
LoadStatus LoadStation(const std::string& moduleDir, const std::string& fileName,
                       Station& station);

// Nearest 15-degree meridian, forced to 135 inside the boxes around Japan.
float ZoneMeridian(float latitude, float longitude);

} // namespace marevo
