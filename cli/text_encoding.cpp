// Shift-JIS <-> UTF-8. The only file of marevo-cli that differs between the builds.
#include "cli/text_encoding.h"

#include "cli/cli_args.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

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

UINT consoleCodePage = 0;

void RestoreConsoleCodePage()
{
    std::fflush(stdout); // what is still buffered is UTF-8 too
    std::fflush(stderr);
    SetConsoleOutputCP(consoleCodePage);
}

} // namespace

// The ANSI argv of a Windows program depends on the system's code page and has lost what
// it cannot hold; the wide command line has everything. Output is UTF-8 in every case:
// bytes as they are into a file or pipe, and a console is switched to UTF-8 for the run
// (its own code page is given back at the end).
Words CommandLineWords(int, char**)
{
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(RestoreConsoleCodePage);
    // The runtime hands a console its unbuffered output piece by piece, and a piece that
    // ends inside a UTF-8 character shows as other characters: the console gets whole
    // texts from a buffer instead.
    DWORD mode = 0;
    static char outBuffer[1 << 16], errBuffer[1 << 12];
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode))
        std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);
    if (GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode))
        std::setvbuf(stderr, errBuffer, _IOFBF, sizeof errBuffer);
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
