// Test bench of the window program (see program_fixture.h).
#include "program_fixture.h"

#include <cstdio>
#include <ctime>

#include "app/ids.h"
#include "app/main_window.h"
#include "app/port_tree.h"
#include "app/system_text.h"
#include "app/ui_seam.h"

namespace marevo {

std::vector<std::string> ProgramTest::messages;
std::vector<std::string> ProgramTest::opened;

namespace {

void RecordMessage(const char* text, const char*) { ProgramTest::messages.push_back(text); }
bool RecordOpen(const char* path)
{
    ProgramTest::opened.push_back(path);
    return true;
}

// The wide functions, so that Japanese names go whatever the system's code page.
void DeleteTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) DeleteTree(path + name + L"\\");
            else DeleteFileW((path + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

const char* const ClassNames[] = {"Warning", "Marevo", "Cal", "TideGraphWnd", "PortTreeWnd"};

} // namespace

void TodayDate(int& year, int& month, int& day)
{
    const std::time_t t = std::time(nullptr);
    const std::tm now = *std::localtime(&t);
    year = now.tm_year + 1900;
    month = now.tm_mon + 1;
    day = now.tm_mday;
}

void ProgramTest::SetUp()
{
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char name[64];
    std::snprintf(name, sizeof name, "marevo-test-%lu-%d\\", GetCurrentProcessId(), ++counter);
    dir = std::string(temp) + name;
    DeleteTree(WideFromSjis(dir));
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
    ASSERT_TRUE(CreateDirectoryA((dir + "dt").c_str(), nullptr));
    // The user's application data folder of the test, so that no settings come from the
    // prefix's own.
    ASSERT_TRUE(CreateDirectoryA((dir + "appdata").c_str(), nullptr));
    SetEnvironmentVariableW(L"APPDATA", (WideFromSjis(dir) + L"appdata").c_str());
    messages.clear();
    opened.clear();
    SetMessageBoxHook(RecordMessage);
    SetOpenDocumentHook(RecordOpen);
}

void ProgramTest::TearDown()
{
    Stop();
    DeleteTree(WideFromSjis(dir));
}

void ProgramTest::WritePort(const PortFile& port)
{
    std::string text;
    char line[128];
    std::snprintf(line, sizeof line, "%s,%.2f,%.2f,%.1f\n", port.stationName.c_str(), port.latitude,
                  port.longitude, port.z0);
    text += line;
    for (int k = 1; k <= 20; ++k) {
        const int a = 2 * k - 2, b = 2 * k - 1;
        auto amplitude = [&](int i) {
            if (i == IndexM2) return port.m2;
            if (i == IndexS2) return port.s2;
            if (i == IndexK1) return 25.0;
            if (i == IndexO1) return 19.0;
            return 1.0;
        };
        std::snprintf(line, sizeof line, "C%d,%.1f,%.1f,C%d,%.1f,%.1f\n", a, amplitude(a),
                      (a * 37) % 360 * 1.0, b, amplitude(b), (b * 53) % 360 * 1.0);
        text += line;
    }
    WriteFile("dt\\" + port.fileName, text);
}

void ProgramTest::WriteFile(const std::string& relativePath, const std::string& content)
{
    FILE* f = OpenSjisFile((dir + relativePath).c_str(), "wb");
    ASSERT_NE(f, nullptr) << relativePath;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

std::string ProgramTest::ReadFile(const std::string& relativePath) const
{
    std::string content;
    FILE* f = OpenSjisFile((dir + relativePath).c_str(), "rb");
    if (!f) return content;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) content.append(buffer, n);
    std::fclose(f);
    return content;
}

std::string ProgramTest::IniValue(const std::string& key) const
{
    const std::string file = ReadFile("marevo.ini");
    const size_t at = file.find("\n" + key + "=");
    if (at == std::string::npos) return "<missing>";
    const size_t begin = at + key.size() + 2;
    return file.substr(begin, file.find_first_of("\r\n", begin) - begin);
}

void ProgramTest::Start(int showCommand, bool closeNotice)
{
    ResetAppState();
    ASSERT_TRUE(StartProgram(GetModuleHandleA(nullptr), dir.c_str(), showCommand));
    started = true;
    Pump();
    if (closeNotice && app.NoticeWindow) {
        SendMessageA(app.NoticeWindow, WM_LBUTTONUP, 0, 0);
        Pump();
    }
}

void ProgramTest::Stop()
{
    if (!started) return;
    started = false;
    if (IsWindow(app.MainWindow)) DestroyWindow(app.MainWindow);
    if (IsWindow(app.NoticeWindow)) DestroyWindow(app.NoticeWindow);
    if (IsWindow(app.CalendarWindow)) DestroyWindow(app.CalendarWindow);
    Pump();
    for (const char* name : ClassNames) UnregisterClassA(name, GetModuleHandleA(nullptr));
}

void ProgramTest::Pump()
{
    // Until the queue stays empty for 2 ms: what a dispatched message sends or posts in turn,
    // and what the display's answers bring (sizes, paints), is handled too.
    MSG message;
    do {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            DispatchProgramMessage(app, message);
        }
    } while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT) != WAIT_TIMEOUT);
}

bool WaitFor(const std::function<bool()>& done)
{
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < 5000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            DispatchProgramMessage(App(), message);
        }
    }
    return done();
}

