// Fuzz target: marevo-cli's option and date parsing over arbitrary words.
// Input: the first byte picks the subcommand's options, the rest is the words separated by
// NUL bytes. An accepted command line names one station and a real date; a refused one says
// why.
#include <cstdint>
#include <string>

#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "engine/calendar.h"
#include "fuzz/fuzz_check.h"

namespace {

using marevo::cli::OptionSpec;

const OptionSpec Specs[] = {
    {{"--json"}, {}},                    // extremes
    {{"--json", "--csv"}, {}},           // table
    {{"--json"}, {"--days", "--step"}},  // a subcommand with valued options
};

// A date is real when normalising it changes nothing.
bool RealDate(int year, int month, int day)
{
    int y = year, m = month, d = day;
    marevo::NormalizeDate(y, m, d);
    return y == year && m == month && d == day;
}

bool Listed(const std::vector<std::string>& list, const std::string& word)
{
    for (const std::string& w : list)
        if (w == word) return true;
    return false;
}

void CheckDate(const std::string& text)
{
    int year = -7, month = -7, day = -7;
    const bool ok = marevo::cli::ParseDate(text, year, month, day);
    bool shape = text.size() == 10 && text[4] == '-' && text[7] == '-';
    for (size_t i = 0; shape && i < 10; ++i)
        if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9')) shape = false;
    if (!ok) {
        FUZZ_CHECK(year == -7 && month == -7 && day == -7); // a refused date writes nothing
        if (shape) {
            const int y = std::stoi(text.substr(0, 4)), m = std::stoi(text.substr(5, 2)),
                      d = std::stoi(text.substr(8, 2));
            FUZZ_CHECK(y == 0 || m < 1 || m > 12 || d < 1 || !RealDate(y, m, d));
        }
        return;
    }
    FUZZ_CHECK(shape);
    FUZZ_CHECK(year >= 1 && year <= 9999);
    FUZZ_CHECK(RealDate(year, month, day));
    FUZZ_CHECK(marevo::cli::FormatDate(year, month, day) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const OptionSpec& spec = Specs[data[0] % 3];
    marevo::cli::Words words;
    std::string word;
    for (size_t i = 1; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);

    for (const std::string& w : words) CheckDate(w);

    marevo::cli::CliArgs args;
    std::string error;
    const bool ok = marevo::cli::ParseArgs(words, spec, args, error);
    if (!ok) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    // Exactly one way of naming the station, complete.
    FUZZ_CHECK(args.station.empty() != (args.dt.empty() && args.port.empty()));
    FUZZ_CHECK(args.station.empty() == (!args.dt.empty() && !args.port.empty()));
    FUZZ_CHECK(RealDate(args.year, args.month, args.day));
    for (const std::string& flag : args.flags) {
        FUZZ_CHECK(Listed(spec.flags, flag));
        FUZZ_CHECK(args.Has(flag));
    }
    for (const auto& [name, value] : args.values) {
        FUZZ_CHECK(Listed(spec.valued, name));
        FUZZ_CHECK(args.Value(name, "\x01") == value);
    }
    // Every word was taken: a flag, an option with its value, the date with its value, or a
    // station option given an empty value (which names nothing and is passed over).
    size_t taken = args.flags.size() + 2 * args.values.size();
    taken += args.station.empty() ? 4 : 2; // --dt DIR --port NAME, or --station FILE
    FUZZ_CHECK(taken <= words.size() && (words.size() - taken) % 2 == 0);
    FUZZ_CHECK(words.size() - taken <= (args.station.empty() ? 4u : 6u));

    const std::string file = marevo::cli::StationFileOf(args);
    if (!args.station.empty()) FUZZ_CHECK(file == args.station);
    else FUZZ_CHECK(file.size() >= args.dt.size() + args.port.size() + 4);
    return 0;
}
