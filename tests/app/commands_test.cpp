// Main window commands from the menu, the toolbar and the keys reach the session, and the
// labels, check marks, radio buttons and canvas show what it holds; help, exit and the
// commands whose windows come later. What each command does: the Session's tests.
#include "program_fixture.h"
#include "window_probe.h"

#include "app/ids.h"

namespace marevo {
namespace {

class CommandsTest : public OwaseTest {
protected:
    void ClickButton(int id)
    {
        RECT r = {};
        SendMessageA(app.Toolbar, TB_GETRECT, id, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageA(app.Toolbar, WM_MOUSEMOVE, 0, at);
        SendMessageA(app.Toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(app.Toolbar, WM_LBUTTONUP, 0, at);
        Pump();
    }
};

// The keys act whichever child has the focus (the tree or the graph pane).
TEST_F(CommandsTest, MenuToolbarAndKeysMoveTheDate)
{
    const struct { bool key; int id, days; } rows[] = {
        {0, CMD_MINUS1, -1}, {0, TB_MINUS1, -1}, {0, CMD_PLUS1, 1}, {0, TB_PLUS1, 1},
        {0, CMD_MINUS7, -7}, {0, TB_MINUS7, -7}, {0, CMD_PLUS7, 7}, {0, TB_PLUS7, 7},
        {1, VK_F1, -7},      {1, VK_F2, -1},     {1, VK_F3, 1},     {1, VK_F4, 7},
        {0, CMD_TODAY, 0},   {0, TB_TODAY, 0},   {1, VK_F8, 0},
    };
    int year, month, day;
    TodayDate(year, month, day);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        SetDate(2024, 6, 15);
        SetFocus((&row - rows) % 2 ? app.GraphPane : app.TreeControl);
        if (row.key) PressKey(row.id);
        else Command(row.id);
        if (row.days) ExpectDate(2024, 6, 15 + row.days);
        else ExpectDate(year, month, day);
    }
    EXPECT_TRUE(messages.empty());
}

// One check mark and one pressed button, and the canvas of the session's size.
TEST_F(CommandsTest, PeriodCommandsKeepOneCheckAndOneRadioButton)
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
    ClickButton(TB_PERIOD7); // a click presses the button and releases the others
    ExpectShown(7, 1);
}

// The toolbar's style button toggles itself; the style and the menu follow it each time.
TEST_F(CommandsTest, GraphStyleFollowsMenuAndToolbarButton)
{
    ASSERT_EQ(app.session.Style(), 1);
    Command(CMD_LINES);
    ExpectShown(-1, 0);
    Command(CMD_BARS);
    ExpectShown(-1, 1);
    ClickButton(TB_BARS);
    ExpectShown(-1, 0);
    ClickButton(TB_BARS);
    ExpectShown(-1, 1);
}

// Redraw from the menu, the toolbar and F5, and a change of the style alone, read the
// station file again.
TEST_F(CommandsTest, RedrawAndStyleChangesReadTheStationAgain)
{
    const std::function<void()> ways[] = {
        [&] { Command(CMD_REDRAW); }, [&] { Command(TB_REDRAW); }, [&] { PressKey(VK_F5); },
        [&] { Command(CMD_LINES); },
    };
    for (const auto& way : ways) {
        const std::string name = "改名" + std::to_string(&way - ways);
        WritePort({"24尾鷲.MV2", name});
        way();
        EXPECT_EQ(std::string(ShownStation().StationName), name);
    }
}

// Help opens the HTML page when no help file is installed (a missing page: the busy
// services' tests); later commands and unknown numbers change nothing.
TEST_F(CommandsTest, HelpOpensThePageAndLaterCommandsChangeNothing)
{
    const CivilDate date = app.session.Date();
    const int period = app.session.Period();
    for (int command : {CMD_HELP, 40002, 40047, 0}) Command(command);
    EXPECT_EQ(opened, std::vector<std::string>{dir + "marevo.html"});
    EXPECT_TRUE(app.session.Date() == date);
    EXPECT_EQ(app.session.Period(), period);
    EXPECT_TRUE(Running());
    EXPECT_TRUE(messages.empty());
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
