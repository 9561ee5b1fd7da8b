// Port tree and port files: the ports placed from the file names of dt\, odd ones too, and
// chosen; a dt\ and port files that cannot be read; the sun computation's message.
#include <algorithm>
#include <filesystem>
#include <set>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/ui_seam.h"
#include "shell/port_files.h"
#include "views/view_layout.h"
#include "text/wide_text.h"

namespace marevo {
namespace {

using Texts = std::vector<std::string>;

class PortTreeTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        WritePort({"24鳥羽.MV2", "鳥羽", 34.29, 136.51, 150, 50, 20});
        WritePort({"01函館.MV2", "函館", 41.47, 140.43});
        WritePort({"80南鳥島.MV2", "南鳥島", 24.17, 153.59});
        WritePort({"14横須賀長井漁港.MV2", "横須賀長井漁港", 35.12, 139.37});
        // Names too short, codes without a node or past the table, one-digit codes, and a
        // lone lead byte, a lead byte before a blank, bytes no character starts with.
        for (const char* name : {"09abc.MV2", "99zz.MV2", "a", "24.MV2", "24a.MV2", "00零.MV2",
                                 "99九九.MV2", "7七.MV2", "24\x81.MV2", "24\x81\x20z.MV2",
                                 "24\xa0\xfd.MV2", "24a\x80.MV2"})
            WritePort({name, "短い"});
        WriteFile("dt\\readme.txt", "not a port\n");
        Start();
        Command(CMD_PERIOD1);
    }
};

// Ports under their codes in the directory's order, the rest at the root; each node chosen
// draws its port, or says "no port" or "cannot open" keeping 尾鷲 (rules: tests/shell).
TEST_F(PortTreeTest, PortsArePlacedAndChosen)
{
    EXPECT_TRUE(messages.empty());
    const Texts roots = ChildTexts(nullptr);
    ASSERT_GE(roots.size(), 9u);
    EXPECT_EQ(Texts(roots.begin(), roots.begin() + 9),
              (Texts{"北海道", "東北", "関東", "中部", "近畿", "中国", "四国", "九州", "その他"}));
    EXPECT_EQ(ChildTexts(app.RegionItems[3]), (Texts{"茨城県", "千葉県", "東京都", "神奈川県"}));
    for (int code : {0, 9, 48, 79}) EXPECT_EQ(app.PrefectureItems[code], nullptr) << code;

    Texts listed; // 24's names as the port files' rule reads them (their tests), in dt\'s order
    for (const auto& entry : std::filesystem::directory_iterator(WideFromSjis(dir + "dt"))) {
        const std::string name = SjisFromWide(entry.path().filename().wstring());
        if (name.rfind("24", 0) == 0) // in the tree's wide text
            listed.push_back(SjisFromWide(WideFromSjis(ParsePortFileName(name.c_str()).port)));
    }
    EXPECT_EQ(ChildTexts(app.PrefectureItems[24]), listed);
    EXPECT_EQ(ChildTexts(app.RegionItems[1]), Texts{"函館"}); // codes 01 and 80: the regions
    EXPECT_EQ(ChildTexts(app.RegionItems[9]), Texts{"南鳥島"});
    EXPECT_EQ(ChildTexts(app.PrefectureItems[7]), Texts{"\xb5"}); // "7七": one digit
    // Codes without a node or past the table, names without digits (directories: below).
    Texts extra(roots.begin() + 9, roots.end());
    std::sort(extra.begin(), extra.end());
    EXPECT_EQ(extra, (Texts{"", "abc", "adme", "zz", "九九", "零"}));

    std::set<std::string> drawn;
    const std::pair<std::string, HTREEITEM> places[] = {
        {"", nullptr}, {"三重県", app.PrefectureItems[24]}, {"福島県", app.PrefectureItems[7]},
        {"神奈川県", app.PrefectureItems[14]}, {"北海道", app.RegionItems[1]},
        {"その他", app.RegionItems[9]}};
    for (const auto& [place, parent] : places) {
        const auto nodes = Children(parent);
        for (size_t i = parent ? 0 : 9; i < nodes.size(); ++i) {
            SelectPort(24, "尾鷲");
            ASSERT_STREQ(ShownStation().StationName, "尾鷲");
            messages.clear();
            Select(nodes[i].first);
            const std::string port = Text(app.PortLabel), pref = Text(app.PrefLabel);
            SCOPED_TRACE(place + " " + port); // a window gone fails the next SelectPort
            if (port.empty() || pref.empty()) {
                EXPECT_EQ(messages, Texts{NoPort});
            } else if (messages.empty()) {
                EXPECT_EQ(pref, place);
                const std::string name = ShownStation().StationName;
                EXPECT_TRUE(name == port || name == "短い") << name;
                drawn.insert(name);
            } else {
                EXPECT_EQ(messages, Texts{CannotOpen});
                EXPECT_STREQ(ShownStation().StationName, "尾鷲");
            }
        }
    }
    EXPECT_EQ(drawn,
              (std::set<std::string>{"函館", "南鳥島", "尾鷲", "横須賀長井漁港", "短い", "鳥羽"}));
    SelectPort(24, "a");
    EXPECT_STREQ(ShownStation().StationName, "短い");

    SelectPort(24, "鳥羽");
    EXPECT_GT(PaintedPixels(), 1000);
    EXPECT_FLOAT_EQ(app.session.Model()->verticalScale, 2.0f); // 150 + 50 + 20 = 220
    // The canvas shows the surface once painted, where the pane shows the canvas.
    UpdateWindow(app.GraphPane);
    const SIZE pane = ClientSize(app.GraphPane);
    const POINT origin = CanvasOrigin();
    const int width = std::min<int>(600, pane.cx - origin.x);
    const int height = std::min<int>(380, pane.cy - origin.y);
    HDC canvas = GetDC(app.CanvasWindow);
    EXPECT_EQ(PixelsOf(canvas, width, height), PixelsOf(app.OffscreenDC(), width, height));
    ReleaseDC(app.CanvasWindow, canvas);
    Select(app.PrefectureItems[24]); // a prefecture with ports is not a selection
    EXPECT_EQ(Text(app.PortLabel), "鳥羽");
}

