// Test bench of the window program (see program_fixture.h).
#include "program_fixture.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/ids.h"
#include "app/main_window.h"
#include "app/port_tree.h"
#include "app/system_text.h"
#include "app/ui_seam.h"

namespace marevo {

std::vector<std::string> ProgramTest::messages;
std::vector<std::string> ProgramTest::opened;

namespace {

const char* const ClassNames[] = {"Warning", "Marevo", "Cal", "TideGraphWnd", "PortTreeWnd"};

// Through the wide functions, so that Japanese names go whatever the system's code page.
std::filesystem::path PathOf(const std::string& sjis) {
    return WideFromSjis(sjis);
}

} // namespace

void TodayDate(int& year, int& month, int& day) {
    const std::time_t t = std::time(nullptr);
    const std::tm now = *std::localtime(&t);
    year = now.tm_year + 1900, month = now.tm_mon + 1, day = now.tm_mday;
}

void ProgramTest::SetUp() {
    static int counter = 0;
    char temp[MAX_PATH], name[64];
    GetTempPathA(sizeof temp, temp);
    std::snprintf(name, sizeof name, "marevo-test-%lu-%d\\", GetCurrentProcessId(), ++counter);
    dir = std::string(temp) + name;
    std::error_code ignored;
    std::filesystem::remove_all(PathOf(dir), ignored);
    // Its own application data folder, so that no settings come from the prefix's.
    ASSERT_TRUE(std::filesystem::create_directories(PathOf(dir + "dt")));
    ASSERT_TRUE(std::filesystem::create_directories(PathOf(dir + "appdata")));
    SetEnvironmentVariableW(L"APPDATA", (WideFromSjis(dir) + L"appdata").c_str());
    messages.clear();
    opened.clear();
    SetMessageBoxHook([](const char* text, const char*) { messages.push_back(text); });
    SetOpenDocumentHook([](const char* path) {
        opened.push_back(path);
        return true;
    });
}

void ProgramTest::TearDown() {
    Stop();
    std::error_code ignored;
    std::filesystem::remove_all(PathOf(dir), ignored);
}

void ProgramTest::WritePort(const PortFile& port) {
    char line[128];
    std::snprintf(line, sizeof line, "%s,%.2f,%.2f,%.1f\n", port.stationName.c_str(), port.latitude,
                  port.longitude, port.z0);
    std::string text = line;
    auto amplitude = [&](int i) {
        return i == IndexM2   ? port.m2
               : i == IndexS2 ? port.s2
               : i == IndexK1 ? 25.0
               : i == IndexO1 ? 19.0
                              : 1.0;
    };
    for (int a = 0; a < 40; a += 2) {
        std::snprintf(line, sizeof line, "C%d,%.1f,%.1f,C%d,%.1f,%.1f\n", a, amplitude(a),
                      (a * 37) % 360 * 1.0, a + 1, amplitude(a + 1), ((a + 1) * 53) % 360 * 1.0);
        text += line;
    }
    WriteFile("dt\\" + port.fileName, text);
}

void ProgramTest::WriteFile(const std::string& relativePath, const std::string& content) {
    std::ofstream file(PathOf(dir + relativePath), std::ios::binary);
    ASSERT_TRUE(file.write(content.data(), content.size())) << relativePath;
}

std::string ProgramTest::ReadFile(const std::string& relativePath) const {
    std::ifstream file(PathOf(dir + relativePath), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string ProgramTest::IniValue(const std::string& key) const {
    const std::string file = ReadFile("marevo.ini");
    const size_t at = file.find("\n" + key + "=");
    if (at == std::string::npos) return "<missing>";
    const size_t begin = at + key.size() + 2;
    return file.substr(begin, file.find_first_of("\r\n", begin) - begin);
}

void ProgramTest::Start(int showCommand, bool closeNotice) {
    ResetAppState();
    ASSERT_TRUE(StartProgram(GetModuleHandleA(nullptr), dir.c_str(), showCommand));
    started = true;
    Pump();
    if (closeNotice && app.NoticeWindow) {
        SendMessageA(app.NoticeWindow, WM_LBUTTONUP, 0, 0);
        Pump();
    }
}

void ProgramTest::Stop() {
    if (!started) return;
    started = false;
    for (HWND window : {app.MainWindow, app.NoticeWindow, app.CalendarWindow})
        if (IsWindow(window)) DestroyWindow(window);
    Pump();
    for (const char* name : ClassNames)
        UnregisterClassA(name, GetModuleHandleA(nullptr));
}

static void DispatchWaiting() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) DispatchProgramMessage(App(), message);
}

void ProgramTest::Pump() {
    // Until the queue stays empty for 2 ms: what a message sends or posts in turn, and the
    // display's answers (sizes, paints), are handled too.
    do
        DispatchWaiting();
    while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT) != WAIT_TIMEOUT);
}

