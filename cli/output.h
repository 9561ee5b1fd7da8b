// The standard output of marevo-cli, checked: every command writes through Emit, which notes
// the first failed or short write (a full disk, a closed stdout, a reader gone), so that the
// command stops computing and the run ends with a message and exit status 1.
#pragma once

#include <string>

namespace marevo::cli {

// Writes text to stdout; false (and nothing more is written) once a write has failed.
bool Emit(const std::string& text);
// printf to stdout through Emit.
bool Emitf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Whether a write has failed; safe to ask from worker threads.
bool OutputFailed();

// The exit status of a run that would end with status: stdout flushed; after a failed write,
// 1 with "marevo-cli: cannot write the output: REASON" on stderr (no message when the reader
// has gone away, EPIPE). Called once, at the end of main.
int FinishOutput(int status);

} // namespace marevo::cli
