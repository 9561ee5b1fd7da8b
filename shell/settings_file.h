// Where marevo.ini is read and how it is written: beside the program (the portable use, the
// default) or, where the program's folder cannot be written, in the user's application data;
// written whole to a temporary file beside it and moved over the old one, so that a failed
// write leaves the old file as it was. Paths are UTF-8; the file operations are the front
// end's (SettingsFiles).
#pragma once

#include <string>
#include <vector>

#include "shell/profile_text.h"

namespace marevo {

struct SettingsPlaces {
    std::string beside;        // marevo.ini beside the program
    std::string roamingFolder; // %APPDATA%\Marevo; empty when the system names none
    std::string roaming;       // %APPDATA%\Marevo\marevo.ini; empty with the folder
};

// The file operations the settings need. The window program implements them with the
// platform's wide file functions; the tests with files in memory.
class SettingsFiles {
public:
    virtual ~SettingsFiles() = default;
    virtual bool Exists(const std::string& path) = 0;
    // The file's text in the program's code page; a missing file reads as empty. False when
    // the file is there and cannot be read.
    virtual bool Read(const std::string& path, std::string& text) = 0;
    enum class WriteResult { Written, FolderNotWritable, Failed };
    // Creates path (replacing a file of that name), writes text whole and flushes it to the
    // disk. Written only when every byte was written and the file closed; FolderNotWritable
    // when the folder refuses the new file (access denied).
    virtual WriteResult WriteNew(const std::string& path, const std::string& text) = 0;
    // Creates the folder if it is missing; false when it is not there afterwards.
    virtual bool MakeFolder(const std::string& path) = 0;
    // Moves from over to (replacing it, written through to the disk); false leaves to as it
    // was.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// The temporary file a settings file is written to before it is moved over the old one.
std::string TemporaryOf(const std::string& path);

// The file the settings are read from: the one in the application data when it exists,
// else the one beside the program.
std::string SettingsReadPath(const SettingsPlaces& places, SettingsFiles& files);

enum class SettingsSaved { Beside, Roaming, Failed };

/*
**  SaveSettingsFile: sets the values in the settings file, keeping every other line of it.
**  Given: places; files; values (section, key, value; Shift-JIS).
**  Returns: where the file was written, or Failed. The text is the file read
**  (SettingsReadPath) with the values set (SetProfileValues). It is written to the
**  temporary file beside the target, which is then moved over the target. The target is the
**  file in the application data when that exists; else the file beside the program, and
**  where that folder refuses the temporary file, the one in the application data (its
**  folder made). A file that cannot be read is not written over (its other lines would be
**  lost); a failed write or move removes the temporary file and leaves the target as it was.
*/
SettingsSaved SaveSettingsFile(const SettingsPlaces& places, SettingsFiles& files,
                               const std::vector<ProfileValue>& values);

} // namespace marevo
