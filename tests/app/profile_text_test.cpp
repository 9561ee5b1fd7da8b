// Setting values in initialisation-file text: new file, new section, new key after the
// last key of its section, replaced keys with any case, values kept byte for byte.
#include "app/profile_text.h"

#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(ProfileText, NewFileGetsSectionsInTheOrderOfFirstWriting)
{
    const std::string text = SetProfileValues("", {
        {"TREE", "CHI1", "0"}, {"SITE", "PREF", "三重県"}, {"TREE", "CHI2", "1"},
        {"PRINTER", "PrinterRatio", " 1.0"},
    });
    EXPECT_EQ(text, "[TREE]\r\nCHI1=0\r\nCHI2=1\r\n[SITE]\r\nPREF=三重県\r\n"
                    "[PRINTER]\r\nPrinterRatio= 1.0\r\n");
}

TEST(ProfileText, ExistingKeysAreReplacedInPlace)
{
    const std::string before = "; note\r\n[windows]\r\nwidth = 12\r\nHeight=480\r\n\r\n[SITE]\r\nPORT=x\r\n";
    struct Case { ProfileValue entry; std::string after; };
    const Case cases[] = {
        {{"WINDOWS", "Width", "725"},
         "; note\r\n[windows]\r\nWidth=725\r\nHeight=480\r\n\r\n[SITE]\r\nPORT=x\r\n"},
        {{"WINDOWS", "TreeWidth", "120"}, // new key: after the section's last key
         "; note\r\n[windows]\r\nwidth = 12\r\nHeight=480\r\nTreeWidth=120\r\n\r\n[SITE]\r\nPORT=x\r\n"},
        {{"site", "PORT", "尾鷲"},
         "; note\r\n[windows]\r\nwidth = 12\r\nHeight=480\r\n\r\n[SITE]\r\nPORT=尾鷲\r\n"},
        {{"PRINTER", "PrinterColor", "1"},
         before + "[PRINTER]\r\nPrinterColor=1\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(SetProfileValue(before, c.entry), c.after) << c.entry.key;
}

TEST(ProfileText, FilesWithoutFinalLineBreakOrWithLfOnly)
{
    EXPECT_EQ(SetProfileValue("[A]\nk=1", {"A", "j", "2"}), "[A]\nk=1\r\nj=2\r\n");
    EXPECT_EQ(SetProfileValue("[A]\nk=1", {"B", "j", "2"}), "[A]\nk=1\r\n[B]\r\nj=2\r\n");
    EXPECT_EQ(SetProfileValue("[A]\nk=1\n", {"a", "K", "3"}), "[A]\nK=3\r\n");
    // A key that only occurs in another section is not touched.
    EXPECT_EQ(SetProfileValue("[A]\r\nk=1\r\n[B]\r\nk=2\r\n", {"B", "k", "5"}),
              "[A]\r\nk=1\r\n[B]\r\nk=5\r\n");
}

} // namespace
} // namespace marevo