void ProgramTest::Command(int id)
{
    SendMessageA(app.MainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

bool ProgramTest::MenuChecked(int id) const
{
    return (GetMenuState(GetMenu(app.MainWindow), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool ProgramTest::ButtonChecked(int id) const
{
    return SendMessageA(app.Toolbar, TB_ISBUTTONCHECKED, id, 0) != 0;
}

void ProgramTest::ExpectShown(int period, int style) const
{
    EXPECT_EQ(app.session.Period(), period);
    EXPECT_EQ(app.session.Style(), style);
    const struct { int period, item, button; } rows[] = {
        {1, CMD_PERIOD1, TB_PERIOD1}, {7, CMD_PERIOD7, TB_PERIOD7},
        {42, CMD_PERIOD42, TB_PERIOD42}, {-1, CMD_TABLE, TB_TABLE}};
    for (const auto& row : rows) {
        EXPECT_EQ(MenuChecked(row.item), row.period == period) << row.item;
        EXPECT_EQ(ButtonChecked(row.button), row.period == period) << row.button;
    }
    EXPECT_EQ(MenuChecked(CMD_BARS), style == 1);
    EXPECT_EQ(MenuChecked(CMD_LINES), style == 0);
    EXPECT_EQ(ButtonChecked(TB_BARS), style == 1);
}

std::string ProgramTest::Text(HWND window) const
{
    char text[256] = {};
    GetSjisText(window, text, sizeof text);
    return text;
}

SIZE ProgramTest::ClientSize(HWND window) const
{
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

POINT ProgramTest::CanvasOrigin() const
{
    RECT r = {};
    GetWindowRect(app.CanvasWindow, &r);
    POINT p = {r.left, r.top};
    ScreenToClient(app.GraphPane, &p);
    return p;
}

// The children of a tree node (nullptr: the roots) with their texts, in tree order.
static std::vector<std::pair<HTREEITEM, std::string>> Children(HWND tree, HTREEITEM parent)
{
    std::vector<std::pair<HTREEITEM, std::string>> children;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(
        tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    while (item) {
        char text[MaxNodeText + 1];
        NodeText(tree, item, text, sizeof text);
        children.push_back({item, text});
        item = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return children;
}

std::vector<std::string> ProgramTest::ChildTexts(HTREEITEM parent) const
{
    std::vector<std::string> texts;
    for (const auto& child : Children(app.TreeControl, parent)) texts.push_back(child.second);
    return texts;
}

std::vector<HTREEITEM> ProgramTest::ChildItems(HTREEITEM parent) const
{
    std::vector<HTREEITEM> items;
    for (const auto& child : Children(app.TreeControl, parent)) items.push_back(child.first);
    return items;
}

HTREEITEM ProgramTest::FindNode(HTREEITEM parent, const std::string& text) const
{
    for (const auto& child : Children(app.TreeControl, parent))
        if (child.second == text) return child.first;
    return nullptr;
}

void ProgramTest::Select(HTREEITEM item)
{
    ASSERT_NE(item, nullptr);
    SendMessageA(app.TreeControl, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    Pump();
}

void ProgramTest::SelectPort(int code, const std::string& port)
{
    Select(FindNode(app.PrefectureItems[code], port));
}

void ProgramTest::SetDate(int year, int month, int day)
{
    app.session.ChooseDate({year, month, day});
}

void ProgramTest::ExpectDate(int year, int month, int day) const
{
    EXPECT_EQ(app.session.Date().year, year);
    EXPECT_EQ(app.session.Date().month, month);
    EXPECT_EQ(app.session.Date().day, day);
    char text[8];
    std::snprintf(text, sizeof text, "%4d", year);
    EXPECT_EQ(Text(app.YearLabel), text);
    std::snprintf(text, sizeof text, "%02d", month);
    EXPECT_EQ(Text(app.MonthLabel), text);
    std::snprintf(text, sizeof text, "%02d", day);
    EXPECT_EQ(Text(app.DayLabel), text);
}

int ProgramTest::PaintedPixels() const
{
    if (!app.OffscreenDC()) return 0;
    const SIZE size = ClientSize(app.CanvasWindow);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int count = 0;
    for (int y = 0; y < size.cy; y += 3)
        for (int x = 0; x < size.cx; x += 3)
            if (GetPixel(app.OffscreenDC(), x, y) != face) ++count;
    return count;
}

std::vector<COLORREF> ProgramTest::Picture() const
{
    std::vector<COLORREF> pixels;
    if (!app.OffscreenDC()) return pixels;
    const SIZE size = ClientSize(app.CanvasWindow);
    for (int y = 1; y < size.cy; y += 7)
        for (int x = 1; x < size.cx; x += 5) pixels.push_back(GetPixel(app.OffscreenDC(), x, y));
    return pixels;
}

const Station& ShownStation()
{
    static const Station none;
    const ViewModel* model = App().session.Model();
    return model ? *model->station : none;
}

void ProgramTest::MouseAt(int x, int y)
{
    const POINT origin = CanvasOrigin();
    SendMessageA(app.GraphPane, WM_MOUSEMOVE, 0, MAKELPARAM(origin.x + x, origin.y + y));
}

void ProgramTest::PressKey(WPARAM key)
{
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    Pump();
}

HTREEITEM ProgramTest::SelectedNode() const
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(app.TreeControl, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

bool ProgramTest::Running() const
{
    DWORD_PTR answer = 0;
    return IsWindow(app.MainWindow) &&
           SendMessageTimeoutA(app.MainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
}

} // namespace marevo
