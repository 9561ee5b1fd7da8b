// Settings file: defaults, reading widths, the file as written at exit (key order, ratio
// format), tree expansion round trip, and the placement keys of a maximised or minimised
// window.
#include <cstdio>
#include <sstream>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/settings.h"

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
    Stop();
    std::vector<Entry> expected;
    char key[16];
    for (int i = 1; i <= 9; ++i) {
        std::snprintf(key, sizeof key, "CHI%d", i);
        expected.push_back({"TREE", key, "0"});
    }
    for (int k = 0; k <= 80; ++k) {
        std::snprintf(key, sizeof key, "KEN%02d", k);
        expected.push_back({"TREE", key, "0"});
    }
    expected.push_back({"SITE", "PREF", "三重県"});
    expected.push_back({"SITE", "PORT", "尾鷲"});
    expected.push_back({"WINDOWS", "BOX", "1"});
    expected.push_back({"WINDOWS", "ONEORSEVEN", "-1"});
    expected.push_back({"WINDOWS", "XPosition", "100"});
    expected.push_back({"WINDOWS", "YPosition", "100"});
    expected.push_back({"WINDOWS", "Width", "725"});
    expected.push_back({"WINDOWS", "Height", "480"});
    expected.push_back({"WINDOWS", "TreeWidth", "120"});
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
    EXPECT_EQ(Value("TREE", "KEN24"), "0");
    EXPECT_EQ(Value("TREE", "KEN09"), "1");

    Start();
    EXPECT_TRUE(Expanded(app.RegionItems[2]));
    EXPECT_TRUE(Expanded(app.PrefectureItems[2]));
    EXPECT_FALSE(Expanded(app.RegionItems[5]));
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

} // namespace
} // namespace marevo
