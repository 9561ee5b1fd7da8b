// Checked writes to stdout for every command of marevo-cli.
#include "cli/output.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "cli/cli_args.h"
#include "cli/messages.h"
#include "cli/text_encoding.h"

namespace marevo::cli {

namespace {
std::atomic<bool> failed{false};
int failure = 0;         // errno of the first failed write
bool readerGone = false; // ... a pipe whose reader has gone away: no message

void NoteFailure()
{
    const int error = errno != 0 ? errno : EIO;
    const bool gone = ReaderGone(error);
    if (failed.exchange(true)) return;
    failure = error;
    readerGone = gone;
}
} // namespace

bool Emit(const std::string& text)
{
    if (failed) return false;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::ferror(stdout)) {
        NoteFailure();
        return false;
    }
    return true;
}

bool Emitf(const char* format, ...)
{
    char small[512];
    std::va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (length < 0) return Emit(std::string());
    if (static_cast<size_t>(length) < sizeof small) return Emit(std::string(small, length));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    va_start(args, format);
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    text.pop_back();
    return Emit(text);
}

bool OutputFailed() { return failed; }

int FinishOutput(int status)
{
    errno = 0;
    if (!failed && (std::fflush(stdout) != 0 || std::ferror(stdout))) NoteFailure();
    if (!failed) return status;
    if (!readerGone)
        Fail(1, Say(u8"出力を書き込めません: ", "cannot write the output: ") + std::strerror(failure));
    return 1;
}

} // namespace marevo::cli
