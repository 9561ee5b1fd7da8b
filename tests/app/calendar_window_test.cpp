// The calendar pop-up: under the "*" button with the date selected, picks that set the date and
// redraw keeping the period, hiding, the years 1 and 9999 (their dates: the Session's tests).
#include "program_fixture.h"

#include "app/calendar_window.h"
#include "app/ids.h"

namespace marevo {
namespace {

class CalendarTest : public OwaseTest {
protected:
    HWND Control() const { return GetDlgItem(app.CalendarWindow, 0); }
    // Activation comes through the X server: waited for, as a user's eye would.
    bool Open()
    {
        Command(ID_CALENDAR_BUTTON);
        return WaitFor([] { return CalendarArmed() != 0; });
    }
    CivilDate Selected() const
    {
        SYSTEMTIME t = {};
        SendMessageA(Control(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&t));
        return {t.wYear, t.wMonth, t.wDay};
    }
    // The control's selection set to a day, and its notice of the change sent.
    void Notify(WORD year, WORD month, WORD day)
    {
        NMSELCHANGE change = {};
        change.nmhdr = {Control(), 0, MCN_SELCHANGE};
        change.stSelStart = change.stSelEnd = {year, month, 0, day, 0, 0, 0, 0};
        SendMessageA(Control(), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&change.stSelStart));
        SendMessageA(app.CalendarWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
        Pump();
    }
    // Clicks the cell of the given day of the shown month, found by the control's hit test.
    bool ClickDay(CivilDate date)
    {
        RECT r = {};
        GetClientRect(Control(), &r);
        MCHITTESTINFO hit = {};
        hit.cbSize = MCHITTESTINFO_V1_SIZE;
        for (hit.pt.y = 1; hit.pt.y < r.bottom; hit.pt.y += 2)
            for (hit.pt.x = 1; hit.pt.x < r.right; hit.pt.x += 2) {
                SendMessageA(Control(), MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
                if (hit.uHit != MCHT_CALENDARDATE || // a day of the month shown, not around it
                    CivilDate{hit.st.wYear, hit.st.wMonth, hit.st.wDay} != date)
                    continue;
                SendMessageA(Control(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
                SendMessageA(Control(), WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
                Pump();
                return true;
            }
        return false;
    }
};

TEST_F(CalendarTest, OpensUnderTheButtonTakesPicksAndHidesAtAnyDate)
{
    const HWND control = Control();
    Command(CMD_PERIOD7);
    SetDate(2026, 12, 28);
    Notify(2025, 9, 9); // hidden, it takes no selection
    EXPECT_EQ(app.session.Date(), (CivilDate{2026, 12, 28}));
    EXPECT_FALSE(IsWindowVisible(app.CalendarWindow));
    EXPECT_EQ(CalendarArmed(), 0);

    ASSERT_TRUE(Open());
    EXPECT_TRUE(IsWindowVisible(app.CalendarWindow));
    EXPECT_EQ(GetActiveWindow(), app.CalendarWindow);
    EXPECT_EQ(CalendarArmed(), 1);
    EXPECT_EQ(Selected(), (CivilDate{2026, 12, 28}));
    RECT button = {}, popup = {}, minimum = {};
    GetWindowRect(app.CalendarButton, &button);
    GetWindowRect(app.CalendarWindow, &popup);
    EXPECT_EQ(popup.right, button.right); // right-aligned under the button
    EXPECT_EQ(popup.top, button.bottom);
    SendMessageA(control, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimum));
    EXPECT_EQ(popup.right - popup.left, minimum.right - minimum.left);
    EXPECT_EQ(popup.bottom - popup.top, minimum.bottom - minimum.top + 20);
    EXPECT_EQ(Text(GetDlgItem(app.CalendarWindow, CalendarCloseId)), "閉じる");
    EXPECT_FALSE(HasStyle(control, MCS_MULTISELECT));
    EXPECT_TRUE(HasStyle(control, MCS_NOTODAY));
    SetActiveWindow(app.MainWindow);
    Pump();
    EXPECT_FALSE(IsWindowVisible(app.CalendarWindow));
    EXPECT_EQ(CalendarArmed(), 0);

    // Reopened after a move it selects the new date; a clicked day reaches the session at once.
    Command(CMD_PLUS7);
    const std::vector<COLORREF> before = Picture();
    ASSERT_TRUE(Open());
    EXPECT_EQ(Selected(), (CivilDate{2027, 1, 4}));
    ASSERT_TRUE(ClickDay({2027, 1, 14}));
    ExpectDate(2027, 1, 14);
    EXPECT_EQ(app.session.Period(), SevenDays);
    EXPECT_TRUE(IsWindowVisible(app.CalendarWindow));
    const std::vector<COLORREF> after = Picture();
    EXPECT_NE(before, after);
    Command(CMD_REDRAW); // the picture is the one the refresh draws for that day
    EXPECT_EQ(Picture(), after);

    // Its close button hides it; at the years' ends it opens, selects the date if in its range.
    Command(CMD_PERIOD1);
    for (const WORD year : {1, 1800, 9999}) {
        SCOPED_TRACE(year);
        SendMessageA(GetDlgItem(app.CalendarWindow, CalendarCloseId), BM_CLICK, 0, 0);
        Pump();
        EXPECT_FALSE(IsWindowVisible(app.CalendarWindow));
        EXPECT_EQ(CalendarArmed(), 0);
        SetDate(year, year == 9999 ? 12 : 1, year == 9999 ? 31 : 1);
        ASSERT_TRUE(Open());
        EXPECT_TRUE(IsWindowVisible(app.CalendarWindow));
        if (year != 1) { // the control's range holds no year 1
            EXPECT_EQ(Selected().year, year);
        }
        Notify(9999, 12, 30);
        ExpectDate(9999, 12, 30);
        EXPECT_GT(PaintedPixels(), 1000);
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace marevo
