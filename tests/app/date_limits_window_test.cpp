// The date commands at both ends of the years 1 to 9999: every view is drawn there, a move
// that would leave those years is not made (nothing said, the date and the picture stay),
// and the calendar pop-up opens at either end.

#include "program_fixture.h"

#include "app/calendar_window.h"
#include "app/ids.h"

namespace marevo {
namespace {

class DateLimitsWindowTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        Start();
    }
    void ShowDate(int year, int month, int day)
    {
        SetDate(year, month, day);
        Command(CMD_REDRAW);
    }
};

const int Periods[] = {CMD_PERIOD1, CMD_PERIOD7, CMD_PERIOD42, CMD_TABLE};

TEST_F(DateLimitsWindowTest, RepeatedWeekStepsStopAtTheFirstDayOfYearOne)
{
    for (int period : Periods) {
        SCOPED_TRACE(period);
        Command(period);
        ShowDate(1, 1, 22);
        for (int step = 0; step < 3; ++step) {
            Command(CMD_MINUS7);
            EXPECT_GT(PaintedPixels(), 1000);
        }
        ExpectDate(1, 1, 1);
        // Past the first day: no move, no message, the same picture.
        const std::vector<COLORREF> before = Picture();
        Command(CMD_MINUS7);
        Command(TB_MINUS1);
        Command(CMD_MINUS1);
        ExpectDate(1, 1, 1);
        EXPECT_EQ(Picture(), before);
        EXPECT_TRUE(Running());
        EXPECT_TRUE(messages.empty());
        // And back into the years.
        Command(CMD_PLUS7);
        ExpectDate(1, 1, 8);
    }
}

TEST_F(DateLimitsWindowTest, RepeatedWeekStepsStopAtTheLastDayOf9999)
{
    for (int period : Periods) {
        SCOPED_TRACE(period);
        Command(period);
        ShowDate(9999, 12, 10);
        for (int step = 0; step < 3; ++step) {
            Command(TB_PLUS7);
            EXPECT_GT(PaintedPixels(), 1000);
        }
        ExpectDate(9999, 12, 31);
        const std::vector<COLORREF> before = Picture();
        Command(CMD_PLUS7);
        Command(CMD_PLUS1);
        ExpectDate(9999, 12, 31);
        EXPECT_EQ(Picture(), before);
        EXPECT_TRUE(messages.empty());
        Command(CMD_MINUS7);
        ExpectDate(9999, 12, 24);
        // Today comes back from either end.
        Command(CMD_TODAY);
        int year, month, day;
        TodayDate(year, month, day);
        ExpectDate(year, month, day);
    }
}

TEST_F(DateLimitsWindowTest, TheCalendarOpensAtBothEnds)
{
    Command(CMD_PERIOD1);
    for (const int year : {1, 1800, 9999}) {
        SCOPED_TRACE(year);
        ShowDate(year, year == 9999 ? 12 : 1, year == 9999 ? 31 : 1);
        Command(ID_CALENDAR_BUTTON);
        EXPECT_TRUE(IsWindowVisible(app.CalendarWindow));
        EXPECT_TRUE(Running());
        ASSERT_TRUE(CalendarArmed());
        HWND month = FindWindowExA(app.CalendarWindow, nullptr, MONTHCAL_CLASSA, nullptr);
        ASSERT_NE(month, nullptr);
        // The current date is selected where the control's range holds it (not year 1).
        SYSTEMTIME shown = {};
        SendMessageA(month, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&shown));
        if (year != 1) EXPECT_EQ(shown.wYear, year);
        // A day picked in the calendar is taken as it comes: inside the control's range.
        SYSTEMTIME picked = {};
        picked.wYear = 9999;
        picked.wMonth = 12;
        picked.wDay = 30;
        SendMessageA(month, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&picked));
        NMSELCHANGE change = {};
        change.nmhdr.hwndFrom = month;
        change.nmhdr.idFrom = 0;
        change.nmhdr.code = MCN_SELCHANGE;
        change.stSelStart = change.stSelEnd = picked;
        SendMessageA(app.CalendarWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
        Pump();
        ExpectDate(9999, 12, 30);
        EXPECT_GT(PaintedPixels(), 1000);
        SendMessageA(app.CalendarWindow, WM_COMMAND, 1050, 0);
        Pump();
        EXPECT_FALSE(IsWindowVisible(app.CalendarWindow));
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace marevo
