// The calendar pop-up: placement under the "*" button, the current date selected on
// opening, picks that set the date and redraw without changing the period, hiding on lost
// activation and on its close button, and re-selection after a date move while hidden.
#include "program_fixture.h"
#include "window_probe.h"

#include "app/calendar_window.h"
#include "app/ids.h"

namespace marevo {
namespace {

class CalendarTest : public OwaseTest {
protected:
    void SetUp() override
    {
        OwaseTest::SetUp();
        control = GetDlgItem(app.CalendarWindow, 0);
    }
    void Open()
    {
        Command(ID_CALENDAR_BUTTON);
        // Activation comes through the X server; wait for it, as a user's eye would.
        WaitFor([] { return CalendarArmed() != 0; });
    }
    SYSTEMTIME Selected() const
    {
        SYSTEMTIME t = {};
        SendMessageA(control, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&t));
        return t;
    }
    void ExpectSelected(int year, int month, int day) const
    {
        const SYSTEMTIME t = Selected();
        EXPECT_EQ(t.wYear, year);
        EXPECT_EQ(t.wMonth, month);
        EXPECT_EQ(t.wDay, day);
    }
    // Clicks the cell of the given day of the shown month, found by the control's hit test.
    bool ClickDay(int year, int month, int day)
    {
        RECT r = {};
        GetClientRect(control, &r);
        for (int y = 1; y < r.bottom; y += 2) {
            for (int x = 1; x < r.right; x += 2) {
                MCHITTESTINFO hit = {};
                hit.cbSize = MCHITTESTINFO_V1_SIZE;
                hit.pt = {x, y};
                SendMessageA(control, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
                if ((hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE &&
                    hit.uHit != MCHT_CALENDARDATEPREV && hit.uHit != MCHT_CALENDARDATENEXT &&
                    hit.st.wYear == year && hit.st.wMonth == month && hit.st.wDay == day) {
                    const LPARAM at = MAKELPARAM(x, y);
                    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
                    SendMessageA(control, WM_LBUTTONUP, 0, at);
                    Pump();
                    return true;
                }
            }
        }
        return false;
    }
    std::vector<COLORREF> Picture() const
    {
        return PixelsOf(app.OffscreenDC(), OneDayWidth, OneDayHeight);
    }
    HWND control = nullptr;
};

TEST_F(CalendarTest, OpensRightAlignedUnderTheButtonWithTheCurrentDateSelected)
{
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(IsWindowVisible(app.CalendarWindow));
    EXPECT_EQ(CalendarArmed(), 0);

    app.session.ChooseDate({2026, 3, 17});
    Open();
    ASSERT_TRUE(IsWindowVisible(app.CalendarWindow));
    EXPECT_EQ(GetActiveWindow(), app.CalendarWindow);
    EXPECT_EQ(CalendarArmed(), 1);
    ExpectSelected(2026, 3, 17);

    RECT button = {}, popup = {}, minimum = {};
    GetWindowRect(app.CalendarButton, &button);
    GetWindowRect(app.CalendarWindow, &popup);
    EXPECT_EQ(popup.right, button.right);
    EXPECT_EQ(popup.top, button.bottom);
    SendMessageA(control, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimum));
    EXPECT_EQ(popup.right - popup.left, minimum.right - minimum.left);
    EXPECT_EQ(popup.bottom - popup.top, minimum.bottom - minimum.top + 20);

    HWND close = GetDlgItem(app.CalendarWindow, CalendarCloseId);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(Text(close), "閉じる");
    EXPECT_FALSE(GetWindowLongA(control, GWL_STYLE) & MCS_MULTISELECT);
    EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & MCS_NOTODAY);
    Screenshot("calendar");
}

// A day clicked in the control reaches the session: the date, the labels and the picture
// change at once, the period stays, the pop-up stays open for the next pick. (A selection
// the control moves by itself: the date-limit tests.)
TEST_F(CalendarTest, PickSetsTheDateAndRedrawsAtOnceKeepingThePeriod)
{
    Command(CMD_PERIOD7);
    app.session.ChooseDate({2026, 5, 10});
    Command(CMD_REDRAW);
    const std::vector<COLORREF> before = PixelsOf(app.OffscreenDC(), SevenDayWidth, SevenDayHeight);
    Open();
    ASSERT_TRUE(ClickDay(2026, 5, 20));
    ExpectDate(2026, 5, 20);
    EXPECT_EQ(app.session.Period(), SevenDays);
    EXPECT_TRUE(IsWindowVisible(app.CalendarWindow));
    const std::vector<COLORREF> after = PixelsOf(app.OffscreenDC(), SevenDayWidth, SevenDayHeight);
    EXPECT_NE(before, after);
    // The picture is the one the refresh draws for that day.
    Command(CMD_REDRAW);
    EXPECT_EQ(PixelsOf(app.OffscreenDC(), SevenDayWidth, SevenDayHeight), after);
}

TEST_F(CalendarTest, HidesOnLostActivationAndOnItsCloseButton)
{
    Open();
    ASSERT_TRUE(IsWindowVisible(app.CalendarWindow));
    SetActiveWindow(app.MainWindow);
    Pump();
    EXPECT_FALSE(IsWindowVisible(app.CalendarWindow));
    EXPECT_EQ(CalendarArmed(), 0);

    Open();
    ASSERT_TRUE(IsWindowVisible(app.CalendarWindow));
    SendMessageA(GetDlgItem(app.CalendarWindow, CalendarCloseId), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindowVisible(app.CalendarWindow));
    EXPECT_EQ(CalendarArmed(), 0);
}

TEST_F(CalendarTest, SelectionsWhileNotArmedAreIgnored)
{
    app.session.ChooseDate({2026, 4, 1});
    NMSELCHANGE change = {};
    change.nmhdr = {control, 0, MCN_SELCHANGE};
    SYSTEMTIME other = {};
    other.wYear = 2025, other.wMonth = 9, other.wDay = 9;
    SendMessageA(control, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&other));
    SendMessageA(app.CalendarWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(app.session.Date().year, 2026);
    EXPECT_EQ(app.session.Date().day, 1);
}

TEST_F(CalendarTest, ReopeningAfterADateMoveSelectsTheNewDate)
{
    app.session.ChooseDate({2026, 12, 28});
    Open();
    SendMessageA(app.CalendarWindow, WM_COMMAND, CalendarCloseId, 0);
    Command(CMD_PLUS7);
    ASSERT_FALSE(IsWindowVisible(app.CalendarWindow));
    Open();
    ExpectSelected(2027, 1, 4);
}

} // namespace
} // namespace marevo
