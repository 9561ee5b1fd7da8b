// Code page 932 <-> UTF-8 by binary search in the generated table (cp932_table.inc).
#include "text/cp932_table.h"

#include <algorithm>

#include "text/shift_jis.h"

namespace marevo {
namespace {

struct Cp932Pair {
    unsigned short first, second;
};
#include "cp932_table.inc" // Cp932Decode (code, character), Cp932Encode (code, character)

constexpr unsigned HalfWidthFirst = 0xA1, HalfWidthLast = 0xDF; // ｡ ... ﾟ
constexpr char32_t HalfWidthBase = 0xFF61;

void AppendUtf8(char32_t cp, std::string& out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code point of the UTF-8 sequence at text[i] and its length; length 1 and no code
// point (-1) for a byte that starts no well-formed sequence.
char32_t DecodeUtf8(const std::string& text, size_t i, size_t& length)
{
    const unsigned char c = static_cast<unsigned char>(text[i]);
    length = 1;
    if (c < 0x80) return c;
    const int n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? (c < 0xF0 ? 3 : 0) : c >= 0xC2 ? 2 : 0;
    if (n == 0 || i + n > text.size()) return char32_t(-1);
    char32_t cp = c & (0x7F >> n);
    for (int k = 1; k < n; ++k) {
        const unsigned char t = static_cast<unsigned char>(text[i + k]);
        if ((t & 0xC0) != 0x80) return char32_t(-1);
        cp = (cp << 6) | (t & 0x3F);
    }
    static const char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < Least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return char32_t(-1);
    length = static_cast<size_t>(n);
    return cp;
}

} // namespace

char32_t Cp932Character(unsigned code)
{
    const Cp932Pair* end = Cp932Decode + sizeof Cp932Decode / sizeof Cp932Decode[0];
    const Cp932Pair* at = std::lower_bound(
        Cp932Decode, end, code, [](const Cp932Pair& p, unsigned c) { return p.first < c; });
    return at != end && at->first == code ? at->second : 0;
}

int Cp932CodeOf(char32_t character)
{
    if (character < 0x80) return static_cast<int>(character);
    if (character >= HalfWidthBase && character <= HalfWidthBase + (HalfWidthLast - HalfWidthFirst))
        return static_cast<int>(HalfWidthFirst + (character - HalfWidthBase));
    const Cp932Pair* end = Cp932Encode + sizeof Cp932Encode / sizeof Cp932Encode[0];
    const Cp932Pair* at = std::lower_bound(
        Cp932Encode, end, character, [](const Cp932Pair& p, char32_t c) { return p.second < c; });
    return at != end && at->second == character ? at->first : -1;
}

std::string Cp932ToUtf8(const std::string& sjis)
{
    std::string out;
    out.reserve(sjis.size() * 3 / 2);
    for (size_t i = 0; i < sjis.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(sjis[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= HalfWidthFirst && c <= HalfWidthLast) {
            AppendUtf8(HalfWidthBase + (c - HalfWidthFirst), out);
        } else if (IsSjisLeadByte(c) && i + 1 < sjis.size()) {
            const char32_t cp = Cp932Character((c << 8) | static_cast<unsigned char>(sjis[i + 1]));
            if (cp != 0) {
                AppendUtf8(cp, out);
                ++i;
            } else {
                out += '?'; // the byte after it is read again on its own
            }
        } else {
            out += '?';
        }
    }
    return out;
}

std::string Utf8ToCp932(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        size_t length;
        const char32_t cp = DecodeUtf8(utf8, i, length);
        i += length;
        const int code = cp == char32_t(-1) ? -1 : Cp932CodeOf(cp);
        if (code < 0) {
            out += '?';
        } else if (code > 0xFF) {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        } else {
            out += static_cast<char>(code);
        }
    }
    return out;
}

} // namespace marevo
