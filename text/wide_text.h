// The program's texts and the system's UTF-16 (Windows builds): every text and file name
// handed to the system goes through here, with code page 932 named explicitly, so that
// nothing depends on the system's ANSI code page (1252 on an English Windows, 65001 with the
// UTF-8 option). Lengths in bytes of Shift-JIS or in UTF-16 units.
#pragma once

#include <cstdio>
#include <string>

#include "text/shift_jis.h"

namespace marevo {

// Shift-JIS to UTF-16, up to the first NUL. A byte that starts no character of code page
// 932 becomes what the system's table gives for it (the text after it is kept).
std::wstring WideFromSjis(const char* sjis);
std::wstring WideFromSjis(const std::string& sjis);

// UTF-16 to Shift-JIS, at most maxBytes bytes: a double-byte character that would not fit
// whole is left out. A character code page 932 does not hold becomes '?' (no look-alike).
std::string SjisFromWide(const std::wstring& wide, size_t maxBytes = std::string::npos);
std::string SjisFromWide(const wchar_t* wide, size_t maxBytes = std::string::npos);

// UTF-8 and UTF-16, every byte of the text (NULs included).
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

// A full path of the system (UTF-16) in Shift-JIS, for the program's paths; a path with a
// character code page 932 does not hold is given in its short form when the system has one.
std::string SjisPathOf(const wchar_t* path);

// The C library's fopen for a Shift-JIS path (the wide file functions underneath).
std::FILE* OpenSjisFile(const char* path, const char* mode);

} // namespace marevo
