// Setting values in initialisation-file text: new file, new section, new key after the
// last key of its section, replaced keys with any case, values kept byte for byte; and
// reading them back as the platform's reader does; a UTF-8 signature hides no section.
#include "shell/profile_text.h"

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

TEST(ProfileText, ValuesAreReadAsThePlatformsReaderGivesThem)
{
    const std::string text = "; note\r\n[windows]\r\n width = 12 \r\nHeight=480\r\n"
                             "[SITE]\r\nPORT=\"尾鷲\"\r\nPREF='三重県'\nNAME=\"x\r\nEMPTY=\r\n"
                             "[WINDOWS]\r\nBOX=0\r\nHeight=1\r\n";
    struct Case { const char* section; const char* key; bool found; std::string value; };
    const Case cases[] = {
        {"WINDOWS", "Width", true, "12"},   // names in any case, blanks dropped
        {"Windows", "height", true, "480"}, // the first in file order
        {"WINDOWS", "BOX", true, "0"},      // a section named twice is searched in both
        {"SITE", "PORT", true, "尾鷲"},     // one pair of quotes removed
        {"SITE", "PREF", true, "三重県"},
        {"SITE", "NAME", true, "\"x"},      // a quote without its pair stays
        {"SITE", "EMPTY", true, ""},
        {"SITE", "Width", false, ""},       // a key of another section
        {"PRINTER", "PrinterRatio", false, ""},
    };
    for (const Case& c : cases) {
        std::string value;
        EXPECT_EQ(FindProfileValue(text, c.section, c.key, value), c.found) << c.key;
        if (c.found) {
            EXPECT_EQ(value, c.value) << c.key;
        }
    }
    // What the writer sets is what the reader finds.
    std::string value;
    const std::string written = SetProfileValue(text, {"printer", "PrinterRatio", " 1.0"});
    EXPECT_TRUE(FindProfileValue(written, "PRINTER", "PRINTERRATIO", value));
    EXPECT_EQ(value, "1.0");
}

TEST(ProfileText, TheUtf8SignatureIsDroppedAndTheFirstSectionEditedInPlace)
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

} // namespace
} // namespace marevo
