// Port files that break the format, chosen in the tree of the running program: whole files
// are drawn (however long their lines), files without a header are said to be unopenable,
// files that are not whole are said to be damaged, by their name, and the picture of the port
// before stays; the program always goes on.
#include <cstdio>
#include <cstring>

#include "program_fixture.h"

#include "app/ids.h"
#include "text/wide_text.h"

namespace marevo {
namespace {

std::string Lines(int count, const char* eol = "\n")
{
    std::string text;
    char line[64];
    for (int k = 0; k < count; ++k) {
        std::snprintf(line, sizeof line, "C%d,%d.5,%d,D%d,%d.5,%d", k, 2 * k + 1, 20 * k + 10, k,
                      2 * k + 2, 20 * k + 20);
        text += line;
        text += eol;
    }
    return text;
}

std::string Garbage(unsigned seed, size_t size, bool commas)
{
    std::string bytes;
    for (size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        char c = static_cast<char>(seed >> 16);
        if (!commas && c == ',') c = ';';
        bytes += c;
    }
    return bytes;
}

const char Header[] = "見本港,34.04,136.12,110.0\n";

class BadStationWindowTest : public OwaseTest {
protected:
    void SetUp() override
    {
        OwaseTest::SetUp();
        Command(CMD_PERIOD1);
        ASSERT_TRUE(messages.empty());
    }

    // The port file written after the start, as if it had been edited meanwhile: the tree
    // lists the name and the refresh reads the new content.
    void Replace(const std::string& port, const std::string& content)
    {
        WriteFile("dt\\24" + port + ".MV2", content);
    }
    // Lists these ports in the tree (a start of the program), their content still to come.
    template <typename Cases> void List(const Cases& cases)
    {
        for (const auto& c : cases) Replace(c.port, "x,1,2,3\n");
        Stop();
        Start();
        Command(CMD_PERIOD1);
    }
};

// Whole files: each is drawn under its own name, nothing is said.
TEST_F(BadStationWindowTest, WholeFilesAreDrawnWhateverTheirLines)
{
    const std::string longName = "長い名前の港長い名前の港長い名前"; // 32 bytes, cut to 19
    std::string overLong = longName + ",34.04,136.12,110.0," + std::string(200, 'x') + "\n";
    for (int k = 0; k < 20; ++k) overLong += "A,1.5,10,B,2.5,20," + std::string(100, '7') + "\n";
    std::string manyFields = Header;
    for (int k = 0; k < 20; ++k) manyFields += "A,1,2,B,3,4,C,5,6,D,7,8,E,9,10\n";
    std::string unterminated = Header + Lines(20);
    unterminated.pop_back();

    struct Case { const char* port; std::string content; std::string name; };
    const Case cases[] = {
        {"改行無し", unterminated, "見本港"},
        {"復帰改行", std::string("見本港,34.04,136.12,110.0\r\n") + Lines(20, "\r\n"), "見本港"},
        {"長い行", overLong, longName.substr(0, 19)},
        {"多い欄", manyFields, "見本港"},
    };
    List(cases);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        Replace(c.port, c.content);
        SelectPort(24, "尾鷲");
        const std::vector<COLORREF> before = Picture();
        SelectPort(24, c.port);
        EXPECT_TRUE(Running());
        EXPECT_TRUE(messages.empty()) << messages.front();
        messages.clear();
        EXPECT_EQ(Text(app.PortLabel), c.port);
        EXPECT_EQ(std::string(app.station.StationName), c.name);
        EXPECT_GT(PaintedPixels(), 1000);
        EXPECT_NE(Picture(), before); // this port, drawn
    }
    // Every view draws the last of them.
    for (int period : {CMD_PERIOD7, CMD_PERIOD42, CMD_TABLE}) {
        Command(period);
        EXPECT_TRUE(Running());
        EXPECT_TRUE(messages.empty());
        EXPECT_GT(PaintedPixels(), 1000) << period;
    }
}

// Files without the four header fields cannot be drawn: the program says so and keeps the
// picture and the station of the port before.
TEST_F(BadStationWindowTest, FilesWithoutHeaderAreReportedAndThePictureStays)
{
    struct Case { const char* port; std::string content; };
    const Case cases[] = {
        {"空", ""},
        {"改行だけ", "\n\n\n"},
        {"三欄", "見本港,34.04,136.12\n" + Lines(20)},
        {"見出し改行無し", "見本港,34.04,136.12,110.0"},
        {"雑音", Garbage(7, 3000, false)},
        {"零文字", std::string("\0\0\0,1,2,3\n", 10) + Lines(20)},
    };
    List(cases);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        Replace(c.port, c.content);
        SelectPort(24, "尾鷲");
        ASSERT_STREQ(app.station.StationName, "尾鷲");
        const std::vector<COLORREF> before = Picture();
        messages.clear();
        SelectPort(24, c.port);
        EXPECT_TRUE(Running());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], CannotOpen);
        EXPECT_EQ(Text(app.PortLabel), c.port);
        EXPECT_STREQ(app.station.StationName, "尾鷲");
        EXPECT_EQ(Picture(), before);
    }
    // F5 on the refused port says it again and still keeps the picture.
    messages.clear();
    Command(CMD_REDRAW);
    EXPECT_EQ(messages, std::vector<std::string>{CannotOpen});
    EXPECT_STREQ(app.station.StationName, "尾鷲");
}

