// Where marevo-cli finds its port files: --dt DIR, else the folder dt beside the
// executable, else the installed data folder (<prefix>/share/marevo/dt).
#pragma once

#include <string>

namespace marevo::cli {

// The folder of the running executable (UTF-8, with a trailing separator), empty when the
// system does not say.
std::string ExecutableDir();

// The dt folder to use (UTF-8): option when given (false with a message when it is no
// folder), else the first of the folders above that exists (false with a message when none).
bool FindDtFolder(const std::string& option, std::string& dtDir, std::string& error);

// The folder that holds dt (and ports.tsv beside it).
std::string DataFolderOf(const std::string& dtDir);

// Whether a UTF-8 path names an existing folder / file.
bool IsFolder(const std::string& utf8Path);
bool IsFile(const std::string& utf8Path);

} // namespace marevo::cli
