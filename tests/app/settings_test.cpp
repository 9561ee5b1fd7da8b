// marevo.ini through the real window: the tree expansion, placement and site saved at exit
// and restored at the next start, the placement keys of a maximised or minimised window,
// files an editor saved as UTF-8 or UTF-16, windows placed off the screen or too small,
// and saves the platform refuses (a read-only or held file, a folder that refuses the file,
// the application data folder). Which key holds what: the shell's settings tests.
#include <cstdio>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/port_tree.h"
#include "app/settings.h"
#include "app/system_text.h"
#include "app/ui_seam.h"
#include "text/wide_text.h"

namespace marevo {
namespace {

class SettingsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        WritePort({"02八戸.MV2", "八戸", 40.32, 141.32});
    }
    bool Expanded(HTREEITEM item)
    {
        return SendMessageA(app.TreeControl, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item),
                            TVIS_EXPANDED) & TVIS_EXPANDED;
    }
    void Expand(HTREEITEM item)
    {
        SendMessageA(app.TreeControl, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    }
    bool Exists(const std::string& relativePath)
    {
        return GetFileAttributesW(WideFromSjis(dir + relativePath).c_str()) !=
               INVALID_FILE_ATTRIBUTES;
    }
    int FailureMessages()
    {
        int n = 0;
        for (const std::string& m : messages) n += m == TextSettingsNotSaved;
        return n;
    }
};

TEST_F(SettingsTest, TreePlacementAndSiteAreSavedAndRestored)
{
    WriteSettings("[TREE]\r\nKEN09=1\r\n"); // a code without a node
    Start();
    Expand(app.RegionItems[2]);
    Expand(app.PrefectureItems[2]);
    MoveWindow(app.MainWindow, 30, 40, 700, 500, TRUE);
    MoveWindow(app.TreePane, -5, 0, 160, 300, TRUE);
    SelectPort(2, "八戸");
    Command(CMD_PERIOD7);
    Stop();
    const struct { const char* key; const char* value; } keys[] = {
        {"CHI2", "1"}, {"KEN02", "1"}, {"CHI3", "0"}, {"KEN09", "1"},
        {"KEN24", "1"}, // opened to show the port at start
        {"XPosition", "30"}, {"YPosition", "40"}, {"Width", "700"}, {"Height", "500"},
        {"TreeWidth", "160"}, {"PREF", "青森県"}, {"PORT", "八戸"}, {"ONEORSEVEN", "7"},
        {"PrinterRatio", " 1.0"},
    };
    for (const auto& k : keys) EXPECT_EQ(IniValue(k.key), k.value) << k.key;

    Start();
    EXPECT_TRUE(Expanded(app.RegionItems[2]));
    EXPECT_TRUE(Expanded(app.PrefectureItems[2]));
    EXPECT_FALSE(Expanded(app.RegionItems[3]));
    EXPECT_STREQ(ShownStation().StationName, "八戸");
    ExpectShown(7, 1);
    RECT r = {};
    GetWindowRect(app.MainWindow, &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.right - r.left, 700);
}

class PlacementTest : public SettingsTest, public ::testing::WithParamInterface<int> {};

TEST_P(PlacementTest, MaximisedOrMinimisedWindowLeavesTheGeometryKeys)
{
    WriteSettings("[WINDOWS]\r\nXPosition=5\r\nYPosition=6\r\nWidth=700\r\nHeight=470\r\n"
                  "TreeWidth=130\r\nONEORSEVEN=1\r\n");
    Start();
    Command(CMD_PERIOD7);
    ShowWindow(app.MainWindow, GetParam());
    Pump();
    Stop();
    const char* const keys[][2] = {{"XPosition", "5"}, {"YPosition", "6"}, {"Width", "700"},
                                   {"Height", "470"}, {"TreeWidth", "130"}, {"ONEORSEVEN", "7"}};
    for (const auto& k : keys) EXPECT_EQ(IniValue(k[0]), k[1]) << k[0];
}

