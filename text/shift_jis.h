// Shift-JIS (code page 932), the encoding of the program's texts, its port files and its
// settings: the lead-byte test, cuts that keep whole characters, and conversion to and from
// UTF-8. Lengths in bytes. One source a platform (iconv, or the code-page functions under
// Windows), the same results from both.
#pragma once

#include <cstddef>
#include <string>

namespace marevo {

// A byte that opens a double-byte character (0x81 to 0x9F, 0xE0 to 0xFC); its second byte
// may be any value, 0x5C ('\') included.
constexpr bool IsSjisLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The longest start of text of at most maxBytes bytes that halves no double-byte character
// (text itself when it fits).
std::string SjisPrefix(const std::string& text, size_t maxBytes);

// A byte that starts no character, or a character cut off at the end, becomes one '?'; the
// bytes after it are kept.
std::string SjisToUtf8(const std::string& sjis);
// A character that code page 932 lacks becomes '?' (no look-alike: "é" is not "e").
std::string Utf8ToSjis(const std::string& utf8);

} // namespace marevo
