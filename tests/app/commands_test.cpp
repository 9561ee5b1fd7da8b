// The main window's commands from menu, toolbar and keys reach the session (what each does: its
// tests); printing, print settings and the clipboard copy; printer, clipboard or help missing.
#include <algorithm>
#include <cstring>
#include <future>
#include <thread>

#include "program_fixture.h"
#include <commdlg.h>

#include "app/ids.h"
#include "app/printing.h"
#include "app/ui_seam.h"

namespace marevo {
namespace {

// A click on a toolbar button, which the toolbar answers at once with its command.
void ClickButton(HWND toolbar, int id)
{
    RECT r = {};
    SendMessageA(toolbar, TB_GETRECT, id, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
        SendMessageA(toolbar, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, at);
}

// Each command from the menu, the toolbar (clicked: negative ids) or a key (ids below 256),
// whichever child has the focus: the date, one check and one pressed button each for the
// period and the style, the canvas in the session's size, the port's file read again (what
// each does: Session.CommandsMoveTheDateAndTheView). Then help, unknown commands and exit.
TEST_F(OwaseTest, MenuToolbarAndKeysReachTheSession)
{
    const int Today = 99;
    const struct { int id, days, period, style; } rows[] = {
        {CMD_MINUS1, -1, -1, 1},   {TB_MINUS1, -1, -1, 1},   {CMD_PLUS1, 1, -1, 1},
        {TB_PLUS1, 1, -1, 1},      {CMD_MINUS7, -7, -1, 1},  {TB_MINUS7, -7, -1, 1},
        {CMD_PLUS7, 7, -1, 1},     {TB_PLUS7, 7, -1, 1},     {VK_F1, -7, -1, 1},
        {VK_F2, -1, -1, 1},        {VK_F3, 1, -1, 1},        {VK_F4, 7, -1, 1},
        {CMD_TODAY, Today, -1, 1}, {TB_TODAY, Today, -1, 1}, {VK_F8, Today, -1, 1},
        {CMD_REDRAW, 0, -1, 1},    {TB_REDRAW, 0, -1, 1},    {VK_F5, 0, -1, 1},
        {CMD_LINES, 0, -1, 0},     {CMD_PERIOD1, 0, 1, 0},   {CMD_PERIOD7, 0, 7, 0},
        {CMD_PERIOD42, 0, 42, 0},  {CMD_TABLE, 0, -1, 0},    {TB_PERIOD1, 0, 1, 0},
        {TB_PERIOD7, 0, 7, 0},     {TB_PERIOD42, 0, 42, 0},  {TB_TABLE, 0, -1, 0},
        {-TB_PERIOD7, 0, 7, 0},    {CMD_BARS, 0, 7, 1},      {CMD_LINES, 0, 7, 0},
        {-TB_BARS, 0, 7, 1},       {-TB_BARS, 0, 7, 0}, // the style button toggles itself
    };
    int year, month, day;
    TodayDate(year, month, day);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        SetDate(2024, 6, 15);
        const std::string name = "改名" + std::to_string(&row - rows);
        WritePort({"24尾鷲.MV2", name});
        SetFocus((&row - rows) % 2 ? app.GraphPane : app.TreeControl);
        if (row.id < 0) ClickButton(app.Toolbar, -row.id);
        else if (row.id < 256) PressKey(row.id);
        else Command(row.id);
        if (row.days == Today) ExpectDate(year, month, day);
        else ExpectDate(2024, 6, 15 + row.days);
        ExpectShown(row.period, row.style);
        int width = 0, height = 0;
        app.session.CanvasSize(width, height);
        EXPECT_EQ(ClientSize(app.CanvasWindow).cx, width);
        EXPECT_EQ(ClientSize(app.CanvasWindow).cy, height);
        EXPECT_EQ(std::string(ShownStation().StationName), name);
    }

    // Help opens the HTML page when no help file is installed, and says when it cannot (the
    // only message of the test); other commands and unknown numbers change nothing.
    const std::vector<COLORREF> picture = Picture();
    for (int command : {CMD_HELP, 40002, 40047, 0}) Command(command);
    ExpectDate(2024, 6, 15);
    ExpectShown(7, 0);
    SetOpenDocumentHook([](const char* path) {
        ProgramTest::opened.push_back(path);
        return false;
    });
    Command(CMD_HELP);
    EXPECT_EQ(opened, (std::vector<std::string>{dir + "marevo.html", dir + "marevo.html"}));
    EXPECT_EQ(messages, std::vector<std::string>{"ヘルプファイルがオープンできませんでした"});
    EXPECT_TRUE(Running());
    EXPECT_EQ(Picture(), picture);
    SendMessageA(app.MainWindow, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_FALSE(IsWindow(app.MainWindow));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

// The "printer": a context of the screen's dots per inch on a bitmap blank in the surface's colour.
constexpr int PaperWidth = 1400, PaperHeight = 1600;
HBITMAP paper = nullptr;
int dialogs = 0;

HDC FakePrinterDialog(HWND)
{
    ++dialogs;
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, paper);
    RECT all = {0, 0, PaperWidth, PaperHeight};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    return dc; // PrintView deletes it; the bitmap stays with the test
}

class PrintingTest : public OwaseTest {
protected:
    void SetUp() override
    {
        OwaseTest::SetUp();
        paper = CreateCompatibleBitmap(app.OffscreenDC(), PaperWidth, PaperHeight);
        dialogs = 0;
        SetPrinterDialogHook(FakePrinterDialog);
        Command(CMD_PERIOD1);
    }
    void TearDown() override
    {
        SetPrinterDialogHook(nullptr); // the platform's dialog again
        DeleteObject(paper);
        ProgramTest::TearDown();
    }
    // The size up to the right-most and bottom-most printed pixel.
    SIZE PrintedExtent() const
    {
        const std::vector<COLORREF> pixels = PixelsOfBitmap(paper, PaperWidth, PaperHeight);
        const COLORREF blank = GetSysColor(COLOR_BTNFACE);
        SIZE extent = {0, 0};
        for (size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] != blank) {
                extent.cx = std::max<LONG>(extent.cx, LONG(i % PaperWidth) + 1);
                extent.cy = std::max<LONG>(extent.cy, LONG(i / PaperWidth) + 1);
            }
        return extent;
    }
};

// Menu and toolbar copy nothing while another program holds the clipboard, whose text stays.
// Each period prints the screen's pixels at ratio 1 and puts nothing on the clipboard; copies
// hold the whole off-screen picture, also when it is scrolled. Ratios scale the print from
// the top left corner, one that prints nothing is said; a monochrome print has no colour (in
// every period, the screen's records kept: tests/shell/printing_test.cpp).
TEST_F(PrintingTest, PrintAndCopyEveryPeriod)
{
    MoveWindow(app.MainWindow, 0, 0, 400, 300, TRUE); // smaller than every canvas
    std::promise<bool> holding;
    std::promise<void> release;
    std::thread other([&] { // another program's window, keeping the clipboard with its text
        HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
        const bool open = OpenClipboard(window) && EmptyClipboard();
        HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 5);
        std::memcpy(GlobalLock(text), "held", 5);
        GlobalUnlock(text);
        SetClipboardData(CF_TEXT, text); // refused (and the test fails) unless open
        holding.set_value(open);
        release.get_future().wait();
        CloseClipboard();
        DestroyWindow(window);
    });
    EXPECT_TRUE(holding.get_future().get());
    Command(CMD_COPY);
    Command(TB_COPY);
    release.set_value();
    other.join();
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));

    const struct { int period, print; } prints[] = {
        {CMD_TABLE, CMD_PRINT}, {CMD_PERIOD42, TB_PRINT}, {CMD_PERIOD7, CMD_PRINT},
        {CMD_PERIOD1, TB_PRINT},
    };
    for (const auto& c : prints) {
        Command(c.period);
        Command(c.print);
        const SIZE canvas = ClientSize(app.CanvasWindow);
        EXPECT_EQ(PixelsOfBitmap(paper, canvas.cx, canvas.cy),
                  PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy)) << c.period;
    }
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    const SIZE one = PrintedExtent(); // the one-day view's
    ASSERT_GT(one.cx, 500);

    const struct { int period, copy; } copies[] = {{CMD_TABLE, TB_COPY}, {CMD_PERIOD1, CMD_COPY}};
    for (const auto& c : copies) {
        SCOPED_TRACE(c.period);
        Command(c.period);
        for (UINT bar : {WM_VSCROLL, WM_HSCROLL}) SendMessageA(app.GraphPane, bar, SB_PAGEDOWN, 0);
        Pump();
        ASSERT_LT(CanvasOrigin().y, 0);
        Command(c.copy);
        const SIZE canvas = ClientSize(app.CanvasWindow);
        ASSERT_TRUE(OpenClipboard(app.MainWindow));
        HBITMAP copied = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        BITMAP info = {};
        GetObjectA(copied, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, canvas.cx);
        EXPECT_EQ(info.bmHeight, canvas.cy);
        EXPECT_EQ(PixelsOfBitmap(copied, canvas.cx, canvas.cy),
                  PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy));
        CloseClipboard();
    }
    for (double ratio : {2.0, 0.5}) {
        app.settings.PrinterRatio = ratio;
        Command(CMD_PRINT);
        const SIZE printed = PrintedExtent();
        EXPECT_NEAR(printed.cx, ratio * one.cx, 3 * std::min(ratio, 1.0)) << ratio;
        EXPECT_NEAR(printed.cy, ratio * one.cy, 3 * std::min(ratio, 1.0)) << ratio;
    }
    app.settings.PrinterRatio = 0.04;
    Command(CMD_PRINT);
    EXPECT_EQ(messages, std::vector<std::string>{TextBadRatio});
    app.settings.PrinterRatio = 1.0;
    SetPrinterDialogHook([](HWND) -> HDC { ++dialogs; return nullptr; }); // cancelled
    Command(CMD_PRINT);
    EXPECT_EQ(dialogs, 7); // four periods, two ratios, the cancelled one; no copy, no bad ratio
    SetPrinterDialogHook(FakePrinterDialog);
    app.settings.PrinterColor = 0;
    Command(CMD_PRINT);
    int coloured = 0;
    for (COLORREF c : PixelsOfBitmap(paper, OneDayWidth, OneDayHeight))
        coloured += GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c);
    EXPECT_EQ(coloured, 0);
    // The platform's own dialog (or its message that no printer is installed) closed.
    SetPrinterDialogHook(nullptr);
    const std::vector<COLORREF> picture = Picture();
    WithModal([&] { Command(CMD_PRINT); },
              [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_TRUE(Running());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Picture(), picture);
}

