// The ports of a dt folder as people name them: file name (24尾鷲), kanji name (尾鷲, or
// JMA's full name), romanised name (Owase) and prefecture, from ports.tsv beside dt where
// it has a row, else from the file's name and header. Finding a port by any of its names,
// searching, and distances for --near. Texts are UTF-8.
#pragma once

#include <string>
#include <vector>

namespace marevo::cli {

struct PortEntry {
    std::string file;        // port file name without .MV2: prefecture code + short name
    std::string path;        // the port file (UTF-8)
    std::string name;        // full kanji name
    std::string romaji;      // Hepburn without macrons; empty when ports.tsv has none
    int prefecture = 0;      // JIS X 0401 code, 0 when the file name has none
    std::string latitudeDM;  // degrees.minutes as written
    std::string longitudeDM;
    double latitude = 0, longitude = 0; // decimal degrees, north and east positive
    std::string source;      // JMA:<code> or TICON:<id>; empty without ports.tsv
    std::string remark;
};

// The .MV2 files of dtDir, sorted by file name, each joined with its row of ports.tsv in
// the folder above; a file without a row takes its name and position from its header.
std::vector<PortEntry> ReadPortCatalog(const std::string& dtDir);

// The short name of a file name: what follows its two-digit prefecture code.
std::string ShortName(const std::string& file);

// Kanji and romanised name of a prefecture ("三重県", "Mie"), empty for an unknown code.
const char* PrefectureName(int code);
const char* PrefectureRomaji(int code);

// A name reduced for comparison: ASCII letters in lower case, full-width letters and digits
// as ASCII, kana as Hepburn romaji, long vowels and the n before b, m, p written one way,
// spaces, hyphens, apostrophes and brackets left out. "Tōkyō", "TOKYO", "とうきょう" and
// "toukyou" all give "tokyo".
std::string MatchKey(const std::string& utf8);

// Levenshtein distance in characters (code points) between two UTF-8 texts.
int EditDistance(const std::string& a, const std::string& b);

// What a --port word names: a file, kanji or romanised name equal to it; when none is, what
// SearchPorts finds for it (as the ports command lists it); when that finds none either, the
// closest names.
struct PortMatch {
    std::vector<const PortEntry*> found;       // one: the port; several: ambiguous
    std::vector<const PortEntry*> suggestions; // when none is found: the closest names
    bool searched = false;                     // found by SearchPorts, not by a whole name
};
PortMatch MatchPort(const std::vector<PortEntry>& ports, const std::string& query);

// Ports whose file name, kanji name, romanised name or prefecture (code, kanji, romaji)
// holds query; every port for an empty query.
std::vector<const PortEntry*> SearchPorts(const std::vector<PortEntry>& ports,
                                          const std::string& query);

// "24尾鷲 (尾鷲, Owase)": how messages name a port.
std::string DescribePort(const PortEntry& port);

// Great-circle distance in km (spherical Earth, radius 6371 km).
double DistanceKm(double lat1, double lon1, double lat2, double lon2);

} // namespace marevo::cli
