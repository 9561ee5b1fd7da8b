// Main window commands from the menu, the toolbar and the keys reach the session, and the
// labels, check marks, buttons and canvas show what it holds; help, exit and the commands
// whose windows come later. What each command does: the Session's tests.
#include "program_fixture.h"
#include "window_probe.h"

#include "app/ids.h"
#include "app/ui_seam.h"

namespace marevo {
namespace {

class CommandsTest : public OwaseTest {
protected:
    void ClickButton(int id)
    {
        RECT r = {};
        SendMessageA(app.Toolbar, TB_GETRECT, id, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            SendMessageA(app.Toolbar, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, at);
        Pump();
    }
};

// Date moves, today and redraw from each of their ways, the keys whichever child has the
// focus: the labels show the new date and the port's file is read again.
TEST_F(CommandsTest, MenuToolbarAndKeysMoveTheDateAndDrawAgain)
{
    const int Today = 99;
    const struct { bool key; int id, days; } rows[] = {
        {0, CMD_MINUS1, -1},   {0, TB_MINUS1, -1},    {0, CMD_PLUS1, 1},  {0, TB_PLUS1, 1},
        {0, CMD_MINUS7, -7},   {0, TB_MINUS7, -7},    {0, CMD_PLUS7, 7},  {0, TB_PLUS7, 7},
        {1, VK_F1, -7},        {1, VK_F2, -1},        {1, VK_F3, 1},      {1, VK_F4, 7},
        {0, CMD_TODAY, Today}, {0, TB_TODAY, Today},  {1, VK_F8, Today},  {0, CMD_REDRAW, 0},
        {0, TB_REDRAW, 0},     {1, VK_F5, 0},         {0, CMD_LINES, 0},
    };
    int year, month, day;
    TodayDate(year, month, day);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        SetDate(2024, 6, 15);
        const std::string name = "改名" + std::to_string(&row - rows);
        WritePort({"24尾鷲.MV2", name});
        SetFocus((&row - rows) % 2 ? app.GraphPane : app.TreeControl);
        if (row.key) PressKey(row.id);
        else Command(row.id);
        if (row.days == Today) ExpectDate(year, month, day);
        else ExpectDate(2024, 6, 15 + row.days);
        EXPECT_EQ(std::string(ShownStation().StationName), name);
    }
    EXPECT_TRUE(messages.empty());
}

// One check mark and one pressed button each for the period and the style, from the menu and
// the toolbar; the canvas takes the session's size. The style button toggles itself.
TEST_F(CommandsTest, PeriodAndStyleKeepOneCheckAndOneButton)
{
    const struct { int period, item, button; } rows[] = {
        {1, CMD_PERIOD1, TB_PERIOD1}, {7, CMD_PERIOD7, TB_PERIOD7},
        {42, CMD_PERIOD42, TB_PERIOD42}, {-1, CMD_TABLE, TB_TABLE},
    };
    for (int menu : {1, 0})
        for (const auto& row : rows) {
            SCOPED_TRACE(row.period);
            Command(menu ? row.item : row.button);
            ExpectShown(row.period, 1);
            int width = 0, height = 0;
            app.session.CanvasSize(width, height);
            EXPECT_EQ(ClientSize(app.CanvasWindow).cx, width);
            EXPECT_EQ(ClientSize(app.CanvasWindow).cy, height);
            if (menu) Screenshot(("period_" + std::to_string(row.period)).c_str());
        }
    ClickButton(TB_PERIOD7);
    ExpectShown(7, 1);
    const std::function<void()> styles[] = {
        [&] { Command(CMD_LINES); }, [&] { Command(CMD_BARS); },
        [&] { ClickButton(TB_BARS); }, [&] { ClickButton(TB_BARS); },
    };
    for (const auto& style : styles) {
        style();
        ExpectShown(7, (&style - styles) % 2);
    }
}

// Help opens the HTML page when no help file is installed, and says when it cannot; later
// commands and unknown numbers change nothing.
TEST_F(CommandsTest, HelpAndCommandsThatChangeNothing)
{
    const CivilDate date = app.session.Date();
    for (int command : {CMD_HELP, 40002, 40047, 0}) Command(command);
    EXPECT_TRUE(app.session.Date() == date);
    EXPECT_EQ(app.session.Period(), -1);
    EXPECT_TRUE(messages.empty());
    SetOpenDocumentHook([](const char* path) {
        ProgramTest::opened.push_back(path);
        return false;
    });
    Command(CMD_HELP);
    EXPECT_EQ(opened, (std::vector<std::string>{dir + "marevo.html", dir + "marevo.html"}));
    EXPECT_EQ(messages, std::vector<std::string>{"ヘルプファイルがオープンできませんでした"});
    EXPECT_TRUE(Running());
    EXPECT_STREQ(ShownStation().StationName, "尾鷲"); // the picture is as it was
    EXPECT_GT(PaintedPixels(), 1000);
}

TEST_F(CommandsTest, ExitSavesTheSettingsAndEndsTheLoop)
{
    Command(CMD_PERIOD7);
    SendMessageA(app.MainWindow, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_FALSE(IsWindow(app.MainWindow));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_EQ(GetPrivateProfileIntA("WINDOWS", "ONEORSEVEN", 99, app.IniPath), 7);
}

} // namespace
} // namespace marevo
