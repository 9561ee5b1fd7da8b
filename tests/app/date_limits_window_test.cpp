// The date commands at both ends of the years 1 to 9999: every view is drawn there, a move
// that would leave those years is not made (nothing said, the date and the picture stay),
// and the calendar pop-up opens at either end.

#include "program_fixture.h"

#include "app/calendar_window.h"
#include "app/ids.h"

namespace marevo {
namespace {

class DateLimitsWindowTest : public OwaseTest {
protected:
    void ShowDate(int year, int month, int day)
    {
        SetDate(year, month, day);
        Command(CMD_REDRAW);
    }
};

const int Periods[] = {CMD_PERIOD1, CMD_PERIOD7, CMD_PERIOD42, CMD_TABLE};

// Week steps towards either end stop at its last day: past it no move, no message, the same
// picture; a step back and today return into the years.
TEST_F(DateLimitsWindowTest, RepeatedWeekStepsStopAtTheEndsOfTheYears)
{
    struct End { int year, month, day, step, endDay; int past[3]; int back, backDay; };
    const End ends[] = {
        {1, 1, 22, CMD_MINUS7, 1, {CMD_MINUS7, TB_MINUS1, CMD_MINUS1}, CMD_PLUS7, 8},
        {9999, 12, 10, TB_PLUS7, 31, {CMD_PLUS7, CMD_PLUS1, TB_PLUS1}, CMD_MINUS7, 24},
    };
    int year, month, day;
    TodayDate(year, month, day);
    for (const End& end : ends) {
        for (int period : Periods) {
            SCOPED_TRACE(testing::Message() << end.year << " " << period);
            Command(period);
            ShowDate(end.year, end.month, end.day);
            for (int step = 0; step < 3; ++step) {
                Command(end.step);
                EXPECT_GT(PaintedPixels(), 1000);
            }
            ExpectDate(end.year, end.month, end.endDay);
            const std::vector<COLORREF> before = Picture();
            for (int command : end.past) Command(command);
            ExpectDate(end.year, end.month, end.endDay);
            EXPECT_EQ(Picture(), before);
            EXPECT_TRUE(Running());
            EXPECT_TRUE(messages.empty());
            Command(end.back);
            ExpectDate(end.year, end.month, end.backDay);
            Command(CMD_TODAY);
            ExpectDate(year, month, day);
        }
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
        if (year != 1) {
            EXPECT_EQ(shown.wYear, year);
        }
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
