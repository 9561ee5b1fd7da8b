// Start-up and main window: placement without settings, the notice window, the refused
// second copy, resources (strings, menu, accelerators) and the toolbar's buttons.
#include <cstdio>
#include <string>
#include <vector>


#include "program_fixture.h"

#include "app/ids.h"
#include "app/main_window.h"
#include "text/wide_text.h"
#include "views/tide_table_view.h"

namespace marevo {
namespace {

class StartupTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
    }
};

// The program's executable as Wine sees a path of the build machine (through drive Z:).
std::string ExePath()
{
    std::string exe = MAREVO_EXE;
    if (exe[0] == '/') {
        for (char& c : exe) if (c == '/') c = '\\';
        exe = "Z:" + exe;
    }
    return exe;
}

RECT WindowRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

TEST_F(StartupTest, WithoutSettingsTheWindowsTakeTheirDefaultPlaces)
{
    // The main window's and the tree's default places are those saved at the first exit
    // (settings tests); the notice is centred on the main window.
    Start(SW_SHOWNORMAL, false);
    ASSERT_TRUE(IsWindow(app.NoticeWindow));
    const RECT notice = WindowRect(app.NoticeWindow);
    EXPECT_EQ(notice.left, 271);
    EXPECT_EQ(notice.top, 220);

    char className[32];
    GetClassNameA(app.MainWindow, className, sizeof className);
    EXPECT_STREQ(className, "Marevo");
    EXPECT_EQ(Text(app.MainWindow), "Marevo");
    EXPECT_EQ(Text(app.PrefLabel), "三重県");
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");
    EXPECT_EQ(Text(app.FirstSlash), "/");
    EXPECT_EQ(Text(app.SecondSlash), "/");
    int year, month, day;
    TodayDate(year, month, day);
    ExpectDate(year, month, day);

    // Tide-table period and bar graph; the picture of the saved port is drawn.
    ExpectShown(-1, 1);
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, TideTableWidth(*app.session.Model()->tideTable));
    EXPECT_EQ(ClientSize(app.CanvasWindow).cy, 700);
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_TRUE(messages.empty());
}

TEST(SingleInstance, ASecondCopyEndsAtOnceWithCodeZero)
{
    // The first call creates the mutex for this process; any later start is refused.
    IsAlreadyRunning();
    EXPECT_EQ(IsAlreadyRunning(), 1);

    const std::string exe = ExePath();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + exe + "\"";
    ASSERT_TRUE(CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << exe;
    const DWORD waited = WaitForSingleObject(process.hProcess, 20000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "the second copy kept running";
    DWORD code = 12345;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The executable says its version in its version information as the version dialog does,
// and its manifest brings the common controls 6 (the same resources are linked here).
TEST(Resources, VersionInformationAgreesWithTheVersionText)
{
    const std::string exe = ExePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << exe;
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block.data()));
    char* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041104B0\\ProductVersion",
                               reinterpret_cast<void**>(&product), &length));
    char versionText[30] = {};
    LoadStringA(GetModuleHandleA(nullptr), STR_VERSION, versionText, sizeof versionText);
    EXPECT_EQ("Version," + std::string(product), versionText);
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    char numbers[16];
    std::snprintf(numbers, sizeof numbers, "%d.%02d", HIWORD(fixed->dwProductVersionMS),
                  LOWORD(fixed->dwProductVersionMS));
    EXPECT_STREQ(numbers, product);
}

// The manifest linked in asks for the common controls 6.
TEST(Resources, ManifestAsksForTheCommonControls6)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string manifest(text, SizeofResource(module, found));
    const size_t controls = manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"");
    EXPECT_NE(controls, std::string::npos);
    EXPECT_LT(manifest.find("<dependentAssembly>"), controls);
}

