// Initialisation-file text ("[SECTION]" lines, "key=value" lines): setting values the way
// the platform's private-profile writer does, but keeping every value byte for byte (a
// ratio written " 1.0" keeps its leading blank), and reading them as its reader does, on
// the file's own bytes whatever the system's code page. Texts are Shift-JIS bytes.
#pragma once

#include <string>
#include <vector>

namespace marevo {

struct ProfileValue {
    std::string section, key, value;
};

// Sets key = value in section of an initialisation-file text: an existing key (section and
// key compared without regard to ASCII case, blanks around the key ignored) has its line
// replaced; a new key goes after the last line of its section; a new section is appended
// at the end. Lines end with CR LF. Returns the new text.
std::string SetProfileValue(const std::string& text, const ProfileValue& entry);

// The values applied one after another, in order.
std::string SetProfileValues(std::string text, const std::vector<ProfileValue>& entries);

// The value of key in section, as the platform's private-profile reader gives it: section
// and key compared as above, the first line of the key in file order (a section named twice
// is searched in both), blanks around the value dropped and one pair of matching quotes
// around it removed. False when the file has no such key.
bool FindProfileValue(const std::string& text, const std::string& section,
                      const std::string& key, std::string& value);

} // namespace marevo
