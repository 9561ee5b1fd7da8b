// UTF-8 paths, files and the console. The only file of marevo-cli that differs between the
// builds.
#include "cli/text_encoding.h"

#include "cli/cli_args.h"

#include <cerrno>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "text/wide_text.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#endif

namespace marevo::cli {

#ifdef _WIN32

std::string NativePath(const std::string& utf8) { return Utf8ToSjis(utf8); }

std::FILE* OpenUtf8File(const std::string& utf8, const char* mode)
{
    return _wfopen(WideFromUtf8(utf8).c_str(), WideFromUtf8(mode).c_str());
}

void GuardClosedStdout() {}

bool ReaderGone(int error)
{
    // A write to a pipe whose reader has closed it fails with ERROR_NO_DATA, which the C
    // library reports as EINVAL.
    const HANDLE out = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout)));
    return error == EPIPE || (error == EINVAL && GetFileType(out) == FILE_TYPE_PIPE);
}

void SetBinaryStdout()
{
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

namespace {

// A console shown the program's UTF-8 output: what the C library writes to the stream goes
// through a pipe to a thread that hands it to WriteConsoleW, whole characters at a time, so
// that neither the system's nor the console's code page matters.
struct ConsoleRelay {
    HANDLE console = nullptr, pipe = nullptr, thread = nullptr;
    int fd = -1;
};
ConsoleRelay relays[2]; // stdout, stderr

// Bytes of text up to its last whole UTF-8 character.
size_t WholeCharacters(const std::string& text)
{
    size_t end = text.size(), trail = 0;
    while (trail < 3 && trail < end && (static_cast<unsigned char>(text[end - 1 - trail]) & 0xC0) == 0x80)
        ++trail;
    if (trail == end) return end;
    const unsigned char lead = text[end - 1 - trail];
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return length > trail + 1 ? end - trail - 1 : end;
}

DWORD WINAPI Relay(void* parameter)
{
    ConsoleRelay& relay = *static_cast<ConsoleRelay*>(parameter);
    std::string pending;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(relay.pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) {
        pending.append(buffer, n);
        const size_t whole = WholeCharacters(pending);
        const std::wstring wide = WideFromUtf8(pending.substr(0, whole));
        DWORD written = 0;
        if (!wide.empty())
            WriteConsoleW(relay.console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        pending.erase(0, whole);
    }
    return 0;
}

void StartRelay(ConsoleRelay& relay, std::FILE* stream, DWORD which)
{
    DWORD mode = 0;
    const HANDLE standard = GetStdHandle(which);
    if (!GetConsoleMode(standard, &mode)) return; // a file or a pipe takes the bytes
    // A handle of its own: the stream's descriptor closes the standard one when it is moved.
    if (!DuplicateHandle(GetCurrentProcess(), standard, GetCurrentProcess(), &relay.console, 0,
                         FALSE, DUPLICATE_SAME_ACCESS))
        return;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&relay.pipe, &writeEnd, nullptr, 0)) return;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(writeEnd), _O_TEXT);
    if (fd < 0 || _dup2(fd, _fileno(stream)) != 0) {
        if (fd >= 0) _close(fd); else CloseHandle(writeEnd);
        CloseHandle(relay.pipe);
        relay.pipe = nullptr;
        return;
    }
    _close(fd);
    relay.fd = _fileno(stream);
    relay.thread = CreateThread(nullptr, 0, Relay, &relay, 0, nullptr);
}

void StopRelays()
{
    std::fflush(stdout);
    std::fflush(stderr);
    for (ConsoleRelay& relay : relays) {
        if (!relay.thread) continue;
        _close(relay.fd); // the pipe's last writer: the thread reads to its end
        WaitForSingleObject(relay.thread, 5000);
    }
}

} // namespace

// The ANSI argv of a Windows program depends on the system's code page and has lost what
// it cannot hold; the wide command line has everything. Output is UTF-8: bytes as they are
// into a file or pipe, and through WriteConsoleW into a console.
Words CommandLineWords(int, char**)
{
    StartRelay(relays[0], stdout, STD_OUTPUT_HANDLE);
    StartRelay(relays[1], stderr, STD_ERROR_HANDLE);
    if (relays[0].thread || relays[1].thread) std::atexit(StopRelays);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    Words words;
    for (int i = 1; argv && i < argc; ++i) words.push_back(Utf8FromWide(argv[i]));
    LocalFree(argv);
    return words;
}

#else

std::string NativePath(const std::string& utf8) { return utf8; }

std::FILE* OpenUtf8File(const std::string& utf8, const char* mode)
{
    return std::fopen(utf8.c_str(), mode);
}

void GuardClosedStdout()
{
    if (fcntl(STDOUT_FILENO, F_GETFD) != -1) return;
    const int fd = open("/dev/null", O_RDONLY);
    if (fd >= 0 && fd != STDOUT_FILENO) {
        dup2(fd, STDOUT_FILENO);
        close(fd);
    }
}

bool ReaderGone(int error) { return error == EPIPE; }

void SetBinaryStdout() {}

Words CommandLineWords(int argc, char** argv) { return Words(argv + 1, argv + argc); }

#endif

} // namespace marevo::cli
