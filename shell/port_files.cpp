// The port files' names (see port_files.h).
#include "shell/port_files.h"

#include <cstdio>
#include <cstring>

#include "shell/settings_values.h"

namespace marevo {

bool IsTreeCode(int code) { return code >= 0 && code < PrefectureCodes; }

PortFileName ParsePortFileName(const char* name)
{
    PortFileName result{0, std::string()};
    char codeText[3] = {};
    std::strncpy(codeText, name, 2);
    result.code = ProfileInt(codeText);
    const int length = static_cast<int>(std::strlen(name));
    int count = length - 6;
    if (count > 256) count = 256;
    if (count > 0) result.port.assign(name + 2, count);
    return result;
}

std::string StationFileNameOf(int code, const std::string& port)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", code);
    return digits + port;
}

} // namespace marevo
