// Fuzz target: the station file loader over arbitrary file contents.
// Checks that every text of Station ends within its buffer and that the loaded values are
// those of the file's lines as the format defines them (a model built on std::string).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/station.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_file.h"
#include "fuzz/reference_decimal.h"

namespace {

bool Terminated(const char* text, size_t size) { return std::memchr(text, '\0', size) != nullptr; }

// The lines of the file: each ends with LF or at the end of the file (blanks alone after the
// last LF are no line), loses one CR at its end, keeps at most keep bytes and ends at a NUL
// byte.
struct Lines {
    std::vector<std::string> raw;
    bool lastUnterminated = false;
    std::string Get(size_t i, size_t keep) const
    {
        std::string line = raw[i].substr(0, keep);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line.substr(0, line.find('\0'));
    }
};

Lines SplitLines(const uint8_t* data, size_t size)
{
    Lines lines;
    std::string current;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.raw.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (current.find_first_not_of(" \t\r") != std::string::npos) {
        lines.raw.push_back(current);
        lines.lastUnterminated = true;
    }
    return lines;
}

// Fields of a line: comma-separated, empty fields dropped, each cut to 19 bytes.
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    size_t pos = 0;
    while (pos <= line.size()) {
        size_t comma = line.find(',', pos);
        if (comma == std::string::npos) comma = line.size();
        if (comma > pos) fields.push_back(line.substr(pos, comma - pos).substr(0, 19));
        pos = comma + 1;
    }
    return fields;
}

float Number(const std::vector<std::string>& fields, size_t i)
{
    return i < fields.size() ? static_cast<float>(ReferenceDecimal(fields[i])) : 0.0f;
}

