// Printing into a printer-like context (the print dialog replaced), the print settings
// dialog and its settings keys, and the clipboard copy of the off-screen picture. What the
// print draws in each colour: the shell's printing tests; which ratios print: its settings
// values tests.
#include <algorithm>

#include "program_fixture.h"
#include "window_probe.h"

#include <commdlg.h>

#include "app/ids.h"
#include "app/printing.h"

namespace marevo {
namespace {

// The "printer": a memory context of the screen's dots per inch on the test's bitmap.
constexpr int PaperWidth = 1400, PaperHeight = 1600;
HBITMAP paper = nullptr;
int dialogs = 0;
bool cancel = false;

HDC FakePrinterDialog(HWND)
{
    ++dialogs;
    if (cancel) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, paper);
    return dc; // PrintView deletes it; the bitmap stays with the test
}

bool Chromatic(COLORREF c) { return GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c); }

class PrintingTest : public OwaseTest {
protected:
    void SetUp() override
    {
        OwaseTest::SetUp();
        HDC screen = GetDC(nullptr);
        paper = CreateCompatibleBitmap(screen, PaperWidth, PaperHeight);
        ReleaseDC(nullptr, screen);
        dialogs = 0;
        cancel = false;
        previousHook = SetPrinterDialogHook(FakePrinterDialog);
        Command(CMD_PERIOD1);
    }
    void TearDown() override
    {
        SetPrinterDialogHook(previousHook);
        DeleteObject(paper);
        ProgramTest::TearDown();
    }
    // Prints on a paper of the off-screen surface's colour.
    void Print(int command = CMD_PRINT)
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, paper);
        RECT all = {0, 0, PaperWidth, PaperHeight};
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
        SelectObject(dc, old);
        DeleteDC(dc);
        Command(command);
    }
    std::vector<COLORREF> Paper(SIZE size) const { return PixelsOfBitmap(paper, size.cx, size.cy); }
    // The size up to the right-most and bottom-most printed pixel.
    SIZE PrintedExtent() const
    {
        const std::vector<COLORREF> pixels = Paper({PaperWidth, PaperHeight});
        SIZE extent = {0, 0};
        for (size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] != GetSysColor(COLOR_BTNFACE)) {
                extent.cx = std::max<LONG>(extent.cx, LONG(i % PaperWidth) + 1);
                extent.cy = std::max<LONG>(extent.cy, LONG(i / PaperWidth) + 1);
            }
        return extent;
    }
    PrinterDialogHook previousHook = nullptr;
};

// At ratio 1 the page holds the screen's pixels, in every period.
TEST_F(PrintingTest, RatioOnePrintsEveryPeriodAsTheScreenDrawsIt)
{
    for (int period : {CMD_PERIOD1, CMD_PERIOD7, CMD_PERIOD42, CMD_TABLE}) {
        SCOPED_TRACE(period);
        Command(period);
        dialogs = 0;
        Print();
        EXPECT_EQ(dialogs, 1);
        const SIZE canvas = ClientSize(app.CanvasWindow);
        EXPECT_EQ(Paper(canvas), PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy));
    }
}

// Other ratios scale the picture from the top left corner; a monochrome print has no colour
// and the screen keeps its colours, also when drawn again.
TEST_F(PrintingTest, RatioScalesAndMonochromeLeavesTheScreenInColour)
{
    const std::vector<COLORREF> screen = Picture();
    Print();
    const SIZE one = PrintedExtent();
    ASSERT_GT(one.cx, 500);
    for (double ratio : {2.0, 0.5}) {
        app.settings.PrinterRatio = ratio;
        Print();
        const SIZE printed = PrintedExtent();
        EXPECT_NEAR(printed.cx, ratio * one.cx, 3 * std::min(ratio, 1.0)) << ratio;
        EXPECT_NEAR(printed.cy, ratio * one.cy, 3 * std::min(ratio, 1.0)) << ratio;
    }
    app.settings.PrinterRatio = 1.0;
    app.settings.PrinterColor = 0;
    Print();
    int coloured = 0;
    for (COLORREF c : Paper({OneDayWidth, OneDayHeight})) coloured += Chromatic(c);
    EXPECT_EQ(coloured, 0);
    Command(CMD_REDRAW);
    EXPECT_EQ(Picture(), screen);
}

TEST_F(PrintingTest, CancelPrintsNothingAndUnusableRatiosAreSaid)
{
    cancel = true;
    Print();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(PrintedExtent().cx, 0);
    EXPECT_TRUE(messages.empty());
    cancel = false;
    app.settings.PrinterRatio = 0.04;
    Print();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(messages, std::vector<std::string>{TextBadRatio});
}

// The system's default printer without its dialog (tools/print_check.sh provides a PDF
// printer through CUPS and checks the page it writes).
HDC DefaultPrinter(HWND owner)
{
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_RETURNDEFAULT;
    if (!PrintDlgA(&dialog)) return nullptr;
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    return dialog.hDC;
}

