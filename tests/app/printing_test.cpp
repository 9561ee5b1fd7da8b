// Printing into a printer-like context (the print dialog replaced) or with no printer, the
// print settings dialog and its keys, and the clipboard copy, also when another program holds
// the clipboard. What the print draws: the shell's printing tests; which ratios print: its
// settings values tests.
#include <algorithm>
#include <cstring>
#include <thread>

#include "program_fixture.h"
#include "window_probe.h"

#include <commdlg.h>

#include "app/clipboard_copy.h"
#include "app/ids.h"
#include "app/printing.h"

namespace marevo {
namespace {

// The "printer": a memory context of the screen's dots per inch on the test's bitmap, which
// each print finds blank in the off-screen surface's colour.
constexpr int PaperWidth = 1400, PaperHeight = 1600;
HBITMAP paper = nullptr;
int dialogs = 0;
bool cancel = false;

HDC FakePrinterDialog(HWND)
{
    ++dialogs;
    if (cancel) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, paper);
    RECT all = {0, 0, PaperWidth, PaperHeight};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    return dc; // PrintView deletes it; the bitmap stays with the test
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
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    ++dialogs;
    return dialog.hDC;
}

// Another program's window that keeps the clipboard open, its text on it, until released.
struct ClipboardHolder {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool holding = false;
    std::thread thread{[this] {
        HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
        holding = OpenClipboard(window) && EmptyClipboard();
        if (holding) {
            HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 5);
            std::memcpy(GlobalLock(text), "held", 5);
            GlobalUnlock(text);
            SetClipboardData(CF_TEXT, text);
        }
        SetEvent(ready);
        WaitForSingleObject(release, INFINITE);
        CloseClipboard();
        DestroyWindow(window);
    }};
    ClipboardHolder() { WaitForSingleObject(ready, 5000); }
    ~ClipboardHolder()
    {
        SetEvent(release);
        thread.join();
        CloseHandle(ready);
        CloseHandle(release);
    }
};

class PrintingTest : public OwaseTest {
protected:
    void SetUp() override
    {
        OwaseTest::SetUp();
        paper = CreateCompatibleBitmap(app.OffscreenDC(), PaperWidth, PaperHeight);
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
    // The size up to the right-most and bottom-most printed pixel.
    SIZE PrintedExtent() const
    {
        const std::vector<COLORREF> pixels = PixelsOfBitmap(paper, PaperWidth, PaperHeight);
        SIZE extent = {0, 0};
        for (size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] != GetSysColor(COLOR_BTNFACE)) {
                extent.cx = std::max<LONG>(extent.cx, LONG(i % PaperWidth) + 1);
                extent.cy = std::max<LONG>(extent.cy, LONG(i / PaperWidth) + 1);
            }
        return extent;
    }
    // The print settings dialog: opened, the ratio written (unless null), a button clicked
    // and ended by closing (IDOK, IDCANCEL, or WM_CLOSE as the close box); false when it
    // stayed open.
    bool EnterPrintSettings(const char* ratio, int button, int closing,
                            std::function<void(HWND)> look = {})
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
    PrinterDialogHook previousHook = nullptr;
};

// At ratio 1 the page holds the screen's pixels in every period, from the menu and the
// toolbar, and nothing goes to the clipboard.
TEST_F(PrintingTest, RatioOnePrintsEveryPeriodAsTheScreenDrawsIt)
{
    ASSERT_TRUE(OpenClipboard(app.MainWindow) && EmptyClipboard() && CloseClipboard());
    const struct { int period, print; } cases[] = {
        {CMD_PERIOD1, CMD_PRINT}, {CMD_PERIOD7, TB_PRINT}, {CMD_PERIOD42, CMD_PRINT},
        {CMD_TABLE, TB_PRINT},
    };
    for (const auto& c : cases) {
        Command(c.period);
        dialogs = 0;
        Command(c.print);
        EXPECT_EQ(dialogs, 1) << c.period;
        const SIZE canvas = ClientSize(app.CanvasWindow);
        EXPECT_EQ(PixelsOfBitmap(paper, canvas.cx, canvas.cy),
                  PixelsOf(app.OffscreenDC(), canvas.cx, canvas.cy)) << c.period;
    }
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
}

// Other ratios scale the picture from the top left corner, one that prints nothing is said,
// a cancelled dialog says nothing; a monochrome print has no colour and leaves the screen's.
TEST_F(PrintingTest, RatiosCancelAndMonochrome)
{
    const std::vector<COLORREF> screen = Picture();
    Command(CMD_PRINT);
    const SIZE one = PrintedExtent();
    ASSERT_GT(one.cx, 500);
    for (double ratio : {2.0, 0.5}) {
        app.settings.PrinterRatio = ratio;
        Command(CMD_PRINT);
        const SIZE printed = PrintedExtent();
        EXPECT_NEAR(printed.cx, ratio * one.cx, 3 * std::min(ratio, 1.0)) << ratio;
        EXPECT_NEAR(printed.cy, ratio * one.cy, 3 * std::min(ratio, 1.0)) << ratio;
    }
    dialogs = 0;
    app.settings.PrinterRatio = 0.04;
    Command(CMD_PRINT);
    EXPECT_EQ(messages, std::vector<std::string>{TextBadRatio});
    app.settings.PrinterRatio = 1.0;
    cancel = true;
    Command(CMD_PRINT);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(dialogs, 1);
    cancel = false;
    app.settings.PrinterColor = 0;
    Command(CMD_PRINT);
    int coloured = 0;
    for (COLORREF c : PixelsOfBitmap(paper, OneDayWidth, OneDayHeight))
        coloured += GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c);
    EXPECT_EQ(coloured, 0);
    Command(CMD_REDRAW);
    EXPECT_EQ(Picture(), screen);
}

