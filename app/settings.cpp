// Reading and writing marevo.ini, key by key: read through the private-profile functions,
// written in the same key order with the values kept byte for byte (the platform's writer
// may drop the leading blank of " 1.0"). Shift-JIS texts, the program's ANSI code page.
#include "app/settings.h"

#include "app/profile_text.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace marevo {

namespace {

constexpr int NumberWidth = 6;
// The labels and the saved site keep the longest node text of the tree.
constexpr int SiteWidth = MaxNodeText + 1;

std::string ReadText(const AppState& app, const char* section, const char* key,
                     const char* fallback, int width)
{
    char buffer[256] = {};
    GetPrivateProfileStringA(section, key, fallback, buffer, width, app.IniPath);
    return CutToWidth(buffer, width);
}

int ReadInt(const AppState& app, const char* section, const char* key, const char* fallback)
{
    return ProfileInt(ReadText(app, section, key, fallback, NumberWidth));
}

using Writes = std::vector<ProfileValue>;

void WriteText(Writes& writes, const char* section, const char* key, const char* value)
{
    writes.push_back({section, key, value});
}

void WriteInt(Writes& writes, const char* section, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    WriteText(writes, section, key, text);
}

void PrinterKeys(const AppState& app, Writes& writes)
{
    const std::string ratio = RatioText(app.settings.PrinterRatio);
    WriteText(writes, "PRINTER", "PrinterRatio", ratio.empty() ? " 1.0" : ratio.c_str());
    WriteInt(writes, "PRINTER", "PrinterColor", app.settings.PrinterColor);
}

// A file an editor saved as "Unicode" (UTF-16 with its signature, either byte order) is read by the platform
// as such, while the writer edits text of the program's code page: values written into it
// as they are would never be read. Such a file is first turned into the code page.
void ConvertUtf16File(const char* path)
{
    std::string bytes;
    if (std::FILE* in = std::fopen(path, "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) bytes.append(buffer, n);
        std::fclose(in);
    }
    if (bytes.size() < 2) return;
    const bool little = bytes.compare(0, 2, "\xFF\xFE") == 0;
    const bool big = bytes.compare(0, 2, "\xFE\xFF") == 0;
    if (!little && !big) return;
    std::wstring wide((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i) {
        const unsigned char a = bytes[2 + 2 * i], b = bytes[3 + 2 * i];
        wide[i] = static_cast<wchar_t>(little ? a | b << 8 : b | a << 8);
    }
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &text[0], size, nullptr, nullptr);
    if (std::FILE* out = std::fopen(path, "wb")) {
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
}

// Flushes the platform's cached copy so that later reads see the new file.
void Commit(const AppState& app, const Writes& writes)
{
    ConvertUtf16File(app.IniPath);
    WriteProfileValues(app.IniPath, writes);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, app.IniPath);
}

// The expanded bit of a tree node, or -1 when the control gives no answer (no node).
int ExpandedState(HWND tree, HTREEITEM item)
{
    if (!tree || !item) return -1;
    TVITEMA tv = {};
    tv.mask = TVIF_STATE | TVIF_HANDLE;
    tv.hItem = item;
    tv.stateMask = TVIS_EXPANDED | TVIS_STATEIMAGEMASK;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv))) return -1;
    return (tv.state & TVIS_EXPANDED) ? 1 : 0;
}

void ReadLabel(HWND label, char* out, int size)
{
    out[0] = '\0';
    if (label) GetWindowTextA(label, out, size);
}

} // namespace

