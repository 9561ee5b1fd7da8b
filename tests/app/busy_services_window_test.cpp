// Services that are not there or are busy: no printer behind the platform's print dialog,
// the clipboard held by another program, the help page missing. The program goes on,
// nothing is printed or copied, and what the user asked for and did not get is said.
#include <atomic>

#include "program_fixture.h"

#include "app/clipboard_copy.h"
#include "app/ids.h"
#include "app/printing.h"
#include "app/ui_seam.h"

namespace marevo {
namespace {

// Closes every dialog box of this process that comes up (the platform's print dialog, or
// its message that no printer is installed) until told to stop; counts them.
class DialogCloser {
public:
    DialogCloser() : thread_(CreateThread(nullptr, 0, Run, this, 0, nullptr)) {}
    ~DialogCloser()
    {
        stop_ = true;
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
    }
    int Closed() const { return closed_; }

private:
    static BOOL CALLBACK Close(HWND window, LPARAM self)
    {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (process == GetCurrentProcessId() && std::string(name) == "#32770" &&
            IsWindowVisible(window)) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            ++reinterpret_cast<DialogCloser*>(self)->closed_;
        }
        return TRUE;
    }
    static DWORD WINAPI Run(void* self)
    {
        DialogCloser& closer = *static_cast<DialogCloser*>(self);
        while (!closer.stop_) {
            EnumWindows(Close, reinterpret_cast<LPARAM>(self));
            Sleep(20);
        }
        return 0;
    }

    std::atomic<bool> stop_{false};
    std::atomic<int> closed_{0};
    HANDLE thread_;
};

// Another program's window that opens the clipboard and keeps it open.
class ClipboardHolder {
public:
    ClipboardHolder()
    {
        ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
        WaitForSingleObject(ready_, 5000);
    }
    ~ClipboardHolder()
    {
        SetEvent(release_);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        CloseHandle(ready_);
        CloseHandle(release_);
    }
    bool Holding() const { return holding_; }

private:
    static DWORD WINAPI Run(void* self)
    {
        ClipboardHolder& holder = *static_cast<ClipboardHolder*>(self);
        HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, nullptr, nullptr);
        holder.holding_ = OpenClipboard(window) != FALSE;
        if (holder.holding_) {
            EmptyClipboard();
            HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 5);
            memcpy(GlobalLock(text), "held", 5);
            GlobalUnlock(text);
            SetClipboardData(CF_TEXT, text);
        }
        SetEvent(holder.ready_);
        WaitForSingleObject(holder.release_, 30000);
        if (holder.holding_) CloseClipboard();
        DestroyWindow(window);
        return 0;
    }

    HANDLE ready_, release_, thread_;
    bool holding_ = false;
};

class BusyServicesWindowTest : public OwaseTest {
protected:
    void SetUp() override
    {
        OwaseTest::SetUp();
        Command(CMD_PERIOD1);
    }
};

TEST_F(BusyServicesWindowTest, NoPrinterPrintsNothingAndTheProgramGoesOn)
{
    // The platform's own dialog: with no printer installed it says so itself (or shows
    // the dialog when one is); either is closed as a user would.
    SetPrinterDialogHook(nullptr);
    const std::vector<COLORREF> before = Picture();
    {
        DialogCloser closer;
        Command(CMD_PRINT);
        Command(TB_PRINT);
        RecordProperty("dialogs_closed", closer.Closed());
    }
    EXPECT_TRUE(Running());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Picture(), before);
    // The screen keeps the colour palette whatever printing would have used.
    app.settings.PrinterColor = 0;
    Command(CMD_REDRAW);
    EXPECT_EQ(Picture(), before);
}

TEST_F(BusyServicesWindowTest, ClipboardHeldByAnotherProgramTakesNothing)
{
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        EXPECT_FALSE(CopyToClipboard(app, app.MainWindow));
        Command(CMD_COPY);
        Command(TB_COPY);
        EXPECT_TRUE(Running());
        EXPECT_TRUE(messages.empty());
    }
    // The other program's text is still there; once it lets go the copy works.
    ASSERT_TRUE(OpenClipboard(app.MainWindow));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    CloseClipboard();
    Command(CMD_COPY);
    ASSERT_TRUE(OpenClipboard(app.MainWindow));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    CloseClipboard();
}

bool CannotOpenAnything(const char* path)
{
    ProgramTest::opened.push_back(path);
    return false;
}

TEST_F(BusyServicesWindowTest, AMissingHelpPageIsSaid)
{
    SetOpenDocumentHook(CannotOpenAnything);
    Command(CMD_HELP);
    EXPECT_TRUE(Running());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], dir + "marevo.html");
    EXPECT_EQ(messages, std::vector<std::string>{"ヘルプファイルがオープンできませんでした"});
    // The picture and the date are as they were.
    EXPECT_STREQ(ShownStation().StationName, "尾鷲");
    EXPECT_GT(PaintedPixels(), 1000);
}

} // namespace
} // namespace marevo
