// Shift-JIS <-> UTF-8 through the program's own code page 932 table (the browser's build,
// whose C library has no code page 932; see shift_jis.h and cp932_table.h).
#include "text/shift_jis.h"

#include "text/cp932_table.h"

namespace marevo {

std::string SjisToUtf8(const std::string& sjis) { return Cp932ToUtf8(sjis); }
std::string Utf8ToSjis(const std::string& utf8) { return Utf8ToCp932(utf8); }

} // namespace marevo
