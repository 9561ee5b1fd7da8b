// Printing into a printer-like context (the print dialog replaced), the print settings
// dialog and its settings keys, and the clipboard copy of the off-screen picture.
#include <cstring>

#include "program_fixture.h"
#include "window_probe.h"

#include <commdlg.h>

#include "app/clipboard_copy.h"
#include "app/ids.h"
#include "app/printing.h"

namespace marevo {
namespace {

// The "printer": a memory context on a bitmap of the screen's dots per inch, in the
// off-screen surface's background colour, kept by the test.
struct FakePrinter {
    int width = 1400, height = 1600;
    HBITMAP bitmap = nullptr;
    int calls = 0;
    bool cancel = false;
};
FakePrinter* printer = nullptr;

HDC FakePrinterDialog(HWND)
{
    ++printer->calls;
    if (printer->cancel) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, printer->bitmap);
    return dc; // PrintView deletes it; the bitmap stays with the test
}

class PrintingTest : public OwaseTest {
protected:
    void SetUp() override
    {
        OwaseTest::SetUp();
        HDC screen = GetDC(nullptr);
        fake.bitmap = CreateCompatibleBitmap(screen, fake.width, fake.height);
        ReleaseDC(nullptr, screen);
        printer = &fake;
        previousHook = SetPrinterDialogHook(FakePrinterDialog);
    }
    void TearDown() override
    {
        SetPrinterDialogHook(previousHook);
        DeleteObject(fake.bitmap);
        printer = nullptr;
        ProgramTest::TearDown();
    }
    void ClearPaper()
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, fake.bitmap);
        RECT all = {0, 0, fake.width, fake.height};
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    std::vector<COLORREF> Paper(int width, int height) const
    {
        return PixelsOfBitmap(fake.bitmap, width, height);
    }
    // Right-most and bottom-most printed pixel.
    POINT PrintedExtent() const
    {
        const std::vector<COLORREF> paper = Paper(fake.width, fake.height);
        POINT extent = {-1, -1};
        for (int y = 0; y < fake.height; ++y)
            for (int x = 0; x < fake.width; ++x)
                if (paper[static_cast<size_t>(y) * fake.width + x] != GetSysColor(COLOR_BTNFACE)) {
                    if (x > extent.x) extent.x = x;
                    if (y > extent.y) extent.y = y;
                }
        return extent;
    }
    std::vector<COLORREF> ScreenPicture(int width, int height) const
    {
        return PixelsOf(app.OffscreenDC(), width, height);
    }
    void Print()
    {
        ClearPaper();
        Command(CMD_PRINT);
    }
    FakePrinter fake;
    PrinterDialogHook previousHook = nullptr;
};

bool Chromatic(COLORREF c) { return GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c); }

TEST_F(PrintingTest, RatioOnePrintsEveryPeriodAsTheScreenDrawsIt)
{
    const int periods[] = {CMD_PERIOD1, CMD_PERIOD7, CMD_PERIOD42, CMD_TABLE};
    for (int period : periods) {
        SCOPED_TRACE(period);
        Command(period);
        SetDate(2026, 8, 3);
        Command(CMD_REDRAW);
        const TideTableResults table = (*app.session.Model()->tideTable);
        const SIZE canvas = ClientSize(app.CanvasWindow);
        Print();
        EXPECT_EQ(fake.calls, 1);
        fake.calls = 0;
        // On a paper of the surface's colour the page holds the same pixels as the screen.
        const std::vector<COLORREF> screen = ScreenPicture(canvas.cx, canvas.cy);
        const std::vector<COLORREF> paper = PixelsOfBitmap(fake.bitmap, canvas.cx, canvas.cy);
        EXPECT_EQ(paper, screen);
        EXPECT_EQ(app.session.Model()->palette->PlotFill, Rgb(220, 220, 255));
        // The table printed is the one of the last refresh, not computed again.
        EXPECT_EQ(std::memcmp(&table, &(*app.session.Model()->tideTable), sizeof table), 0);
    }
}

