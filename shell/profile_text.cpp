// Setting values in initialisation-file text (see profile_text.h).
#include "shell/profile_text.h"

namespace marevo {

namespace {

struct Line {
    size_t begin, end; // the line's bytes without its line break
    size_t next;       // start of the following line
};

std::vector<Line> SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t eol = text.find('\n', pos);
        const size_t next = eol == std::string::npos ? text.size() : eol + 1;
        size_t end = eol == std::string::npos ? text.size() : eol;
        if (end > pos && text[end - 1] == '\r') --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::string Trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

// Section name of a "[name]" line, or false.
bool SectionOf(const std::string& line, std::string& name)
{
    const std::string t = Trim(line);
    if (t.size() < 2 || t[0] != '[') return false;
    const size_t close = t.find(']');
    if (close == std::string::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

} // namespace

std::string SetProfileValue(const std::string& text, const ProfileValue& entry)
{
    const std::string newLine = entry.key + "=" + entry.value + "\r\n";
    const std::vector<Line> lines = SplitLines(text);
    bool inSection = false, found = false;
    size_t insertAt = 0;
    for (const Line& line : lines) {
        const std::string content = text.substr(line.begin, line.end - line.begin);
        std::string name;
        if (SectionOf(content, name)) {
            if (inSection) break; // the next section: the key is new
            inSection = SameName(name, entry.section);
            if (inSection) { found = true; insertAt = line.next; }
            continue;
        }
        if (!inSection) continue;
        const size_t eq = content.find('=');
        if (eq != std::string::npos && SameName(Trim(content.substr(0, eq)), entry.key))
            return text.substr(0, line.begin) + newLine + text.substr(line.next);
        if (!Trim(content).empty()) insertAt = line.next;
    }
    if (found) {
        std::string head = text.substr(0, insertAt);
        if (!head.empty() && head.back() != '\n') head += "\r\n";
        return head + newLine + text.substr(insertAt);
    }
    std::string result = text;
    if (!result.empty() && result.back() != '\n') result += "\r\n";
    return result + "[" + entry.section + "]\r\n" + newLine;
}

std::string SetProfileValues(std::string text, const std::vector<ProfileValue>& entries)
{
    // Some editors save the file with the UTF-8 signature. It would hide the first section
    // from this writer while the platform's reader may still see it, and every value then
    // written would go to a second section that is never read: the file is written without
    // it, in the program's code page like the values.
    static const char Utf8Signature[] = "\xEF\xBB\xBF";
    if (text.compare(0, 3, Utf8Signature) == 0) text.erase(0, 3);
    for (const ProfileValue& entry : entries) text = SetProfileValue(text, entry);
    return text;
}

bool FindProfileValue(const std::string& text, const std::string& section,
                      const std::string& key, std::string& value)
{
    bool inSection = false;
    for (const Line& line : SplitLines(text)) {
        const std::string content = text.substr(line.begin, line.end - line.begin);
        std::string name;
        if (SectionOf(content, name)) {
            inSection = SameName(name, section);
            continue;
        }
        const size_t eq = content.find('=');
        if (!inSection || eq == std::string::npos || !SameName(Trim(content.substr(0, eq)), key))
            continue;
        value = Trim(content.substr(eq + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        return true;
    }
    return false;
}

} // namespace marevo
