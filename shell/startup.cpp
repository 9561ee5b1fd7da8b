// The program's folder and the notice's place (see startup.h).
#include "shell/startup.h"

#include "text/shift_jis.h"

namespace marevo {

std::string ModuleDirOf(const char* exePath)
{
    // Paths are Shift-JIS: the second byte of a double-byte character may be 0x5C, as in
    // "ソ" (83 5C) or "表" (95 5C), and is no separator.
    const char* last = nullptr;
    for (const char* p = exePath; *p; ++p) {
        if (IsSjisLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
            ++p;
            continue;
        }
        if (*p == '\\' || *p == '/') last = p;
    }
    return last ? std::string(exePath, last + 1) : std::string();
}

Point NoticePosition(int xPosition, int yPosition, int width, int height)
{
    // C++ division truncates towards zero, as the placement wants.
    return {(width - NoticeWidth) / 2 + xPosition, (height - NoticeHeight) / 2 + yPosition};
}

} // namespace marevo
