// Reading and writing marevo.ini, key by key, as the private-profile functions do but on
// the file's own bytes: written in the same key order with the values kept byte for byte
// (the platform's writer may drop the leading blank of " 1.0"), read without passing
// through the system's ANSI code page. The file and its texts are Shift-JIS.
#include "app/settings.h"

#include "app/system_text.h"
#include "shell/profile_text.h"
#include "shell/settings_values.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace marevo {

namespace {

constexpr int NumberWidth = 6;
// The labels and the saved site keep the longest node text of the tree.
constexpr int SiteWidth = MaxNodeText + 1;

std::string ReadText(const std::string& file, const char* section, const char* key,
                     const char* fallback, int width)
{
    std::string value;
    if (!FindProfileValue(file, section, key, value)) value = fallback;
    return CutToWidth(value, width);
}

int ReadInt(const std::string& file, const char* section, const char* key, int fallback)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", fallback);
    return ProfileInt(ReadText(file, section, key, text, NumberWidth));
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
    const std::string fallback = RatioText(Settings().PrinterRatio);
    WriteText(writes, "PRINTER", "PrinterRatio", (ratio.empty() ? fallback : ratio).c_str());
    WriteInt(writes, "PRINTER", "PrinterColor", app.settings.PrinterColor);
}

// The file's text in the program's code page. A file an editor saved as "Unicode" (UTF-16
// with its signature, either byte order) or as UTF-8 with its signature holds its texts in
// that form, as the platform's reader takes it: such a text is turned into Shift-JIS, and
// is written back so at the next save (values written into it as they are would never be
// read). A missing file is empty.
std::string ReadSettingsFile(const char* path)
{
    std::string bytes;
    if (std::FILE* in = OpenSjisFile(path, "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) bytes.append(buffer, n);
        std::fclose(in);
    }
    const bool little = bytes.compare(0, 2, "\xFF\xFE") == 0;
    const bool big = bytes.compare(0, 2, "\xFE\xFF") == 0;
    if (little || big) {
        std::wstring wide((bytes.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < wide.size(); ++i) {
            const unsigned char a = bytes[2 + 2 * i], b = bytes[3 + 2 * i];
            wide[i] = static_cast<wchar_t>(little ? a | b << 8 : b | a << 8);
        }
        return SjisFromWide(wide);
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        return SjisFromWide(WideFromUtf8(bytes.substr(3)));
    }
    return bytes;
}

void Commit(const AppState& app, const Writes& writes)
{
    const std::string text = SetProfileValues(ReadSettingsFile(app.IniPath), writes);
    if (std::FILE* out = OpenSjisFile(app.IniPath, "wb")) {
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
    // Flushes the platform's cached copy, so that its readers see the new file.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, WideFromSjis(app.IniPath).c_str());
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

} // namespace

void LoadSettings(AppState& app)
{
    Settings& s = app.settings;
    const Settings defaults;
    const std::string file = ReadSettingsFile(app.IniPath);
    char key[16];
    for (int i = 1; i <= RegionCount; ++i) {
        std::snprintf(key, sizeof key, "CHI%d", i);
        s.RegionExpanded[i] = ReadInt(file, "TREE", key, defaults.RegionExpanded[i]);
    }
    for (int k = 0; k < PrefectureCodes; ++k) {
        std::snprintf(key, sizeof key, "KEN%02d", k);
        s.PrefectureExpanded[k] = ReadInt(file, "TREE", key, defaults.PrefectureExpanded[k]);
    }
    s.GraphStyle = SanitisedStyle(ReadInt(file, "WINDOWS", "BOX", defaults.GraphStyle));
    s.DisplayPeriod =
        SanitisedPeriod(ReadInt(file, "WINDOWS", "ONEORSEVEN", defaults.DisplayPeriod));
    s.XPosition = ReadInt(file, "WINDOWS", "XPosition", defaults.XPosition);
    s.YPosition = ReadInt(file, "WINDOWS", "YPosition", defaults.YPosition);
    s.Width = ReadInt(file, "WINDOWS", "Width", defaults.Width);
    s.Height = ReadInt(file, "WINDOWS", "Height", defaults.Height);
    s.TreeWidth = ReadInt(file, "WINDOWS", "TreeWidth", defaults.TreeWidth);
    std::snprintf(s.SavedPref, sizeof s.SavedPref, "%s",
                  ReadText(file, "SITE", "PREF", Settings::DefaultPref, SiteWidth).c_str());
    std::snprintf(s.SavedPort, sizeof s.SavedPort, "%s",
                  ReadText(file, "SITE", "PORT", Settings::DefaultPort, SiteWidth).c_str());
    const std::string ratio = RatioText(defaults.PrinterRatio);
    s.PrinterRatio = SanitisedRatio(
        ProfileDouble(ReadText(file, "PRINTER", "PrinterRatio", ratio.c_str(), NumberWidth)));
    s.PrinterColor =
        SanitisedColour(ReadInt(file, "PRINTER", "PrinterColor", defaults.PrinterColor));
    app.session.TakeSettings(s);
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

    app.session.GiveSettings(s);
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
