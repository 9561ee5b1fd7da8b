// Shift-JIS <-> UTF-8 through iconv (every build but Windows; see shift_jis.h).
#include "text/shift_jis.h"

#include <cerrno>
#include <iconv.h>

namespace marevo {
namespace {

std::string Convert(const std::string& text, const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out;
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char buffer[256];
    while (inLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) { // invalid or cut: one byte as '?'
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

} // namespace marevo
