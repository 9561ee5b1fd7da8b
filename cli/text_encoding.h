// Conversions between the program's Shift-JIS (code page 932) texts and UTF-8 for the
// terminal, JSON and file names; iconv on Linux, the code-page API under Windows.
#pragma once

#include <string>

namespace marevo::cli {

// Bytes that do not convert become '?'; the rest of the text is kept.
std::string SjisToUtf8(const std::string& sjis);
std::string Utf8ToSjis(const std::string& utf8);

// A UTF-8 path in the form the C library's fopen takes on this system: unchanged on Linux
// (file names are UTF-8), Shift-JIS under Windows (the ANSI code page 932).
std::string NativePath(const std::string& utf8);

} // namespace marevo::cli
