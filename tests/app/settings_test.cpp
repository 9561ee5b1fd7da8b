// Settings file: defaults, reading widths, the file as written at exit (key order, ratio
// format), tree expansion round trip, the placement keys of a maximised or minimised
// window, and saves that fail (a read-only file, a folder that refuses the file).
#include <cstdio>
#include <sstream>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/port_tree.h"
#include "app/settings.h"
#include "app/system_text.h"
#include "app/ui_seam.h"

namespace marevo {
namespace {

struct Entry {
    std::string section, key, value;
    bool operator==(const Entry& o) const { return section == o.section && key == o.key && value == o.value; }
};

std::ostream& operator<<(std::ostream& out, const Entry& e)
{
    return out << "[" << e.section << "] " << e.key << "=" << e.value;
}

// The file as a sequence of entries, in file order.
std::vector<Entry> Parse(const std::string& text)
{
    std::vector<Entry> entries;
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line[0] == '[') { section = line.substr(1, line.find(']') - 1); continue; }
        const size_t eq = line.find('=');
        entries.push_back({section, line.substr(0, eq), line.substr(eq + 1)});
    }
    return entries;
}

class SettingsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        WritePort({"02八戸.MV2", "八戸", 40.32, 141.32});
        WritePort({"01函館.MV2", "函館", 41.47, 140.43});
    }
    std::string Value(const char* section, const char* key)
    {
        for (const Entry& e : Parse(ReadFile("marevo.ini")))
            if (e.section == section && e.key == key) return e.value;
        return "<missing>";
    }
    void ExpectPlacement(const char* x, const char* y, const char* width, const char* height,
                         const char* treeWidth)
    {
        EXPECT_EQ(Value("WINDOWS", "XPosition"), x);
        EXPECT_EQ(Value("WINDOWS", "YPosition"), y);
        EXPECT_EQ(Value("WINDOWS", "Width"), width);
        EXPECT_EQ(Value("WINDOWS", "Height"), height);
        EXPECT_EQ(Value("WINDOWS", "TreeWidth"), treeWidth);
    }
    bool Expanded(HTREEITEM item)
    {
        return SendMessageA(app.TreeControl, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item),
                            TVIS_EXPANDED) & TVIS_EXPANDED;
    }
};

TEST_F(SettingsTest, ValuesAreCutToTheirReadWidth)
{
    WriteSettings("[WINDOWS]\r\nWidth=123456\r\nHeight=abc\r\nONEORSEVEN=42\r\nBOX=0\r\n"
                  "[PRINTER]\r\nPrinterRatio=12.5\r\n"
                  "[SITE]\r\nPREF=神奈川県\r\nPORT=横須賀長井漁港\r\n");
    ResetAppState();
    std::snprintf(app.IniPath, sizeof app.IniPath, "%smarevo.ini", dir.c_str());
    LoadSettings(app);
    EXPECT_EQ(app.settings.Width, 12345);
    EXPECT_EQ(app.settings.Height, 0);
    EXPECT_EQ(app.session.Period(), 42);
    EXPECT_EQ(app.session.Style(), 0);
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 12.5);
    EXPECT_STREQ(app.settings.SavedPref, "神奈川県");
    EXPECT_STREQ(app.settings.SavedPort, "横須賀長井漁港"); // longer than 8 bytes, kept whole
}

// Without a file the program starts with the defaults and writes them key by key.
TEST_F(SettingsTest, TheFileIsWrittenKeyByKeyInItsOrder)
{
    Start();
    const std::string treeWidth = std::to_string(FittingTreeWidth(app));
    Stop();
    std::vector<Entry> expected;
    char key[16];
    // 近畿 (5) and 三重県 (24) were opened to show the port.
    for (int i = 1; i <= 9; ++i) {
        std::snprintf(key, sizeof key, "CHI%d", i);
        expected.push_back({"TREE", key, i == 5 ? "1" : "0"});
    }
    for (int k = 0; k <= 80; ++k) {
        std::snprintf(key, sizeof key, "KEN%02d", k);
        expected.push_back({"TREE", key, k == 24 ? "1" : "0"});
    }
    expected.push_back({"SITE", "PREF", "三重県"});
    expected.push_back({"SITE", "PORT", "尾鷲"});
    expected.push_back({"WINDOWS", "BOX", "1"});
    expected.push_back({"WINDOWS", "ONEORSEVEN", "-1"});
    expected.push_back({"WINDOWS", "XPosition", "100"});
    expected.push_back({"WINDOWS", "YPosition", "100"});
    expected.push_back({"WINDOWS", "Width", "725"});
    expected.push_back({"WINDOWS", "Height", "480"});
    expected.push_back({"WINDOWS", "TreeWidth", treeWidth});
    expected.push_back({"PRINTER", "PrinterRatio", " 1.0"});
    expected.push_back({"PRINTER", "PrinterColor", "1"});
    EXPECT_EQ(Parse(ReadFile("marevo.ini")), expected);
}