// The system's default printer without its dialog (tools/print_check.sh provides a PDF
// printer through CUPS and checks the page it writes).
TEST_F(PrintingTest, RealPrinterPrintsOnePage)
{
    const char* ratio = std::getenv("MAREVO_REAL_PRINTER");
    if (!ratio || !*ratio) GTEST_SKIP() << "no printer set up (tools/print_check.sh)";
    SetPrinterDialogHook([](HWND) -> HDC {
        PRINTDLGA dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.Flags = PD_RETURNDC | PD_RETURNDEFAULT;
        if (!PrintDlgA(&dialog)) return nullptr;
        GlobalFree(dialog.hDevMode);
        GlobalFree(dialog.hDevNames);
        ++dialogs;
        return dialog.hDC;
    });
    app.settings.PrinterRatio = std::atof(ratio);
    app.settings.PrinterColor = std::getenv("MAREVO_REAL_PRINTER_MONO") ? 0 : 1;
    Command(CMD_PRINT);
    EXPECT_EQ(dialogs, 1) << "no default printer";
    EXPECT_TRUE(messages.empty());
}

// Cancel and the close box change nothing; a ratio that cannot print is refused and the dialog
// stays open; OK stores the ratio as typed and the colour at once, and shows them again.
TEST_F(PrintingTest, PrintSettingsDialog)
{
    const std::string before = ReadFile("marevo.ini");
    // Typed, clicked, how the dialog is ended, what it shows first; false when it stays open.
    const auto enter = [&](const char* typed, int click, int end, const char* shown, int checked) {
        bool closed = true;
        WithModal([&] { Command(CMD_PRINT_SETTINGS); }, [&](HWND dialog) {
            EXPECT_EQ(Text(GetDlgItem(dialog, IDC_RATIO)), shown);
            EXPECT_TRUE(IsDlgButtonChecked(dialog, checked));
            EXPECT_FALSE(IsDlgButtonChecked(dialog, checked == IDC_MONO ? IDC_COLOUR : IDC_MONO));
            SetDlgItemTextA(dialog, IDC_RATIO, typed);
            if (click) SendDlgItemMessageA(dialog, click, BM_CLICK, 0, 0);
            if (end == WM_CLOSE) return (void)SendMessageA(dialog, WM_CLOSE, 0, 0); // close box
            SendMessageA(dialog, WM_COMMAND, end, 0);
            closed = !IsWindowVisible(dialog);
            if (!closed) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        return closed;
    };
    EXPECT_TRUE(enter("3.5", IDC_MONO, IDCANCEL, " 1.0", IDC_COLOUR));
    EXPECT_TRUE(enter("3.5", IDC_MONO, WM_CLOSE, " 1.0", IDC_COLOUR));
    EXPECT_FALSE(enter("1e9", 0, IDOK, " 1.0", IDC_COLOUR));
    EXPECT_EQ(messages, std::vector<std::string>{TextBadRatio});
    EXPECT_EQ(ReadFile("marevo.ini"), before); // and the next opening shows the values kept
    EXPECT_TRUE(enter("2", IDC_MONO, IDOK, " 1.0", IDC_COLOUR));
    EXPECT_EQ(IniValue("PrinterRatio"), " 2.0");
    EXPECT_EQ(IniValue("PrinterColor"), "0");
    EXPECT_EQ(app.session.Model()->palette->PlotFill, Rgb(220, 220, 255));
    EXPECT_TRUE(enter("   12x", IDC_COLOUR, IDOK, " 2.0", IDC_MONO));
    EXPECT_EQ(IniValue("PrinterRatio"), "12.0");
    EXPECT_EQ(IniValue("PrinterColor"), "1");
}

} // namespace
} // namespace marevo
