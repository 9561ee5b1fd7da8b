// Settings text as editors and hands leave it, rewritten by the program's writer: a UTF-8
// signature does not hide the first section, and print colours other than 0 and 1 read as
// the colour the print settings dialog shows.
#include <gtest/gtest.h>
#include <string>

#include "app/profile_text.h"
#include "app/shell_rules.h"

namespace marevo {
namespace {

TEST(SettingsText, TheUtf8SignatureIsDroppedAndTheFirstSectionEditedInPlace)
{
    const std::string withSignature = "\xEF\xBB\xBF[WINDOWS]\r\nONEORSEVEN=7\r\nBOX=0\r\n[SITE]\r\nPORT=a\r\n";
    const std::string written =
        SetProfileValues(withSignature, {{"WINDOWS", "ONEORSEVEN", "1"}, {"SITE", "PORT", "b"}});
    EXPECT_EQ(written, "[WINDOWS]\r\nONEORSEVEN=1\r\nBOX=0\r\n[SITE]\r\nPORT=b\r\n");
    // A signature alone, or one inside the text, is left to the general rules.
    EXPECT_EQ(SetProfileValues("\xEF\xBB\xBF", {{"TREE", "CHI1", "0"}}), "[TREE]\r\nCHI1=0\r\n");
    EXPECT_EQ(SetProfileValues("[A]\r\nx=\xEF\xBB\xBF\r\n", {{"A", "y", "1"}}),
              "[A]\r\nx=\xEF\xBB\xBF\r\ny=1\r\n");
}

TEST(SettingsText, PrintColoursOtherThanZeroReadAsColour)
{
    EXPECT_EQ(SanitisedColour(0), 0);
    for (int value : {1, 2, -1, 99999, -2147483647 - 1}) EXPECT_EQ(SanitisedColour(value), 1) << value;
}

} // namespace
} // namespace marevo
