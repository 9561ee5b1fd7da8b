// Fuzz target: the port tree's reading of a directory entry name (prefecture code from the
// first two bytes, port name without the code and the four-byte extension) over arbitrary
// names. The cut stays inside the name and agrees with the views' bounded substring, and
// the station file's name made of code and port is the entry again.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_check.h"
#include "shell/port_files.h"
#include "shell/settings_values.h"
#include "views/text_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Directory entries are NUL-terminated names of at most 259 bytes.
    std::string name(reinterpret_cast<const char*>(data), size < 259 ? size : 259);
    name = name.substr(0, name.find('\0'));

    const marevo::PortFileName entry = marevo::ParsePortFileName(name.c_str());
    const int length = static_cast<int>(name.size());
    const int expected = length <= 6 ? 0 : (length - 6 > 256 ? 256 : length - 6);
    FUZZ_CHECK(static_cast<int>(entry.port.size()) == expected);
    FUZZ_CHECK(entry.port == name.substr(expected ? 2 : 0, expected));
    FUZZ_CHECK(entry.port == marevo::Substring(name.c_str(), 2, length - 6));

    // The code reads the first two bytes only: a sign and a digit, or up to two digits.
    FUZZ_CHECK(entry.code >= -9 && entry.code <= 99);
    const std::string head = name.substr(0, 2);
    FUZZ_CHECK(entry.code == marevo::ProfileInt(head));
    if (head.size() == 2 && head[0] >= '0' && head[0] <= '9' && head[1] >= '0' && head[1] <= '9') {
        FUZZ_CHECK(entry.code == (head[0] - '0') * 10 + (head[1] - '0'));
        // The refresh names again the file the tree listed.
        if (length > 6 && length - 6 <= 256)
            FUZZ_CHECK(marevo::StationFileNameOf(entry.code, entry.port) + name.substr(length - 4) ==
                       name);
    }
    FUZZ_CHECK(marevo::IsTreeCode(entry.code) == (entry.code >= 0 && entry.code <= 80));
    return 0;
}
