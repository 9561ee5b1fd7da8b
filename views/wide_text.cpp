// Shift-JIS <-> UTF-16 through the code-page functions, code page 932 (see wide_text.h).
#include "views/wide_text.h"

#include <windows.h>

#include <cstring>

namespace marevo {

namespace {

constexpr UINT ShiftJis = 932;

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

} // namespace

std::wstring WideFromSjis(const char* sjis)
{
    const int length = static_cast<int>(std::strlen(sjis));
    if (length == 0) return std::wstring();
    const int n = MultiByteToWideChar(ShiftJis, 0, sjis, length, nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(ShiftJis, 0, sjis, length, &wide[0], n);
    return wide;
}

std::wstring WideFromSjis(const std::string& sjis) { return WideFromSjis(sjis.c_str()); }

std::string SjisFromWide(const std::wstring& wide, size_t maxBytes)
{
    const int length = static_cast<int>(wide.size());
    std::string sjis;
    if (length > 0) {
        const int n = WideCharToMultiByte(ShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                          nullptr, 0, "?", nullptr);
        sjis.assign(n, '\0');
        WideCharToMultiByte(ShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), length, &sjis[0], n,
                            "?", nullptr);
    }
    if (sjis.size() <= maxBytes) return sjis;
    size_t cut = 0;
    while (cut < sjis.size()) {
        const size_t step = IsLeadByte(static_cast<unsigned char>(sjis[cut])) ? 2 : 1;
        if (cut + step > maxBytes) break;
        cut += step;
    }
    return sjis.substr(0, cut);
}

std::string SjisFromWide(const wchar_t* wide, size_t maxBytes)
{
    return SjisFromWide(std::wstring(wide), maxBytes);
}

std::FILE* OpenSjisFile(const char* path, const char* mode)
{
    const std::wstring widePath = WideFromSjis(path);
    std::wstring wideMode;
    for (const char* m = mode; *m; ++m) wideMode += static_cast<wchar_t>(*m);
    return _wfopen(widePath.c_str(), wideMode.c_str());
}

} // namespace marevo
