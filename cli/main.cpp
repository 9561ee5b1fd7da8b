// marevo-cli: dispatches the first word to a subcommand of the table below; --help for the
// program or a subcommand, --version.
#include <cstdio>
#include <cstring>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/messages.h"

namespace marevo::cli {
namespace {

#define STATION "(--port NAME [--dt DIR] | --station FILE)"

const char* const StationHelpJa =
    u8"  --port NAME     港: ファイル名 (24尾鷲)、漢字名 (尾鷲)、ローマ字名 (owase)\n"
    u8"  --dt DIR        港のファイルのフォルダ (既定: 実行ファイルの横の dt、次にインストール先)\n"
    u8"  --station FILE  港のファイルを直接指定\n"
    u8"  --date DATE     日付 YYYY-MM-DD (既定: 港の標準時で今日)\n";
const char* const StationHelpEn =
    u8"  --port NAME     port: file name (24尾鷲), kanji name (尾鷲) or romanised name (owase)\n"
    "  --dt DIR        folder of port files (default: dt beside the program, then the installed one)\n"
    "  --station FILE  a port file by its path\n"
    "  --date DATE     date YYYY-MM-DD (default: today in the port's zone time)\n";
const char* const SpanHelpJa =
    u8"  --from DATE     期間の最初の日; --to DATE (最後の日) か --days N (日数) と共に\n";
const char* const SpanHelpEn =
    "  --from DATE     first day of a span, with --to DATE (last day) or --days N\n";

// Add a row here for each new subcommand (its file goes into cli/CMakeLists.txt).
const Subcommand Subcommands[] = {
    {"ports", "ports [QUERY] [--near LAT,LON] [--dt DIR] [--json | --csv]",
     u8"港の一覧。QUERY はファイル名、漢字名、ローマ字名、都道府県のどれかに含まれる語。\n"
     u8"  --near LAT,LON  その地点 (10進の度) から近い順に、距離 (km) を付けて\n",
     u8"List the ports. QUERY picks those whose file name, kanji name, romanised name or\n"
     "prefecture holds it.\n"
     "  --near LAT,LON  nearest first from a point (decimal degrees), with the distance in km\n",
     RunPorts},
    {"extremes", "extremes (--port NAME [--dt DIR] | --station FILE | --all [--dt DIR]) [--date DATE | --from DATE (--to DATE | --days N)] [--json | --csv | --ics] [--below CM] [--daylight]",
     u8"満潮と干潮。一日、または期間 (--from)、--all ではフォルダのすべての港。\n"
     u8"  --json | --csv | --ics  JSON、CSV、iCalendar (カレンダーアプリ用、潮名の終日予定付き)\n"
     u8"  --below CM      CM より低い干潮だけ\n"
     u8"  --daylight      日の出から日の入りまでの干潮だけ\n",
     "High and low waters of a day, of a span (--from), at one port or with --all at every port.\n"
     "  --json | --csv | --ics  JSON, CSV, or iCalendar (with an all-day event per day: the\n"
     "                  tidal-range name)\n"
     "  --below CM      only low waters below CM\n"
     "  --daylight      only low waters between sunrise and sunset\n",
     RunExtremes},
    {"heights", "heights " STATION " [--date DATE | --from DATE (--to DATE | --days N)] [--step MINUTES] [--json | --csv]",
     u8"潮位の時系列。--step MINUTES 分ごと (既定 10 分)。\n",
     "The predicted height every --step MINUTES (default 10).\n",
     RunHeights},
    {"table", "table " STATION " [--date DATE] [--csv | --json]",
     u8"その日から 42 日の潮見表。\n", "The 42-day tide table from the date.\n", RunTable},
    {"day", "day " STATION " [--date DATE | --from DATE (--to DATE | --days N)] [--json]",
     u8"一日表示の内容: 潮汐定数、日と月の時刻、月齢、潮名、満潮と干潮。\n"
     u8"期間 (--from) では日ごとに。\n",
     "What the one-day view shows: tidal constants, sun and moon times, moon age, tidal-range\n"
     "name, high and low waters; for each day of a span (--from).\n",
     RunDay},
    {"render", "render " STATION " [--date DATE] --view 1|7|42|table [--mono] [--style bar|line] --out FILE.png|.svg|.pdf",
     u8"表示を画像に (PNG, SVG, PDF)。Windows 版にはありません。\n",
     "A view as a picture (PNG, SVG, PDF). Not in the Windows build.\n",
     RunRender},
};

int Usage(FILE* out)
{
    std::fputs(Say(u8"使い方: marevo-cli COMMAND OPTIONS (COMMAND --help で詳しく)\n",
                   "usage: marevo-cli COMMAND OPTIONS (COMMAND --help for more)\n").c_str(), out);
    for (const Subcommand& c : Subcommands) std::fprintf(out, "  marevo-cli %s\n", c.usage);
    std::fputs("  marevo-cli --version\n", out);
    return out == stdout ? 0 : 2;
}

int Help(const Subcommand& c)
{
    std::printf("%s: marevo-cli %s\n%s", Say(u8"使い方", "usage").c_str(), c.usage,
                JapaneseMessages() ? c.helpJa : c.helpEn);
    if (std::strcmp(c.name, "ports") != 0)
        std::fputs(JapaneseMessages() ? StationHelpJa : StationHelpEn, stdout);
    if (std::strcmp(c.name, "extremes") == 0 || std::strcmp(c.name, "heights") == 0)
        std::fputs(JapaneseMessages() ? SpanHelpJa : SpanHelpEn, stdout);
    std::fputs(Say(u8"終了状態: 0 完了, 1 港やファイルが読めない, 2 コマンド行の誤り\n",
                   "exit status: 0 done, 1 port or file not readable, 2 bad command line\n").c_str(),
               stdout);
    return 0;
}

bool AsksForHelp(const Words& words)
{
    for (const std::string& w : words)
        if (w == "--help" || w == "-h") return true;
    return false;
}

} // namespace
} // namespace marevo::cli

int main(int argc, char** argv)
{
    using namespace marevo::cli;
    Words words = CommandLineWords(argc, argv);
    if (words.empty()) return Usage(stderr);
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") return Usage(stdout);
    if (words[0] == "--version") {
        std::printf("marevo-cli %s\n", MAREVO_VERSION);
        return 0;
    }
    const std::string name = words[0];
    words.erase(words.begin());
    for (const Subcommand& c : Subcommands)
        if (name == c.name) return AsksForHelp(words) ? Help(c) : c.run(words);
    return Fail(2, Say(u8"不明なコマンドです: ", "unknown command: ") + name);
}
