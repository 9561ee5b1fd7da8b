// Window texts through the wide functions (see system_text.h).
#include "app/system_text.h"

#include <cstring>

namespace marevo {

void SetSjisText(HWND window, const char* text)
{
    SetWindowTextW(window, WideFromSjis(text).c_str());
}

void GetSjisText(HWND window, char* out, int size)
{
    if (size <= 0) return;
    out[0] = '\0';
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return;
    std::wstring wide(length + 1, L'\0');
    wide.resize(GetWindowTextW(window, &wide[0], length + 1));
    const std::string text = SjisFromWide(wide.c_str(), static_cast<size_t>(size - 1));
    std::memcpy(out, text.c_str(), text.size() + 1);
}

} // namespace marevo