INSTANTIATE_TEST_SUITE_P(ShowStates, PlacementTest, ::testing::Values(SW_MAXIMIZE, SW_MINIMIZE));

// Windows far off the screen, without a size or huge, trees narrower than the minimum or
// wider than the window: the program draws, and saves the place the window had.
TEST_F(SettingsTest, WindowsOffScreenTinyOrHugeStillDraw)
{
    const char* const cases[] = {
        "XPosition=-2000\r\nYPosition=20000\r\nTreeWidth=10\r\n",
        "Width=0\r\nHeight=0\r\nTreeWidth=99999\r\n",
        "Width=-300\r\nHeight=-1\r\n",
        "Width=99999\r\nHeight=99999\r\nTreeWidth=-50\r\n",
        "TreeWidth=zz\r\n", // reads as 0: the width that fits the names
    };
    for (const char* values : cases) {
        SCOPED_TRACE(values);
        WriteSettings(std::string("[WINDOWS]\r\n") + values);
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
        const int fitting = FittingTreeWidth(app);
        Stop();
        EXPECT_EQ(IniValue("XPosition"), std::to_string(placed.left));
        EXPECT_EQ(IniValue("Width"), std::to_string(placed.right - placed.left));
        EXPECT_GE(std::stoi(IniValue("TreeWidth")), 35);
        if (std::string(values) == "TreeWidth=zz\r\n")
            EXPECT_EQ(IniValue("TreeWidth"), std::to_string(fitting));
        if (std::string(values).find("TreeWidth=10\r") != std::string::npos)
            EXPECT_EQ(IniValue("TreeWidth"), "35");
    }
}

// A file an editor saved with the UTF-8 signature or as "Unicode" (UTF-16 with its signature,
// either byte order), which the platform reads as such: its texts are read as the names they
// are, and what is saved at exit is what the next start reads, in one section of the
// program's code page.
TEST_F(SettingsTest, FilesWithASignatureKeepWhatIsSaved)
{
    const std::wstring wide = WideFromSjis("[WINDOWS]\r\nONEORSEVEN=7\r\n[SITE]\r\nPREF=青森県\r\n"
                                           "PORT=八戸\r\n");
    std::string utf8 = "\xEF\xBB\xBF" + Utf8FromWide(wide), little = "\xFF\xFE", big = "\xFE\xFF";
    for (const wchar_t c : wide) {
        const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
        little += std::string{low, high};
        big += std::string{high, low};
    }
    for (const std::string& bytes : {utf8, little, big}) {
        SCOPED_TRACE(bytes.substr(0, 2) == "\xFE\xFF" ? "big" : bytes.size() == utf8.size() ? "utf-8" : "little");
        WriteSettings(bytes);
        Start();
        EXPECT_TRUE(messages.empty());
        EXPECT_STREQ(ShownStation().StationName, "八戸");
        EXPECT_EQ(app.session.Period(), 7);
        Command(CMD_PERIOD42);
        Stop();
        Start();
        EXPECT_EQ(app.session.Period(), 42);
        EXPECT_STREQ(ShownStation().StationName, "八戸");
        Stop();
        const std::string file = ReadFile("marevo.ini");
        EXPECT_EQ(file.compare(0, 9, "[WINDOWS]"), 0) << file.substr(0, 20);
        EXPECT_EQ(file.find("[WINDOWS]", 1), std::string::npos); // one section, not two
        EXPECT_NE(file.find("PORT=八戸\r\n"), std::string::npos);
    }
}

// The settings file the user keeps, with lines of the user's own.
const std::string UsersFile = "; mine\r\n[WINDOWS]\r\nONEORSEVEN=7\r\nMyKey=1\r\n[MINE]\r\na=b\r\n";

