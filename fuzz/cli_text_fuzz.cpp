// Fuzz target: Shift-JIS to UTF-8 conversion and JSON strings of marevo-cli, over arbitrary
// bytes (station names and notes come from files nobody checked).
// The UTF-8 is always well formed, converts back without loss, and its JSON string reads
// back as the same text.
#include <cstdint>
#include <string>

#include "cli/json_writer.h"
#include "cli/text_encoding.h"
#include "fuzz/fuzz_check.h"

namespace {

// Well-formed UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool WellFormed(const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = text[i];
        int extra;
        unsigned long code;
        if (c < 0x80) { ++i; continue; }
        if (c >= 0xC2 && c <= 0xDF) { extra = 1; code = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { extra = 2; code = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { extra = 3; code = c & 0x07; }
        else return false;
        if (i + extra >= text.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char t = text[i + k];
            if ((t & 0xC0) != 0x80) return false;
            code = (code << 6) | (t & 0x3F);
        }
        if ((extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000)) return false;
        if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        i += extra + 1;
    }
    return true;
}

int Hex(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads one JSON string (RFC 8259) that must fill the whole text; false if it is not one.
// Escapes below U+0080 are all the writer needs; others are refused.
bool ReadJsonString(const std::string& json, std::string& out)
{
    if (json.size() < 2 || json.front() != '"' || json.back() != '"') return false;
    out.clear();
    for (size_t i = 1; i + 1 < json.size(); ++i) {
        const unsigned char c = json[i];
        if (c < 0x20 || c == '"') return false;
        if (c != '\\') { out += static_cast<char>(c); continue; }
        if (i + 2 >= json.size()) return false;
        const char e = json[++i];
        switch (e) {
        case '"': case '\\': case '/': out += e; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u': {
            if (i + 5 >= json.size()) return false;
            int code = 0;
            for (int k = 1; k <= 4; ++k) {
                const int h = Hex(json[i + k]);
                if (h < 0) return false;
                code = code * 16 + h;
            }
            if (code >= 0x80) return false;
            out += static_cast<char>(code);
            i += 4;
            break;
        }
        default: return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = marevo::SjisToUtf8(bytes);
    FUZZ_CHECK(WellFormed(utf8));
    FUZZ_CHECK(utf8.size() <= 3 * bytes.size());
    FUZZ_CHECK(utf8.empty() == bytes.empty());
    // Whatever came out of code page 932 goes back into it and out again unchanged.
    FUZZ_CHECK(marevo::SjisToUtf8(marevo::Utf8ToSjis(utf8)) == utf8);

    // Arbitrary bytes taken as UTF-8: the Shift-JIS made of them reads as well-formed UTF-8.
    FUZZ_CHECK(WellFormed(marevo::SjisToUtf8(marevo::Utf8ToSjis(bytes))));

    marevo::cli::JsonWriter json;
    json.String(utf8);
    std::string back;
    FUZZ_CHECK(ReadJsonString(json.Text(), back));
    FUZZ_CHECK(back == utf8);
    return 0;
}