TEST_F(SettingsTest, RatioKeepsItsFormat)
{
    WriteSettings("[PRINTER]\r\nPrinterRatio=12.5\r\nPrinterColor=0\r\n");
    Start();
    Stop();
    EXPECT_EQ(Value("PRINTER", "PrinterRatio"), "12.5");
    EXPECT_EQ(Value("PRINTER", "PrinterColor"), "0");
    WriteSettings("[PRINTER]\r\nPrinterRatio=9e99\r\n");
    Start();
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 1.0); // not writable back in 11 characters
    Stop();
    EXPECT_EQ(Value("PRINTER", "PrinterRatio"), " 1.0");
}

TEST_F(SettingsTest, TreeExpansionIsRememberedAndRestored)
{
    WriteSettings("[TREE]\r\nKEN09=1\r\n"); // a code without a node
    Start();
    SendMessageA(app.TreeControl, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(app.RegionItems[2]));
    SendMessageA(app.TreeControl, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(app.PrefectureItems[2]));
    SendMessageA(app.TreeControl, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(app.RegionItems[1]));
    Stop();
    EXPECT_EQ(Value("TREE", "CHI1"), "1");
    EXPECT_EQ(Value("TREE", "KEN01"), "1");
    EXPECT_EQ(Value("TREE", "CHI2"), "1");
    EXPECT_EQ(Value("TREE", "KEN02"), "1");
    EXPECT_EQ(Value("TREE", "CHI3"), "0");
    EXPECT_EQ(Value("TREE", "KEN24"), "1"); // opened to show the port at start
    EXPECT_EQ(Value("TREE", "KEN09"), "1");

    Start();
    EXPECT_TRUE(Expanded(app.RegionItems[2]));
    EXPECT_TRUE(Expanded(app.PrefectureItems[2]));
    EXPECT_FALSE(Expanded(app.RegionItems[3]));
    EXPECT_TRUE(Expanded(app.RegionItems[5])); // opened again to show the port
    // Flags of codes without a node are kept as read.
    EXPECT_EQ(app.settings.PrefectureExpanded[9], 1);
}

TEST_F(SettingsTest, PlacementAndSiteOfANormalWindowAreSaved)
{
    Start();
    MoveWindow(app.MainWindow, 30, 40, 700, 500, TRUE);
    MoveWindow(app.TreePane, -5, 0, 160, 300, TRUE);
    SelectPort(2, "八戸");
    Stop();
    ExpectPlacement("30", "40", "700", "500", "160");
    EXPECT_EQ(Value("SITE", "PREF"), "青森県");
    EXPECT_EQ(Value("SITE", "PORT"), "八戸");
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
    ExpectPlacement("5", "6", "700", "470", "130");
    EXPECT_EQ(Value("WINDOWS", "ONEORSEVEN"), "7"); // every other key is written
    EXPECT_EQ(Value("PRINTER", "PrinterColor"), "1");
}

INSTANTIATE_TEST_SUITE_P(ShowStates, PlacementTest, ::testing::Values(SW_MAXIMIZE, SW_MINIMIZE));

TEST_F(SettingsTest, MissingSavedPortIsReportedAndTheProgramGoesOn)
{
    WriteSettings("[SITE]\r\nPREF=三重県\r\nPORT=消えた港\r\n");
    Start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "ファイルがオープンできませんでした");
    ASSERT_TRUE(IsWindow(app.MainWindow));
    EXPECT_EQ(Text(app.PortLabel), "消えた港");
    // An empty canvas in the button-face colour.
    EXPECT_EQ(GetPixel(app.OffscreenDC(), 50, 50), GetSysColor(COLOR_BTNFACE));
    Stop();
    EXPECT_EQ(Value("SITE", "PORT"), "消えた港");
    EXPECT_EQ(Value("WINDOWS", "Width"), "725");
}

// The settings file the user keeps, with lines of the user's own.
const std::string UsersFile = "; mine\r\n[WINDOWS]\r\nONEORSEVEN=7\r\nMyKey=1\r\n[MINE]\r\na=b\r\n";

class FailedSaveTest : public SettingsTest {
protected:
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

// A marevo.ini marked read-only stays byte for byte as it was, no temporary file is left,
// and the failure is said once however often the settings are saved.
TEST_F(FailedSaveTest, ReadOnlyFileIsKeptAndTheFailureSaidOnce)
{
    WriteSettings(UsersFile);
    const std::wstring ini = WideFromSjis(dir + "marevo.ini");
    ASSERT_TRUE(SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    Start();
    EXPECT_EQ(app.settings.DisplayPeriod, 7);
    Command(CMD_PERIOD1);
    SavePrinterSettings(app);
    EXPECT_EQ(FailureMessages(), 1);
    Stop();
    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FailureMessages(), 1);
    EXPECT_EQ(ReadFile("marevo.ini"), UsersFile);
    EXPECT_FALSE(Exists("marevo.ini.tmp"));
    EXPECT_FALSE(Exists("appdata\\Marevo"));
}

// A folder that refuses the new file: the settings, with the user's lines, go to
// %APPDATA%\Marevo\marevo.ini, and the file beside the program stays as it was. The next
// start reads them from there. (Run as the superuser, Wine lets a folder marked read-only
// be written; a folder of that name in the place of the temporary file is refused as a
// read-only folder refuses it, with access denied.)
TEST_F(FailedSaveTest, UnwritableFolderSavesInTheApplicationData)
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
    EXPECT_NE(saved.find("MyKey=1\r\n"), std::string::npos) << saved;
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
class FrozenFolderTest : public FailedSaveTest {};

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
