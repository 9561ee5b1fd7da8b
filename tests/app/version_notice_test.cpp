// The start-up notice window (placement, top-most, the wave's pixels inside its picture area
// on the screen, closing on a click) and the version dialog (version text, bold name, the
// link's hand cursor and the address it opens). The notice's drawing: the views' tests.
#include <cmath>
#include <utility>

#include "program_fixture.h"
#include "window_probe.h"

#include "app/ids.h"
#include "app/notice_window.h"
#include "views/gdi/gdi_canvas.h"

namespace marevo {
namespace {

// The two source lines fit the text box (x 8 to 368) in the window's face.
TEST(NoticePicture, SourceLinesFitTheTextBox)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HFONT font = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "ＭＳ Ｐゴシック");
    HGDIOBJ old = SelectObject(dc, font);
    for (const auto& [x, line] : {std::pair{22, NoticeSourceLine}, std::pair{17, NoticeLicenceLine}}) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, line, lstrlenA(line), &size);
        EXPECT_LT(x + size.cx, 368) << line;
    }
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST(NoticePicture, PixelsOfTheBarsLieBetween40And134)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 383, 240);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (unsigned seed : {3u, 77u, 1000u}) {
        RECT all = {0, 0, 383, 240};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        {
            GdiCanvas canvas(dc);
            PaintNotice(canvas, "Version,3.03", seed);
        }
        const std::vector<COLORREF> pixels = PixelsOf(dc, 383, 240);
        int barPixelsOutside = 0, barBottom = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 383; ++x)
                if (pixels[y * 383 + x] == RGB(209, 239, 230)) {
                    if (y < 40 || y > 134 || x < 8 || x > 368) ++barPixelsOutside;
                    if (y == 133) ++barBottom;
                }
        EXPECT_EQ(barPixelsOutside, 0);
        EXPECT_GT(barBottom, 90 * 2); // every bar reaches the bottom of the picture
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

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
    EXPECT_EQ(r.left, -41);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.right - r.left, 383);
    EXPECT_EQ(r.bottom - r.top, 240);
    EXPECT_TRUE(GetWindowLongA(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);
    UpdateWindow(notice);
    Screenshot("notice");
    SetActiveWindow(app.MainWindow);
    Pump();
    EXPECT_TRUE(GetWindowLongA(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Still the window on top of the main window at that point.
    POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_EQ(WindowFromPoint(centre), notice);
    Screenshot("notice_after_activation");
    SendMessageA(notice, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    Pump();
    EXPECT_FALSE(IsWindow(notice));
    EXPECT_EQ(app.NoticeWindow, nullptr);
}

class VersionDialogTest : public OwaseTest {
protected:
    void OpenDialog(const std::function<void(HWND)>& act)
    {
        WithModal([&] { Command(CMD_VERSION); }, act);
    }
};

TEST_F(VersionDialogTest, ShowsTheVersionTheBoldNameAndTheMakersTexts)
{
    bool seen = false;
    OpenDialog([&](HWND dialog) {
        seen = true;
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_VERSION_TEXT)), "Version,3.03");
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_WEB)), "marevo.html");
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_MAIL)), "不具合の報告: README.txt");
        EXPECT_NE(Text(GetDlgItem(dialog, IDC_NOTICE1)).find("気象庁"), std::string::npos);
        EXPECT_NE(Text(GetDlgItem(dialog, IDC_NOTICE1)).find("TICON-4"), std::string::npos);
        EXPECT_NE(Text(GetDlgItem(dialog, IDC_NOTICE2)).find("CC BY 4.0"), std::string::npos);
        LOGFONTA face = {};
        HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, IDC_NAME, WM_GETFONT, 0, 0));
        ASSERT_TRUE(GetObjectA(font, sizeof face, &face));
        EXPECT_EQ(face.lfHeight, 17);
        EXPECT_EQ(face.lfWeight, FW_BOLD);
        EXPECT_TRUE(face.lfUnderline);
        // Every maker's text fits its control in the font it is shown in.
        for (int id : {IDC_WEB, IDC_MAIL, IDC_NOTICE1, IDC_NOTICE2}) {
            SCOPED_TRACE(id);
            HWND control = GetDlgItem(dialog, id);
            const std::string text = Text(control);
            HDC dc = GetDC(control);
            HFONT shown = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
            HFONT link = CreateFontA(12, 0, 0, 0, 0, 0, TRUE, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                     "ＭＳ Ｐゴシック");
            HGDIOBJ old = SelectObject(dc, id == IDC_WEB ? link : shown);
            SIZE size = {};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
            SelectObject(dc, old);
            DeleteObject(link);
            ReleaseDC(control, dc);
            EXPECT_LE(size.cx, ClientSize(control).cx) << text;
        }
        UpdateWindow(dialog);
        Screenshot("version");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(seen);
    EXPECT_STREQ(app.WebText, "marevo.html");
    EXPECT_STREQ(app.MailText, "不具合の報告: README.txt");
}

TEST_F(VersionDialogTest, HandCursorOverTheLinkOnly)
{
    OpenDialog([&](HWND dialog) {
        HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_HAND_CURSOR));
        ASSERT_NE(hand, nullptr);
        const struct { int id; bool hand; } cases[] = {{IDC_WEB, true}, {IDC_MAIL, false}, {IDC_NAME, false}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.id);
            SetCursor(LoadCursorA(nullptr, IDC_ARROW));
            HWND control = GetDlgItem(dialog, c.id);
            SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor() == hand, c.hand);
        }
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(opened.empty());
}

TEST_F(VersionDialogTest, ClickOnTheAddressOpensItOtherNotificationsDoNot)
{
    OpenDialog([&](HWND dialog) {
        HWND link = GetDlgItem(dialog, IDC_WEB);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEB, STN_DBLCLK), reinterpret_cast<LPARAM>(link));
        EXPECT_TRUE(opened.empty());
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], dir + "marevo.html"); // the help page beside the program
        SendMessageA(GetDlgItem(dialog, IDC_MAIL), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_EQ(opened.size(), 1u);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    // A second opening works the same (its font and link are set up again).
    OpenDialog([&](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEB, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_WEB)));
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(opened.size(), 2u);
}

} // namespace
} // namespace marevo
