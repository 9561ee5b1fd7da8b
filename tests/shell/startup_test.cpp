// The program's folder from its Shift-JIS path and the notice's place on the saved window.
#include "shell/startup.h"

#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(Startup, ModuleDirKeepsDriveDirectoryAndLastSeparator)
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

TEST(Startup, NoticeIsCentredOnTheSavedRectangleTruncatingTowardsZero)
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

} // namespace
} // namespace marevo
