// The settings file's place and writing, on files in memory: the file beside the program by
// default, the one in the application data when it exists or when the program's folder
// refuses the file; every failure leaves the old file as it was and no temporary file behind;
// the user's other lines kept.
#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace marevo {
namespace {

const SettingsPlaces Places = {"C:\\Marevo\\marevo.ini", "C:\\AppData\\Marevo",
                               "C:\\AppData\\Marevo\\marevo.ini"};

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

// Files in memory, with the failures a disk can give.
class MemoryFiles : public SettingsFiles {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders = {"C:\\Marevo", "C:\\AppData"};
    std::set<std::string> deniedFolders, readOnly, unreadable, unmakeable;
    bool diskFull = false;

    bool Exists(const std::string& path) override { return files.count(path) > 0; }
    bool Read(const std::string& path, std::string& text) override
    {
        if (unreadable.count(path)) return false;
        const auto it = files.find(path);
        text = it == files.end() ? std::string() : it->second;
        return true;
    }
    WriteResult WriteNew(const std::string& path, const std::string& text) override
    {
        const std::string folder = FolderOf(path);
        if (!folders.count(folder)) return WriteResult::Failed;
        if (deniedFolders.count(folder)) return WriteResult::FolderNotWritable;
        if (diskFull) {
            files[path] = text.substr(0, text.size() / 2); // cut where the disk filled
            return WriteResult::Failed;
        }
        files[path] = text;
        return WriteResult::Written;
    }
    bool MakeFolder(const std::string& path) override
    {
        if (unmakeable.count(path)) return false;
        folders.insert(path);
        return true;
    }
    bool Replace(const std::string& from, const std::string& to) override
    {
        if (readOnly.count(to) || !files.count(from)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    void Remove(const std::string& path) override { files.erase(path); }
};

const std::string Kept = "; my notes\r\n[WINDOWS]\r\nWidth=700\r\nMyKey=mine\r\n[MINE]\r\na=1\r\n";
const std::vector<ProfileValue> Values = {{"WINDOWS", "Width", "725"}, {"SITE", "PORT", "尾鷲"}};
// Kept with the values set.
const std::string Merged = "; my notes\r\n[WINDOWS]\r\nWidth=725\r\nMyKey=mine\r\n[MINE]\r\na=1\r\n"
                          "[SITE]\r\nPORT=尾鷲\r\n";

TEST(SettingsFile, ReadFromTheApplicationDataOnlyWhenThatFileExists)
{
    MemoryFiles files;
    EXPECT_EQ(SettingsReadPath(Places, files), Places.beside);
    files.files[Places.beside] = Kept;
    EXPECT_EQ(SettingsReadPath(Places, files), Places.beside);
    files.files[Places.roaming] = "";
    EXPECT_EQ(SettingsReadPath(Places, files), Places.roaming);
    EXPECT_EQ(SettingsReadPath({Places.beside, "", ""}, files), Places.beside);
}

TEST(SettingsFile, WritesAndFailures)
{
    struct Case {
        const char* name;
        void (*setUp)(MemoryFiles&);
        SettingsSaved saved;
        std::string beside, roaming; // afterwards; "-" for no file
    };
    const Case cases[] = {
        {"first start", [](MemoryFiles& f) { f.files.erase(Places.beside); }, SettingsSaved::Beside,
         "[WINDOWS]\r\nWidth=725\r\n[SITE]\r\nPORT=尾鷲\r\n", "-"},
        {"the user's lines kept", [](MemoryFiles&) {}, SettingsSaved::Beside, Merged, "-"},
        {"read-only file", [](MemoryFiles& f) { f.readOnly.insert(Places.beside); },
         SettingsSaved::Failed, Kept, "-"},
        {"disk full", [](MemoryFiles& f) { f.diskFull = true; }, SettingsSaved::Failed, Kept, "-"},
        {"unreadable file", [](MemoryFiles& f) { f.unreadable.insert(Places.beside); },
         SettingsSaved::Failed, Kept, "-"},
        {"folder not writable", [](MemoryFiles& f) { f.deniedFolders.insert("C:\\Marevo"); },
         SettingsSaved::Roaming, Kept, Merged},
        {"folder not writable, no application data folder made",
         [](MemoryFiles& f) {
             f.deniedFolders.insert("C:\\Marevo");
             f.unmakeable.insert(Places.roamingFolder);
         },
         SettingsSaved::Failed, Kept, "-"},
        {"the application data file, once there, is the one",
         [](MemoryFiles& f) {
             f.folders.insert(Places.roamingFolder);
             f.files[Places.roaming] = "[WINDOWS]\r\nWidth=1\r\n";
         },
         SettingsSaved::Roaming, Kept, "[WINDOWS]\r\nWidth=725\r\n[SITE]\r\nPORT=尾鷲\r\n"},
        {"the application data file read-only",
         [](MemoryFiles& f) {
             f.folders.insert(Places.roamingFolder);
             f.files[Places.roaming] = "x=1\r\n";
             f.readOnly.insert(Places.roaming);
         },
         SettingsSaved::Failed, Kept, "x=1\r\n"},
    };
    for (const Case& c : cases) {
        MemoryFiles files;
        files.files[Places.beside] = Kept;
        c.setUp(files);
        EXPECT_EQ(SaveSettingsFile(Places, files, Values), c.saved) << c.name;
        auto content = [&](const std::string& path) {
            return files.files.count(path) ? files.files[path] : std::string("-");
        };
        EXPECT_EQ(content(Places.beside), c.beside) << c.name;
        EXPECT_EQ(content(Places.roaming), c.roaming) << c.name;
        EXPECT_EQ(content(TemporaryOf(Places.beside)), "-") << c.name;
        EXPECT_EQ(content(TemporaryOf(Places.roaming)), "-") << c.name;
    }
}

TEST(SettingsFile, WithoutAnApplicationDataFolderAnUnwritableFolderFails)
{
    MemoryFiles files;
    files.files[Places.beside] = Kept;
    files.deniedFolders.insert("C:\\Marevo");
    EXPECT_EQ(SaveSettingsFile({Places.beside, "", ""}, files, Values), SettingsSaved::Failed);
    EXPECT_EQ(files.files.size(), 1u);
    EXPECT_EQ(files.files[Places.beside], Kept);
}

} // namespace
} // namespace marevo
