// The port files of the folder dt as the port tree lists them and the refresh opens them:
// "24尾鷲.MV2" is the port 尾鷲 under prefecture code 24. Names are Shift-JIS; lengths in
// bytes.
#pragma once

#include <string>

namespace marevo {

// Longest node text the port tree keeps and the labels read back (bytes, no terminator).
constexpr int MaxNodeText = 63;

// Codes that own a tree node index 0 ... 80; every other code lists at the root.
constexpr int PrefectureCodes = 81;
bool IsTreeCode(int code);

// A directory entry as the tree lists it: prefecture code from the first two characters
// and the port name without the code and the four-character extension.
struct PortFileName {
    int code;          // 0 when the first characters hold no digit
    std::string port;  // at most 256 bytes; empty for a name of 6 bytes or fewer
};
PortFileName ParsePortFileName(const char* name);

// The station file's name without its extension: the code in two digits (more where it
// needs them), then the port ("24" + "尾鷲"); StationFilePath makes the path of it.
std::string StationFileNameOf(int code, const std::string& port);

} // namespace marevo
