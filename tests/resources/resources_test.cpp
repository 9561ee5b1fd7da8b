// The resources linked into Marevo.exe, read as the program reads them: the version
// information, the manifest, texts in Shift-JIS whatever the code page, the keys, the
// cursor, the icon and the toolbar's image strip.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/ids.h"
#include "text/wide_text.h"

namespace marevo {
namespace {

// The program's executable as Wine sees a path of the build machine (through drive Z:).
std::string ExePath()
{
    std::string exe = MAREVO_EXE;
    for (char& c : exe) if (c == '/') c = '\\';
    return exe[0] == '\\' ? "Z:" + exe : exe;
}

// The resources linked in: the version information says the version text's number, the
// manifest asks for the common controls 6; texts read back in Shift-JIS (half-width kana,
// full-width digits, tabs) whatever the code page; the keys and the bitmaps' sizes.
TEST(Resources, VersionManifestTextsKeysAndBitmaps)
{
    const std::string exe = ExePath();
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(exe.c_str(), &ignored));
    ASSERT_FALSE(block.empty()) << exe;
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, block.size(), block.data()));
    char* product = nullptr;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041104B0\\ProductVersion",
                               reinterpret_cast<void**>(&product), &length));
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_STREQ(product, "3.03"); // as the version text below
    EXPECT_EQ(HIWORD(fixed->dwProductVersionMS), 3u);
    EXPECT_EQ(LOWORD(fixed->dwProductVersionMS), 3u);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest(
        static_cast<const char*>(LockResource(LoadResource(instance, found))),
        SizeofResource(instance, found));
    const size_t controls =
        manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"");
    EXPECT_NE(controls, std::string::npos);
    EXPECT_LT(manifest.find("<dependentAssembly>"), controls);

    // Samples of each kind of text, read wide and converted as the program does.
    const std::pair<int, const char*> strings[] = {
        {STR_VERSION, "Version,3.03"}, {TB_COPY, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ"}, {TB_MINUS7, "-７日"},
        {TB_PERIOD42, "表示期間４２日"}, {TB_TABLE, "潮見表"}};
    for (const auto& [id, text] : strings) {
        wchar_t wide[64] = {};
        LoadStringW(instance, id, wide, 64);
        EXPECT_EQ(SjisFromWide(wide), text) << id;
    }
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDM_MAIN));
    ASSERT_NE(menu, nullptr);
    auto menuText = [&](UINT item, UINT by) {
        wchar_t wide[64] = {};
        GetMenuStringW(menu, item, wide, 64, by);
        return SjisFromWide(wide);
    };
    const std::pair<int, const char*> items[] = {
        {CMD_REDRAW, "ｸﾞﾗﾌ再表示(&V)\tF5"}, {CMD_PLUS7, "+7日\tF4"}, {CMD_LINES, "線ｸﾞﾗﾌ"},
        {CMD_HELP, "Marevoのﾍﾙﾌﾟ(&T)"}, {CMD_PERIOD42, "42日"}};
    for (const auto& [id, text] : items) EXPECT_EQ(menuText(id, MF_BYCOMMAND), text) << id;
    for (int id : {CMD_PRINT, CMD_PRINT_SETTINGS, CMD_EXIT, CMD_COPY, CMD_REDRAW, CMD_TODAY,
                   CMD_MINUS7, CMD_MINUS1, CMD_PLUS1, CMD_PLUS7, CMD_PERIOD1, CMD_PERIOD7,
                   CMD_PERIOD42, CMD_TABLE, CMD_BARS, CMD_LINES, CMD_HELP, CMD_VERSION})
        EXPECT_FALSE(menuText(id, MF_BYCOMMAND).empty()) << id;
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(menuText(0, MF_BYPOSITION), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(menuText(4, MF_BYPOSITION), "ﾍﾙﾌﾟ(&H)");
    DestroyMenu(menu);

    HACCEL table = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN));
    ACCEL keys[16];
    ASSERT_EQ(CopyAcceleratorTableA(table, keys, 16), 6);
    const int expected[][2] = {{VK_F1, CMD_MINUS7}, {VK_F2, CMD_MINUS1}, {VK_F3, CMD_PLUS1},
                               {VK_F4, CMD_PLUS7},  {VK_F5, CMD_REDRAW}, {VK_F8, CMD_TODAY}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(keys[i].key, expected[i][0]);
        EXPECT_EQ(keys[i].cmd, expected[i][1]);
        EXPECT_EQ(keys[i].fVirt & ~FNOINVERT, FVIRTKEY);
    }
    DestroyAcceleratorTable(table);

    EXPECT_NE(LoadCursorA(instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR)), nullptr);
    EXPECT_NE(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAREVO), IMAGE_ICON, 16, 16, 0), nullptr);
    BITMAP strip = {};
    HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR));
    ASSERT_TRUE(GetObjectA(bitmap, sizeof strip, &strip));
    EXPECT_EQ(strip.bmWidth, 13 * 16); // one 16-pixel image a button
    EXPECT_EQ(strip.bmHeight, 16);
    DeleteObject(bitmap);
}

} // namespace
} // namespace marevo
