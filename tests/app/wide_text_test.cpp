// The program's Shift-JIS texts at the system's wide interface, run under each system code
// page of the tests (932, 1252, 65001): the same results whatever the ANSI code page. The
// expected texts are the compiler's own conversions of this source (narrow literals into
// code page 932, wide ones into UTF-16).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "views/gdi/gdi_canvas.h"
#include "text/wide_text.h"
#include "window_probe.h"

namespace marevo {
namespace {

TEST(WideText, TheTestRunsUnderTheCodePageItWasMeantFor)
{
    // Without the generated locale Wine quietly takes 1252, and the run would test nothing.
    const char* expected = std::getenv("MAREVO_EXPECT_ACP");
    std::printf("ANSI code page %u\n", GetACP());
    if (expected) {
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

TEST(WideText, TheCanvasDrawsTheCharactersOfItsTexts)
{
    constexpr int Width = 160, Height = 20;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, Width, 2 * Height);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, Width, 2 * Height, WHITENESS);
    {
        GdiCanvas canvas(dc);
        canvas.SelectViewFont(ViewFace, 16, 0, 400, false);
        canvas.PutText(0, 0, "尾鷲 潮見表 大潮");
        // The same characters, handed to the system as they are, in the font the canvas chose.
        const wchar_t expected[] = L"尾鷲 潮見表 大潮";
        TextOutW(dc, 0, Height, expected, static_cast<int>(wcslen(expected)));
        canvas.ReleaseViewFont();
    }
    const std::vector<COLORREF> pixels = PixelsOf(dc, Width, 2 * Height);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    const size_t half = pixels.size() / 2;
    int ink = 0;
    for (size_t i = 0; i < half; ++i) ink += pixels[i] != RGB(255, 255, 255);
    EXPECT_GT(ink, 100); // drawn at all
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.begin() + half, pixels.begin() + half));
}

} // namespace
} // namespace marevo