bool WaitFor(const std::function<bool()>& done) {
    for (const DWORD start = GetTickCount(); !done() && GetTickCount() - start < 5000;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        DispatchWaiting();
    }
    return done();
}

void ProgramTest::Command(int id) {
    SendMessageA(app.MainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

void ProgramTest::PressKey(WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    Pump();
}

void ProgramTest::MouseAt(int x, int y) {
    const POINT origin = CanvasOrigin();
    SendMessageA(app.GraphPane, WM_MOUSEMOVE, 0, MAKELPARAM(origin.x + x, origin.y + y));
}

void ProgramTest::ExpectShown(int period, int style) const {
    EXPECT_EQ(app.session.Period(), period);
    EXPECT_EQ(app.session.Style(), style);
    auto pressed = [&](int button) {
        return SendMessageA(app.Toolbar, TB_ISBUTTONCHECKED, button, 0) != 0;
    };
    auto checked = [&](int item) {
        return (GetMenuState(GetMenu(app.MainWindow), item, 0) & MF_CHECKED) != 0;
    };
    const struct {
        int period, item, button;
    } rows[] = {{1, CMD_PERIOD1, TB_PERIOD1},
                {7, CMD_PERIOD7, TB_PERIOD7},
                {42, CMD_PERIOD42, TB_PERIOD42},
                {-1, CMD_TABLE, TB_TABLE}};
    for (const auto& row : rows) {
        EXPECT_EQ(checked(row.item), row.period == period) << row.item;
        EXPECT_EQ(pressed(row.button), row.period == period) << row.button;
    }
    EXPECT_EQ(checked(CMD_BARS), style == 1);
    EXPECT_EQ(checked(CMD_LINES), style == 0);
    EXPECT_EQ(pressed(TB_BARS), style == 1);
}

std::string ProgramTest::Text(HWND window) const {
    char text[256] = {};
    GetSjisText(window, text, sizeof text);
    return text;
}

SIZE ProgramTest::ClientSize(HWND window) const {
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

POINT ProgramTest::CanvasOrigin() const {
    RECT r = {};
    GetWindowRect(app.CanvasWindow, &r);
    POINT p = {r.left, r.top};
    ScreenToClient(app.GraphPane, &p);
    return p;
}

std::vector<std::pair<HTREEITEM, std::string>> ProgramTest::Children(HTREEITEM parent) const {
    std::vector<std::pair<HTREEITEM, std::string>> children;
    auto next = [&](HTREEITEM item, WPARAM how) {
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(app.TreeControl, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    };
    for (HTREEITEM item = next(parent, parent ? TVGN_CHILD : TVGN_ROOT); item;
         item = next(item, TVGN_NEXT)) {
        char text[MaxNodeText + 1];
        NodeText(app.TreeControl, item, text, sizeof text);
        children.push_back({item, text});
    }
    return children;
}

std::vector<std::string> ProgramTest::ChildTexts(HTREEITEM parent) const {
    std::vector<std::string> texts;
    for (const auto& child : Children(parent))
        texts.push_back(child.second);
    return texts;
}

HTREEITEM ProgramTest::FindNode(HTREEITEM parent, const std::string& text) const {
    for (const auto& child : Children(parent))
        if (child.second == text) return child.first;
    return nullptr;
}

HTREEITEM ProgramTest::SelectedNode() const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(app.TreeControl, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

void ProgramTest::Select(HTREEITEM item) {
    ASSERT_NE(item, nullptr);
    SendMessageA(app.TreeControl, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    Pump();
}

void ProgramTest::ExpectDate(int year, int month, int day) const {
    EXPECT_EQ(app.session.Date().year, year);
    EXPECT_EQ(app.session.Date().month, month);
    EXPECT_EQ(app.session.Date().day, day);
    char text[16];
    std::snprintf(text, sizeof text, "%4d/%02d/%02d", year, month, day);
    EXPECT_EQ(Text(app.YearLabel) + "/" + Text(app.MonthLabel) + "/" + Text(app.DayLabel), text);
}

int ProgramTest::PaintedPixels() const {
    int count = 0;
    const SIZE size = ClientSize(app.CanvasWindow);
    for (int y = 0; app.OffscreenDC() && y < size.cy; y += 3)
        for (int x = 0; x < size.cx; x += 3)
            count += GetPixel(app.OffscreenDC(), x, y) != GetSysColor(COLOR_BTNFACE);
    return count;
}

std::vector<COLORREF> ProgramTest::Picture() const {
    std::vector<COLORREF> pixels;
    const SIZE size = ClientSize(app.CanvasWindow);
    for (int y = 1; app.OffscreenDC() && y < size.cy; y += 7)
        for (int x = 1; x < size.cx; x += 5)
            pixels.push_back(GetPixel(app.OffscreenDC(), x, y));
    return pixels;
}

const Station& ShownStation() {
    static const Station none;
    const ViewModel* model = App().session.Model();
    return model ? *model->station : none;
}

bool ProgramTest::Running() const {
    DWORD_PTR answer = 0;
    return IsWindow(app.MainWindow) &&
           SendMessageTimeoutA(app.MainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
}

void WithModal(const std::function<void()>& run, const std::function<void(HWND)>& act) {
    static std::function<void(HWND)> pending;
    pending = act;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND dialog = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) {
                char name[16] = {};
                GetClassNameA(window, name, sizeof name);
                if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&dialog));
        if (!dialog || !pending) return;
        KillTimer(nullptr, id);
        const std::function<void(HWND)> now = std::move(pending);
        pending = nullptr;
        now(dialog);
    });
    run();
    KillTimer(nullptr, timer);
    pending = nullptr;
}

std::vector<COLORREF> PixelsOf(HDC dc, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC copy = CreateCompatibleDC(dc);
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(copy, section);
    BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    const DWORD* p = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
    SelectObject(copy, old);
    DeleteObject(section);
    DeleteDC(copy);
    return pixels;
}

std::vector<COLORREF> PixelsOfBitmap(HBITMAP bitmap, int width, int height) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::vector<COLORREF> pixels = PixelsOf(dc, width, height);
    SelectObject(dc, old);
    DeleteDC(dc);
    return pixels;
}

std::vector<COLORREF> ScreenAsXShowsIt(int& width, int& height) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<COLORREF> pixels;
    if (GetFileAttributesA("Z:\\usr\\bin\\import") == INVALID_FILE_ATTRIBUTES) return pixels;
    // Wine gives no handle to wait on for a Unix program: the file appears, whole, when done.
    static int count = 0;
    char name[64];
    std::snprintf(name, sizeof name, "/tmp/marevo-screen-%lu-%d.rgb", GetCurrentProcessId(),
                  ++count);
    std::string command =
        std::string("/bin/sh -c \"/usr/bin/import -silent -window root -depth 8 rgb:") + name +
        ".part && mv " + name + ".part " + name + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return pixels;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::string path = std::string("Z:") + name;
    FILE* f = nullptr;
    for (int wait = 0; wait < 1500 && !(f = std::fopen(path.c_str(), "rb")); ++wait)
        Sleep(10);
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    const bool whole = f && std::fread(rgb.data(), 1, rgb.size(), f) == rgb.size();
    if (f) std::fclose(f);
    DeleteFileA(path.c_str());
    for (size_t i = 0; whole && i < rgb.size(); i += 3)
        pixels.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
    return pixels;
}

} // namespace marevo