bool Same(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

// The port loaded before: every text full to its last byte without a terminator, so that
// a field the load fails to write shows up as an unterminated text.
void FillPrevious(marevo::Station& s)
{
    std::memset(&s, 'X', sizeof s);
    for (int i = 0; i < marevo::MaxConstituents; ++i) {
        s.Amplitude[i] = 1000.0f + i;
        s.PhaseLag[i] = 2000.0f + i;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::CreateScratchFile("station");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::WriteScratchFile(data, size);

    marevo::Station s;
    FillPrevious(s);
    const marevo::LoadStatus status = marevo::LoadStationFile(fuzz::ScratchPath().c_str(), s);
    FUZZ_CHECK(status != marevo::LoadStatus::OpenFailed);
    FUZZ_CHECK(Terminated(s.StationPath, sizeof s.StationPath));
    FUZZ_CHECK(fuzz::ScratchPath() == s.StationPath);

    const Lines lines = SplitLines(data, size);
    const bool headerEnds =
        lines.raw.size() > 1 || (lines.raw.size() == 1 && !lines.lastUnterminated);
    const std::vector<std::string> header =
        headerEnds ? Fields(lines.Get(0, 59)) : std::vector<std::string>();
    // No header: its four fields and its line break are missing. A whole file has the 20
    // constituent lines after it.
    FUZZ_CHECK((status == marevo::LoadStatus::NoHeader) == (header.size() < 4));
    if (lines.raw.size() < 21) FUZZ_CHECK(status != marevo::LoadStatus::Ok);
    // Whatever the status, no constituent of the port before survives the load, nor any of
    // a refused file.
    const size_t constituentLines = status == marevo::LoadStatus::Ok ? 20 : 0;
    float amplitude[marevo::MaxConstituents] = {}, phase[marevo::MaxConstituents] = {};
    for (int i = 0; i < marevo::ConstituentCount; ++i) {
        if (static_cast<size_t>(i / 2) < constituentLines) {
            const std::vector<std::string> c = Fields(lines.Get(1 + i / 2, 59));
            amplitude[i] = Number(c, i % 2 ? 4 : 1);
            phase[i] = Number(c, i % 2 ? 5 : 2);
        }
    }
    // After the 20 lines: a line whose two labels are a pair of the further constituents
    // sets that pair; the other lines are the notes, three at most; 13 lines are looked at.
    std::string notes[3];
    int noteCount = 0, extra = 0;
    bool carried[marevo::ExtraConstituentCount / 2] = {};
    if (constituentLines == 20) {
        for (size_t line = 1; line <= 20; ++line)
            FUZZ_CHECK(Fields(lines.Get(line, 59)).size() >= 6);
        for (size_t line = 21; line < lines.raw.size() && line < 21 + 13; ++line) {
            const std::vector<std::string> c = Fields(lines.Get(line, 59));
            int pair = -1;
            for (int j = 0; j < marevo::ExtraConstituentCount / 2 && c.size() >= 4; ++j)
                if (c[0] == marevo::ExtraConstituentLabels[2 * j] &&
                    c[3] == marevo::ExtraConstituentLabels[2 * j + 1])
                    pair = j;
            if (pair >= 0) {
                const int i = marevo::ConstituentCount + 2 * pair;
                amplitude[i] = Number(c, 1);
                phase[i] = Number(c, 2);
                amplitude[i + 1] = Number(c, 4);
                phase[i + 1] = Number(c, 5);
                if (!carried[pair]) extra += 2;
                carried[pair] = true;
            } else if (noteCount < 3) {
                notes[noteCount++] = lines.Get(line, 75);
            }
        }
    }
    for (int i = 0; i < marevo::MaxConstituents; ++i) {
        FUZZ_CHECK(Same(s.Amplitude[i], amplitude[i]));
        FUZZ_CHECK(Same(s.PhaseLag[i], phase[i]));
    }
    FUZZ_CHECK(s.ExtraConstituents == extra);
    for (int n = 0; n < 3; ++n) {
        FUZZ_CHECK(Terminated(s.StationNotes[n], sizeof s.StationNotes[n]));
        FUZZ_CHECK(std::string(s.StationNotes[n]) == notes[n]);
    }
    FUZZ_CHECK(Terminated(s.StationName, sizeof s.StationName));
    if (status != marevo::LoadStatus::Ok) {
        FUZZ_CHECK(s.StationName[0] == '\0');
        return 0;
    }

    FUZZ_CHECK(Terminated(s.LatitudeText, sizeof s.LatitudeText));
    FUZZ_CHECK(Terminated(s.LongitudeText, sizeof s.LongitudeText));
    FUZZ_CHECK(Terminated(s.MeanSeaLevelText, sizeof s.MeanSeaLevelText));
    FUZZ_CHECK(header[0] == s.StationName);
    FUZZ_CHECK(header[1] == s.LatitudeText);
    FUZZ_CHECK(header[2] == s.LongitudeText);
    FUZZ_CHECK(header[3] == s.MeanSeaLevelText);

    const double z0 = ReferenceDecimal(header[3]);
    FUZZ_CHECK(Same(s.MeanSeaLevel, static_cast<float>(z0)));
    FUZZ_CHECK(Same(s.LevelPlusM2, static_cast<float>(z0 + s.Amplitude[marevo::IndexM2])));
    FUZZ_CHECK(Same(s.LevelMinusM2, static_cast<float>(z0 - s.Amplitude[marevo::IndexM2])));
    const float latitudeDM = static_cast<float>(ReferenceDecimal(header[1]));
    const float longitudeDM = static_cast<float>(ReferenceDecimal(header[2]));
    FUZZ_CHECK(Same(s.LatitudeDM, latitudeDM));
    FUZZ_CHECK(Same(s.LongitudeDM, longitudeDM));
    FUZZ_CHECK(Same(s.Latitude, static_cast<float>(marevo::DegMinToDegrees(latitudeDM))));
    FUZZ_CHECK(Same(s.Longitude, static_cast<float>(marevo::DegMinToDegrees(longitudeDM))));
    // The zone meridian is a multiple of 15 degrees for every finite position.
    if (std::isfinite(s.Longitude) && std::fabs(s.Longitude) < 1e6f)
        FUZZ_CHECK(std::fmod(s.StandardMeridian, 15.0f) == 0.0f);
    return 0;
}
