// Initialisation-file text ("[SECTION]" lines, "key=value" lines): setting values the way
// the platform's private-profile writer does, but keeping every value byte for byte (a
// ratio written " 1.0" keeps its leading blank). Texts are Shift-JIS bytes.
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

// Reads the file at path (empty when missing), applies the values in order and writes it
// back. Returns false when the file cannot be written.
bool WriteProfileValues(const std::string& path, const std::vector<ProfileValue>& entries);

} // namespace marevo
