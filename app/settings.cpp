// The platform's side of marevo.ini: its file calls (wide paths, files an editor saved as
// UTF-16 or UTF-8 with a signature), the application data folder, the tree's expansion and
// the window's placement read from the live windows, the failure said once a run. Which key
// holds what is shell/settings_values (SettingsFromText, SettingsKeys); where the file lives
// and how it is replaced whole is shell/settings_file.
#include "app/settings.h"

#include "app/screen_scale.h"
#include "app/system_text.h"
#include "app/ui_seam.h"
#include "shell/profile_text.h"
#include "shell/settings_file.h"
#include "shell/settings_values.h"

#include <shlobj.h>

#include <string>
#include <vector>

namespace marevo {

namespace {

using Writes = std::vector<ProfileValue>;

// The settings file through the wide file functions (paths UTF-8 in, UTF-16 to the system).
class PlatformSettingsFiles : public SettingsFiles {
public:
    bool Exists(const std::string& path) override
    {
        const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    // A file an editor saved as "Unicode" (UTF-16 with its signature, either byte order) or
    // as UTF-8 with its signature holds its texts in that form, as the platform's reader
    // takes it: such a text is turned into Shift-JIS, and is written back so at the next
    // save (values written into it as they are would never be read).
    bool Read(const std::string& path, std::string& text) override
    {
        text.clear();
        HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        }
        std::string bytes;
        char buffer[4096];
        DWORD n = 0;
        bool ok = true;
        while ((ok = ReadFile(file, buffer, sizeof buffer, &n, nullptr) != 0) && n > 0)
            bytes.append(buffer, n);
        CloseHandle(file);
        if (!ok) return false;
        text = SjisOfSettingsBytes(bytes);
        return true;
    }

    WriteResult WriteNew(const std::string& path, const std::string& text) override
    {
        HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT
                       ? WriteResult::FolderNotWritable
                       : WriteResult::Failed;
        }
        DWORD written = 0;
        bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written,
                            nullptr) != 0 &&
                  written == text.size();
        ok = FlushFileBuffers(file) != 0 && ok;
        ok = CloseHandle(file) != 0 && ok;
        return ok ? WriteResult::Written : WriteResult::Failed;
    }

    bool MakeFolder(const std::string& path) override
    {
        const std::wstring wide = WideFromUtf8(path);
        CreateDirectoryW(wide.c_str(), nullptr);
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool Replace(const std::string& from, const std::string& to) override
    {
        const std::wstring target = WideFromUtf8(to);
        // A file marked read-only is kept as it is (Windows refuses to replace it; Wine run
        // by the superuser would not).
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            return false;
        if (!MoveFileExW(WideFromUtf8(from).c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        // Flushes the platform's cached copy, so that its readers see the new file.
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, target.c_str());
        return true;
    }

    void Remove(const std::string& path) override { DeleteFileW(WideFromUtf8(path).c_str()); }

private:
    static std::string SjisOfSettingsBytes(const std::string& bytes)
    {
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
        if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
            return SjisFromWide(WideFromUtf8(bytes.substr(3)));
        return bytes;
    }
};

// The user's application data folder: %APPDATA%, else the one the shell names; empty when
// neither gives one.
std::wstring ApplicationDataFolder()
{
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return folder;
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder))) return folder;
    return L"";
}

// Beside the program (IniPath), and in the application data folder.
SettingsPlaces PlacesOf(const AppState& app)
{
    SettingsPlaces places;
    places.beside = Utf8FromWide(WideFromSjis(app.IniPath));
    const std::wstring data = ApplicationDataFolder();
    if (!data.empty()) {
        places.roamingFolder = Utf8FromWide(data + L"\\Marevo");
        places.roaming = places.roamingFolder + "\\marevo.ini";
    }
    return places;
}

// The file's text, from where the settings are read (empty when it cannot be read).
std::string ReadSettings(const AppState& app)
{
    PlatformSettingsFiles files;
    std::string text;
    if (!files.Read(SettingsReadPath(PlacesOf(app), files), text)) text.clear();
    return text;
}

// A failed save leaves the old file as it was and is said once a run.
void Commit(AppState& app, const Writes& writes)
{
    PlatformSettingsFiles files;
    if (SaveSettingsFile(PlacesOf(app), files, writes) != SettingsSaved::Failed) return;
    if (app.SettingsFailureSaid) return;
    app.SettingsFailureSaid = true;
    ShowMessage(TextSettingsNotSaved, CaptionError);
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
    app.settings = SettingsFromText(ReadSettings(app));
    app.session.TakeSettings(app.settings);
}

void SaveSettings(AppState& app)
{
    Settings& s = app.settings;
    for (int i = 1; i <= RegionCount; ++i) {
        const int state = ExpandedState(app.TreeControl, app.RegionItems[i]);
        if (state >= 0) s.RegionExpanded[i] = state;
    }
    for (int k = 0; k < PrefectureCodes; ++k) {
        const int state = ExpandedState(app.TreeControl, app.PrefectureItems[k]);
        if (state >= 0) s.PrefectureExpanded[k] = state;
    }
    app.session.GiveSettings(s);

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(app.MainWindow, &placement);
    const UINT show = placement.showCmd;
    const bool minimisedOrMaximised = show == SW_SHOWMINIMIZED || show == SW_MINIMIZE ||
                                      show == SW_SHOWMINNOACTIVE || show == SW_SHOWMAXIMIZED ||
                                      IsIconic(app.MainWindow) || IsZoomed(app.MainWindow);
    Settings written = s;
    if (!minimisedOrMaximised) {
        RECT r = {};
        GetWindowRect(app.MainWindow, &r);
        written.XPosition = r.left;
        written.YPosition = r.top;
        // Sizes as at 96 dpi, scaled again at the next start (positions are the screen's).
        written.Width = Unscaled(app, r.right - r.left);
        written.Height = Unscaled(app, r.bottom - r.top);
        written.TreeWidth = Unscaled(app, s.TreeWidth);
    }
    Commit(app, SettingsKeys(written, !minimisedOrMaximised));
}

void SavePrinterSettings(AppState& app) { Commit(app, PrinterKeys(app.settings)); }

} // namespace marevo
