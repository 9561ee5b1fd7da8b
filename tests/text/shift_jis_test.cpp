// Shift-JIS, the encoding of the program's texts: lead bytes, cuts by whole characters and
// UTF-8 both ways, with the same results from iconv and from the code-page functions. The
// expected bytes are those of the JIS X 0208 and code page 932 tables.
#include "text/shift_jis.h"

#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(ShiftJis, LeadBytesAndCutsByWholeCharacters)
{
    for (int c = 0; c < 256; ++c) {
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        EXPECT_EQ(IsSjisLeadByte(static_cast<unsigned char>(c)), lead) << c;
    }
    struct Case { const char* text; size_t maxBytes; const char* prefix; };
    const Case cases[] = {
        {"三重県", 5, "三重"}, {"三重県", 6, "三重県"}, {"三重県", 3, "三"},
        {"表a表", 4, "表a"},   // 表 (95 5C): its second byte is no separator
        {"ｸﾞﾗﾌ", 3, "ｸﾞﾗ"},   // half-width katakana: one byte each
        {"abc", 0, ""},       {"", 2, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(SjisPrefix(c.text, c.maxBytes), c.prefix) << c.text;
}

TEST(ShiftJis, PortTextsAlwaysComeOutAsUtf8)
{
    struct { std::string sjis; const char* utf8; } cases[] = {
        {"\x94\xf6\x98\x68", u8"尾鷲"},
        {"\xb1\xb2", u8"ｱｲ"},                       // half-width katakana
        {"\x94", "?"},                               // a lead byte cut off at the end
        {std::string("a\x80" "b\xff", 4), "a?b?"},  // bytes that are no character
        {"\x81\x20", "? "},                          // a lead byte before a blank
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SjisToUtf8(c.sjis), c.utf8) << c.utf8;
}

TEST(ShiftJis, FileNamesAreNeverBentIntoOtherCharacters)
{
    // A character code page 932 lacks is no character of it: "café" must not name cafe.
    const std::string sjis = Utf8ToSjis(u8"café.MV2");
    EXPECT_EQ(sjis.compare(0, 4, "caf?"), 0) << sjis;
    EXPECT_EQ(sjis.find("cafe"), std::string::npos);
    EXPECT_EQ(sjis.substr(sjis.size() - 4), ".MV2");
    EXPECT_EQ(Utf8ToSjis(u8"24尾鷲"), "24\x94\xf6\x98\x68");
}

} // namespace
} // namespace marevo
