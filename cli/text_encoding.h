// The command line's own side of the encodings: UTF-8 paths, files and the Windows console
// (the Shift-JIS conversions themselves are text/shift_jis.h).
#pragma once

#include <cstdio>
#include <string>

#include "text/shift_jis.h"

namespace marevo::cli {

// A UTF-8 path in the form the program's own texts hold it: unchanged on Linux (file names
// are UTF-8), Shift-JIS under Windows.
std::string NativePath(const std::string& utf8);

// fopen of a UTF-8 path: as it is on Linux; under Windows through the wide file functions,
// so that any name opens whatever the system's ANSI code page.
std::FILE* OpenUtf8File(const std::string& utf8, const char* mode);

} // namespace marevo::cli
