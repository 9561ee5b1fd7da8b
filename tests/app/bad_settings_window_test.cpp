// marevo.ini as a user's disk and hands may leave it: empty, garbage, values out of range
// or not numbers, texts longer than the buffers, a file that cannot be written. The program
// starts and draws, says only its own messages, ends normally, and what it could not write
// is still there at the next start.
#include <cstdio>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/port_tree.h"
#include "app/printing.h"
#include "app/ui_seam.h"
#include "shell/profile_text.h"
#include "text/wide_text.h"

namespace marevo {
namespace {

HDC NoPrinterChosen(HWND) { return nullptr; }

class BadSettingsWindowTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        previousHook = SetPrinterDialogHook(NoPrinterChosen);
    }
    void TearDown() override
    {
        ProgramTest::TearDown();
        SetPrinterDialogHook(previousHook);
    }
    int Key(const char* section, const char* key, int fallback = -12345) const
    {
        return GetPrivateProfileIntA(section, key, fallback, app.IniPath);
    }
    // A text value as the file holds it (Shift-JIS; the platform's reader would pass it
    // through the system's code page).
    std::string TextKey(const char* section, const char* key) const
    {
        std::string value = "<missing>";
        FindProfileValue(ReadFile("marevo.ini"), section, key, value);
        return value;
    }
    // Started, drawn, nothing said.
    void ExpectDrawnQuietly()
    {
        EXPECT_TRUE(Running());
        EXPECT_TRUE(messages.empty()) << messages.front();
        EXPECT_STREQ(ShownStation().StationName, "尾鷲");
        EXPECT_GT(PaintedPixels(), 1000);
    }

    PrinterDialogHook previousHook = nullptr;
};

TEST_F(BadSettingsWindowTest, EmptyOrGarbageFilesGiveTheDefaultsAndAreWrittenAgain)
{
    std::string garbage;
    unsigned seed = 99;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage += static_cast<char>(seed >> 16);
    }
    const std::string files[] = {"", "\r\n\r\n", "[WINDOWS\r\nWidth\r\n=5\r\n[]\r\n", garbage};
    for (const std::string& file : files) {
        SCOPED_TRACE(file.size());
        WriteSettings(file);
        Start();
        ExpectDrawnQuietly();
        EXPECT_EQ(app.session.Period(), -1);
        EXPECT_EQ(app.session.Style(), 1);
        EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 1.0);
        Command(CMD_PERIOD7);
        Command(CMD_LINES);
        Stop();
        // What was written is what the next start reads.
        Start();
        ExpectShown(7, 0);
        Stop();
    }
}

TEST_F(BadSettingsWindowTest, PeriodsAndStylesOutsideTheirValuesShowTheTableAndLines)
{
    const char* const periods[] = {"3", "0", "99999", "-7", "abc", "", "-1x", "42.5"};
    for (const char* period : periods) {
        SCOPED_TRACE(period);
        WriteSettings(std::string("[WINDOWS]\r\nONEORSEVEN=") + period + "\r\nBOX=" + period + "\r\n");
        Start();
        ExpectDrawnQuietly();
        const bool fortyTwo = std::string(period) == "42.5"; // read as 42
        ExpectShown(fortyTwo ? 42 : -1, 0);
        EXPECT_EQ(ClientSize(app.CanvasWindow).cy, fortyTwo ? 370 : 700);
        Stop();
        EXPECT_EQ(Key("WINDOWS", "ONEORSEVEN"), fortyTwo ? 42 : -1);
        EXPECT_EQ(Key("WINDOWS", "BOX"), 0);
    }
}

