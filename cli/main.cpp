// marevo-cli: dispatches the first word to a subcommand of the table below.
#include <cstdio>
#include <cstring>

#include "cli/cli_args.h"
#include "cli/commands.h"

namespace marevo::cli {
namespace {

// Add a row here for each new subcommand (its file goes into cli/CMakeLists.txt).
const Subcommand Subcommands[] = {
    {"extremes", "extremes (--station FILE | --dt DIR --port CODE+NAME) [--date YYYY-MM-DD] [--json]", RunExtremes},
    {"table", "table (--station FILE | --dt DIR --port CODE+NAME) [--date YYYY-MM-DD] [--csv | --json]", RunTable},
    {"render", "render (--station FILE | --dt DIR --port CODE+NAME) [--date YYYY-MM-DD] --view 1|7|42|table [--mono] [--style bar|line] --out FILE.png|.svg|.pdf", RunRender},
    {"day", "day (--station FILE | --dt DIR --port CODE+NAME) [--date YYYY-MM-DD] [--json]", RunDay},
};

int Usage(FILE* out)
{
    std::fputs(u8"使い方: marevo-cli COMMAND OPTIONS\n", out);
    for (const Subcommand& c : Subcommands) std::fprintf(out, "  marevo-cli %s\n", c.usage);
    return out == stdout ? 0 : 2;
}

} // namespace
} // namespace marevo::cli

int main(int argc, char** argv)
{
    using namespace marevo::cli;
    Words words = CommandLineWords(argc, argv);
    if (words.empty()) return Usage(stderr);
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") return Usage(stdout);
    const std::string name = words[0];
    words.erase(words.begin());
    for (const Subcommand& c : Subcommands)
        if (name == c.name) return c.run(words);
    return Fail(2, u8"不明なコマンドです: " + name);
}
