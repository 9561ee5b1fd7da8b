// Services that are not there or are busy: no printer behind the platform's print dialog,
// the clipboard held by another program, the help page missing. The program goes on,
// nothing is printed or copied, and what the user asked for and did not get is said.
#include <cstring>
#include <thread>

#include "program_fixture.h"
#include "window_probe.h"

#include "app/clipboard_copy.h"
#include "app/ids.h"
#include "app/printing.h"
#include "app/ui_seam.h"

namespace marevo {
namespace {

// Another program's window that keeps the clipboard open, its text on it, until released.
struct ClipboardHolder {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool holding = false;
    std::thread thread{[this] {
        HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, nullptr, nullptr);
        holding = OpenClipboard(window) && EmptyClipboard();
        if (holding) {
            HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 5);
            std::memcpy(GlobalLock(text), "held", 5);
            GlobalUnlock(text);
            SetClipboardData(CF_TEXT, text);
        }
        SetEvent(ready);
        WaitForSingleObject(release, INFINITE);
        if (holding) CloseClipboard();
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

class BusyServicesWindowTest : public OwaseTest {};

// The platform's own dialog: with no printer installed it says so itself (or shows the
// dialog when one is); either is closed as a user would.
TEST_F(BusyServicesWindowTest, NoPrinterPrintsNothingAndTheProgramGoesOn)
{
    SetPrinterDialogHook(nullptr);
    Command(CMD_PERIOD1);
    const std::vector<COLORREF> before = Picture();
    for (int command : {CMD_PRINT, TB_PRINT})
        WithModal([&] { Command(command); },
                  [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_TRUE(Running());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Picture(), before);
}

// Nothing taken from the other program; once it lets go the copy works.
TEST_F(BusyServicesWindowTest, ClipboardHeldByAnotherProgramTakesNothing)
{
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.holding);
        EXPECT_FALSE(CopyToClipboard(app, app.MainWindow));
        Command(CMD_COPY);
        Command(TB_COPY);
        EXPECT_TRUE(Running());
        EXPECT_TRUE(messages.empty());
    }
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    Command(CMD_COPY);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
}

TEST_F(BusyServicesWindowTest, AMissingHelpPageIsSaid)
{
    SetOpenDocumentHook([](const char* path) {
        ProgramTest::opened.push_back(path);
        return false;
    });
    Command(CMD_HELP);
    EXPECT_TRUE(Running());
    EXPECT_EQ(opened, std::vector<std::string>{dir + "marevo.html"});
    EXPECT_EQ(messages, std::vector<std::string>{"ヘルプファイルがオープンできませんでした"});
    EXPECT_STREQ(ShownStation().StationName, "尾鷲"); // the picture is as it was
    EXPECT_GT(PaintedPixels(), 1000);
}

} // namespace
} // namespace marevo
