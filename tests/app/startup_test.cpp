// Start-up and main window: the first start without settings, the toolbar and its labels, and
// the refused second copy. The resources linked in: tests/resources.
#include <string>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/main_window.h"
#include "views/tide_table_view.h"

namespace marevo {
namespace {

// Without settings, today's table in bars of 尾鷲 (default places: shell's Startup tests); the
// toolbar's buttons, tooltips and labels; a four-character port name shown whole.
TEST_F(ProgramTest, FirstStartAndTheToolbar)
{
    WritePort({"24尾鷲.MV2", "尾鷲"});
    WritePort({"39土佐清水.MV2", "土佐清水", 32.47, 132.58});
    Start();
    char className[32];
    GetClassNameA(app.MainWindow, className, sizeof className);
    EXPECT_STREQ(className, "Marevo");
    EXPECT_EQ(Text(app.MainWindow), "Marevo");
    EXPECT_EQ(Text(app.PrefLabel), "三重県");
    EXPECT_EQ(Text(app.PortLabel), "尾鷲");
    int year, month, day;
    TodayDate(year, month, day);
    ExpectDate(year, month, day);
    ExpectShown(-1, 1);
    EXPECT_EQ(ClientSize(app.CanvasWindow).cx, TideTableWidth(*app.session.Model()->tideTable));
    EXPECT_EQ(ClientSize(app.CanvasWindow).cy, 700);
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_TRUE(messages.empty());

    ASSERT_EQ(SendMessageA(app.Toolbar, TB_BUTTONCOUNT, 0, 0), 17);
    const int order[17] = {TB_REDRAW, TB_PRINT, 0, TB_COPY, 0, TB_MINUS7, TB_MINUS1, TB_TODAY,
                           TB_PLUS1, TB_PLUS7, 0, TB_BARS, 0, TB_PERIOD1, TB_PERIOD7,
                           TB_PERIOD42, TB_TABLE};
    int image = 0;
    for (int i = 0; i < 17; ++i) {
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
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(app.PortLabel, WM_GETFONT, 0, 0));
    EXPECT_EQ(font, app.UiFont.get());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(app.DayLabel, WM_GETFONT, 0, 0)), font);

    SelectPort(39, "土佐清水");
    ASSERT_EQ(Text(app.PortLabel), "土佐清水");
    SIZE text = {};
    HDC dc = GetDC(app.PortLabel);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32A(dc, "土佐清水", 8, &text);
    SelectObject(dc, old);
    ReleaseDC(app.PortLabel, dc);
    EXPECT_LE(text.cx, ClientSize(app.PortLabel).cx);
    EXPECT_LE(text.cy, ClientSize(app.PortLabel).cy);
    const HWND boxes[] = {app.PortLabel, app.SiteBox, app.DateBox, app.CalendarButton};
    RECT r[4];
    for (int i = 0; i < 4; ++i) GetWindowRect(boxes[i], &r[i]);
    EXPECT_LT(r[0].right, r[1].right); // the label inside its box, the boxes side by side
    EXPECT_LT(r[1].right, r[2].left);
    EXPECT_LE(r[2].right, r[3].left);
}

TEST(SingleInstance, ASecondCopyEndsAtOnceWithCodeZero)
{
    IsAlreadyRunning(); // the first call creates the mutex for this process
    EXPECT_EQ(IsAlreadyRunning(), 1);
    std::string exe = MAREVO_EXE;
    for (char& c : exe) if (c == '/') c = '\\';
    if (exe[0] == '\\') exe = "Z:" + exe; // the build machine's path, as Wine sees it
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process)) << exe;
    const DWORD waited = WaitForSingleObject(process.hProcess, 20000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "the second copy kept running";
    DWORD code = 12345;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace
} // namespace marevo