TEST_F(PrintingTest, RatioScalesThePictureFromTheTopLeftCorner)
{
    Command(CMD_PERIOD1);
    app.settings.PrinterRatio = 1.0;
    Print();
    const POINT one = PrintedExtent();
    ASSERT_GT(one.x, 500);
    app.settings.PrinterRatio = 2.0;
    Print();
    const POINT two = PrintedExtent();
    if (const char* dir = std::getenv("MAREVO_SHOT_DIR"))
        SavePicture(std::string(dir) + "/printed_ratio2.ppm", Paper(fake.width, fake.height),
                fake.width, fake.height);
    EXPECT_NEAR(two.x + 1, 2 * (one.x + 1), 3);
    EXPECT_NEAR(two.y + 1, 2 * (one.y + 1), 3);
    app.settings.PrinterRatio = 0.5;
    Print();
    const POINT half = PrintedExtent();
    EXPECT_NEAR(2 * (half.x + 1), one.x + 1, 3);
}

TEST_F(PrintingTest, MonochromePrintLeavesTheScreenInColour)
{
    Command(CMD_PERIOD1);
    app.settings.PrinterColor = 0;
    Print();
    const std::vector<COLORREF> paper = Paper(OneDayWidth, OneDayHeight);
    size_t coloured = 0;
    for (COLORREF c : paper) coloured += Chromatic(c);
    EXPECT_EQ(coloured, 0u);
    // The screen's picture and palette were not touched; the next refresh draws in colour.
    EXPECT_EQ(app.session.Model()->palette->PlotFill, Rgb(220, 220, 255));
    Command(CMD_REDRAW);
    EXPECT_EQ(app.session.Model()->palette->PlotFill, Rgb(220, 220, 255));
    coloured = 0;
    for (COLORREF c : PixelsOf(app.OffscreenDC(), OneDayWidth, OneDayHeight)) coloured += Chromatic(c);
    EXPECT_GT(coloured, 1000u);
}

