// Shift-JIS <-> UTF-8. The only file of marevo-cli that differs between the builds.
#include "cli/text_encoding.h"

#include "cli/cli_args.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace marevo::cli {

#ifdef _WIN32

namespace {

std::wstring Widen(const std::string& text, UINT codePage)
{
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), (int)text.size(), wide.data(), n);
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage)
{
    if (wide.empty()) return {};
    // No best-fit replacements into code page 932 ("é" must not become "e" in a file name):
    // what has no character there becomes '?'.
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), (int)wide.size(), nullptr, 0,
                                      fallback, nullptr);
    std::string text(n, '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), (int)wide.size(), text.data(), n, fallback,
                        nullptr);
    return text;
}

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Character by character, so that a byte that is no character becomes one '?' and the bytes
// after it are kept, as in the native build. Bytes the system's table maps to control or
// private-use characters of its own (0x80, 0xA0, 0xFD to 0xFF) are none either.
std::wstring WidenSjis(const std::string& sjis)
{
    std::wstring wide;
    for (size_t i = 0; i < sjis.size();) {
        const unsigned char c = sjis[i];
        const int length = IsLeadByte(c) ? 2 : 1;
        wchar_t w[2];
        int got = 0;
        if (i + length <= sjis.size() && c != 0x80 && c != 0xA0 && c < 0xFD)
            got = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data() + i, length, w, 2);
        if (got == 1) {
            wide += w[0];
            i += length;
        } else {
            wide += L'?';
            i += 1;
        }
    }
    return wide;
}

} // namespace

std::string SjisToUtf8(const std::string& sjis) { return Narrow(WidenSjis(sjis), CP_UTF8); }
std::string Utf8ToSjis(const std::string& utf8) { return Narrow(Widen(utf8, CP_UTF8), 932); }
std::string NativePath(const std::string& utf8) { return Utf8ToSjis(utf8); }

std::FILE* OpenUtf8File(const std::string& utf8, const char* mode)
{
    return _wfopen(Widen(utf8, CP_UTF8).c_str(), Widen(mode, CP_UTF8).c_str());
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
        const std::wstring wide = Widen(pending.substr(0, whole), CP_UTF8);
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
    for (int i = 1; argv && i < argc; ++i) words.push_back(Narrow(argv[i], CP_UTF8));
    LocalFree(argv);
    return words;
}

#else

namespace {

std::string Convert(const std::string& text, const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1) return text;
    std::string out;
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char buffer[256];
    while (inLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        if (r == (size_t)-1 && errno != E2BIG) { // invalid or cut sequence: one byte as '?'
            out += '?';
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string SjisToUtf8(const std::string& sjis) { return Convert(sjis, "UTF-8", "CP932"); }
std::string Utf8ToSjis(const std::string& utf8) { return Convert(utf8, "CP932", "UTF-8"); }
std::string NativePath(const std::string& utf8) { return utf8; }

std::FILE* OpenUtf8File(const std::string& utf8, const char* mode)
{
    return std::fopen(utf8.c_str(), mode);
}

Words CommandLineWords(int argc, char** argv) { return Words(argv + 1, argv + argc); }

#endif

} // namespace marevo::cli