// Files that are not whole: said to be damaged, with the file's name; the picture and the
// station of the port before stay.
TEST_F(BadStationWindowTest, DamagedFilesAreReportedByNameAndThePictureStays)
{
    std::string words = "文字港,北緯,東経,ゼロ\n";
    for (int k = 0; k < 20; ++k) words += "A,amp,kappa,B,,phase\n";
    std::string cut = Header + Lines(20);
    cut.resize(cut.size() - 10);
    struct Case { const char* port; std::string content; };
    const Case cases[] = {
        {"見出し", Header},
        {"七行", Header + Lines(7)},
        {"切れた", cut},
        {"数字無し", words},
    };
    List(cases);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        Replace(c.port, c.content);
        SelectPort(24, "尾鷲");
        const std::vector<COLORREF> before = Picture();
        messages.clear();
        SelectPort(24, c.port);
        EXPECT_TRUE(Running());
        const std::string said = "ファイルが壊れています\ndt\\24" + std::string(c.port) + ".MV2";
        EXPECT_EQ(messages, std::vector<std::string>{said});
        EXPECT_EQ(Text(app.PortLabel), c.port);
        EXPECT_STREQ(app.station.StationName, "尾鷲");
        EXPECT_EQ(Picture(), before);
    }
}

// Binary garbage with commas may make a header: it is either drawn or refused, never both,
// and nothing but the program's own messages is said.
TEST_F(BadStationWindowTest, BinaryGarbageIsDrawnOrRefused)
{
    for (unsigned seed = 1; seed <= 6; ++seed) Replace("雑" + std::to_string(seed), "x,1,2,3\n");
    Stop();
    Start();
    for (int period : {CMD_PERIOD1, CMD_PERIOD7, CMD_PERIOD42, CMD_TABLE}) {
        Command(period);
        for (unsigned seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE(seed);
            const std::string port = "雑" + std::to_string(seed);
            Replace(port, Garbage(seed * 977, 2000 + 300 * seed, true));
            SelectPort(24, "尾鷲");
            messages.clear();
            SelectPort(24, port);
            EXPECT_TRUE(Running());
            const std::string damaged = "ファイルが壊れています\ndt\\24" + port + ".MV2";
            for (const std::string& m : messages)
                EXPECT_TRUE(m == CannotOpen || m == damaged || m == "日の出計算でエラー発生") << m;
            const bool refused =
                !messages.empty() && (messages[0] == CannotOpen || messages[0] == damaged);
            EXPECT_EQ(std::strcmp(app.station.StationName, "尾鷲") == 0, refused);
        }
    }
}

// The file goes away after the tree was listed: said once, the program goes on, and the
// port opens again once the file is back.
TEST_F(BadStationWindowTest, AFileRemovedAfterTheListingIsReported)
{
    Replace("消える", Header + Lines(20));
    Stop();
    Start();
    Command(CMD_PERIOD1);
    ASSERT_NE(FindNode(app.PrefectureItems[24], "消える"), nullptr);
    ASSERT_TRUE(DeleteFileW(WideFromSjis(dir + "dt\\24消える.MV2").c_str()));
    const std::vector<COLORREF> before = Picture();
    SelectPort(24, "消える");
    EXPECT_TRUE(Running());
    EXPECT_EQ(messages, std::vector<std::string>{CannotOpen});
    EXPECT_STREQ(app.station.StationName, "尾鷲");
    EXPECT_EQ(Picture(), before);

    // Date moves and period changes on the missing port say it each time and change
    // nothing else but the date.
    messages.clear();
    Command(CMD_PLUS1);
    Command(CMD_PERIOD7);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_STREQ(app.station.StationName, "尾鷲");

    Replace("消える", Header + Lines(20));
    messages.clear();
    Command(CMD_REDRAW);
    EXPECT_TRUE(messages.empty());
    EXPECT_STREQ(app.station.StationName, "見本港");
}

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
    EXPECT_STREQ(app.station.StationName, "尾鷲");
    EXPECT_EQ(messages.size(), 1u);
}

} // namespace
} // namespace marevo
