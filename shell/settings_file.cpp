// Reading place and safe writing of the settings file (see settings_file.h).
#include "shell/settings_file.h"

namespace marevo {

namespace {

using WriteResult = SettingsFiles::WriteResult;

// Writes text to path through its temporary file.
WriteResult WriteThrough(SettingsFiles& files, const std::string& path, const std::string& text)
{
    const std::string temporary = TemporaryOf(path);
    const WriteResult written = files.WriteNew(temporary, text);
    if (written != WriteResult::Written) {
        files.Remove(temporary);
        return written;
    }
    if (!files.Replace(temporary, path)) {
        files.Remove(temporary);
        return WriteResult::Failed;
    }
    return WriteResult::Written;
}

} // namespace

std::string TemporaryOf(const std::string& path) { return path + ".tmp"; }

std::string SettingsReadPath(const SettingsPlaces& places, SettingsFiles& files)
{
    if (!places.roaming.empty() && files.Exists(places.roaming)) return places.roaming;
    return places.beside;
}

SettingsSaved SaveSettingsFile(const SettingsPlaces& places, SettingsFiles& files,
                               const std::vector<ProfileValue>& values)
{
    const std::string from = SettingsReadPath(places, files);
    std::string text;
    if (!files.Read(from, text)) return SettingsSaved::Failed;
    text = SetProfileValues(text, values);

    if (from == places.beside) {
        const WriteResult beside = WriteThrough(files, places.beside, text);
        if (beside == WriteResult::Written) return SettingsSaved::Beside;
        if (beside == WriteResult::Failed || places.roaming.empty())
            return SettingsSaved::Failed;
        if (!files.MakeFolder(places.roamingFolder)) return SettingsSaved::Failed;
    }
    return WriteThrough(files, places.roaming, text) == WriteResult::Written
               ? SettingsSaved::Roaming
               : SettingsSaved::Failed;
}

} // namespace marevo