TEST_F(BadSettingsWindowTest, WindowsOffScreenTinyOrHugeStillDraw)
{
    struct Case { const char* what; const char* values; };
    const Case cases[] = {
        {"far left and below", "XPosition=-20000\r\nYPosition=20000\r\n"},
        {"far right", "XPosition=99999\r\nYPosition=-99999\r\n"},
        {"no size", "Width=0\r\nHeight=0\r\n"},
        {"negative size", "Width=-300\r\nHeight=-1\r\n"},
        {"words", "XPosition=left\r\nWidth=wide\r\nHeight=high\r\n"},
        {"huge", "Width=99999\r\nHeight=99999\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteSettings(std::string("[WINDOWS]\r\n") + c.values);
        Start();
        ExpectDrawnQuietly();
        Command(CMD_PERIOD42);
        EXPECT_GT(PaintedPixels(), 1000);
        RECT placed = {};
        GetWindowRect(app.MainWindow, &placed);
        Stop();
        // The place the window had is the place saved: nothing else is made of it.
        EXPECT_EQ(Key("WINDOWS", "XPosition"), placed.left);
        EXPECT_EQ(Key("WINDOWS", "YPosition"), placed.top);
        EXPECT_EQ(Key("WINDOWS", "Width"), placed.right - placed.left);
        EXPECT_EQ(Key("WINDOWS", "Height"), placed.bottom - placed.top);
    }
}

TEST_F(BadSettingsWindowTest, TreeWidthsBelowTheMinimumOrBeyondTheWindow)
{
    struct Case { const char* value; int saved; };
    // 0 (and what reads as 0) is the width that fits the names, as without the key.
    const Case cases[] = {{"0", 0},   {"-50", 35}, {"10", 35},   {"34", 35},
                          {"zz", 0},  {"35", 35},  {"99999", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        WriteSettings(std::string("[WINDOWS]\r\nTreeWidth=") + c.value + "\r\n");
        Start();
        ExpectDrawnQuietly();
        // Scrolling a pane with no room left does nothing harmful.
        SendMessageA(app.GraphPane, WM_VSCROLL, SB_PAGEDOWN, 0);
        SendMessageA(app.GraphPane, WM_HSCROLL, SB_PAGEDOWN, 0);
        Pump();
        EXPECT_TRUE(Running());
        const int fitting = FittingTreeWidth(app);
        Stop();
        if (c.saved == 0) EXPECT_EQ(Key("WINDOWS", "TreeWidth"), fitting);
        else if (c.saved > 0) EXPECT_EQ(Key("WINDOWS", "TreeWidth"), c.saved);
        else EXPECT_GE(Key("WINDOWS", "TreeWidth"), 35);
    }
}

TEST_F(BadSettingsWindowTest, PrintRatiosThatCannotPrintAreSaidAndKept)
{
    struct Case { const char* value; bool printable; const char* saved; };
    const Case cases[] = {
        {"0", false, " 0.0"}, {"-2.5", false, "-2.5"}, {"abc", false, " 0.0"},
        {"99999", false, "99999.0"}, {"1e300", true, " 1.0"}, {"0.5", true, " 0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        WriteSettings(std::string("[PRINTER]\r\nPrinterRatio=") + c.value + "\r\n");
        Start();
        ExpectDrawnQuietly();
        Command(CMD_PRINT);
        EXPECT_TRUE(Running());
        if (c.printable) EXPECT_TRUE(messages.empty());
        else EXPECT_EQ(messages, std::vector<std::string>{TextBadRatio});
        messages.clear();
        Stop();
        EXPECT_EQ(IniValue("PrinterRatio"), c.saved);
        // And read again the same.
        const double before = app.settings.PrinterRatio;
        Start();
        EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, before);
        Stop();
    }
}

TEST_F(BadSettingsWindowTest, PrintColoursOtherThanZeroAndOneAreColour)
{
    // The print settings dialog shows colour for every value but 0; printing follows it.
    for (const char* value : {"2", "-1", "x1", "99999"}) {
        SCOPED_TRACE(value);
        WriteSettings(std::string("[PRINTER]\r\nPrinterColor=") + value + "\r\n");
        Start();
        ExpectDrawnQuietly();
        const bool zero = std::string(value) == "x1"; // no digits: 0, monochrome
        EXPECT_EQ(app.settings.PrinterColor, zero ? 0 : 1);
        Stop();
        EXPECT_EQ(Key("PRINTER", "PrinterColor"), zero ? 0 : 1);
    }
}

TEST_F(BadSettingsWindowTest, SiteNamesLongerThanTheLabels)
{
    std::string longPref, longPort;
    for (int i = 0; i < 150; ++i) longPref += "県";
    for (int i = 0; i < 150; ++i) longPort += "港";
    WriteSettings("[SITE]\r\nPREF=" + longPref + "\r\nPORT=" + longPort + "\r\n");
    Start();
    EXPECT_TRUE(Running());
    // The names are cut to what the labels keep; no prefecture is named so: said once.
    EXPECT_EQ(messages, std::vector<std::string>{CannotOpen});
    const std::string pref = Text(app.PrefLabel), port = Text(app.PortLabel);
    EXPECT_LE(pref.size(), static_cast<size_t>(MaxNodeText));
    EXPECT_LE(port.size(), static_cast<size_t>(MaxNodeText));
    EXPECT_EQ(longPref.compare(0, pref.size(), pref), 0);
    messages.clear();
    SelectPort(24, "尾鷲");
    ExpectDrawnQuietly();
    Stop();
    EXPECT_EQ(TextKey("SITE", "PREF"), "三重県");
    EXPECT_EQ(TextKey("SITE", "PORT"), "尾鷲");
}

// The file cannot be written (read-only, or held by another program without write
// sharing): the program ends normally, says so once, and the next start sees the old values.
TEST_F(BadSettingsWindowTest, AFileThatCannotBeWrittenKeepsTheOldValues)
{
    const std::string old = "[WINDOWS]\r\nONEORSEVEN=7\r\nBOX=0\r\nWidth=700\r\n"
                            "[SITE]\r\nPREF=三重県\r\nPORT=尾鷲\r\n";
    const std::string path = dir + "marevo.ini";
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way == 0 ? "read-only" : "held open");
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteSettings(old);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (way == 0) {
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
            // Under Wine run by root the attribute stops no write; Windows always honours it.
            HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (probe != INVALID_HANDLE_VALUE) {
                CloseHandle(probe);
                std::printf("read-only attribute not enforced here (root): case skipped\n");
                continue;
            }
        } else {
            held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        Start();
        ExpectDrawnQuietly();
        EXPECT_EQ(app.session.Period(), 7);
        Command(CMD_PERIOD1);
        Command(CMD_BARS);
        MoveWindow(app.MainWindow, 10, 20, 650, 450, TRUE);
        Pump();
        Stop(); // settings written, the writes fail
        EXPECT_FALSE(IsWindow(app.MainWindow));
        EXPECT_EQ(messages, std::vector<std::string>{TextSettingsNotSaved});
        messages.clear();
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_EQ(ReadFile("marevo.ini"), old);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        Start();
        EXPECT_EQ(app.session.Period(), 7);
        EXPECT_EQ(app.session.Style(), 0);
        EXPECT_EQ(app.settings.Width, 700);
        Stop();
    }
}

// A file an editor saved with the UTF-8 signature: what the program writes at exit is what
// the next start reads (the signature used to hide the first section from the writer, so
// every exit wrote a second one that was never read).
TEST_F(BadSettingsWindowTest, AFileWithTheUtf8SignatureKeepsWhatIsSaved)
{
    // Its texts are UTF-8, read as the names they are.
    WritePort({"01函館.MV2", "函館"});
    WriteSettings(u8"\xEF\xBB\xBF[WINDOWS]\r\nONEORSEVEN=7\r\nBOX=0\r\n[SITE]\r\nPREF=北海道\r\n"
                  u8"PORT=函館\r\n[PRINTER]\r\nPrinterColor=1\r\n");
    Start();
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_STREQ(ShownStation().StationName, "函館");
    Command(CMD_PERIOD1);
    Command(CMD_BARS);
    Stop();
    Start();
    EXPECT_EQ(app.session.Period(), 1);
    EXPECT_EQ(app.session.Style(), 1);
    Stop();
    const std::string file = ReadFile("marevo.ini");
    EXPECT_EQ(file.compare(0, 9, "[WINDOWS]"), 0) << file.substr(0, 20);
    EXPECT_EQ(file.find("[WINDOWS]", 1), std::string::npos); // one section, not two
    EXPECT_NE(file.find("PORT=函館\r\n"), std::string::npos); // in the program's code page
}

// A file an editor saved as "Unicode" (UTF-16 with its signature, in either byte order), which the platform reads
// as such: the values written at exit are read at the next start (they used to be added as
// bytes of the program's code page behind the UTF-16 text, where no reader found them).
TEST_F(BadSettingsWindowTest, AUtf16FileKeepsWhatIsSaved)
{
    const std::string text = "[WINDOWS]\r\nONEORSEVEN=7\r\n[SITE]\r\nPREF=三重県\r\nPORT=尾鷲\r\n";
    const std::wstring wide = WideFromSjis(text);
    for (const bool big : {false, true}) {
        SCOPED_TRACE(big ? "big-endian" : "little-endian");
        std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
        for (const wchar_t c : wide) {
            const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
            bytes += big ? std::string{high, low} : std::string{low, high};
        }
        WriteSettings(bytes);
        Start();
        ExpectDrawnQuietly();
        EXPECT_EQ(app.session.Period(), 7);
        Command(CMD_PERIOD42);
        Stop();
        Start();
        EXPECT_EQ(app.session.Period(), 42);
        ExpectDrawnQuietly(); // the site still reads as 尾鷲 of 三重県
        Stop();
    }
}

} // namespace
} // namespace marevo
