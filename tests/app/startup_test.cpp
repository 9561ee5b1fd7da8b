// Start-up and main window: the notice, the first start, the toolbar, the refused second copy
// and the version dialog. Resources linked in: tests/resources; the notice's drawing: views.
#include <algorithm>
#include <string>

#include "program_fixture.h"

#include <windowsx.h>

#include "app/ids.h"
#include "app/main_window.h"

namespace marevo {
namespace {

// The notice centred on the saved window ((300 - 383) / 2 truncates to -41), top-most until
// clicked; today's table of 尾鷲; the toolbar; a four-character port name shown whole.
TEST_F(ProgramTest, FirstStartAndTheToolbar)
{
    WritePort({"24尾鷲.MV2", "尾鷲"});
    WritePort({"39土佐清水.MV2", "土佐清水", 32.47, 132.58});
    WriteSettings("[WINDOWS]\r\nXPosition=0\r\nYPosition=10\r\nWidth=300\r\nHeight=400\r\n");
    Start(SW_SHOWNORMAL, false);
    HWND notice = app.NoticeWindow;
    ASSERT_TRUE(IsWindow(notice) && IsWindowVisible(notice));
    RECT r = {}, expected = {-41, 90, -41 + 383, 90 + 240};
    GetWindowRect(notice, &r);
    EXPECT_TRUE(EqualRect(&r, &expected)) << r.left << "," << r.top << " " << r.right;
    SetActiveWindow(app.MainWindow);
    Pump();
    EXPECT_TRUE(GetWindowLongA(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}), notice);
    SendMessageA(notice, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    Pump();
    EXPECT_FALSE(IsWindow(notice));
    EXPECT_EQ(app.NoticeWindow, nullptr);

    EXPECT_EQ(FindWindowA("Marevo", "Marevo"), app.MainWindow); // class and title
    EXPECT_EQ(Text(app.PrefLabel), "三重県");
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");
    int year, month, day;
    TodayDate(year, month, day);
    ExpectDate(year, month, day);
    ExpectShown(-1, 1);
    EXPECT_EQ(ClientSize(app.CanvasWindow).cy, 700); // the table's width: CommandsTest
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_TRUE(messages.empty());

    ASSERT_EQ(SendMessageA(app.Toolbar, TB_BUTTONCOUNT, 0, 0), 17);
    const int order[17] = {TB_REDRAW, TB_PRINT, 0, TB_COPY, 0, TB_MINUS7, TB_MINUS1, TB_TODAY,
                           TB_PLUS1, TB_PLUS7, 0, TB_BARS, 0, TB_PERIOD1, TB_PERIOD7,
                           TB_PERIOD42, TB_TABLE};
    for (int i = 0, image = 0; i < 17; ++i) {
        TBBUTTON button = {};
        SendMessageA(app.Toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.fsStyle & TBSTYLE_SEP, order[i] ? 0 : TBSTYLE_SEP) << i;
        if (order[i] == 0) continue;
        EXPECT_EQ(button.idCommand, order[i]) << i;
        EXPECT_EQ(button.iBitmap, image++) << i;
        EXPECT_TRUE(button.fsState & TBSTATE_ENABLED) << i;
        wchar_t tip[64] = {};
        EXPECT_GT(LoadStringW(app.Instance, order[i], tip, 64), 0) << i;
    }
    for (const int id : {TB_REDRAW, TB_TABLE, CMD_EXIT}) { // no tooltip for what is no button
        NMTTDISPINFOA request = {};
        request.hdr = {app.Toolbar, static_cast<UINT_PTR>(id), TTN_GETDISPINFOA};
        SendMessageA(app.MainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ(request.lpszText, id == CMD_EXIT ? nullptr : MAKEINTRESOURCEA(id)) << id;
        EXPECT_EQ(request.hinst, app.Instance) << id;
    }
    EXPECT_EQ(GetParent(app.SiteBox), app.Toolbar);
    EXPECT_EQ(GetParent(app.PortLabel), app.SiteBox);
    EXPECT_EQ(GetParent(app.DayLabel), app.DateBox);
    EXPECT_EQ(GetDlgCtrlID(app.CalendarButton), ID_CALENDAR_BUTTON);
    const HFONT font = app.UiFont.get();
    for (HWND label : {app.PortLabel, app.DayLabel}) EXPECT_EQ(GetWindowFont(label), font);

    SelectPort(39, "土佐清水");
    ASSERT_EQ(Text(app.PortLabel), "土佐清水");
    SIZE text = {};
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    GetTextExtentPoint32A(dc, "土佐清水", 8, &text);
    DeleteDC(dc);
    EXPECT_LE(text.cx, ClientSize(app.PortLabel).cx);
    EXPECT_LE(text.cy, ClientSize(app.PortLabel).cy);
    const HWND boxes[] = {app.PortLabel, app.SiteBox, app.DateBox, app.CalendarButton};
    RECT at[4];
    for (int i = 0; i < 4; ++i) GetWindowRect(boxes[i], &at[i]);
    EXPECT_LT(at[0].right, at[1].right); // the label inside its box, the boxes side by side
    EXPECT_LT(at[1].right, at[2].left);
    EXPECT_LE(at[2].right, at[3].left);
}

TEST(SingleInstance, ASecondCopyEndsAtOnceWithCodeZero)
{
    IsAlreadyRunning(); // the first call creates the mutex for this process
    EXPECT_EQ(IsAlreadyRunning(), 1);
    std::string exe = MAREVO_EXE;
    std::replace(exe.begin(), exe.end(), '/', '\\');
    if (exe[0] == '\\') exe = "Z:" + exe; // the build machine's path, as Wine sees it
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << exe;
    const DWORD waited = WaitForSingleObject(process.hProcess, 20000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "the second copy kept running";
    DWORD code = 12345;
    EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &code) && code == 0) << code;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The version dialog's texts fitting their controls, the bold name, the hand cursor over the
// link only, the address opened by a click on it (not a double click), at a second opening too.
TEST_F(OwaseTest, VersionDialogShowsItsTextsAndOpensTheAddressOnAClick)
{
    WithModal([&] { Command(CMD_VERSION); }, [&](HWND dialog) {
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_VERSION_TEXT)), "Version,3.03");
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_WEB)), "marevo.html");
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_MAIL)), "不具合の報告: README.txt");
        const std::string notice =
            Text(GetDlgItem(dialog, IDC_NOTICE1)) + Text(GetDlgItem(dialog, IDC_NOTICE2));
        for (const char* name : {"気象庁", "TICON-4", "CC BY 4.0"})
            EXPECT_NE(notice.find(name), std::string::npos) << name;
        LOGFONTA face = {};
        ASSERT_TRUE(GetObjectA(GetWindowFont(GetDlgItem(dialog, IDC_NAME)), sizeof face, &face));
        EXPECT_EQ(face.lfHeight, 17);
        EXPECT_EQ(face.lfWeight, FW_BOLD);
        EXPECT_TRUE(face.lfUnderline);
        HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_HAND_CURSOR));
        for (int id : {IDC_WEB, IDC_MAIL, IDC_NOTICE1, IDC_NOTICE2, IDC_NAME}) {
            SCOPED_TRACE(id);
            HWND control = GetDlgItem(dialog, id);
            const std::string text = Text(control);
            HDC dc = CreateCompatibleDC(nullptr);
            SelectObject(dc, id == IDC_WEB ? app.VersionLinkFont.get() : GetWindowFont(control));
            SIZE size = {};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
            DeleteDC(dc);
            EXPECT_LE(id == IDC_NAME ? 0 : size.cx, ClientSize(control).cx) << text;
            SetCursor(LoadCursorA(nullptr, IDC_ARROW));
            SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor() == hand, id == IDC_WEB);
        }
        HWND web = GetDlgItem(dialog, IDC_WEB);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEB, STN_DBLCLK),
                     reinterpret_cast<LPARAM>(web));
        SendMessageA(GetDlgItem(dialog, IDC_MAIL), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_TRUE(opened.empty());
        SendMessageA(web, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(web, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], dir + "marevo.html"); // the help page beside the program
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
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
