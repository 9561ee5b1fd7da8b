// The program's Shift-JIS texts and paths at the system's wide interface, run under each
// system code page of the tests (932, 1252, 65001): the same results whatever the ANSI code
// page. The expected texts are the compiler's own conversions of this source (narrow
// literals into code page 932, wide ones into UTF-16).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "text/wide_text.h"

namespace marevo {
namespace {

TEST(WideText, TheTestRunsUnderTheCodePageItWasMeantFor)
{
    // Without the generated locale Wine quietly takes 1252, and the run would test nothing.
    std::printf("ANSI code page %u\n", GetACP());
    if (const char* expected = std::getenv("MAREVO_EXPECT_ACP")) {
        EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
}

TEST(WideText, TextsConvertByCodePage932)
{
    struct Case { const char* sjis; const wchar_t* wide; };
    const Case cases[] = {
        {"尾鷲", L"尾鷲"},
        {"24表示.MV2", L"24表示.MV2"},     // second byte 0x5C, no separator
        {"ｸﾞﾗﾌ再表示(&V)", L"ｸﾞﾗﾌ再表示(&V)"}, // half-width katakana: one byte each
        {"～①", L"～①"},                 // the code page's own table (not JIS X 0208's)
        {"Version,3.03", L"Version,3.03"},
        {"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideFromSjis(c.sjis), c.wide) << c.sjis;
        EXPECT_EQ(SjisFromWide(c.wide), c.sjis) << c.sjis;
    }
    // What the code page lacks is '?', not a look-alike ("é" would be "e").
    EXPECT_EQ(SjisFromWide(L"Zo\u00e9港"), "Zo?港");
    // Cut to a number of bytes without halving a double-byte character.
    EXPECT_EQ(SjisFromWide(L"尾鷲港", 5), "尾鷲");
    EXPECT_EQ(SjisFromWide(L"ｸﾞﾗﾌ", 3), "ｸﾞﾗ");
}

TEST(WideText, FilesOpenByTheirShiftJisPathsWhereverTheProgramLies)
{
    // A folder whose name the code page lacks is taken by its short name; a Japanese file
    // name is the name on disk.
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring folder = std::wstring(temp) + L"marevo-Zo\u00eb";
    const std::wstring file = folder + L"\\24尾鷲表.MV2";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::FILE* f = _wfopen(file.c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    std::fputs("x", f);
    std::fclose(f);
    const std::string path = SjisPathOf(file.c_str());
    EXPECT_EQ(path.find('?'), std::string::npos) << path;
    f = OpenSjisFile(path.c_str(), "rb");
    EXPECT_NE(f, nullptr) << path;
    if (f) {
        EXPECT_EQ(std::fgetc(f), 'x');
        std::fclose(f);
    }
    EXPECT_EQ(SjisPathOf((std::wstring(temp) + L"尾鷲.MV2").c_str()), SjisFromWide(temp) + "尾鷲.MV2");
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
} // namespace marevo
