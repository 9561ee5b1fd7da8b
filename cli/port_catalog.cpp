// Port names of a dt folder and the matching of what a user types against them.
#include "cli/port_catalog.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "cli/data_folder.h"
#include "cli/text_encoding.h"
#include "engine/calendar.h"
#include "engine/elementary.h"
#include "engine/station.h"
#include "shell/prefectures.h"

namespace marevo::cli {

namespace fs = std::filesystem;

namespace {

// Hepburn romaji of the hiragana U+3041 to U+3096 (small kana as their vowel or y-sound;
// っ, U+3063, is handled by the caller).
const char* const Hiragana[] = {
    "a",  "a",  "i",  "i",  "u",  "u",  "e",  "e",  "o",  "o",            // ぁ-お
    "ka", "ga", "ki", "gi", "ku", "gu", "ke", "ge", "ko", "go",           // か-ご
    "sa", "za", "shi", "ji", "su", "zu", "se", "ze", "so", "zo",         // さ-ぞ
    "ta", "da", "chi", "ji", "",  "tsu", "zu", "te", "de", "to", "do",   // た-ど
    "na", "ni", "nu", "ne", "no",                                        // な-の
    "ha", "ba", "pa", "hi", "bi", "pi", "fu", "bu", "pu", "he", "be", "pe", "ho", "bo", "po",
    "ma", "mi", "mu", "me", "mo",                                        // ま-も
    "ya", "ya", "yu", "yu", "yo", "yo",                                  // ゃ-よ
    "ra", "ri", "ru", "re", "ro",                                        // ら-ろ
    "wa", "wa", "i",  "e",  "o",  "n",  "vu", "ka", "ke",                // ゎ-ゖ
};
constexpr char32_t HiraganaFirst = 0x3041, HiraganaLast = 0x3096;
constexpr char32_t SmallTsu = 0x3063, SmallYa = 0x3083, SmallYu = 0x3085, SmallYo = 0x3087;

std::u32string Decode(const std::string& s)
{
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = s[i];
        int length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        char32_t cp = length == 1 ? c : length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
        if (i + length > s.size()) length = 1, cp = c;
        for (int k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += cp;
        i += length;
    }
    return out;
}

void Encode(char32_t cp, std::string& out)
{
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool Dropped(char32_t c)
{
    return c == ' ' || c == '-' || c == '\'' || c == '(' || c == ')' || c == '.' || c == ',' ||
           c == 0x3000 || c == 0x30FC || c == 0xFF08 || c == 0xFF09 || c == 0x30FB;
}

// Long vowels and n before b, m, p written one way, in the ASCII runs of a key.
std::string FoldSpelling(const std::string& s)
{
    std::string out;
    for (char c : s) {
        const char last = out.empty() ? '\0' : out.back();
        if ((c == 'u' && last == 'o') || (c == last && (c == 'a' || c == 'i' || c == 'u' ||
                                                         c == 'e' || c == 'o')))
            continue;
        if ((c == 'b' || c == 'm' || c == 'p') && last == 'm') out.back() = 'n';
        out += c;
    }
    return out;
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

int PrefectureOfFile(const std::string& file)
{
    if (file.size() < 2 || !std::isdigit(static_cast<unsigned char>(file[0])) ||
        !std::isdigit(static_cast<unsigned char>(file[1])))
        return 0;
    return (file[0] - '0') * 10 + (file[1] - '0');
}

// Rows of ports.tsv by column name; none when the file is missing or has no file column.
std::vector<std::vector<std::string>> ReadTable(const std::string& path, std::vector<std::string>& header)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(fs::u8path(path), std::ios::binary);
    std::string line;
    bool haveHeader = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        if (line.empty() || line[0] == '#') continue;
        if (!haveHeader) {
            header = SplitTabs(line);
            haveHeader = true;
            if (std::find(header.begin(), header.end(), "file") == header.end()) return {};
            continue;
        }
        rows.push_back(SplitTabs(line));
    }
    return rows;
}

} // namespace

std::string ShortName(const std::string& file)
{
    return PrefectureOfFile(file) ? file.substr(2) : file;
}

const char* PrefectureName(int code)
{
    const Prefecture* row = PrefectureOf(code);
    return row ? row->name : "";
}

const char* PrefectureRomaji(int code)
{
    const Prefecture* row = PrefectureOf(code);
    return row ? row->romaji : "";
}

std::string MatchKey(const std::string& utf8)
{
    const std::u32string text = Decode(utf8);
    std::string out, ascii; // ascii: the current run of letters, folded when it ends
    auto flush = [&] {
        out += FoldSpelling(ascii);
        ascii.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;        // full-width ASCII
        if (c >= 0x30A1 && c <= 0x30F6) c -= 0x60;          // katakana as hiragana
        if (Dropped(c)) continue;
        if (c == 0x0101 || c == 0x0100) c = 'a';            // macrons
        if (c == 0x012B || c == 0x012A) c = 'i';
        if (c == 0x016B || c == 0x016A) c = 'u';
        if (c == 0x0113 || c == 0x0112) c = 'e';
        if (c == 0x014D || c == 0x014C) c = 'o';
        if (c < 0x80) {
            ascii += static_cast<char>(std::tolower(static_cast<int>(c)));
            continue;
        }
        if (c >= HiraganaFirst && c <= HiraganaLast) {
            if (c == SmallTsu) {
                // Doubles the consonant that follows (ch as tch).
                if (i + 1 < text.size()) {
                    char32_t next = text[i + 1];
                    if (next >= 0x30A1 && next <= 0x30F6) next -= 0x60;
                    if (next >= HiraganaFirst && next <= HiraganaLast && next != SmallTsu) {
                        const char first = Hiragana[next - HiraganaFirst][0];
                        if (first != '\0' && std::string("aiueon").find(first) == std::string::npos)
                            ascii += first == 'c' ? 't' : first;
                    }
                }
                continue;
            }
            std::string syllable = Hiragana[c - HiraganaFirst];
            if (i + 1 < text.size()) {
                char32_t next = text[i + 1];
                if (next >= 0x30A1 && next <= 0x30F6) next -= 0x60;
                const bool smallY = next == SmallYa || next == SmallYu || next == SmallYo;
                if (smallY && syllable.size() >= 2 && syllable.back() == 'i') {
                    const char vowel = next == SmallYa ? 'a' : next == SmallYu ? 'u' : 'o';
                    syllable.pop_back();
                    if (syllable == "sh" || syllable == "ch" || syllable == "j") syllable += vowel;
                    else syllable += std::string("y") + vowel;
                    ++i;
                }
            }
            ascii += syllable;
            continue;
        }
        flush();
        Encode(c, out);
    }
    flush();
    return out;
}

int EditDistance(const std::string& a, const std::string& b)
{
    const std::u32string x = Decode(a), y = Decode(b);
    std::vector<int> row(y.size() + 1);
    for (size_t j = 0; j <= y.size(); ++j) row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= y.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

std::vector<PortEntry> ReadPortCatalog(const std::string& dtDir)
{
    std::vector<PortEntry> ports;
    std::error_code ec;
    for (fs::directory_iterator it(fs::u8path(dtDir), ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string extension = it->path().extension().u8string();
        for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (extension != ".MV2") continue;
        PortEntry entry;
        entry.file = it->path().stem().u8string();
        entry.path = it->path().u8string();
        entry.prefecture = PrefectureOfFile(entry.file);
        ports.push_back(entry);
    }
    std::sort(ports.begin(), ports.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.file < b.file; });

    std::vector<std::string> header;
    const auto rows = ReadTable(DataFolderOf(dtDir) + "ports.tsv", header);
    auto column = [&](const char* name) {
        const auto at = std::find(header.begin(), header.end(), name);
        return at == header.end() ? -1 : static_cast<int>(at - header.begin());
    };
    const int cFile = column("file"), cName = column("name"), cRomaji = column("romaji"),
              cLat = column("latitude"), cLon = column("longitude"), cSource = column("source"),
              cRemark = column("remark");
    auto field = [](const std::vector<std::string>& row, int c) {
        return c >= 0 && c < static_cast<int>(row.size()) ? row[c] : std::string();
    };
    for (PortEntry& entry : ports) {
        const std::vector<std::string>* row = nullptr;
        for (const auto& r : rows)
            if (field(r, cFile) == entry.file) row = &r;
        if (row != nullptr && !field(*row, cName).empty() && !field(*row, cLat).empty()) {
            entry.name = field(*row, cName);
            entry.romaji = field(*row, cRomaji);
            entry.latitudeDM = field(*row, cLat);
            entry.longitudeDM = field(*row, cLon);
            entry.source = field(*row, cSource);
            entry.remark = field(*row, cRemark);
        } else {
            // No row: the header of the file says the name and the position.
            Station station;
            const std::string path = NativePath(entry.path);
            if (path.size() < sizeof station.StationPath &&
                LoadStationFile(path.c_str(), station) == LoadStatus::Ok) {
                entry.name = SjisToUtf8(station.StationName);
                entry.latitudeDM = station.LatitudeText;
                entry.longitudeDM = station.LongitudeText;
            }
            if (entry.name.empty()) entry.name = ShortName(entry.file);
        }
        entry.latitude = DegMinToDegrees(std::atof(entry.latitudeDM.c_str()));
        entry.longitude = DegMinToDegrees(std::atof(entry.longitudeDM.c_str()));
    }
    return ports;
}

PortMatch MatchPort(const std::vector<PortEntry>& ports, const std::string& query)
{
    PortMatch match;
    for (const PortEntry& p : ports)
        if (p.file == query) {
            match.found.push_back(&p);
            return match;
        }
    const std::string key = MatchKey(query);
    if (key.empty()) return match;
    std::vector<std::pair<int, const PortEntry*>> near;
    for (const PortEntry& p : ports) {
        const std::string keys[] = {MatchKey(p.file), MatchKey(ShortName(p.file)), MatchKey(p.name),
                                    MatchKey(p.romaji)};
        int best = 1 << 30;
        for (const std::string& k : keys) {
            if (k.empty()) continue;
            if (k == key) best = 0;
            else best = std::min(best, EditDistance(k, key));
        }
        if (best == 0) match.found.push_back(&p);
        else near.emplace_back(best, &p);
    }
    if (!match.found.empty()) return match;
    match.found = SearchPorts(ports, query);
    match.searched = !match.found.empty();
    if (match.searched) return match;
    // The closest names, at most a third of the query's length away (one edit for short
    // names), five at most.
    const int limit = std::max(1, static_cast<int>(Decode(key).size()) / 3);
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [distance, p] : near)
        if (distance <= limit && match.suggestions.size() < 5) match.suggestions.push_back(p);
    return match;
}

std::vector<const PortEntry*> SearchPorts(const std::vector<PortEntry>& ports, const std::string& query)
{
    std::vector<const PortEntry*> found;
    const std::string key = MatchKey(query);
    for (const PortEntry& p : ports) {
        const std::string keys[] = {MatchKey(p.file), MatchKey(p.name), MatchKey(p.romaji),
                                    MatchKey(PrefectureName(p.prefecture)),
                                    MatchKey(PrefectureRomaji(p.prefecture))};
        bool hit = key.empty();
        for (const std::string& k : keys)
            if (!k.empty() && k.find(key) != std::string::npos) hit = true;
        if (hit) found.push_back(&p);
    }
    return found;
}

std::string DescribePort(const PortEntry& p)
{
    std::string text = p.file + " (" + p.name;
    if (!p.romaji.empty()) text += ", " + p.romaji;
    return text + ")";
}

double DistanceKm(double lat1, double lon1, double lat2, double lon2)
{
    // Haversine formula, in double with the full-precision pi.
    const double rad = 3.14159265358979323846 / 180.0;
    const double dLat = (lat2 - lat1) * rad, dLon = (lon2 - lon1) * rad;
    const double sLat = elementary::Sin(dLat / 2), sLon = elementary::Sin(dLon / 2);
    const double a =
        sLat * sLat + elementary::Cos(lat1 * rad) * elementary::Cos(lat2 * rad) * sLon * sLon;
    return 2 * 6371.0 * elementary::Asin(std::min(1.0, std::sqrt(a)));
}

} // namespace marevo::cli
