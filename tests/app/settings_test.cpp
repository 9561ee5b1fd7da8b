// marevo.ini through the real window: saved and restored, odd placements, UTF-8 and UTF-16 files,
// saves refused. Keys and where a refused save goes: the shell's SettingsValues, SettingsFile.
#include <algorithm>
#include <string>
#include <utility>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/port_tree.h"
#include "app/settings.h"
#include "app/ui_seam.h"
#include "text/wide_text.h"

namespace marevo {
namespace {

// The settings file the user keeps, with lines of the user's own.
const std::string UsersFile = "; mine\r\n[WINDOWS]\r\nONEORSEVEN=7\r\nMyKey=1\r\n[MINE]\r\na=b\r\n";

class SettingsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        WritePort({"02八戸.MV2", "八戸", 40.32, 141.32});
    }
    bool Exists(const std::string& path)
    {
        return GetFileAttributesW(WideFromSjis(dir + path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    int Failures() { return std::count(messages.begin(), messages.end(), TextSettingsNotSaved); }
    // The settings saved with period 1 and the user's lines in the application data folder.
    void ExpectSavedInTheApplicationData()
    {
        const std::string saved = ReadFile("appdata\\Marevo\\marevo.ini");
        EXPECT_EQ(saved.compare(0, 8, "; mine\r\n"), 0) << saved;
        EXPECT_NE(saved.find("ONEORSEVEN=1\r\n"), std::string::npos) << saved;
        EXPECT_NE(saved.find("[MINE]\r\na=b\r\n"), std::string::npos) << saved;
        EXPECT_FALSE(Exists("appdata\\Marevo\\marevo.ini.tmp"));
    }
};

// What the tree, the window and the session hold, saved and restored, from a file in UTF-8 with
// its signature or UTF-16 of either byte order (read as such, written back in one section of
// the program's code page); a maximised or minimised window leaves the placement as it was.
TEST_F(SettingsTest, SavedAndRestoredFromAnyEncoding)
{
    const std::wstring wide = WideFromSjis("[TREE]\r\nKEN09=1\r\n[WINDOWS]\r\nONEORSEVEN=7\r\n"
                                           "[SITE]\r\nPREF=青森県\r\nPORT=八戸\r\n");
    std::string utf8 = "\xEF\xBB\xBF" + Utf8FromWide(wide), little = "\xFF\xFE", big = "\xFE\xFF";
    for (const wchar_t c : wide) {
        little += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        big += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    }
    const std::string placed = "\nXPosition=30\r\nYPosition=40\r\nWidth=700\r\nHeight=500\r\n"
                               "TreeWidth=160\r\n";
    for (const std::string& bytes : {utf8, little, big}) {
        SCOPED_TRACE(bytes.substr(0, 2) == "\xFE\xFF" ? "big" : bytes == utf8 ? "utf-8" : "little");
        WriteSettings(bytes);
        Start();
        EXPECT_TRUE(messages.empty());
        EXPECT_STREQ(ShownStation().StationName, "八戸");
        EXPECT_EQ(app.session.Period(), 7);
        TreeView_Expand(app.TreeControl, app.RegionItems[3], TVE_EXPAND);
        MoveWindow(app.MainWindow, 30, 40, 700, 500, TRUE);
        MoveWindow(app.TreePane, -5, 0, 160, 300, TRUE);
        SelectPort(24, "尾鷲");
        Command(CMD_PERIOD42);
        Stop();
        const std::pair<const char*, const char*> keys[] = {
            {"CHI2", "1"}, {"KEN02", "1"}, // opened to show the port at start
            {"CHI3", "1"}, {"CHI4", "0"}, {"KEN09", "1"}, // a code without a node
            {"PREF", "三重県"}, {"PORT", "尾鷲"}, {"ONEORSEVEN", "42"}};
        for (const auto& [key, value] : keys) EXPECT_EQ(IniValue(key), value) << key;
        const std::string file = ReadFile("marevo.ini");
        EXPECT_NE(file.find(placed), std::string::npos) << file;
        EXPECT_EQ(file.compare(0, 6, "[TREE]"), 0) << file.substr(0, 20);
        EXPECT_EQ(file.find("[TREE]", 1), std::string::npos); // one section, not two
    }
    for (const int show : {SW_MAXIMIZE, SW_MINIMIZE}) {
        Start();
        for (HTREEITEM item : {app.RegionItems[3], app.RegionItems[4]})
            EXPECT_EQ(TreeView_GetItemState(app.TreeControl, item, TVIS_EXPANDED) & TVIS_EXPANDED,
                      item == app.RegionItems[3] ? TVIS_EXPANDED : 0u);
        EXPECT_STREQ(ShownStation().StationName, "尾鷲");
        ExpectShown(show == SW_MAXIMIZE ? 42 : 1, 1);
        RECT r = {}, restored = {30, 40, 730, 540};
        GetWindowRect(app.MainWindow, &r);
        EXPECT_TRUE(EqualRect(&r, &restored)) << r.left << " " << r.right;
        Command(CMD_PERIOD1);
        ShowWindow(app.MainWindow, show);
        Pump();
        Stop();
        EXPECT_NE(ReadFile("marevo.ini").find(placed), std::string::npos);
        EXPECT_EQ(IniValue("ONEORSEVEN"), "1");
    }
}

// Windows off the screen, tiny or huge, trees too narrow or wide: it draws, scrolls, saves.
TEST_F(SettingsTest, WindowsOffScreenTinyOrHugeStillDraw)
{
    const struct { const char* values; int treeWidth; } cases[] = { // 0: any, at least 35
        {"XPosition=-2000\r\nYPosition=20000\r\nTreeWidth=10\r\n", 35},
        {"Width=0\r\nHeight=0\r\nTreeWidth=99999\r\n", 0}, {"Width=-300\r\nHeight=-1\r\n", 0},
        {"Width=99999\r\nHeight=99999\r\nTreeWidth=-50\r\n", 0},
        {"TreeWidth=zz\r\n", -1}, // reads as 0: the width that fits the names
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values);
        WriteSettings(std::string("[WINDOWS]\r\n") + c.values);
        Start();
        EXPECT_TRUE(messages.empty());
        Command(CMD_PERIOD42);
        EXPECT_GT(PaintedPixels(), 1000);
        SendMessageA(app.GraphPane, WM_VSCROLL, SB_PAGEDOWN, 0);
        SendMessageA(app.GraphPane, WM_HSCROLL, SB_PAGEDOWN, 0);
        Pump();
        EXPECT_TRUE(Running());
        RECT placed = {};
        GetWindowRect(app.MainWindow, &placed);
        const int treeWidth = c.treeWidth < 0 ? FittingTreeWidth(app) : c.treeWidth;
        Stop();
        EXPECT_EQ(IniValue("XPosition"), std::to_string(placed.left));
        EXPECT_EQ(IniValue("Width"), std::to_string(placed.right - placed.left));
        EXPECT_GE(std::stoi(IniValue("TreeWidth")), 35);
        EXPECT_TRUE(!treeWidth || IniValue("TreeWidth") == std::to_string(treeWidth)) << treeWidth;
    }
}

// A marevo.ini read-only or held open stays, the failure said once; a folder refusing the file
// (access denied to marevo.ini.tmp) sends it to %APPDATA%\Marevo. The next start reads it.
TEST_F(SettingsTest, SavesThePlatformRefuses)
{
    const std::wstring ini = WideFromSjis(dir + "marevo.ini");
    enum Refusal { ReadOnly, Held, Folder };
    for (const Refusal refusal : {ReadOnly, Held, Folder}) {
        SCOPED_TRACE(refusal);
        WriteSettings(UsersFile);
        HANDLE holder = refusal != Held ? INVALID_HANDLE_VALUE
                                        : CreateFileW(ini.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                      nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_TRUE(refusal != ReadOnly ||
                    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
        ASSERT_TRUE(refusal != Folder ||
                    CreateDirectoryW(WideFromSjis(dir + "marevo.ini.tmp").c_str(), nullptr));
        Start();
        EXPECT_EQ(app.settings.DisplayPeriod, 7);
        Command(CMD_PERIOD1);
        SavePrinterSettings(app);
        Stop();
        if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
        SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(Failures(), refusal == Folder ? 0 : 1);
        messages.clear();
        EXPECT_EQ(ReadFile("marevo.ini"), UsersFile);
        if (refusal == Folder) ExpectSavedInTheApplicationData();
        EXPECT_EQ(Exists("appdata\\Marevo"), refusal == Folder);
        EXPECT_EQ(Exists("marevo.ini.tmp"), refusal == Folder); // there the test's own folder
        Start();
        EXPECT_EQ(app.session.Period(), refusal == Folder ? 1 : 7);
        Stop();
    }
}

// A program folder made immutable by the test's command: the settings go to the application data.
class FrozenFolderTest : public SettingsTest {};

TEST_F(FrozenFolderTest, SettingsGoToTheApplicationData)
{
    char unixPath[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("MAREVO_FROZEN_FOLDER", unixPath, sizeof unixPath))
        GTEST_SKIP() << "run by the test app_frozen_folder_settings";
    std::string frozen = std::string("Z:") + unixPath + "\\";
    std::replace(frozen.begin(), frozen.end(), '/', '\\');
    if (CreateDirectoryW(WideFromSjis(frozen + "probe").c_str(), nullptr)) {
        RemoveDirectoryW(WideFromSjis(frozen + "probe").c_str());
        GTEST_SKIP() << frozen << " takes new folders (chattr +i refused)";
    }
    const std::string own = dir;
    dir = frozen;
    const std::string before = ReadFile("marevo.ini");
    ASSERT_NE(before.find("[MINE]"), std::string::npos);
    Start();
    Command(CMD_PERIOD1);
    Stop();
    EXPECT_EQ(ReadFile("marevo.ini"), before);
    dir = own;
    EXPECT_EQ(Failures(), 0);
    ExpectSavedInTheApplicationData();
}

} // namespace
} // namespace marevo