TEST_F(PrintingTest, RealPrinterPrintsOnePage)
{
    const char* ratio = std::getenv("MAREVO_REAL_PRINTER");
    if (!ratio || !*ratio) GTEST_SKIP() << "no printer set up (tools/print_check.sh)";
    SetPrinterDialogHook(DefaultPrinter);
    app.settings.PrinterRatio = std::atof(ratio);
    app.settings.PrinterColor = std::getenv("MAREVO_REAL_PRINTER_MONO") ? 0 : 1;
    Command(CMD_PRINT);
    EXPECT_EQ(dialogs, 1) << "no default printer";
    EXPECT_TRUE(messages.empty());
}

// The platform's own dialog: with no printer installed it says so itself (or shows the
// dialog when one is); either is closed as a user would, and nothing changes.
TEST_F(PrintingTest, NoPrinterPrintsNothingAndTheProgramGoesOn)
{
    SetPrinterDialogHook(nullptr);
    const std::vector<COLORREF> before = Picture();
    WithModal([&] { Command(CMD_PRINT); },
              [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_TRUE(Running());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Picture(), before);
}

// Menu and toolbar copy the whole off-screen picture, also when it is scrolled; nothing
// while another program holds the clipboard, whose text stays.
TEST_F(PrintingTest, CopyTheWholePictureUnlessTheClipboardIsHeld)
{
    MoveWindow(app.MainWindow, 0, 0, 400, 300, TRUE); // smaller than every canvas
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.holding);
        EXPECT_FALSE(CopyToClipboard(app, app.MainWindow));
        Command(CMD_COPY);
        Command(TB_COPY);
    }
    EXPECT_TRUE(Running());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    const struct { int period, copy; } cases[] = {{CMD_PERIOD1, CMD_COPY}, {CMD_TABLE, TB_COPY}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        Command(c.period);
        SendMessageA(app.GraphPane, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
        SendMessageA(app.GraphPane, WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
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
    EXPECT_EQ(dialogs, 0);
}

// Cancel and the close box leave the values and the file; a ratio that cannot print is
// refused, said, and the dialog stays open; OK stores the ratio as typed and the colour at
// once, and the dialog shows them again.
TEST_F(PrintingTest, PrintSettingsDialog)
{
    const std::string before = ReadFile("marevo.ini");
    const auto shows = [&](const char* ratio, int checked, int unchecked) {
        return [=](HWND dialog) {
            EXPECT_EQ(Text(GetDlgItem(dialog, IDC_RATIO)), ratio);
            EXPECT_TRUE(IsDlgButtonChecked(dialog, checked));
            EXPECT_FALSE(IsDlgButtonChecked(dialog, unchecked));
        };
    };
    EXPECT_TRUE(EnterPrintSettings("3.5", IDC_MONO, IDCANCEL, [&](HWND dialog) {
        shows(" 1.0", IDC_COLOUR, IDC_MONO)(dialog);
        UpdateWindow(dialog);
        Screenshot("print_settings");
    }));
    EXPECT_TRUE(EnterPrintSettings("3.5", IDC_MONO, WM_CLOSE));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(EnterPrintSettings("1e9", 0, IDOK));
    EXPECT_EQ(messages, std::vector<std::string>{TextBadRatio});
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 1.0);
    EXPECT_EQ(app.settings.PrinterColor, 1);
    EXPECT_EQ(ReadFile("marevo.ini"), before);

    EXPECT_TRUE(EnterPrintSettings("2", IDC_MONO, IDOK, shows(" 1.0", IDC_COLOUR, IDC_MONO)));
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 2.0);
    EXPECT_EQ(app.settings.PrinterColor, 0);
    EXPECT_EQ(IniValue("PrinterRatio"), " 2.0");
    EXPECT_EQ(IniValue("PrinterColor"), "0");
    EXPECT_EQ(app.session.Model()->palette->PlotFill, Rgb(220, 220, 255));
    EXPECT_TRUE(EnterPrintSettings("   12x", IDC_COLOUR, IDOK, shows(" 2.0", IDC_MONO, IDC_COLOUR)));
    EXPECT_DOUBLE_EQ(app.settings.PrinterRatio, 12.0);
    EXPECT_EQ(IniValue("PrinterRatio"), "12.0");
    EXPECT_EQ(IniValue("PrinterColor"), "1");
}

} // namespace
} // namespace marevo
