// The port file's text from fitted constants: header, constituent lines, notes and the
// further constituent lines. Shift-JIS, CR LF; cm and degrees to two decimals.
#include "tools/fit/port_file_text.h"

#include <cmath>
#include <cstdio>

#include "engine/station.h"

namespace marevo::fit {

namespace {

// The 40 of the first twenty lines, in file order.
const char* const Labels[ConstituentCount] = {
    "Sa",  "Ssa",  "Mm",  "MSf", "Mf",   "Q1",   "rho1", "O1",  "MP1", "M1",
    "pi1", "P1",   "S1",  "K1",  "psi1", "phi1", "J1",   "SO1", "OO1", "2N2",
    "mu2", "N2",   "nu2", "OP2", "M2",   "lam2", "L2",   "T2",  "S2",  "R2",
    "K2",  "2SM2", "MO3", "M3",  "MK3",  "SK3",  "M4",   "MS4", "M6",  "2MS6",
};

constexpr size_t NameLimit = 19, LineLimit = 58, NoteLimit = 75;

std::string FromHundredths(long long h)
{
    char text[32];
    const long long a = h < 0 ? -h : h;
    std::snprintf(text, sizeof text, "%s%lld.%02lld", h < 0 ? "-" : "", a / 100, a % 100);
    return text;
}

std::string Pair(const PortFileContent& c, int i)
{
    // kappa rounded first, so that 359.996 is written 0.00 and never 360.00.
    long long kappa = std::llround(c.phaseLagDeg[i] * 100.0) % 36000;
    if (kappa < 0) kappa += 36000;
    return std::string(ConstituentLabel(i)) + "," + Hundredths(c.amplitudeCm[i]) + "," +
           FromHundredths(kappa);
}

int CountFields(const std::string& line)
{
    int fields = 1;
    for (char ch : line) fields += ch == ',';
    return fields;
}

} // namespace

const char* ConstituentLabel(int i)
{
    return i < ConstituentCount ? Labels[i] : ExtraConstituentLabels[i - ConstituentCount];
}

std::string Hundredths(double value) { return FromHundredths(std::llround(value * 100.0)); }

std::vector<std::string> PortFileLines(const PortFileContent& c)
{
    std::vector<std::string> lines;
    lines.push_back(c.nameSjis + "," + c.latitudeText + "," + c.longitudeText + "," +
                    Hundredths(c.meanLevelCm));
    for (int k = 0; k < 20; ++k) lines.push_back(Pair(c, 2 * k) + "," + Pair(c, 2 * k + 1));
    for (const std::string& note : c.notesSjis) lines.push_back(note);
    for (int i = 40; i + 1 < c.count; i += 2) lines.push_back(Pair(c, i) + "," + Pair(c, i + 1));
    return lines;
}

std::string PortFileText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string CheckPortFileLimits(const std::vector<std::string>& lines)
{
    if (lines.size() < 24) return "fewer than 24 lines";
    const std::string& header = lines[0];
    if (CountFields(header) != 4) return "header without its four fields";
    if (header.find(',') > NameLimit) return "header name over 19 bytes";
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool note = i >= 21 && i <= 23;
        if (lines[i].size() > (note ? NoteLimit : LineLimit))
            return "line " + std::to_string(i + 1) + " too long";
        if (!note && i > 0 && CountFields(lines[i]) != 6)
            return "line " + std::to_string(i + 1) + " not of six fields";
        if (lines[i].find_first_of("\r\n") != std::string::npos)
            return "line " + std::to_string(i + 1) + " holds a line break";
    }
    return "";
}

} // namespace marevo::fit
