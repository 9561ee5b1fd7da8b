// The data folder of marevo-cli. Paths are UTF-8 and go through std::filesystem, which
// takes them as Unicode in every build.
#include "cli/data_folder.h"

#include <filesystem>
#include <system_error>

#include "cli/messages.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifndef MAREVO_DATA_RELATIVE
#define MAREVO_DATA_RELATIVE "../share/marevo"
#endif
#ifndef MAREVO_DATA_ABSOLUTE
#define MAREVO_DATA_ABSOLUTE ""
#endif

namespace marevo::cli {

namespace fs = std::filesystem;

std::string ExecutableDir()
{
#ifdef _WIN32
    wchar_t buffer[32768];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, sizeof buffer / sizeof buffer[0]);
    if (n == 0 || n >= sizeof buffer / sizeof buffer[0]) return {};
    const fs::path exe(std::wstring(buffer, n));
#else
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
#endif
    std::string dir = exe.parent_path().u8string();
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
    return dir;
}

bool IsFolder(const std::string& utf8Path)
{
    std::error_code ec;
    return !utf8Path.empty() && fs::is_directory(fs::u8path(utf8Path), ec);
}

bool IsFile(const std::string& utf8Path)
{
    std::error_code ec;
    return !utf8Path.empty() && fs::is_regular_file(fs::u8path(utf8Path), ec);
}

bool FindDtFolder(const std::string& option, std::string& dtDir, std::string& error)
{
    if (!option.empty()) {
        if (!IsFolder(option)) {
            error = Say(u8"港のデータのフォルダがありません: ", "no such data folder: ") + option;
            return false;
        }
        dtDir = option;
        return true;
    }
    const std::string exeDir = ExecutableDir();
    const std::string installed = MAREVO_DATA_ABSOLUTE;
    const std::string candidates[] = {
        exeDir.empty() ? std::string() : exeDir + "dt",
        exeDir.empty() ? std::string() : exeDir + MAREVO_DATA_RELATIVE + "/dt",
        installed.empty() ? std::string() : installed + "/dt",
    };
    for (const std::string& candidate : candidates)
        if (IsFolder(candidate)) {
            dtDir = candidate;
            return true;
        }
    error = Say(u8"港のデータのフォルダ dt が見つかりません (--dt DIR で指定してください)",
                "no data folder dt found (name one with --dt DIR)");
    return false;
}

std::string DataFolderOf(const std::string& dtDir)
{
    fs::path dt = fs::u8path(dtDir);
    if (!dt.has_filename()) dt = dt.parent_path(); // "data/dt/"
    std::string parent = dt.parent_path().u8string();
    if (parent.empty()) return std::string();
    if (parent.back() != '/' && parent.back() != '\\') parent += '/';
    return parent;
}

} // namespace marevo::cli
