// Rules of the window program that need no window: start-up geometry, settings
// conversions, port file names, vertical scale, canvas sizes, scrolling and day cells.
#include "app/shell_rules.h"

#include <cmath>
#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(StartupRules, ModuleDirKeepsDriveDirectoryAndLastSeparator)
{
    EXPECT_EQ(ModuleDirOf("C:\\Program Files\\Marevo\\Marevo.exe"), "C:\\Program Files\\Marevo\\");
    EXPECT_EQ(ModuleDirOf("Z:/work/build/Marevo.exe"), "Z:/work/build/");
    EXPECT_EQ(ModuleDirOf("C:\\Marevo.exe"), "C:\\");
    EXPECT_EQ(ModuleDirOf("Marevo.exe"), "");
    // Characters whose second byte is 0x5C (ソ, 表, 十) are no separators.
    EXPECT_EQ(ModuleDirOf("C:\\ソフト\\潮見表.exe"), "C:\\ソフト\\");
    EXPECT_EQ(ModuleDirOf("D:\\表\\十勝ソ"), "D:\\表\\");
    // A lead byte at the very end takes no terminator with it.
    EXPECT_EQ(ModuleDirOf("C:\\a\\\x83"), "C:\\a\\");
}

TEST(StartupRules, NoticeIsCentredOnTheSavedRectangleTruncatingTowardsZero)
{
    struct Case { int x, y, width, height, noticeX, noticeY; };
    const Case cases[] = {
        {100, 100, 725, 480, 271, 220}, // defaults
        {0, 0, 300, 480, -41, 120},     // narrower than the notice: -83 / 2 = -41
        {0, 0, 382, 239, 0, 0},         // -1 / 2 truncates to 0, not -1
        {-50, 10, 383, 240, -50, 10},
    };
    for (const Case& c : cases) {
        const Point p = NoticePosition(c.x, c.y, c.width, c.height);
        EXPECT_EQ(p.x, c.noticeX) << c.width;
        EXPECT_EQ(p.y, c.noticeY) << c.height;
    }
}

TEST(SettingsRules, IntegersAreReadAfterCuttingToTheReadWidth)
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

TEST(SettingsRules, RatioIsWrittenWithFourOnePointFormatOrRefused)
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

TEST(SettingsRules, UnknownPeriodAndStyleBecomeWhatTheIndicatorsShow)
{
    const int periods[][2] = {{1, 1}, {7, 7}, {42, 42}, {-1, -1}, {0, -1}, {5, -1}, {43, -1}};
    for (const auto& p : periods) EXPECT_EQ(SanitisedPeriod(p[0]), p[1]) << p[0];
    const int styles[][2] = {{1, 1}, {0, 0}, {2, 0}, {-1, 0}};
    for (const auto& s : styles) EXPECT_EQ(SanitisedStyle(s[0]), s[1]) << s[0];
}

TEST(PortTreeRules, FileNamesGiveCodeAndPortName)
{
    struct Case { const char* name; int code; const char* port; bool treeCode; };
    const Case cases[] = {
        {"24尾鷲.MV2", 24, "尾鷲", true},
        {"01函館.MV2", 1, "函館", true},
        {"80南鳥島.MV2", 80, "南鳥島", true},
        {"09abc.MV2", 9, "abc", true},     // code without node: listed at the root
        {"readme.txt", 0, "adme", true},   // no digits: code 0, no node
        {" 5ab.MV2", 5, "ab", true},
        {"2x港.MV2", 2, "港", true},
        {"99z.MV2", 99, "z", false},
        {"ab.MV2", 0, "", true},           // 6 characters: empty port name
        {"x", 0, "", true},
    };
    for (const Case& c : cases) {
        const PortFileName entry = ParsePortFileName(c.name);
        EXPECT_EQ(entry.code, c.code) << c.name;
        EXPECT_EQ(entry.port, c.port) << c.name;
        EXPECT_EQ(IsTreeCode(entry.code), c.treeCode) << c.name;
    }
    const std::string longName = "24" + std::string(300, 'a') + ".MV2";
    EXPECT_EQ(ParsePortFileName(longName.c_str()).port.size(), 256u);
}

TEST(GraphPaneRules, ScrollStepsAreClampedToTheRange)
{
    // Canvas 700 high in a pane 300 high: positions 0 ... 400.
    struct Case { int request, thumb, position, delta; };
    const Case cases[] = {
        {ScrollLineDown, 0, 0, 1},      {ScrollLineUp, 0, 0, 0},
        {ScrollLineUp, 0, 10, -1},      {ScrollPageDown, 0, 0, 20},
        {ScrollPageDown, 0, 390, 10},   {ScrollPageDown, 0, 400, 0},
        {ScrollPageUp, 0, 5, -5},       {ScrollPageUp, 0, 100, -20},
        {ScrollThumbTrack, 250, 100, 150}, {ScrollThumbPosition, 401, 0, 400},
        {ScrollThumbPosition, 0, 300, -300}, {8 /* end of scrolling */, 0, 100, 0},
        {6 /* top */, 0, 100, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollDelta(c.request, c.thumb, c.position, 700, 300), c.delta)
            << c.request << " at " << c.position;
}

} // namespace
} // namespace marevo
