// Code page 932 <-> UTF-8 through a table of the program's own (made from Python's cp932
// codec by make_cp932_table.py): the same conversion in every build, for the platforms whose
// C library lacks code page 932 (the browser's). A byte that starts no character, or a
// character cut off at the end, becomes one '?'; so does a character that code page 932 lacks,
// and each byte of malformed UTF-8.
#pragma once

#include <string>

namespace marevo {

// The character of a double-byte code (lead byte << 8 | trail byte); 0 when it has none.
char32_t Cp932Character(unsigned code);
// The code a character is written with: one byte (< 0x100) or two; -1 when it has none.
int Cp932CodeOf(char32_t character);

std::string Cp932ToUtf8(const std::string& sjis);
std::string Utf8ToCp932(const std::string& utf8);

} // namespace marevo
