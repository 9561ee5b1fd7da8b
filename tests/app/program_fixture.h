// Test bench of the window program: a fresh program directory with its own dt\ and
// marevo.ini, the program started in-process, messages pumped, message boxes recorded, and
// what the tests look at: the tree selection as a user makes it, the date shown, and the
// picture in the off-screen surface (painted or not, changed or not).
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

    // Writes dt\<fileName> (or any other file with content).
    void WritePort(const PortFile& port);
    void WriteFile(const std::string& relativePath, const std::string& content);
    std::string ReadFile(const std::string& relativePath) const;
    void WriteSettings(const std::string& content) { WriteFile("marevo.ini", content); }
    // The value of a key of marevo.ini as the file holds it, blanks kept (the platform's
    // reader trims them); "<missing>" when the key is not there.
    std::string IniValue(const std::string& key) const;

    // Starts the program in-process and pumps its messages; closes the notice window so
    // that nothing covers the picture.
    void Start(int showCommand = SW_SHOWNORMAL, bool closeNotice = true);
    // Destroys the main window (settings saved) and every window of the program.
    void Stop();
    void Pump();

    void Command(int id);
    bool MenuChecked(int id) const;
    bool ButtonChecked(int id) const;
    // The display period (1, 7, 42, or -1 for the table) and the graph style (1 bars, 0
    // lines) as the program keeps them, and as the menu's check marks and the toolbar's
    // buttons show them: one period and one style, none other.
    void ExpectShown(int period, int style) const;
    std::string Text(HWND window) const;
    SIZE ClientSize(HWND window) const;
    // Position of the canvas inside the graph pane's client area.
    POINT CanvasOrigin() const;
    // Selects the tree node with this text below parent (nullptr: the root).
    HTREEITEM FindNode(HTREEITEM parent, const std::string& text) const;
    std::vector<std::string> ChildTexts(HTREEITEM parent) const;
    std::vector<HTREEITEM> ChildItems(HTREEITEM parent) const;
    // Selects a tree node as a click does and lets the program react.
    void Select(HTREEITEM item);
    void SelectPort(int code, const std::string& port);

    // The date of the state (the labels keep theirs until a refresh), and the date of the
    // state and of the three labels.
    void SetDate(int year, int month, int day);
    void ExpectDate(int year, int month, int day) const;
    // Pixels of the off-screen picture that differ from the empty canvas (every third one).
    int PaintedPixels() const;
    // A sample of the picture, to tell whether it was drawn again.
    std::vector<COLORREF> Picture() const;
    // The program is still running: its main window exists and answers.
    bool Running() const;
    static bool HasStyle(HWND window, DWORD bit) { return GetWindowLongA(window, GWL_STYLE) & bit; }
    // The mouse moved over canvas point (x, y), wherever the canvas sits in the graph pane.
    void MouseAt(int x, int y);
    // A key pressed in the window that has the focus.
    void PressKey(WPARAM key);
    HTREEITEM SelectedNode() const;

    static constexpr const char* CannotOpen = "ファイルがオープンできませんでした";
    static constexpr const char* NoPort = "港が選択されていません";

    AppState& app = App();
    std::string dir;                       // ends with a backslash
    bool started = false;

public:
    static std::vector<std::string> messages; // texts of the message boxes shown
    static std::vector<std::string> opened;   // documents opened
};

// The program started on the one port 尾鷲 of 三重県, the site it opens without settings.
class OwaseTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        Start();
    }
};

// Pumps the program's messages until done() holds, waiting for the next message between
// tries, for about five seconds at most; returns done().
bool WaitFor(const std::function<bool()>& done);

// The station of the picture shown (an empty one before the first picture).
const Station& ShownStation();

// Today's date as the program takes it.
void TodayDate(int& year, int& month, int& day);

} // namespace marevo
