// Main window commands: date moves and today (menu, toolbar and keys), display periods
// with their check marks and radio buttons, graph styles, redraw, help, exit, and the
// commands whose windows come later.
#include <functional>
#include <string>

#include "program_fixture.h"
#include "window_probe.h"

#include "app/ids.h"
#include "views/tide_table_view.h"
#include "app/refresh.h"

namespace marevo {
namespace {

class CommandsTest : public OwaseTest {
protected:
    void PressKey(int key)
    {
        // Accelerators act whichever child has the focus.
        PostMessageA(app.TreeControl, WM_KEYDOWN, key, 0);
        Pump();
    }
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

// Every way to give a date command reaches the session: the menu items, the toolbar's
// buttons and the keys (whichever child has the focus); the labels show the new date. What
// each step does at month, year and calendar ends: the Session's tests.
TEST_F(CommandsTest, MenuToolbarAndKeysMoveTheDate)
{
    enum Way { Menu, Key };
    const struct { Way way; int id, days; } rows[] = {
        {Menu, CMD_MINUS1, -1}, {Menu, TB_MINUS1, -1}, {Menu, CMD_PLUS1, 1}, {Menu, TB_PLUS1, 1},
        {Menu, CMD_MINUS7, -7}, {Menu, TB_MINUS7, -7}, {Menu, CMD_PLUS7, 7}, {Menu, TB_PLUS7, 7},
        {Key, VK_F1, -7},       {Key, VK_F2, -1},      {Key, VK_F3, 1},      {Key, VK_F4, 7},
        {Menu, CMD_TODAY, 0},   {Menu, TB_TODAY, 0},   {Key, VK_F8, 0},
    };
    int year, month, day;
    TodayDate(year, month, day);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        SetDate(2024, 6, 15);
        if (row.way == Menu) Command(row.id);
        else PressKey(row.id);
        if (row.days) ExpectDate(2024, 6, 15 + row.days);
        else ExpectDate(year, month, day);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(CommandsTest, PeriodCommandsKeepOneCheckAndOneRadioButton)
{
    struct Row { int period, item, button, width, height; };
    const Row rows[] = {
        {1, CMD_PERIOD1, TB_PERIOD1, 610, 385},
        {7, CMD_PERIOD7, TB_PERIOD7, 600, 375},
        {42, CMD_PERIOD42, TB_PERIOD42, 600, 370},
        {-1, CMD_TABLE, TB_TABLE, 0, 700},
    };
    for (int source = 0; source < 2; ++source) {
        for (const Row& chosen : rows) {
            SCOPED_TRACE(chosen.period);
            Command(source == 0 ? chosen.item : chosen.button);
            ExpectShown(chosen.period, 1);
            const SIZE canvas = ClientSize(app.CanvasWindow);
            const int width = chosen.width ? chosen.width : TideTableWidth(*app.session.Model()->tideTable);
            EXPECT_EQ(canvas.cx, width);
            EXPECT_EQ(canvas.cy, chosen.height);
            if (source == 0) Screenshot(("period_" + std::to_string(chosen.period)).c_str());
        }
    }
    // A click on a period button of the toolbar presses it and releases the others.
    ClickButton(TB_PERIOD7);
    ExpectShown(7, 1);
}

TEST_F(CommandsTest, GraphStyleFollowsMenuAndToolbarButton)
{
    ASSERT_EQ(app.session.Style(), 1);
    Command(CMD_LINES);
    ExpectShown(-1, 0);
    Command(CMD_BARS);
    ExpectShown(-1, 1);
    // The toolbar button toggles itself; the style and the menu follow it each time.
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

TEST_F(CommandsTest, HelpOpensTheHtmlPageWhenNoHelpFileIsInstalled)
{
    Command(CMD_HELP);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], dir + "marevo.html");
}

TEST_F(CommandsTest, LaterCommandsAndUnknownNumbersChangeNothing)
{
    const int year = app.session.Date().year, period = app.session.Period();
    for (int command : {40002, 40047, 0}) Command(command);
    EXPECT_EQ(app.session.Date().year, year);
    EXPECT_EQ(app.session.Period(), period);
    EXPECT_TRUE(IsWindow(app.MainWindow));
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
