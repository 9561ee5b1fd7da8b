// The start-up notice window (placement, top-most, closing on a click) and the version dialog
// (version text, bold name, the link's hand cursor and the address it opens). The notice's
// drawing: the views' tests (notice_picture_test, notice_text_gdi_test).
#include "program_fixture.h"
#include "window_probe.h"

#include "app/ids.h"

namespace marevo {
namespace {

class NoticeWindowTest : public ProgramTest {};

TEST_F(NoticeWindowTest, CentredOnTheSavedWindowTopMostUntilClicked)
{
    WritePort({"24尾鷲.MV2", "尾鷲"});
    // A window narrower than the notice: (300 - 383) / 2 truncates to -41.
    WriteSettings("[WINDOWS]\r\nXPosition=0\r\nYPosition=10\r\nWidth=300\r\nHeight=400\r\n");
    Start(SW_SHOWNORMAL, false);
    HWND notice = app.NoticeWindow;
    ASSERT_TRUE(IsWindow(notice));
    EXPECT_TRUE(IsWindowVisible(notice));
    RECT r = {};
    GetWindowRect(notice, &r);
    const RECT expected = {-41, 90, -41 + 383, 90 + 240};
    EXPECT_TRUE(EqualRect(&r, &expected)) << r.left << "," << r.top << " " << r.right;
    SetActiveWindow(app.MainWindow);
    Pump();
    // Still top-most and the window on top of the main window.
    EXPECT_TRUE(GetWindowLongA(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}), notice);
    SendMessageA(notice, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    Pump();
    EXPECT_FALSE(IsWindow(notice));
    EXPECT_EQ(app.NoticeWindow, nullptr);
}

// The version dialog's texts fitting their controls, the bold name, the hand cursor over the
// link only, the address opened by a click on it (not a double click), at a second opening too.
TEST_F(OwaseTest, VersionDialogShowsItsTextsAndOpensTheAddressOnAClick)
{
    bool seen = false;
    WithModal([&] { Command(CMD_VERSION); }, [&](HWND dialog) {
        seen = true;
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_VERSION_TEXT)), "Version,3.03");
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_WEB)), "marevo.html");
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_MAIL)), "不具合の報告: README.txt");
        const std::string notice = Text(GetDlgItem(dialog, IDC_NOTICE1)) + Text(GetDlgItem(dialog, IDC_NOTICE2));
        for (const char* name : {"気象庁", "TICON-4", "CC BY 4.0"})
            EXPECT_NE(notice.find(name), std::string::npos) << name;
        LOGFONTA face = {};
        HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, IDC_NAME, WM_GETFONT, 0, 0));
        ASSERT_TRUE(GetObjectA(font, sizeof face, &face));
        EXPECT_EQ(face.lfHeight, 17);
        EXPECT_EQ(face.lfWeight, FW_BOLD);
        EXPECT_TRUE(face.lfUnderline);
        HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_HAND_CURSOR));
        ASSERT_NE(hand, nullptr);
        for (int id : {IDC_WEB, IDC_MAIL, IDC_NOTICE1, IDC_NOTICE2, IDC_NAME}) {
            SCOPED_TRACE(id);
            HWND control = GetDlgItem(dialog, id);
            const std::string text = Text(control);
            HDC dc = GetDC(control);
            HGDIOBJ old = SelectObject(dc, id == IDC_WEB ? app.VersionLinkFont.get() // drawn so
                                       : reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
            SIZE size = {};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
            SelectObject(dc, old);
            ReleaseDC(control, dc);
            EXPECT_LE(id == IDC_NAME ? 0 : size.cx, ClientSize(control).cx) << text;
            SetCursor(LoadCursorA(nullptr, IDC_ARROW));
            SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor() == hand, id == IDC_WEB);
        }
        HWND web = GetDlgItem(dialog, IDC_WEB);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEB, STN_DBLCLK), reinterpret_cast<LPARAM>(web));
        SendMessageA(GetDlgItem(dialog, IDC_MAIL), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_TRUE(opened.empty());
        SendMessageA(web, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(web, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], dir + "marevo.html"); // the help page beside the program
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(seen);
    EXPECT_STREQ(app.WebText, "marevo.html");
    EXPECT_STREQ(app.MailText, "不具合の報告: README.txt");
    // A second opening works the same (its font and link are set up again).
    WithModal([&] { Command(CMD_VERSION); }, [&](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEB, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_WEB)));
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(opened.size(), 2u);
}

} // namespace
} // namespace marevo