// A marevo.ini marked read-only or held open by another program without write sharing stays
// byte for byte as it was, no temporary file is left, the failure is said once however often
// the settings are saved, and the next start reads the old values.
TEST_F(SettingsTest, AFileThatCannotBeReplacedIsKeptAndTheFailureSaidOnce)
{
    const std::wstring ini = WideFromSjis(dir + "marevo.ini");
    for (const bool held : {false, true}) {
        SCOPED_TRACE(held ? "held open" : "read-only");
        WriteSettings(UsersFile);
        HANDLE holder = INVALID_HANDLE_VALUE;
        if (held)
            holder = CreateFileW(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        else
            ASSERT_TRUE(SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
        Start();
        EXPECT_EQ(app.settings.DisplayPeriod, 7);
        Command(CMD_PERIOD1);
        SavePrinterSettings(app);
        EXPECT_EQ(FailureMessages(), 1);
        Stop();
        if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
        SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(FailureMessages(), 1);
        messages.clear();
        EXPECT_EQ(ReadFile("marevo.ini"), UsersFile);
        EXPECT_FALSE(Exists("marevo.ini.tmp"));
        EXPECT_FALSE(Exists("appdata\\Marevo"));
        Start();
        EXPECT_EQ(app.session.Period(), 7);
        Stop();
    }
}

// A folder that refuses the new file: the settings, with the user's lines, go to
// %APPDATA%\Marevo\marevo.ini, and the file beside the program stays as it was. The next
// start reads them from there. (Run as the superuser, Wine lets a folder marked read-only
// be written; a folder of that name in the place of the temporary file is refused as a
// read-only folder refuses it, with access denied.)
TEST_F(SettingsTest, UnwritableFolderSavesInTheApplicationData)
{
    WriteSettings(UsersFile);
    ASSERT_TRUE(CreateDirectoryW(WideFromSjis(dir + "marevo.ini.tmp").c_str(), nullptr));
    Start();
    Command(CMD_PERIOD1);
    Stop();
    EXPECT_EQ(FailureMessages(), 0);
    EXPECT_EQ(ReadFile("marevo.ini"), UsersFile);
    const std::string saved = ReadFile("appdata\\Marevo\\marevo.ini");
    EXPECT_NE(saved.find("ONEORSEVEN=1\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[MINE]\r\na=b\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.compare(0, 8, "; mine\r\n"), 0) << saved;
    EXPECT_FALSE(Exists("appdata\\Marevo\\marevo.ini.tmp"));

    Start();
    EXPECT_EQ(app.settings.DisplayPeriod, 1);
    Command(CMD_PERIOD42);
    Stop();
    EXPECT_NE(ReadFile("appdata\\Marevo\\marevo.ini").find("ONEORSEVEN=42\r\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile("marevo.ini"), UsersFile);
}

// A program folder that really refuses new files (the test's command makes it immutable and
// names it in MAREVO_FROZEN_FOLDER): the settings, with the user's lines, go to the
// application data folder; the file beside the program stays as it was; nothing is said.
class FrozenFolderTest : public SettingsTest {};

TEST_F(FrozenFolderTest, SettingsGoToTheApplicationData)
{
    char unixPath[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("MAREVO_FROZEN_FOLDER", unixPath, sizeof unixPath))
        GTEST_SKIP() << "run by the test app_frozen_folder_settings";
    std::string frozen = std::string("Z:") + unixPath + "\\";
    for (char& c : frozen)
        if (c == '/') c = '\\';
    const std::wstring probe = WideFromSjis(frozen + "probe");
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        DeleteFileW(probe.c_str());
        GTEST_SKIP() << frozen << " takes new files (chattr +i refused)";
    }
    const std::string own = dir;
    dir = frozen;
    const std::string before = ReadFile("marevo.ini");
    ASSERT_NE(before.find("[MINE]"), std::string::npos);
    Start();
    EXPECT_EQ(app.settings.DisplayPeriod, 7);
    Command(CMD_PERIOD1);
    Stop();
    EXPECT_EQ(ReadFile("marevo.ini"), before);
    dir = own;
    EXPECT_EQ(FailureMessages(), 0);
    const std::string saved = ReadFile("appdata\\Marevo\\marevo.ini");
    EXPECT_NE(saved.find("ONEORSEVEN=1\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[MINE]\r\na=b\r\n"), std::string::npos) << saved;
}

} // namespace
} // namespace marevo
