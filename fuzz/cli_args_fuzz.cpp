// Fuzz target: marevo-cli's option and date parsing over arbitrary words.
// Input: the first byte picks the subcommand's options, the rest is the words separated by
// NUL bytes. An accepted command line names one station and a real date; a refused one says
// why.
#include <cstdint>
#include <string>

#include "cli/cli_args.h"
#include "engine/calendar.h"
#include "fuzz/fuzz_check.h"

namespace {

using marevo::cli::OptionSpec;

const OptionSpec Specs[] = {
    {{"--json"}, {}},                    // day
    {{"--json", "--csv"}, {}},           // table
    {{"--json", "--csv"}, {"--step"}, marevo::cli::StationUse::One, true},          // heights
    {{"--json", "--ics"}, {"--below"}, marevo::cli::StationUse::OneOrAll, true},    // extremes
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
    const OptionSpec& spec = Specs[data[0] % 4];
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
    // Exactly one way of naming the station; a folder only with a port or --all.
    FUZZ_CHECK(!args.station.empty() + !args.port.empty() + args.all == 1);
    FUZZ_CHECK(args.station.empty() || args.dt.empty());
    FUZZ_CHECK(!args.all || spec.stations == marevo::cli::StationUse::OneOrAll);
    // A given date is real, and so is the last day of the span.
    FUZZ_CHECK(args.days >= 1 && args.days <= marevo::cli::MaxSpanDays);
    FUZZ_CHECK(args.days == 1 || args.spanGiven);
    if (args.dateGiven) {
        FUZZ_CHECK(RealDate(args.year, args.month, args.day));
        int y = args.year, m = args.month, d = args.day + args.days - 1;
        marevo::NormalizeDate(y, m, d);
        FUZZ_CHECK(y >= 1 && y <= 9999);
    }
    for (const std::string& flag : args.flags) {
        FUZZ_CHECK(Listed(spec.flags, flag));
        FUZZ_CHECK(args.Has(flag));
    }
    for (const auto& [name, value] : args.values) {
        FUZZ_CHECK(Listed(spec.valued, name));
        FUZZ_CHECK(args.Value(name, "\x01") == value);
    }
    return 0;
}
