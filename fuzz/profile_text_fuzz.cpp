// Fuzz target: setting one value of marevo.ini in an arbitrary existing file text.
// Input: a byte choosing the section and key, the value up to a NUL byte, then the file.
// After the write the key reads back as the value, and every other key reads as before.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "shell/profile_text.h"
#include "fuzz/fuzz_check.h"

namespace {

struct Key {
    const char* section;
    const char* key;
};
// The program's keys, and the same names in other cases as a hand-edited file may have them.
const Key Keys[] = {
    {"TREE", "CHI1"},         {"TREE", "KEN80"},          {"SITE", "PREF"},
    {"SITE", "PORT"},         {"WINDOWS", "BOX"},         {"WINDOWS", "ONEORSEVEN"},
    {"WINDOWS", "XPosition"}, {"WINDOWS", "TreeWidth"},   {"PRINTER", "PrinterRatio"},
    {"PRINTER", "PrinterColor"}, {"printer", "printerratio"}, {"Site", "port"},
    {"A", "B"},               {"a", "b"},                 {"", "X"},
    {"SITE", ""},
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
std::string Folded(std::string s)
{
    for (char& c : s) c = Lower(c);
    return s;
}
std::string Trimmed(const std::string& s)
{
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return std::string();
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// The values of a file text as the program's reader finds them: lines end at LF (the CRs
// before it dropped); "[name]" starts a section; in a section, the first "key=value" line of
// a key counts (names without regard to ASCII case, blanks around names ignored); a section
// named twice is searched in file order.
std::map<std::pair<std::string, std::string>, std::string> Values(const std::string& text)
{
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::string section;
    bool inSection = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t eol = text.find('\n', pos);
        if (eol == std::string::npos) eol = text.size();
        std::string line = text.substr(pos, eol - pos);
        pos = eol + 1;
        while (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string t = Trimmed(line);
        if (t.size() >= 2 && t[0] == '[' && t.find(']') != std::string::npos) {
            section = Folded(Trimmed(t.substr(1, t.find(']') - 1)));
            inSection = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (!inSection || eq == std::string::npos) continue;
        values.emplace(std::make_pair(section, Folded(Trimmed(line.substr(0, eq)))),
                       line.substr(eq + 1));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const Key& key = Keys[data[0] % (sizeof Keys / sizeof Keys[0])];
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t nul = rest.find('\0');
    std::string value = rest.substr(0, nul);
    const std::string text = nul == std::string::npos ? std::string() : rest.substr(nul + 1);
    // Values are single-line texts (numbers, names of ports and prefectures).
    if (value.find('\n') != std::string::npos) return 0;
    if (!value.empty() && value.back() == '\r') return 0;

    const marevo::ProfileValue entry{key.section, key.key, value};
    const std::string after = marevo::SetProfileValue(text, entry);

    const auto before = Values(text);
    const auto now = Values(after);
    const auto target = std::make_pair(Folded(key.section), Folded(key.key));
    const auto found = now.find(target);
    FUZZ_CHECK(found != now.end());
    FUZZ_CHECK(found->second == value);
    for (const auto& [name, old] : before) {
        if (name == target) continue;
        const auto still = now.find(name);
        FUZZ_CHECK(still != now.end());
        FUZZ_CHECK(still->second == old);
    }
    FUZZ_CHECK(now.size() == before.size() + (before.count(target) ? 0 : 1));
    // Setting the same value again changes nothing.
    FUZZ_CHECK(marevo::SetProfileValue(after, entry) == after);
    return 0;
}
