// The tree and the window's scale: places without ports change nothing, the shown port is
// selected and in sight at start, the tree's default width shows four-character names
// whole, and another monitor scale scales the whole window (its arithmetic:
// tests/shell/scrolling_test.cpp).
#include <cstring>
#include <string>

#include "program_fixture.h"
#include "window_probe.h"

#include "app/calendar_window.h"
#include "app/ids.h"
#include "app/port_tree.h"

namespace marevo {
namespace {

class PaneInputTest : public OwaseTest {
protected:
    // The item is the selection and its text lies whole inside the tree's client area.
    void ExpectSelectedInSight(int code, const char* port, bool selected = true)
    {
        SCOPED_TRACE(port);
        const HTREEITEM item = FindNode(app.PrefectureItems[code], port);
        ASSERT_NE(item, nullptr);
        if (selected) EXPECT_EQ(SelectedNode(), item);
        else SendMessageA(app.TreeControl, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        RECT r = {};
        std::memcpy(&r, &item, sizeof item); // the item in, its rectangle out
        ASSERT_TRUE(SendMessageA(app.TreeControl, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.bottom, ClientSize(app.TreeControl).cy);
        EXPECT_LE(r.right, ClientSize(app.TreeControl).cx);
    }
    void ChangeDpi(int dpi, RECT r)
    {
        SendMessageA(app.MainWindow, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
        Pump();
    }
    static int FontHeight(HFONT font)
    {
        LOGFONTW face = {};
        GetObjectW(font, sizeof face, &face);
        return face.lfHeight;
    }
};

// その他, a prefecture without files, a region, a prefecture with its ports: choosing one
// keeps the port, its labels, the picture and the commands as they were (the tree's keys
// reach the same choice: KeysTheWheelAndTheBarsScrollTheCanvas).
TEST_F(PaneInputTest, PlacesWithoutPortsChangeNothing)
{
    Command(CMD_PERIOD1);
    SetDate(2026, 12, 8);
    Command(CMD_REDRAW);
    const std::vector<COLORREF> picture = Picture();
    for (HTREEITEM place : {app.RegionItems[9], app.PrefectureItems[2], app.RegionItems[1],
                            app.PrefectureItems[24], app.RegionItems[2]}) {
        char text[MaxNodeText + 1];
        NodeText(app.TreeControl, place, text, sizeof text);
        SCOPED_TRACE(text);
        Select(place);
        EXPECT_EQ(Text(app.PrefLabel), "三重県");
        EXPECT_EQ(Text(app.PortLabel), "尾鷲");
        EXPECT_STREQ(ShownStation().StationName, "尾鷲");
        EXPECT_EQ(Picture(), picture);
        EXPECT_TRUE(messages.empty());
    }
    Command(CMD_PLUS1); // the date commands go on drawing the port shown
    ExpectDate(2026, 12, 9);
    EXPECT_NE(Picture(), picture);
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_TRUE(messages.empty());
}

// At start the shown port is the tree's selection, in sight, on the first start and on a
// later one in a low window whose tree must scroll to it; the tree's default width then
// shows a four-character name whole beside its vertical scroll bar.
TEST_F(PaneInputTest, AtStartTheShownPortIsSelectedInTheTree)
{
    ExpectSelectedInSight(24, "尾鷲");
    Stop();
    WritePort({"47那覇.MV2", "那覇", 26.13, 127.40});
    for (const char* name : {"八丈神湊", "三宅坪田", "東京", "晴海", "芝浦", "竹芝", "大井", "有明"})
        WritePort({std::string("13") + name + ".MV2", name});
    WriteSettings("[TREE]\r\nCHI1=1\r\nCHI2=1\r\nCHI3=1\r\nCHI4=1\r\n[SITE]\r\nPREF=沖縄県\r\n"
                  "PORT=那覇\r\n[WINDOWS]\r\nHeight=300\r\n");
    Start();
    ExpectSelectedInSight(47, "那覇");
    EXPECT_STREQ(ShownStation().StationName, "那覇");
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(HasStyle(app.TreeControl, WS_VSCROLL));
    ExpectSelectedInSight(13, "八丈神湊", false);
    ExpectSelectedInSight(13, "三宅坪田", false);
    Screenshot("tree_at_start");
}

// A monitor of 150 %: the picture is drawn at that scale, the toolbar's boxes and fonts,
// the tree's font and the calendar's button grow with it, the cells are found at their
// scaled places; back at 96 dpi all is as it was; marevo.ini keeps the 96-dpi sizes.
TEST_F(PaneInputTest, AnotherMonitorScaleScalesTheWholeWindow)
{
    Command(CMD_PERIOD1);
    SetDate(2026, 12, 8);
    Command(CMD_REDRAW);
    ASSERT_EQ(app.Dpi, 96);
    ASSERT_EQ(ClientSize(app.CanvasWindow).cx, 610);
    const std::vector<COLORREF> picture96 = Picture();
    const int painted96 = PaintedPixels();
    const int site96 = ClientSize(app.SiteBox).cy, toolbar96 = ClientSize(app.Toolbar).cy;
    const int tree96 = FontHeight(reinterpret_cast<HFONT>(SendMessageW(app.TreeControl, WM_GETFONT, 0, 0)));

    ChangeDpi(144, {0, 0, 1000, 700});
    EXPECT_EQ(app.Dpi, 144);
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, 915); // 610 x 1.5
    EXPECT_EQ(ClientSize(app.CanvasWindow).cy, 578); // 385 x 1.5, rounded
    EXPECT_GT(PaintedPixels(), painted96 * 2);       // about 1.5^2 times the pixels
    RECT box = {};
    GetWindowRect(app.SiteBox, &box);
    EXPECT_EQ(box.bottom - box.top, 30); // 20 x 1.5
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");
    EXPECT_EQ(FontHeight(app.UiFont.get()), 18); // 12 x 1.5
    EXPECT_GE(ClientSize(app.Toolbar).cy, toolbar96 + 8); // 24-pixel images
    EXPECT_EQ(FontHeight(reinterpret_cast<HFONT>(SendMessageW(app.TreeControl, WM_GETFONT, 0, 0))),
              MulDiv(tree96, 144, 96));
    EXPECT_EQ(ClientSize(GetDlgItem(app.CalendarWindow, CalendarCloseId)).cy, 30); // 20 x 1.5
    RECT window = {};
    GetWindowRect(app.MainWindow, &window);
    EXPECT_EQ(window.right - window.left, 1000);
    Command(CMD_PERIOD42);
    MouseAt(200, 39); // view (133, 26): cell (1, 0); unscaled it would be cell (2, 0)
    EXPECT_EQ(app.HoverColumn, 1);
    EXPECT_EQ(app.HoverRow, 0);

    ChangeDpi(96, {0, 0, 1000, 700});
    Command(CMD_PERIOD1);
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, 610);
    EXPECT_EQ(Picture(), picture96);
    EXPECT_EQ(ClientSize(app.SiteBox).cy, site96);
    EXPECT_EQ(ClientSize(app.Toolbar).cy, toolbar96);
    EXPECT_TRUE(messages.empty());

    // A window of 900 x 600 pixels at 150 % is saved as 600 x 400 and opens so at 96 dpi.
    ChangeDpi(144, {0, 0, 900, 600});
    Stop();
    EXPECT_EQ(IniValue("Width"), "600");
    EXPECT_EQ(IniValue("Height"), "400");
    Start();
    GetWindowRect(app.MainWindow, &window);
    EXPECT_EQ(window.right - window.left, 600);
    EXPECT_EQ(window.bottom - window.top, 400);
}

} // namespace
} // namespace marevo
