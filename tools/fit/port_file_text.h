// PortFileText: the bytes of a port file (.MV2) from a port's header fields and constants.
// Shift-JIS text, CR LF line breaks; amplitudes and Z0 in cm, phase lags in degrees, all
// written to two decimals.
#pragma once

#include <string>
#include <vector>

namespace marevo::fit {

// Label written in front of constituent i's values (0 .. 59): the 40 are not read by the
// program; those of 40 .. 59 are the engine's, by which its loader recognises their lines.
const char* ConstituentLabel(int i);

struct PortFileContent {
    std::string nameSjis;       // header name, at most 19 bytes
    std::string latitudeText;   // degrees.minutes as written, e.g. "35.39"
    std::string longitudeText;
    double meanLevelCm = 0;     // Z0
    int count = 40;             // 40, or 60 with the ten lines after the notes
    const double* amplitudeCm = nullptr; // count values
    const double* phaseLagDeg = nullptr; // count values, any angle (reduced when written)
    std::string notesSjis[3];
};

/*
**  PortFileLines: the lines of the file, without line breaks.
**  Returns: the header "name,latitude,longitude,Z0", 20 lines of two constituents each
**           ("label,H,kappa,label,H,kappa"), the three notes, and for 60 constituents ten
**           more lines holding constituents 40 .. 59 in pairs. H and Z0 are rounded to
**           0.01 cm, kappa to 0.01 degree and reduced to [0, 360).
*/
std::vector<std::string> PortFileLines(const PortFileContent& content);

// The file's bytes: the lines joined with CR LF, with a last CR LF.
std::string PortFileText(const std::vector<std::string>& lines);

// The first breach of the format's limits (a header name over 19 bytes, a constituent line
// over 58 characters or not of six fields, a note over 75 characters), or "" when none.
std::string CheckPortFileLimits(const std::vector<std::string>& lines);

// Hundredths of the value, rounded half away from zero, as "-12.34".
std::string Hundredths(double value);

} // namespace marevo::fit