TEST_F(PrintingTest, CancelPrintsNothingAndUnusableRatiosAreSaid)
{
    fake.cancel = true;
    Print();
    EXPECT_EQ(fake.calls, 1);
    EXPECT_EQ(PrintedExtent().x, -1);
    EXPECT_TRUE(messages.empty());

    // A ratio that would print nothing (which ratios print: the shell's settings tests).
    fake.cancel = false;
    fake.calls = 0;
    app.settings.PrinterRatio = 0.04;
    Print();
    EXPECT_EQ(fake.calls, 0);
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
    Command(CMD_PERIOD1);
    app.settings.PrinterRatio = std::atof(ratio);
    app.settings.PrinterColor = std::getenv("MAREVO_REAL_PRINTER_MONO") ? 0 : 1;
    HDC probe = DefaultPrinter(nullptr);
    ASSERT_NE(probe, nullptr) << "no default printer";
    DeleteDC(probe);
    Command(CMD_PRINT);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrintingTest, MenuAndToolbarCommandsPrintAndCopy)
{
    Command(CMD_PERIOD1);
    const struct { int command; int prints; bool copies; } cases[] = {
        {CMD_PRINT, 1, false}, {TB_PRINT, 1, false}, {CMD_COPY, 0, true}, {TB_COPY, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        fake.calls = 0;
        ASSERT_TRUE(OpenClipboard(app.MainWindow));
        EmptyClipboard();
        CloseClipboard();
        Command(c.command);
        EXPECT_EQ(fake.calls, c.prints);
        EXPECT_EQ(IsClipboardFormatAvailable(CF_BITMAP) != FALSE, c.copies);
    }
}

class PrintSettingsTest : public PrintingTest {
protected:
    std::string RatioField(HWND dialog) const { return Text(GetDlgItem(dialog, IDC_RATIO)); }
    bool Checked(HWND dialog, int id) const { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    void OpenDialog(const std::function<void(HWND)>& act)
    {
        WithModal([&] { Command(CMD_PRINT_SETTINGS); }, act);
    }
};

TEST_F(PrintSettingsTest, DefaultsThenRatioTwoIsStoredAtOnceAndShownAgain)
{
    OpenDialog([&](HWND dialog) {
        EXPECT_EQ(RatioField(dialog), " 1.0");
        EXPECT_TRUE(Checked(dialog, IDC_COLOUR));
        EXPECT_FALSE(Checked(dialog, IDC_MONO));
        UpdateWindow(dialog);
        Screenshot("print_settings");
        SetDlgItemTextA(dialog, IDC_RATIO, "2");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 2.0);
    EXPECT_EQ(IniValue("PrinterRatio"), " 2.0");
    EXPECT_EQ(IniValue("PrinterColor"), "1");
    OpenDialog([&](HWND dialog) {
        EXPECT_EQ(RatioField(dialog), " 2.0");
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(PrintSettingsTest, MonochromeStoresZeroAndTheScreenKeepsItsColours)
{
    OpenDialog([&](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_MONO, BM_CLICK, 0, 0);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(app.settings.PrinterColor, 0);
    EXPECT_EQ(IniValue("PrinterColor"), "0");
    EXPECT_EQ(app.session.Model()->palette->PlotFill, Rgb(220, 220, 255));
    OpenDialog([&](HWND dialog) {
        EXPECT_TRUE(Checked(dialog, IDC_MONO));
        EXPECT_FALSE(Checked(dialog, IDC_COLOUR));
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(PrintSettingsTest, CancelAndCloseBoxLeaveValuesAndFileUntouched)
{
    const std::string before = ReadFile("marevo.ini");
    const int closings[] = {IDCANCEL, -1};
    for (int closing : closings) {
        OpenDialog([&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_RATIO, "3.5");
            SendDlgItemMessageA(dialog, IDC_MONO, BM_CLICK, 0, 0);
            if (closing == IDCANCEL) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            else SendMessageA(dialog, WM_CLOSE, 0, 0);
        });
        EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 1.0);
        EXPECT_EQ(app.settings.PrinterColor, 1);
        EXPECT_EQ(ReadFile("marevo.ini"), before);
    }
}

// A ratio that cannot print is refused and the dialog stays open; one that can is stored
// as written (which texts are refused: the shell's settings tests).
TEST_F(PrintSettingsTest, RatiosThatCannotPrintAreRefusedAndTheDialogStaysOpen)
{
    bool stillOpen = false;
    OpenDialog([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_RATIO, "1e9");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        stillOpen = IsWindow(dialog) && IsWindowVisible(dialog);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(messages, std::vector<std::string>{TextBadRatio});
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 1.0);
    EXPECT_EQ(IniValue("PrinterRatio"), "<missing>");
    OpenDialog([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_RATIO, "   12x");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 12.0);
    EXPECT_EQ(IniValue("PrinterRatio"), "12.0");
}

class ClipboardTest : public OwaseTest {};

TEST_F(ClipboardTest, CopyIsTheWholeOffscreenPictureAlsoWhenScrolled)
{
    MoveWindow(app.MainWindow, 0, 0, 400, 300, TRUE); // smaller than every canvas
    Pump();
    const int periods[] = {CMD_PERIOD1, CMD_TABLE};
    for (int period : periods) {
        SCOPED_TRACE(period);
        Command(period);
        SendMessageA(app.GraphPane, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
        SendMessageA(app.GraphPane, WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
        Pump();
        ASSERT_LT(CanvasOrigin().y, 0); // scrolled
        Command(CMD_COPY);
        const SIZE canvas = ClientSize(app.CanvasWindow);
        ASSERT_TRUE(OpenClipboard(app.MainWindow));
        HBITMAP copied = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        ASSERT_NE(copied, nullptr);
        BITMAP info = {};
        GetObjectA(copied, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, canvas.cx);
        EXPECT_EQ(info.bmHeight, canvas.cy);
        EXPECT_EQ(PixelsOfBitmap(copied, canvas.cx, canvas.cy),
                  PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy));
        CloseClipboard();
    }
}

} // namespace
} // namespace marevo