TEST(Resources, StringsMenuAndAcceleratorsReadBackInShiftJis)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    struct Row { int id; const char* text; };
    const Row strings[] = {
        {TB_REDRAW, "ｸﾞﾗﾌ表示"}, {TB_PRINT, "印刷"}, {TB_COPY, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ"},
        {TB_MINUS7, "-７日"}, {TB_MINUS1, "-１日"}, {TB_TODAY, "本日"}, {TB_PLUS1, "+１日"},
        {TB_PLUS7, "+７日"}, {TB_BARS, "棒ｸﾞﾗﾌ"}, {TB_PERIOD1, "表示期間１日"},
        {TB_PERIOD7, "表示期間７日"}, {TB_PERIOD42, "表示期間４２日"}, {TB_TABLE, "潮見表"},
        {STR_VERSION, "Version,3.03"},
    };
    for (const Row& row : strings) {
        // Read wide and converted as the program does, so that any code page reads them.
        wchar_t text[64] = {};
        LoadStringW(instance, row.id, text, 64);
        EXPECT_EQ(SjisFromWide(text), row.text) << row.id;
    }

    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDM_MAIN));
    ASSERT_NE(menu, nullptr);
    const Row items[] = {
        {CMD_PRINT, "印刷(&P)"}, {CMD_PRINT_SETTINGS, "印刷設定(&S)"}, {CMD_EXIT, "終了(&Q)"},
        {CMD_COPY, "ｺﾋﾟｰ(&C)"}, {CMD_REDRAW, "ｸﾞﾗﾌ再表示(&V)\tF5"}, {CMD_TODAY, "本日\tF8"},
        {CMD_MINUS7, "-7日\tF1"}, {CMD_MINUS1, "-1日\tF2"}, {CMD_PLUS1, "+1日\tF3"},
        {CMD_PLUS7, "+7日\tF4"}, {CMD_PERIOD1, "1日"}, {CMD_PERIOD7, "7日"},
        {CMD_PERIOD42, "42日"}, {CMD_TABLE, "潮見表"}, {CMD_BARS, "棒ｸﾞﾗﾌ"},
        {CMD_LINES, "線ｸﾞﾗﾌ"}, {CMD_HELP, "Marevoのﾍﾙﾌﾟ(&T)"}, {CMD_VERSION, "ﾊﾞｰｼﾞｮﾝ情報(&V)"},
    };
    for (const Row& row : items) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, row.id, text, 64, MF_BYCOMMAND);
        EXPECT_EQ(SjisFromWide(text), row.text) << row.id;
    }
    const char* const tops[] = {"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾂｰﾙ(&T)", "ﾍﾙﾌﾟ(&H)"};
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    for (int i = 0; i < 5; ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        EXPECT_EQ(SjisFromWide(text), tops[i]);
    }
    DestroyMenu(menu);

    HACCEL table = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN));
    ACCEL keys[16];
    const int count = CopyAcceleratorTableA(table, keys, 16);
    ASSERT_EQ(count, 6);
    const int expected[][2] = {{VK_F1, CMD_MINUS7}, {VK_F2, CMD_MINUS1}, {VK_F3, CMD_PLUS1},
                               {VK_F4, CMD_PLUS7},  {VK_F5, CMD_REDRAW}, {VK_F8, CMD_TODAY}};
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(keys[i].key, expected[i][0]);
        EXPECT_EQ(keys[i].cmd, expected[i][1]);
        EXPECT_EQ(keys[i].fVirt & ~FNOINVERT, FVIRTKEY);
    }
    DestroyAcceleratorTable(table);

    EXPECT_NE(LoadCursorA(instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR)), nullptr);
    EXPECT_NE(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAREVO), IMAGE_ICON, 16, 16, 0), nullptr);
    BITMAP strip = {};
    HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR));
    ASSERT_NE(bitmap, nullptr);
    GetObjectA(bitmap, sizeof strip, &strip);
    EXPECT_EQ(strip.bmWidth, 13 * 16);
    EXPECT_EQ(strip.bmHeight, 16);
    DeleteObject(bitmap);
}

TEST_F(StartupTest, ToolbarHasThirteenButtonsInFiveGroupsWithTheirTooltips)
{
    Start();
    ASSERT_EQ(SendMessageA(app.Toolbar, TB_BUTTONCOUNT, 0, 0), 17);
    const int order[17] = {TB_REDRAW, TB_PRINT, 0, TB_COPY, 0, TB_MINUS7, TB_MINUS1, TB_TODAY,
                           TB_PLUS1, TB_PLUS7, 0, TB_BARS, 0, TB_PERIOD1, TB_PERIOD7,
                           TB_PERIOD42, TB_TABLE};
    int image = 0;
    for (int i = 0; i < 17; ++i) {
        TBBUTTON button = {};
        SendMessageA(app.Toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (order[i] == 0) {
            EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP) << i;
            continue;
        }
        EXPECT_EQ(button.idCommand, order[i]) << i;
        EXPECT_EQ(button.iBitmap, image++) << i;
        EXPECT_TRUE(button.fsState & TBSTATE_ENABLED) << i;
        // Its tooltip is its string.
        NMTTDISPINFOA request = {};
        request.hdr.hwndFrom = app.Toolbar;
        request.hdr.idFrom = order[i];
        request.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(app.MainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ(request.lpszText, MAKEINTRESOURCEA(order[i])) << i;
        EXPECT_EQ(request.hinst, app.Instance) << i;
    }
    // No tooltip for what is no button.
    NMTTDISPINFOA other = {};
    other.hdr.idFrom = CMD_EXIT;
    other.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(app.MainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(other.lpszText, nullptr);
    EXPECT_EQ(other.hinst, app.Instance);
    // The labels and the calendar button sit inside the toolbar, right of the buttons.
    EXPECT_EQ(GetParent(app.SiteBox), app.Toolbar);
    EXPECT_EQ(GetParent(app.PortLabel), app.SiteBox);
    EXPECT_EQ(GetParent(app.DayLabel), app.DateBox);
    EXPECT_EQ(GetDlgCtrlID(app.CalendarButton), ID_CALENDAR_BUTTON);
    EXPECT_EQ(Text(app.CalendarButton), "*");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(app.DayLabel, WM_GETFONT, 0, 0)), app.UiFont.get());
}

// A port name of four full-width characters shows whole in the toolbar's port label (not cut
// to three, the fourth wrapped below), and the boxes right of it do not overlap.
TEST_F(StartupTest, FourCharacterPortNameShowsWhole)
{
    WritePort({"39土佐清水.MV2", "土佐清水", 32.47, 132.58});
    Start();
    SelectPort(39, "土佐清水");
    ASSERT_EQ(Text(app.PortLabel), "土佐清水");
    SIZE text = {};
    HDC dc = GetDC(app.PortLabel);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(app.PortLabel, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32A(dc, "土佐清水", 8, &text);
    SelectObject(dc, old);
    ReleaseDC(app.PortLabel, dc);
    EXPECT_LE(text.cx, ClientSize(app.PortLabel).cx);
    EXPECT_LE(text.cy, ClientSize(app.PortLabel).cy);

    const RECT label = WindowRect(app.PortLabel), site = WindowRect(app.SiteBox);
    const RECT date = WindowRect(app.DateBox), button = WindowRect(app.CalendarButton);
    EXPECT_LT(label.right, site.right);
    EXPECT_LT(site.right, date.left);
    EXPECT_LE(date.right, button.left);
}

} // namespace
} // namespace marevo