// dt\ or a port file the file functions cannot read, said once at start, a damaged file by its
// name (missing files and any content: the Session's and the station reader's tests).
TEST_F(ProgramTest, DtAndPortFilesThatCannotBeRead)
{
    const struct { int kind; const char* port; std::string message; } cases[] = {
        {0, "尾鷲", CannotOpen}, // no dt (an empty one: its . and .. are skipped as directories)
        {1, "尾鷲", CannotOpen}, // a file named dt
        {2, "鳥羽", CannotOpen}, // a directory named like a port file: not listed
        {3, "切れ", "ファイルが壊れています\ndt\\24切れ.MV2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        RemoveDirectoryA((dir + "dt").c_str()); // empty until the last case
        if (c.kind == 1) WriteFile("dt", "24尾鷲,34.04,136.12,110.0\n");
        if (c.kind == 2) std::filesystem::create_directories(WideFromSjis(dir + "dt\\24鳥羽.MV2"));
        if (c.kind == 2) WritePort({"24尾鷲.MV2", "尾鷲"});
        if (c.kind == 3) WriteFile("dt\\24切れ.MV2", "見本港,34.04,136.12,110.0\n");
        WriteSettings(std::string("[SITE]\r\nPREF=三重県\r\nPORT=") + c.port + "\r\n");
        messages.clear();
        Start();
        EXPECT_TRUE(Running());
        EXPECT_EQ(messages, Texts{c.message});
        EXPECT_EQ(Text(app.PortLabel), c.port);
        EXPECT_EQ(PaintedPixels(), 0);
        EXPECT_EQ(ChildTexts(nullptr).size(), 9u); // no . or .. at the root
        // 尾鷲 and 切れ are listed, the directory is not.
        EXPECT_EQ(ChildTexts(app.PrefectureItems[24]).size(), c.kind < 2 ? 0u : c.kind - 1u);
        if (c.kind >= 2) { // the program goes on
            SelectPort(24, "尾鷲");
            EXPECT_STREQ(ShownStation().StationName, "尾鷲");
            EXPECT_EQ(messages.size(), 1u);
        }
        Stop();
        EXPECT_NE(ReadFile("marevo.ini").find("PrinterColor=1"), std::string::npos);
        DeleteFileA((dir + "dt").c_str());
    }
}

// The sun computation's message: once for each picture, and shown when that picture is
// complete on the off-screen surface (which ports and views report it: the Session's tests).
TEST_F(ProgramTest, TheSunMessageComesOncePerPictureAfterTheDrawing)
{
    static std::vector<COLORREF> surfaceAtMessage;
    WritePort({"24南.MV2", "南", -52.0, 139.46});
    WriteSettings("[SITE]\r\nPREF=三重県\r\nPORT=南\r\n");
    Start(); // on the table, which reports nothing
    SetMessageBoxHook([](const char* text, const char*) { // the fixture's again for the next test
        ProgramTest::messages.push_back(text);
        surfaceAtMessage = PixelsOf(App().OffscreenDC(), OneDayWidth, OneDayHeight);
    });
    SetDate(2008, 11, 21);
    Command(CMD_PERIOD1);
    for (int shown : {1, 2}) {
        EXPECT_EQ(messages, Texts(shown, "日の出計算でエラー発生"));
        EXPECT_EQ(surfaceAtMessage, PixelsOf(app.OffscreenDC(), OneDayWidth, OneDayHeight));
        Command(CMD_REDRAW);
    }
}

} // namespace
} // namespace marevo
