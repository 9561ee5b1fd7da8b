// Test bench of the window program: a fresh program folder with its own dt\ and marevo.ini,
// the program started in-process, its messages pumped and its message boxes recorded, and
// what the tests look at: the tree as a user works it, the date shown, the picture, the
// screen as the X server shows it, modal dialogs from their own message loop.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_state.h"

namespace marevo {

// One port file: name and position as written, Z0 and the M2 and S2 amplitudes in cm.
struct PortFile {
    std::string fileName; // as listed in dt\ (Shift-JIS)
    std::string stationName;
    double latitude = 34.05, longitude = 136.12, z0 = 110, m2 = 60, s2 = 28;
};

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void WritePort(const PortFile& port);
    void WriteFile(const std::string& relativePath, const std::string& content);
    std::string ReadFile(const std::string& relativePath) const;
    void WriteSettings(const std::string& content) { WriteFile("marevo.ini", content); }
    // A key's value as marevo.ini holds it, blanks kept; "<missing>" without the key.
    std::string IniValue(const std::string& key) const;

    // Starts the program in-process; closes the notice so that nothing covers the picture.
    void Start(int showCommand = SW_SHOWNORMAL, bool closeNotice = true);
    void Stop(); // the main window destroyed (settings saved), every window gone
    void Pump(); // until the queue stays empty

    void Command(int id);
    void PressKey(WPARAM key);  // to the window with the focus
    void MouseAt(int x, int y); // over canvas point (x, y), wherever the canvas sits
    // The period (1, 7, 42, -1 for the table) and style (1 bars, 0 lines) of the session,
    // each checked once in the menu and pressed once on the toolbar.
    void ExpectShown(int period, int style) const;
    std::string Text(HWND window) const;
    SIZE ClientSize(HWND window) const;
    static bool HasStyle(HWND window, DWORD bit) { return GetWindowLongA(window, GWL_STYLE) & bit; }
    POINT CanvasOrigin() const; // in the graph pane's client area

    // Tree nodes below parent (nullptr: the roots), in tree order.
    std::vector<std::pair<HTREEITEM, std::string>> Children(HTREEITEM parent) const;
    std::vector<std::string> ChildTexts(HTREEITEM parent) const;
    HTREEITEM FindNode(HTREEITEM parent, const std::string& text) const;
    HTREEITEM SelectedNode() const;
    void Select(HTREEITEM item); // as a click does
    void SelectPort(int code, const std::string& port) {
        Select(FindNode(app.PrefectureItems[code], port));
    }

    void SetDate(int year, int month, int day) { app.session.ChooseDate({year, month, day}); }
    // The session's date and the three labels'.
    void ExpectDate(int year, int month, int day) const;
    int PaintedPixels() const; // off-screen pixels not of the empty canvas (every third)
    std::vector<COLORREF> Picture() const; // a sample, to tell whether it was drawn again
    bool Running() const;                  // the main window exists and answers

    static constexpr const char* CannotOpen = "ファイルがオープンできませんでした";
    static constexpr const char* NoPort = "港が選択されていません";

    AppState& app = App();
    std::string dir; // ends with a backslash
    bool started = false;

  public:
    static std::vector<std::string> messages; // texts of the message boxes shown
    static std::vector<std::string> opened;   // documents opened
};

// The program started on the one port 尾鷲 of 三重県, the site it opens without settings.
class OwaseTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        Start();
    }
};

// Pumps the program's messages until done() holds, for about five seconds at most.
bool WaitFor(const std::function<bool()>& done);
const Station& ShownStation(); // an empty one before the first picture
void TodayDate(int& year, int& month, int& day);
// Runs act on the first modal dialog the thread shows while run() runs; act ends it.
void WithModal(const std::function<void()>& run, const std::function<void(HWND)>& act);
// The pixels of a width x height area of a context or a bitmap, row by row.
std::vector<COLORREF> PixelsOf(HDC dc, int width, int height);
std::vector<COLORREF> PixelsOfBitmap(HBITMAP bitmap, int width, int height);
// The screen as the X server shows it (GDI reads back Wine's own copy), row by row,
// through imagemagick's `import`; empty where that cannot run.
std::vector<COLORREF> ScreenAsXShowsIt(int& width, int& height);

} // namespace marevo