TEST_F(PrintingTest, RealPrinterPrintsOnePage)
{
    const char* ratio = std::getenv("MAREVO_REAL_PRINTER");
    if (!ratio || !*ratio) GTEST_SKIP() << "no printer set up (tools/print_check.sh)";
    SetPrinterDialogHook(DefaultPrinter);
    app.settings.PrinterRatio = std::atof(ratio);
    app.settings.PrinterColor = std::getenv("MAREVO_REAL_PRINTER_MONO") ? 0 : 1;
    HDC probe = DefaultPrinter(nullptr);
    ASSERT_NE(probe, nullptr) << "no default printer";
    DeleteDC(probe);
    Command(CMD_PRINT);
    EXPECT_TRUE(messages.empty());
}

// Menu and toolbar print; they copy the whole off-screen picture, also when it is scrolled.
TEST_F(PrintingTest, MenuAndToolbarPrintAndCopyTheWholePicture)
{
    ASSERT_TRUE(OpenClipboard(app.MainWindow) && EmptyClipboard() && CloseClipboard());
    for (int command : {CMD_PRINT, TB_PRINT}) {
        dialogs = 0;
        Command(command);
        EXPECT_EQ(dialogs, 1) << command;
    }
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP)); // printing copies nothing
    MoveWindow(app.MainWindow, 0, 0, 400, 300, TRUE); // smaller than every canvas
    Pump();
    const struct { int period, copy; } cases[] = {{CMD_PERIOD1, CMD_COPY}, {CMD_TABLE, TB_COPY}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        Command(c.period);
        SendMessageA(app.GraphPane, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
        SendMessageA(app.GraphPane, WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
        Pump();
        ASSERT_LT(CanvasOrigin().y, 0);
        ASSERT_TRUE(OpenClipboard(app.MainWindow) && EmptyClipboard() && CloseClipboard());
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
    EXPECT_EQ(dialogs, 1); // copying prints nothing
}

class PrintSettingsTest : public PrintingTest {
protected:
    std::string RatioField(HWND dialog) const { return Text(GetDlgItem(dialog, IDC_RATIO)); }
    static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id); }
    // Opens the dialog, writes the ratio (unless null), clicks a button and ends it with
    // closing (IDOK, IDCANCEL, or WM_CLOSE as the close box); false when it stayed open.
    bool Enter(const char* ratio, int button, int closing, std::function<void(HWND)> look = {})
    {
        bool closed = true;
        WithModal([&] { Command(CMD_PRINT_SETTINGS); }, [&](HWND dialog) {
            if (look) look(dialog);
            if (ratio) SetDlgItemTextA(dialog, IDC_RATIO, ratio);
            if (button) SendDlgItemMessageA(dialog, button, BM_CLICK, 0, 0);
            if (closing == WM_CLOSE) return (void)SendMessageA(dialog, WM_CLOSE, 0, 0);
            SendMessageA(dialog, WM_COMMAND, closing, 0);
            closed = !IsWindowVisible(dialog);
            if (!closed) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        return closed;
    }
};

// OK stores the ratio and the colour at once, and the dialog shows them again; a ratio as
// typed is read up to its number.
TEST_F(PrintSettingsTest, OkStoresAndTheDialogShowsTheSettings)
{
    EXPECT_TRUE(Enter("2", IDC_MONO, IDOK, [&](HWND dialog) {
        EXPECT_EQ(RatioField(dialog), " 1.0");
        EXPECT_TRUE(Checked(dialog, IDC_COLOUR));
        EXPECT_FALSE(Checked(dialog, IDC_MONO));
        UpdateWindow(dialog);
        Screenshot("print_settings");
    }));
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 2.0);
    EXPECT_EQ(app.settings.PrinterColor, 0);
    EXPECT_EQ(IniValue("PrinterRatio"), " 2.0");
    EXPECT_EQ(IniValue("PrinterColor"), "0");
    EXPECT_EQ(app.session.Model()->palette->PlotFill, Rgb(220, 220, 255));
    EXPECT_TRUE(Enter("   12x", IDC_COLOUR, IDOK, [&](HWND dialog) {
        EXPECT_EQ(RatioField(dialog), " 2.0");
        EXPECT_TRUE(Checked(dialog, IDC_MONO));
        EXPECT_FALSE(Checked(dialog, IDC_COLOUR));
    }));
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 12.0);
    EXPECT_EQ(IniValue("PrinterRatio"), "12.0");
    EXPECT_EQ(IniValue("PrinterColor"), "1");
}

// Cancel and the close box leave the values and the file; a ratio that cannot print is
// refused, said, and the dialog stays open.
TEST_F(PrintSettingsTest, CancelCloseAndRefusedRatiosLeaveTheSettings)
{
    const std::string before = ReadFile("marevo.ini");
    EXPECT_TRUE(Enter("3.5", IDC_MONO, IDCANCEL));
    EXPECT_TRUE(Enter("3.5", IDC_MONO, WM_CLOSE));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(Enter("1e9", 0, IDOK));
    EXPECT_EQ(messages, std::vector<std::string>{TextBadRatio});
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 1.0);
    EXPECT_EQ(app.settings.PrinterColor, 1);
    EXPECT_EQ(ReadFile("marevo.ini"), before);
    EXPECT_EQ(IniValue("PrinterRatio"), "<missing>");
}

} // namespace
} // namespace marevo
