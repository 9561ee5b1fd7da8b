// Shift-JIS, UTF-8 and UTF-16 through the code-page functions, code page 932 named
// explicitly (Windows builds; see shift_jis.h and wide_text.h).
#include "text/shift_jis.h"
#include "text/wide_text.h"

#include <windows.h>

#include <cstring>

namespace marevo {

namespace {

constexpr UINT ShiftJis = 932;

std::wstring Widen(UINT codePage, const char* text, int length)
{
    if (length <= 0) return std::wstring();
    const int n = MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(codePage, 0, text, length, &wide[0], n);
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide)
{
    if (wide.empty()) return std::string();
    // No best-fit replacements into code page 932 ("é" must not become "e" in a file name):
    // what has no character there becomes '?'.
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const int length = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, fallback,
                                      nullptr);
    std::string text(n, '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), length, &text[0], n, fallback, nullptr);
    return text;
}

// Character by character, so that a byte that is no character becomes one '?' and the bytes
// after it are kept, as iconv's conversion does. Bytes the system's table maps to control or
// private-use characters of its own (0x80, 0xA0, 0xFD to 0xFF) are none either.
std::wstring WidenSjisStrictly(const std::string& sjis)
{
    std::wstring wide;
    for (size_t i = 0; i < sjis.size();) {
        const unsigned char c = sjis[i];
        const int length = IsSjisLeadByte(c) ? 2 : 1;
        wchar_t w[2];
        int got = 0;
        if (i + length <= sjis.size() && c != 0x80 && c != 0xA0 && c < 0xFD)
            got = MultiByteToWideChar(ShiftJis, MB_ERR_INVALID_CHARS, sjis.data() + i, length, w, 2);
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

std::wstring WideFromSjis(const char* sjis)
{
    return Widen(ShiftJis, sjis, static_cast<int>(std::strlen(sjis)));
}

std::wstring WideFromSjis(const std::string& sjis) { return WideFromSjis(sjis.c_str()); }

std::string SjisFromWide(const std::wstring& wide, size_t maxBytes)
{
    return SjisPrefix(Narrow(ShiftJis, wide), maxBytes);
}

std::string SjisFromWide(const wchar_t* wide, size_t maxBytes)
{
    return SjisFromWide(std::wstring(wide), maxBytes);
}

std::wstring WideFromUtf8(const std::string& utf8)
{
    return Widen(CP_UTF8, utf8.data(), static_cast<int>(utf8.size()));
}

std::string Utf8FromWide(const std::wstring& wide) { return Narrow(CP_UTF8, wide); }

std::string SjisToUtf8(const std::string& sjis) { return Narrow(CP_UTF8, WidenSjisStrictly(sjis)); }
std::string Utf8ToSjis(const std::string& utf8) { return Narrow(ShiftJis, WideFromUtf8(utf8)); }

std::FILE* OpenSjisFile(const char* path, const char* mode)
{
    const std::wstring widePath = WideFromSjis(path);
    std::wstring wideMode;
    for (const char* m = mode; *m; ++m) wideMode += static_cast<wchar_t>(*m);
    return _wfopen(widePath.c_str(), wideMode.c_str());
}

std::string SjisPathOf(const wchar_t* path)
{
    const std::string sjis = SjisFromWide(path);
    if (WideFromSjis(sjis) == path) return sjis;
    // A name code page 932 does not hold (such as "Zoë") has a short form in ASCII.
    wchar_t shortPath[MAX_PATH + 1] = {};
    const DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return sjis;
    return SjisFromWide(shortPath);
}

} // namespace marevo
