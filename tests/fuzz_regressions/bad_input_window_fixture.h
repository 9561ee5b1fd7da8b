// What the window tests of bad input look at: the tree selection as a user makes it, the
// picture in the off-screen surface (painted or not, changed or not) and the messages.
#pragma once

#include <string>
#include <vector>

#include "program_fixture.h"

namespace marevo {

class BadInputWindowTest : public ProgramTest {
protected:
    // Selects a tree node as a click does and lets the program react.
    void Select(HTREEITEM item)
    {
        ASSERT_NE(item, nullptr);
        SendMessageA(app.TreeControl, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        Pump();
    }
    void SelectPort(int code, const std::string& port)
    {
        Select(FindNode(app.PrefectureItems[code], port));
    }

    // Pixels of the off-screen picture that differ from the empty canvas (every third one).
    int PaintedPixels() const
    {
        if (!app.OffscreenDC) return 0;
        const SIZE size = ClientSize(app.CanvasWindow);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        int count = 0;
        for (int y = 0; y < size.cy; y += 3)
            for (int x = 0; x < size.cx; x += 3)
                if (GetPixel(app.OffscreenDC, x, y) != face) ++count;
        return count;
    }

    // A sample of the picture, to tell whether it was drawn again.
    std::vector<COLORREF> Picture() const
    {
        std::vector<COLORREF> pixels;
        if (!app.OffscreenDC) return pixels;
        const SIZE size = ClientSize(app.CanvasWindow);
        for (int y = 1; y < size.cy; y += 7)
            for (int x = 1; x < size.cx; x += 5) pixels.push_back(GetPixel(app.OffscreenDC, x, y));
        return pixels;
    }

    // The program is still running: its main window exists and answers.
    bool Running() const
    {
        DWORD_PTR answer = 0;
        return IsWindow(app.MainWindow) &&
               SendMessageTimeoutA(app.MainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
    }

    static constexpr const char* CannotOpen = "ファイルがオープンできませんでした";
    static constexpr const char* NoPort = "港が選択されていません";
};

} // namespace marevo
