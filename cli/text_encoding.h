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

// At start: a closed stdout (descriptor 1) is taken by a read-only /dev/null, so that no
// file opened later lands on it and every write to stdout fails as it should. Windows: no-op.
void GuardClosedStdout();

// Whether the write to stdout that has just failed with error (errno) failed because the
// reader of the pipe has gone away (EPIPE; under Windows also the pipe's own "being closed").
bool ReaderGone(int error);

// Stdout written byte for byte: under Windows it leaves the text mode that turns LF into
// CR LF, for formats that write their own line ends (iCalendar's CR LF). Elsewhere a no-op.
void SetBinaryStdout();

} // namespace marevo::cli
