// The subcommands of marevo-cli: each takes the words after its name and returns the
// process exit status (0 done, 1 bad input or unreadable data, 2 usage).
#pragma once

#include <string>
#include <vector>

namespace marevo::cli {

using Words = std::vector<std::string>; // UTF-8, without the program and command names

int RunPorts(const Words& words);
int RunExtremes(const Words& words);
int RunHeights(const Words& words);
int RunTable(const Words& words);
int RunRender(const Words& words);
int RunDay(const Words& words);
// One declaration per further subcommand.

struct Subcommand {
    const char* name;
    const char* usage;   // one line, UTF-8
    const char* helpJa;  // what it does and its options, Japanese (UTF-8)
    const char* helpEn;  // the same in English
    int (*run)(const Words& words);
};

} // namespace marevo::cli
