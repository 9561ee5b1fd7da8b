// The values of marevo.ini: cuts by whole Shift-JIS characters, integers and decimal numbers
// read from their start, the ratio's text and the stand-ins for unknown values.
#include "shell/settings_values.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>
#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(SettingsValues, IntegersAreReadAfterCuttingToTheReadWidth)
{
    struct Case { const char* text; int value; };
    const Case cases[] = {
        {"725", 725}, {"123456", 12345}, {"  -1", -1}, {"+7", 7}, {"42abc", 42},
        {"abc", 0}, {"", 0}, {"-", 0}, {"1 2", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(ProfileInt(CutToWidth(c.text, 6)), c.value) << c.text;
    EXPECT_EQ(ProfileInt("99999999999"), 2147483647);
    EXPECT_EQ(ProfileInt("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(CutToWidth("三重県", 5), std::string("三重"));
    // A double-byte character that does not fit whole is left out, not halved; half-width
    // katakana are single bytes.
    EXPECT_EQ(CutToWidth("三重県", 6), std::string("三重"));
    EXPECT_EQ(CutToWidth("表a表", 5), std::string("表a"));
    EXPECT_EQ(CutToWidth("ｸﾞﾗﾌ", 4), std::string("ｸﾞﾗ"));
}

TEST(SettingsValues, RatioIsWrittenWithFourOnePointFormatOrRefused)
{
    EXPECT_EQ(RatioText(1.0), " 1.0");
    EXPECT_EQ(RatioText(12.5), "12.5");
    EXPECT_EQ(RatioText(0.0), " 0.0");
    EXPECT_EQ(RatioText(99999.0), "99999.0");
    EXPECT_EQ(RatioText(123456789.0), "123456789.0"); // 11 characters still fit
    EXPECT_EQ(RatioText(1234567890.0), "");
    EXPECT_EQ(RatioText(9e99), "");
    EXPECT_EQ(RatioText(std::nan("")), "");
    EXPECT_DOUBLE_EQ(SanitisedRatio(2.0), 2.0);
    EXPECT_DOUBLE_EQ(SanitisedRatio(9e99), 1.0);
    EXPECT_DOUBLE_EQ(ProfileDouble(" 2.5"), 2.5);
    EXPECT_DOUBLE_EQ(ProfileDouble("x1"), 0.0);
    // Decimal numbers only, the same on every runtime.
    const struct { const char* text; double value; } ratios[] = {
        {"-1.5x", -1.5}, {".5", 0.5}, {"3.", 3.0}, {"2e1", 20.0}, {"2e", 2.0}, {".", 0.0},
        {"0x5", 0.0}, {"inf", 0.0}, {"nan", 0.0}, {"-", 0.0},
    };
    for (const auto& r : ratios) EXPECT_DOUBLE_EQ(ProfileDouble(r.text), r.value) << r.text;
}

TEST(SettingsValues, UnknownPeriodStyleAndColourBecomeWhatTheIndicatorsShow)
{
    const int periods[][2] = {{1, 1}, {7, 7}, {42, 42}, {-1, -1}, {0, -1}, {5, -1}, {43, -1}};
    for (const auto& p : periods) EXPECT_EQ(SanitisedPeriod(p[0]), p[1]) << p[0];
    const int styles[][2] = {{1, 1}, {0, 0}, {2, 0}, {-1, 0}};
    for (const auto& s : styles) EXPECT_EQ(SanitisedStyle(s[0]), s[1]) << s[0];
    // Print colours other than 0 read as the colour the print settings dialog shows.
    EXPECT_EQ(SanitisedColour(0), 0);
    for (int value : {1, 2, -1, 99999, -2147483647 - 1}) EXPECT_EQ(SanitisedColour(value), 1) << value;
}

// A file's text into the settings: every key with its default when missing, cut to its
// reader's width, sanitised; empty and garbage files give the defaults.
TEST(SettingsValues, FileTextGivesTheSettings)
{
    std::string garbage;
    unsigned seed = 99;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage += static_cast<char>(seed >> 16);
    }
    for (const std::string& file : {std::string(), std::string("\r\n\r\n"),
                                    std::string("[WINDOWS\r\nWidth\r\n=5\r\n[]\r\n"), garbage}) {
        const Settings s = SettingsFromText(file);
        EXPECT_EQ(s.DisplayPeriod, TideTable) << file.size();
        EXPECT_EQ(s.GraphStyle, BarGraph);
        EXPECT_EQ(s.Width, 725);
        EXPECT_EQ(s.Height, 480);
        EXPECT_EQ(s.XPosition, 100);
        EXPECT_EQ(s.TreeWidth, 0);
        EXPECT_DOUBLE_EQ(s.PrinterRatio, 1.0);
        EXPECT_EQ(s.PrinterColor, 1);
        EXPECT_STREQ(s.SavedPref, "三重県");
        EXPECT_STREQ(s.SavedPort, "尾鷲");
    }
    const Settings s = SettingsFromText(
        "[WINDOWS]\r\nWidth=123456\r\nHeight=abc\r\nONEORSEVEN=42\r\nBOX=0\r\nXPosition=-2000\r\n"
        "YPosition=999999\r\nTreeWidth=-50\r\n[PRINTER]\r\nPrinterRatio=12.5\r\nPrinterColor=0\r\n"
        "[SITE]\r\nPREF=神奈川県\r\nPORT=横須賀長井漁港\r\n[TREE]\r\nCHI2=1\r\nKEN09=1\r\nKEN80=1\r\n");
    EXPECT_EQ(s.Width, 12345);
    EXPECT_EQ(s.Height, 0);
    EXPECT_EQ(s.XPosition, -2000);
    EXPECT_EQ(s.YPosition, 99999); // cut to five bytes
    EXPECT_EQ(s.TreeWidth, -50); // the window keeps it at least the minimum
    EXPECT_EQ(s.DisplayPeriod, FortyTwoDays);
    EXPECT_EQ(s.GraphStyle, LineGraph);
    EXPECT_DOUBLE_EQ(s.PrinterRatio, 12.5);
    EXPECT_EQ(s.PrinterColor, 0);
    EXPECT_STREQ(s.SavedPref, "神奈川県");
    EXPECT_STREQ(s.SavedPort, "横須賀長井漁港");
    EXPECT_EQ(s.RegionExpanded[2], 1);
    EXPECT_EQ(s.RegionExpanded[1], 0);
    EXPECT_EQ(s.PrefectureExpanded[9], 1); // a code without a node is kept as read
    EXPECT_EQ(s.PrefectureExpanded[80], 1);

    // Period and style outside their values: the table and lines; "42.5" reads as 42.
    const struct { const char* text; DisplayPeriod period; } periods[] = {
        {"3", TideTable}, {"0", TideTable}, {"99999", TideTable}, {"-7", TideTable},
        {"abc", TideTable}, {"", TideTable}, {"-1x", TideTable}, {"42.5", FortyTwoDays},
        {"7", SevenDays}, {" 1", OneDay},
    };
    for (const auto& p : periods) {
        const Settings read = SettingsFromText(std::string("[WINDOWS]\r\nONEORSEVEN=") + p.text +
                                               "\r\nBOX=" + p.text + "\r\n");
        EXPECT_EQ(read.DisplayPeriod, p.period) << p.text;
        EXPECT_EQ(read.GraphStyle, std::string(p.text) == " 1" ? BarGraph : LineGraph) << p.text;
    }
    // Ratios as read and as written again; colours other than 0 are colour.
    const struct { const char* text; double ratio; const char* written; } ratios[] = {
        {"0", 0.0, " 0.0"}, {"-2.5", -2.5, "-2.5"}, {"abc", 0.0, " 0.0"},
        {"99999", 99999.0, "99999.0"}, {"1e300", 1.0, " 1.0"}, {"0.5", 0.5, " 0.5"},
        {"12.5", 12.5, "12.5"}, {"9e99", 1.0, " 1.0"},
    };
    for (const auto& r : ratios) {
        const Settings read = SettingsFromText(std::string("[PRINTER]\r\nPrinterRatio=") + r.text);
        EXPECT_DOUBLE_EQ(read.PrinterRatio, r.ratio) << r.text;
        EXPECT_EQ(PrinterKeys(read)[0].value, r.written) << r.text;
    }
    for (const char* colour : {"2", "-1", "x1", "99999"})
        EXPECT_EQ(SettingsFromText(std::string("[PRINTER]\r\nPrinterColor=") + colour).PrinterColor,
                  std::string(colour) == "x1" ? 0 : 1) << colour;
    // Site names longer than the tree's longest node text are cut by whole characters.
    std::string longPref;
    for (int i = 0; i < 150; ++i) longPref += "県";
    const Settings cut = SettingsFromText("[SITE]\r\nPREF=" + longPref + "\r\n");
    EXPECT_EQ(std::string(cut.SavedPref), longPref.substr(0, 2 * (MaxNodeText / 2)));
}

// The keys written at exit, in the file's order, and read back as they were.
TEST(SettingsValues, KeysAreWrittenInTheFilesOrderAndReadBack)
{
    std::vector<std::string> expected;
    for (int i = 1; i <= 9; ++i) expected.push_back("TREE CHI" + std::to_string(i) + "=0");
    for (int k = 0; k <= 80; ++k) {
        char key[32];
        std::snprintf(key, sizeof key, "TREE KEN%02d=0", k);
        expected.push_back(key);
    }
    for (const char* rest : {"SITE PREF=三重県", "SITE PORT=尾鷲", "WINDOWS BOX=1",
                             "WINDOWS ONEORSEVEN=-1", "WINDOWS XPosition=100",
                             "WINDOWS YPosition=100", "WINDOWS Width=725", "WINDOWS Height=480",
                             "WINDOWS TreeWidth=0", "PRINTER PrinterRatio= 1.0",
                             "PRINTER PrinterColor=1"})
        expected.push_back(rest);
    std::vector<std::string> written;
    for (const ProfileValue& v : SettingsKeys(SettingsFromText(""), true))
        written.push_back(v.section + " " + v.key + "=" + v.value);
    ASSERT_EQ(written.size(), expected.size());
    for (size_t i = 0; i < written.size(); ++i) EXPECT_EQ(written[i], expected[i]);
    // A maximised or minimised window: the five placement keys are left as the file has them.
    const std::vector<ProfileValue> noPlacement = SettingsKeys(SettingsFromText(""), false);
    EXPECT_EQ(noPlacement.size(), expected.size() - 5);
    for (const ProfileValue& v : noPlacement) EXPECT_NE(v.key, "Width");

    Settings s;
    s.RegionExpanded[2] = 1;
    s.PrefectureExpanded[2] = 1;
    s.PrefectureExpanded[9] = 1;
    s.DisplayPeriod = SevenDays;
    s.GraphStyle = LineGraph;
    s.XPosition = 30;
    s.YPosition = -40;
    s.Width = 700;
    s.Height = 500;
    s.TreeWidth = 160;
    std::snprintf(s.SavedPref, sizeof s.SavedPref, "青森県");
    std::snprintf(s.SavedPort, sizeof s.SavedPort, "八戸");
    s.PrinterRatio = 2.5;
    s.PrinterColor = 0;
    const std::string file = SetProfileValues("; mine\r\n[MINE]\r\na=b\r\n", SettingsKeys(s, true));
    const Settings back = SettingsFromText(file);
    EXPECT_EQ(SettingsKeys(back, true).size(), written.size());
    for (size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(SettingsKeys(back, true)[i].value, SettingsKeys(s, true)[i].value) << i;
    EXPECT_NE(file.find("[MINE]\r\na=b\r\n"), std::string::npos);
}

// The magnification typed into the print settings: refused when it would print nothing or
// could not be written back in 11 characters; leading blanks skipped, nine characters read.
TEST(SettingsValues, TypedRatiosThatCannotPrintAreRefused)
{
    double ratio = 1.0;
    for (const char* text : {"abc", "0", "-1", " 0.04", "1e9", "9e99", "nan", "", "999.95"})
        EXPECT_FALSE(ReadTypedRatio(text, ratio)) << text;
    const struct { const char* text; double ratio; const char* written; } accepted[] = {
        {"   2.5", 2.5, " 2.5"}, {"0.1", 0.1, " 0.1"},   {"999.9", 999.9, "999.9"},
        {"1.0000000009", 1.0, " 1.0"}, {"12x", 12.0, "12.0"}, {"0.05", 0.05, " 0.1"},
    };
    for (const auto& a : accepted) {
        ASSERT_TRUE(ReadTypedRatio(a.text, ratio)) << a.text;
        EXPECT_DOUBLE_EQ(ratio, a.ratio) << a.text;
        EXPECT_EQ(RatioText(ratio), a.written) << a.text;
    }
    for (double unusable : {0.0, -2.0, 0.04, 1000.0}) EXPECT_FALSE(IsPrintableRatio(unusable));
}

} // namespace
} // namespace marevo
