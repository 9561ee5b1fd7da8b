// A port file the Windows file functions cannot read: a directory named like one; a file that
// is not whole, said to be damaged by its name. (Missing files, files without a header and the
// picture that stays: the Session's tests; files of any content: the station reader's.)
#include "program_fixture.h"

#include "app/ids.h"
#include "text/wide_text.h"

namespace marevo {
namespace {

class BadStationWindowTest : public OwaseTest {
protected:
    void SetUp() override
    {
        OwaseTest::SetUp();
        Command(CMD_PERIOD1);
        ASSERT_TRUE(messages.empty());
    }
};

// A directory named like a port file is no port: not listed, and when the saved site names
// it the program says it cannot open it and goes on.
TEST_F(BadStationWindowTest, ADirectoryNamedLikeAPortFile)
{
    Stop();
    ASSERT_TRUE(CreateDirectoryA((dir + "dt\\24鳥羽.MV2").c_str(), nullptr));
    WriteSettings("[SITE]\r\nPREF=三重県\r\nPORT=鳥羽\r\n");
    messages.clear();
    Start();
    EXPECT_TRUE(Running());
    EXPECT_EQ(FindNode(app.PrefectureItems[24], "鳥羽"), nullptr);
    EXPECT_EQ(messages, std::vector<std::string>{CannotOpen});
    EXPECT_EQ(Text(app.PortLabel), "鳥羽");
    SelectPort(24, "尾鷲");
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_EQ(messages.size(), 1u);
}

// A file cut short (its header and no constituents) is said to be damaged, with its name in
// the folder of the program, so that it can be replaced; the program goes on.
TEST_F(BadStationWindowTest, ADamagedFileIsNamed)
{
    Stop();
    WriteFile("dt\\24切れ.MV2", "見本港,34.04,136.12,110.0\n");
    WriteSettings("[SITE]\r\nPREF=三重県\r\nPORT=切れ\r\n");
    messages.clear();
    Start();
    EXPECT_TRUE(Running());
    EXPECT_EQ(messages, std::vector<std::string>{"ファイルが壊れています\ndt\\24切れ.MV2"});
    SelectPort(24, "尾鷲");
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_EQ(messages.size(), 1u);
}

} // namespace
} // namespace marevo
