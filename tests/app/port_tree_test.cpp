// Port tree: regions and prefectures, ports placed from the file names of dt\, selections
// that set the labels and the picture, and ports that cannot be loaded.
#include <algorithm>
#include <cstring>

#include "program_fixture.h"
#include "window_probe.h"

#include "app/ids.h"
#include "app/port_tree.h"
#include "text/wide_text.h"

namespace marevo {
namespace {

class PortTreeTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        WritePort({"24鳥羽.MV2", "鳥羽", 34.29, 136.51, 150, 50, 20});
        WritePort({"01函館.MV2", "函館", 41.47, 140.43});
        WritePort({"80南鳥島.MV2", "南鳥島", 24.17, 153.59});
        WritePort({"09abc.MV2", "abc"});
        WritePort({"99zz.MV2", "zz"});
        WritePort({"14横須賀長井漁港.MV2", "横須賀長井漁港", 35.12, 139.37});
        WriteFile("dt\\readme.txt", "not a port\n");
        CreateDirectoryA((dir + "dt\\45folder").c_str(), nullptr);
        Start();
    }
};

// The regions and prefectures of the shared table (its contents: the prefectures' tests),
// and the ports placed by their code in the order the directory lists them.
TEST_F(PortTreeTest, PortsArePlacedUnderTheirPrefectures)
{
    const std::vector<std::string> roots = ChildTexts(nullptr);
    ASSERT_GE(roots.size(), 9u);
    const char* const regions[] = {"北海道", "東北", "関東", "中部", "近畿", "中国", "四国", "九州", "その他"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(roots[i], regions[i]);
    EXPECT_EQ(ChildTexts(app.RegionItems[3]),
              (std::vector<std::string>{"茨城県", "千葉県", "東京都", "神奈川県"}));
    EXPECT_EQ(app.PrefectureItems[1], app.RegionItems[1]);
    EXPECT_EQ(app.PrefectureItems[80], app.RegionItems[9]);
    for (int code : {0, 9, 48, 79}) EXPECT_EQ(app.PrefectureItems[code], nullptr) << code;

    std::vector<std::string> listed;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WideFromSjis(dir + "dt\\24*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        const std::string name = SjisFromWide(found.cFileName);
        listed.push_back(name.substr(2, name.size() - 6));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_EQ(ChildTexts(app.PrefectureItems[24]), listed);
    EXPECT_EQ(ChildTexts(app.RegionItems[1]).front(), "函館"); // code 01: the region itself
    EXPECT_EQ(ChildTexts(app.RegionItems[9]).front(), "南鳥島");
    // Codes without a node, out of the table and names without digits: at the root,
    // after the regions; directories are not listed.
    std::vector<std::string> extra(roots.begin() + 9, roots.end());
    std::sort(extra.begin(), extra.end());
    EXPECT_EQ(extra, (std::vector<std::string>{"abc", "adme", "zz"}));
    EXPECT_TRUE(ChildTexts(app.PrefectureItems[45]).empty());
}

TEST_F(PortTreeTest, SelectingAPortSetsTheLabelsAndDrawsIt)
{
    Command(CMD_PERIOD1);
    Select(FindNode(app.PrefectureItems[24], "鳥羽"));
    EXPECT_EQ(Text(app.PrefLabel), "三重県");
    EXPECT_EQ(Text(app.PortLabel), "鳥羽");
    EXPECT_STREQ(ShownStation().StationName, "鳥羽");
    EXPECT_FLOAT_EQ(app.session.Model()->verticalScale, 2.0f); // 150 + 50 + 20 = 220
    EXPECT_GT(PaintedPixels(), 1000);

    // The canvas shows the surface once painted, where the pane shows the canvas.
    UpdateWindow(app.GraphPane);
    const SIZE pane = ClientSize(app.GraphPane);
    const POINT origin = CanvasOrigin();
    HDC canvas = GetDC(app.CanvasWindow);
    int same = 0, total = 0;
    for (int y = 5; y < std::min<int>(380, pane.cy - origin.y); y += 37)
        for (int x = 5; x < std::min<int>(600, pane.cx - origin.x); x += 41, ++total)
            if (GetPixel(canvas, x, y) == GetPixel(app.OffscreenDC(), x, y)) ++same;
    ReleaseDC(app.CanvasWindow, canvas);
    EXPECT_EQ(same, total);
    Screenshot("tree_toba");

    // A prefecture with ports is not a selection; a region's own port and a long name are.
    Select(app.PrefectureItems[24]);
    EXPECT_EQ(Text(app.PortLabel), "鳥羽");
    Select(FindNode(app.RegionItems[1], "函館"));
    EXPECT_EQ(Text(app.PrefLabel), "北海道");
    EXPECT_STREQ(ShownStation().StationName, "函館");
    Select(FindNode(app.PrefectureItems[14], "横須賀長井漁港"));
    EXPECT_EQ(Text(app.PortLabel), "横須賀長井漁港");
    EXPECT_STREQ(ShownStation().StationName, "横須賀長井漁港");
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace marevo
