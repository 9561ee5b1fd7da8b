// Conversions between the program's Shift-JIS (code page 932) texts and UTF-8 for the
// terminal, JSON and file names; iconv on Linux, the code-page API under Windows.
#pragma once

#include <cstdio>
#include <string>

namespace marevo::cli {

// Bytes that do not convert become '?'; the rest of the text is kept.
std::string SjisToUtf8(const std::string& sjis);
std::string Utf8ToSjis(const std::string& utf8);

// A UTF-8 path in the form the program's own texts hold it: unchanged on Linux (file names
// are UTF-8), Shift-JIS under Windows.
std::string NativePath(const std::string& utf8);

// fopen of a UTF-8 path: as it is on Linux; under Windows through the wide file functions,
// so that any name opens whatever the system's ANSI code page.
std::FILE* OpenUtf8File(const std::string& utf8, const char* mode);

} // namespace marevo::cli
