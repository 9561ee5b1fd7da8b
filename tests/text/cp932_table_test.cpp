// The program's own code page 932 table against the C library's iconv (the conversion of the
// native build): every single byte and every double-byte sequence read the same, every
// character of the table is written back with the code iconv writes, and a few characters
// are checked against the code page's published table.
#include "text/cp932_table.h"

#include <gtest/gtest.h>

#include "text/shift_jis.h"

namespace marevo {
namespace {

TEST(Cp932Table, ReadsEveryByteAndPairAsIconvDoes)
{
    int differ = 0;
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        if (Cp932ToUtf8(one) != SjisToUtf8(one) && ++differ < 10) ADD_FAILURE() << first;
        for (int second = 0; second < 256; ++second) {
            const std::string two{static_cast<char>(first), static_cast<char>(second)};
            if (Cp932ToUtf8(two) != SjisToUtf8(two) && ++differ < 10)
                ADD_FAILURE() << std::hex << first << ' ' << second;
        }
    }
    EXPECT_EQ(differ, 0);
}

TEST(Cp932Table, WritesEveryCharacterAsIconvDoes)
{
    int characters = 0, differ = 0;
    for (unsigned code = 0x8140; code <= 0xFCFC; ++code) {
        const char32_t c = Cp932Character(code);
        if (c == 0) continue;
        ++characters;
        const std::string two{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        const std::string utf8 = Cp932ToUtf8(two);
        if (Utf8ToCp932(utf8) != Utf8ToSjis(utf8) && ++differ < 10)
            ADD_FAILURE() << std::hex << code << " U+" << unsigned(c);
    }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(characters, 7000); // JIS X 0208 and Microsoft's additions
}

TEST(Cp932Table, PublishedCodes)
{
    struct Case { char32_t character; int code; };
    const Case cases[] = {
        {U'表', 0x955C}, {U'潮', 0x92AA}, {U'～', 0x8160}, {U'①', 0x8740}, {U'ｱ', 0xB1},
        {U'ⅰ', 0xFA40}, // IBM's row, not NEC's copy (EEEF)
        {U'≒', 0x81E0}, // JIS row 2, not NEC's row 13 (8790)
        {U'\u00e9', -1},     {U'\u00A5', -1},
    };
    for (const Case& c : cases) EXPECT_EQ(Cp932CodeOf(c.character), c.code) << c.code;
    EXPECT_EQ(Utf8ToCp932(u8"尾鷲～\u00e9"), "\x94\xf6\x98\x68\x81\x60?");
    EXPECT_EQ(Cp932ToUtf8("\x95\x5c\xa0\x81"), u8"表??");
}

} // namespace
} // namespace marevo
