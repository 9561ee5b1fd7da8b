// marevo-cli: dispatches the first word to a subcommand of the table below; --help for the
// program or a subcommand, --version.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "cli/text_encoding.h"

namespace marevo::cli {
namespace {

// The options of the commands, one row each: the option, then what it means with its unit,
// range and default, in Japanese and in English (UTF-8). A command's help lists the rows of
// its groups.
struct OptionHelp {
    const char* option;
    const char* ja;
    const char* en;
};

const OptionHelp StationOptions[] = {
    {u8"PORT, --port NAME", u8"港: ファイル名 (24尾鷲)、漢字名 (尾鷲)、ローマ字名 (owase)、または ports の検索語",
     u8"port: file name (24尾鷲), kanji name (尾鷲), romanised name (owase), or a word ports finds"},
    {u8"--station FILE", u8"港のファイルをパスで指定 (--port の代わりに)", u8"a port file by its path (instead of --port)"},
};
const OptionHelp DtOption[] = {
    {u8"--dt DIR", u8"港のファイルのフォルダ (既定: 実行ファイルの横の dt、次にインストール先)",
     u8"folder of port files (default: dt beside the program, then the installed one)"},
};
const OptionHelp DateOption[] = {
    {u8"--date DATE", u8"日付 YYYY-MM-DD, 0001-01-01 〜 9999-12-31 (既定: 港の標準時で今日)",
     u8"date YYYY-MM-DD, 0001-01-01 to 9999-12-31 (default: today in the port's zone time)"},
};
const OptionHelp SpanOptions[] = {
    {u8"--from DATE", u8"期間の最初の日 (--to か --days と共に)", u8"first day of a span (with --to or --days)"},
    {u8"--to DATE", u8"期間の最後の日 (その日を含む)", u8"last day of the span (included)"},
    {u8"--days N", u8"期間の日数, 1 〜 36600; --from がなければ --date または今日から",
     u8"days of the span, 1 to 36600; without --from, from --date or today"},
};
const OptionHelp HelpOption[] = {
    {u8"-h, --help", u8"この説明", u8"this help"},
};

struct CommandHelp {
    const char* name;
    std::vector<const OptionHelp*> rows; // the command's own rows and the shared groups
    std::vector<const char*> examples;
};

const OptionHelp PortsOwn[] = {
    {u8"QUERY", u8"ファイル名、漢字名、ローマ字名、都道府県 (番号、漢字、ローマ字) のどれかに含まれる語 (既定: すべての港)",
     u8"a word held by the file name, kanji name, romanised name or prefecture (code, kanji, romaji) (default: every port)"},
    {u8"--near LAT,LON", u8"その地点 (10進の度、北緯と東経が正) から近い順に、距離 (km) を付けて",
     u8"nearest first from a point (decimal degrees, north and east positive), with the distance in km"},
    {u8"--limit N", u8"最初の N 港だけ, 1 〜 10000 (既定: すべて)", u8"only the first N ports, 1 to 10000 (default: all)"},
    {u8"--json | --csv", u8"JSON か CSV で (既定: テキスト)", u8"as JSON or CSV (default: text)"},
};
const OptionHelp ExtremesOwn[] = {
    {u8"--all", u8"フォルダのすべての港 (ファイル名順; --port の代わりに)", u8"every port of the folder, in file-name order (instead of --port)"},
    {u8"--next N", u8"今から次の N 回の満潮と干潮, 1 〜 1000 (日付の指定の代わりに)",
     u8"the next N high and low waters from now, 1 to 1000 (instead of a date)"},
    {u8"--json | --csv | --ics", u8"JSON、CSV、iCalendar (カレンダーアプリ用、潮名の終日予定付き) (既定: テキスト)",
     u8"JSON, CSV, or iCalendar (with an all-day event per day: the tidal-range name) (default: text)"},
    {u8"--utc", u8"時刻を UTC で (日は港の標準時の日のまま)", u8"times in UTC (the days stay the port's zone-time days)"},
    {u8"--below CM", u8"CM (cm, 潮位の基準面から) より低い干潮だけ", u8"only low waters below CM (cm above chart datum)"},
    {u8"--daylight", u8"日の出から日の入りまでの干潮だけ", u8"only low waters between sunrise and sunset"},
};
const OptionHelp HeightsOwn[] = {
    {u8"--step MINUTES", u8"潮位の間隔 (分), 1 〜 1440 (既定: 10); 1000 万点まで",
     u8"minutes between heights, 1 to 1440 (default: 10); ten million samples at most"},
    {u8"--json | --csv", u8"JSON か CSV で (既定: テキスト)", u8"as JSON or CSV (default: text)"},
    {u8"--utc", u8"時刻を UTC で (0 時は港の標準時のまま)", u8"times in UTC (0 h stays the port's zone time)"},
};
const OptionHelp TableOwn[] = {
    {u8"--json | --csv", u8"JSON か CSV で (既定: テキスト)", u8"as JSON or CSV (default: text)"},
    {u8"--utc", u8"時刻を UTC で (日は港の標準時の日のまま)", u8"times in UTC (the days stay the port's zone-time days)"},
};
const OptionHelp DayOwn[] = {
    {u8"--json", u8"JSON で (既定: テキスト)", u8"as JSON (default: text)"},
};
const OptionHelp RenderOwn[] = {
    {u8"--view 1|7|42|table", u8"表示: 1 日、7 日、42 日、潮見表 (必須)", u8"the view: one day, 7 days, 42 days, tide table (required)"},
    {u8"--out FILE", u8"書き出すファイル; 形式は拡張子 .png, .svg, .pdf から (必須)",
     u8"the file to write; its format from its extension .png, .svg, .pdf (required)"},
    {u8"--style bar|line", u8"グラフの形: 棒か線 (既定: line)", u8"graph style: bars or a line (default: line)"},
    {u8"--mono", u8"白黒 (既定: カラー)", u8"black and white (default: colour)"},
};

template <size_t N> std::vector<const OptionHelp*> Rows(const OptionHelp (&rows)[N])
{
    std::vector<const OptionHelp*> out;
    for (const OptionHelp& r : rows) out.push_back(&r);
    return out;
}
template <typename... Groups> std::vector<const OptionHelp*> Rows(const Groups&... groups)
{
    std::vector<const OptionHelp*> out;
    for (const auto& group : {Rows(groups)...}) out.insert(out.end(), group.begin(), group.end());
    return out;
}

const std::vector<CommandHelp>& CommandHelps()
{
    static const std::vector<CommandHelp> helps = {
        {u8"ports", Rows(PortsOwn, DtOption, HelpOption),
         {u8"marevo-cli ports sendai", u8"marevo-cli ports --near 34.07,136.19 --limit 5",
          u8"marevo-cli ports 三重 --csv > mie.csv"}},
        {u8"extremes", Rows(StationOptions, DtOption, DateOption, SpanOptions, ExtremesOwn, HelpOption),
         {u8"marevo-cli extremes owase --date 2027-01-01", u8"marevo-cli extremes owase --next 4 --utc",
          u8"marevo-cli extremes --port 尾鷲 --from 2027-01-01 --to 2027-12-31 --ics > owase-2027.ics"}},
        {u8"heights", Rows(StationOptions, DtOption, DateOption, SpanOptions, HeightsOwn, HelpOption),
         {u8"marevo-cli heights owase --date 2027-01-01 --step 60", u8"marevo-cli heights 13東京 --days 3 --csv > tokyo.csv"}},
        {u8"table", Rows(StationOptions, DtOption, DateOption, TableOwn, HelpOption),
         {u8"marevo-cli table owase --date 2027-01-01", u8"marevo-cli table 13東京 --csv > tokyo-table.csv"}},
        {u8"day", Rows(StationOptions, DtOption, DateOption, SpanOptions, DayOwn, HelpOption),
         {u8"marevo-cli day hakodate --date 2027-01-01", u8"marevo-cli day 01函館 --json",
          u8"marevo-cli day 13南鳥島 --from 2027-01-01 --to 2027-12-31 --json > minamitorishima.json"}},
        {u8"render", Rows(StationOptions, DtOption, DateOption, RenderOwn, HelpOption),
         {u8"marevo-cli render owase --view 7 --out week.png", u8"marevo-cli render 13東京 --view table --mono --out table.pdf"}},
    };
    return helps;
}

#define STATION "(PORT | --port NAME [--dt DIR] | --station FILE)"

// Add a row here for each new subcommand (its file goes into cli/CMakeLists.txt).
const Subcommand Subcommands[] = {
    {"ports", "ports [QUERY] [--near LAT,LON] [--limit N] [--dt DIR] [--json | --csv]",
     u8"港の一覧。QUERY があれば、その語を名前か都道府県に含む港だけ。\n",
     "List the ports; with QUERY, those whose names or prefecture hold it.\n",
     RunPorts},
    {"extremes", "extremes (PORT | --port NAME [--dt DIR] | --station FILE | --all [--dt DIR]) [--date DATE | --from DATE (--to DATE | --days N) | --days N | --next N] [--json | --csv | --ics] [--utc] [--below CM] [--daylight]",
     u8"満潮と干潮。一日、期間、または今からの N 回; 一つの港か、--all ではフォルダのすべての港。\n",
     "High and low waters of a day, of a span or the next N from now, at one port or with --all\n"
     "at every port.\n",
     RunExtremes},
    {"heights", "heights " STATION " [--date DATE | --from DATE (--to DATE | --days N) | --days N] [--step MINUTES] [--json | --csv] [--utc]",
     u8"潮位の時系列 (cm, 潮位の基準面から): 各日の 0 時から --step 分ごと。\n",
     "The predicted height (cm above chart datum) every --step minutes from 0 h of each day.\n",
     RunHeights},
    {"table", "table " STATION " [--date DATE] [--csv | --json] [--utc]",
     u8"その日から 42 日の潮見表。\n", "The 42-day tide table from the date.\n", RunTable},
    {"day", "day " STATION " [--date DATE | --from DATE (--to DATE | --days N) | --days N] [--json]",
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

int Usage(bool asked)
{
    std::string text = Say(u8"使い方: marevo-cli COMMAND OPTIONS (marevo-cli help COMMAND で詳しく)\n",
                           "usage: marevo-cli COMMAND OPTIONS (marevo-cli help COMMAND for more)\n");
    for (const Subcommand& c : Subcommands) text += std::string("  marevo-cli ") + c.usage + "\n";
    text += "  marevo-cli help [COMMAND]\n  marevo-cli --version\n";
    if (!asked) {
        std::fputs(text.c_str(), stderr);
        return 2;
    }
    Emit(text);
    return 0;
}

int Help(const Subcommand& c)
{
    const bool ja = JapaneseMessages();
    std::string text = Say(u8"使い方", "usage") + ": marevo-cli " + c.usage + "\n" + (ja ? c.helpJa : c.helpEn);
    for (const CommandHelp& h : CommandHelps()) {
        if (std::strcmp(h.name, c.name) != 0) continue;
        text += Say(u8"オプション:\n", "options:\n");
        for (const OptionHelp* row : h.rows)
            text += std::string("  ") + row->option + "\n      " + (ja ? row->ja : row->en) + "\n";
        text += Say(u8"例:\n", "examples:\n");
        for (const char* example : h.examples) text += std::string("  ") + example + "\n";
    }
    text += Say(u8"終了状態: 0 完了, 1 港やファイルが読めない、または出力が書けない, 2 コマンド行の誤り\n",
                "exit status: 0 done, 1 port or file not readable, or output not writable, 2 bad command line\n");
    Emit(text);
    return 0;
}

bool AsksForHelp(const Words& words)
{
    for (const std::string& w : words) {
        if (w == "--") return false;
        if (w == "--help" || w == "-h") return true;
    }
    return false;
}

const Subcommand* FindSubcommand(const std::string& name)
{
    for (const Subcommand& c : Subcommands)
        if (name == c.name) return &c;
    return nullptr;
}

int Run(Words words)
{
    if (words.empty()) return Usage(false);
    const std::string first = words[0];
    words.erase(words.begin());
    const bool help = first == "--help" || first == "-h" || first == "help";
    if ((help && words.size() > 1) || (first == "--version" && !words.empty()))
        return Fail(2, Say(u8"余分な語です: ", "extra word: ") + words.back());
    if (help && words.empty()) return Usage(true);
    if (first == "--version") {
        Emitf("marevo-cli %s\n", MAREVO_VERSION);
        return 0;
    }
    const std::string name = help ? words[0] : first;
    const Subcommand* c = FindSubcommand(name);
    if (c == nullptr) return Fail(2, Say(u8"不明なコマンドです: ", "unknown command: ") + name);
    if (help) return Help(*c);
    return AsksForHelp(words) ? Help(*c) : c->run(words);
}

} // namespace
} // namespace marevo::cli

int main(int argc, char** argv)
{
    using namespace marevo::cli;
    GuardClosedStdout();
    const Words words = CommandLineWords(argc, argv);
    return FinishOutput(Run(words));
}
