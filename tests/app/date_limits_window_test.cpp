// The calendar pop-up at both ends of the years 1 to 9999 (the date steps there: the
// Session's tests).

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