void LoadSettings(AppState& app)
{
    Settings& s = app.settings;
    char key[16];
    for (int i = 1; i <= RegionCount; ++i) {
        std::snprintf(key, sizeof key, "CHI%d", i);
        s.RegionExpanded[i] = ReadInt(app, "TREE", key, "0");
    }
    for (int k = 0; k < PrefectureCodes; ++k) {
        std::snprintf(key, sizeof key, "KEN%02d", k);
        s.PrefectureExpanded[k] = ReadInt(app, "TREE", key, "0");
    }
    s.GraphStyle = SanitisedStyle(ReadInt(app, "WINDOWS", "BOX", "1"));
    s.DisplayPeriod = SanitisedPeriod(ReadInt(app, "WINDOWS", "ONEORSEVEN", "-1"));
    s.XPosition = ReadInt(app, "WINDOWS", "XPosition", "100");
    s.YPosition = ReadInt(app, "WINDOWS", "YPosition", "100");
    s.Width = ReadInt(app, "WINDOWS", "Width", "725");
    s.Height = ReadInt(app, "WINDOWS", "Height", "480");
    s.TreeWidth = ReadInt(app, "WINDOWS", "TreeWidth", "120");
    std::snprintf(s.SavedPref, sizeof s.SavedPref, "%s",
                  ReadText(app, "SITE", "PREF", "三重県", SiteWidth).c_str());
    std::snprintf(s.SavedPort, sizeof s.SavedPort, "%s",
                  ReadText(app, "SITE", "PORT", "尾鷲", SiteWidth).c_str());
    s.PrinterRatio = SanitisedRatio(
        ProfileDouble(ReadText(app, "PRINTER", "PrinterRatio", "1.0", NumberWidth)));
    s.PrinterColor = SanitisedColour(ReadInt(app, "PRINTER", "PrinterColor", "1"));
}

void SaveSettings(AppState& app)
{
    Settings& s = app.settings;
    Writes writes;
    char key[16];
    for (int i = 1; i <= RegionCount; ++i) {
        const int state = ExpandedState(app.TreeControl, app.RegionItems[i]);
        if (state >= 0) s.RegionExpanded[i] = state;
        std::snprintf(key, sizeof key, "CHI%d", i);
        WriteInt(writes, "TREE", key, s.RegionExpanded[i]);
    }
    for (int k = 0; k < PrefectureCodes; ++k) {
        const int state = ExpandedState(app.TreeControl, app.PrefectureItems[k]);
        if (state >= 0) s.PrefectureExpanded[k] = state;
        std::snprintf(key, sizeof key, "KEN%02d", k);
        WriteInt(writes, "TREE", key, s.PrefectureExpanded[k]);
    }

    ReadLabel(app.PortLabel, s.SavedPort, sizeof s.SavedPort);
    ReadLabel(app.PrefLabel, s.SavedPref, sizeof s.SavedPref);
    WriteText(writes, "SITE", "PREF", s.SavedPref);
    WriteText(writes, "SITE", "PORT", s.SavedPort);

    WriteInt(writes, "WINDOWS", "BOX", s.GraphStyle);
    WriteInt(writes, "WINDOWS", "ONEORSEVEN", s.DisplayPeriod);

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(app.MainWindow, &placement);
    const UINT show = placement.showCmd;
    const bool minimisedOrMaximised = show == SW_SHOWMINIMIZED || show == SW_MINIMIZE ||
                                      show == SW_SHOWMINNOACTIVE || show == SW_SHOWMAXIMIZED ||
                                      IsIconic(app.MainWindow) || IsZoomed(app.MainWindow);
    if (!minimisedOrMaximised) {
        RECT r = {};
        GetWindowRect(app.MainWindow, &r);
        WriteInt(writes, "WINDOWS", "XPosition", r.left);
        WriteInt(writes, "WINDOWS", "YPosition", r.top);
        WriteInt(writes, "WINDOWS", "Width", r.right - r.left);
        WriteInt(writes, "WINDOWS", "Height", r.bottom - r.top);
        WriteInt(writes, "WINDOWS", "TreeWidth", s.TreeWidth);
    }
    PrinterKeys(app, writes);
    Commit(app, writes);
}

void SavePrinterSettings(const AppState& app)
{
    Writes writes;
    PrinterKeys(app, writes);
    Commit(app, writes);
}

} // namespace marevo
