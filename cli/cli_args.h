// Command-line words of marevo-cli: options of the subcommands, dates, spans, error messages.
// Words are UTF-8; under Windows they are taken from the wide command line.
#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"

namespace marevo::cli {

// What the station options and the dates name, plus any further options a subcommand
// declares. Texts stay as typed (UTF-8).
struct CliArgs {
    std::string station;  // --station FILE
    std::string dt;       // --dt DIR (empty: the data folder found by FindDtFolder)
    std::string port;     // --port NAME (file name, kanji name or romanised name)
    bool all = false;     // --all: every port of the folder
    // --date or --from; until a station is loaded and no date was given, today's date in
    // the zone time of that station (ResolveDefaultDate).
    int year = 0, month = 0, day = 0;
    bool dateGiven = false;
    int days = 1;         // the span: --to or --days, 1 for a single date
    bool spanGiven = false; // --from, or --days (counted from --date or from today), was given
    std::string query;    // the word that is no option, where the command takes one (ports)
    std::vector<std::string> flags;                            // given flags, e.g. "--json"
    std::vector<std::pair<std::string, std::string>> values;   // further --name value pairs

    bool Has(const std::string& flag) const;
    // The value of a further option, or fallback when it was not given.
    std::string Value(const std::string& name, const std::string& fallback = "") const;
    // Whether the valued option name was given (with any value, even an empty one).
    bool Given(const std::string& name) const;
};

// How a subcommand names its station.
enum class StationUse {
    One,      // --station FILE or --port NAME (with --dt DIR or the data folder found)
    OneOrAll, // the same, or --all
    None,     // no station (--dt DIR allowed)
};

// The options a subcommand accepts beside --station, --dt, --port and --date.
struct OptionSpec {
    std::vector<std::string> flags;  // options without a value
    std::vector<std::string> valued; // options followed by a value
    StationUse stations = StationUse::One;
    bool span = false;               // --from DATE with --to DATE or --days N
    // A word that is no option (or any word after "--") names the port, or with
    // StationUse::None is the query; a second such word is refused.
};

// Longest span of one command, in days (a little over 100 years).
constexpr int MaxSpanDays = 36600;

// Whether days consecutive days from (year, month, day) end by 9999-12-31, the last date
// any command shows; false with the message of a span that goes beyond it.
bool SpanEndsInTime(int year, int month, int day, int days, std::string& error);

// Parses the words of one subcommand: "--name value" or "--name=value", flags, "--" ending
// the options, and one bare word (the port, or the query where a command has no station).
// Returns false with a one-line message in error for an unknown option, a missing value, a
// value given to a flag, a repeated option, an extra word, a malformed date or span, or a
// missing or doubled station choice.
bool ParseArgs(const Words& words, const OptionSpec& spec, CliArgs& out, std::string& error);

// Sets today's date in the zone time of standardMeridianDeg (degrees east) when no date was
// given (a span of --days alone then starts today); the machine's own time zone plays no
// part. False with a message when such a span would end after 9999-12-31.
bool ResolveDefaultDate(CliArgs& args, float standardMeridianDeg, std::string& error);

// Now, in seconds since 1970-01-01 00:00 UTC: the system clock, or the instant that the
// environment variable MAREVO_NOW gives ("YYYY-MM-DDTHH:MM:SSZ"), so that "today" and "now"
// can be fixed for tests and for reproducible runs.
long long NowUtcSeconds();

// The civil date at utcSeconds (seconds since 1970-01-01 00:00 UTC) in the zone time of
// standardMeridianDeg (degrees east, 15 degrees an hour).
void ZoneDate(long long utcSeconds, float standardMeridianDeg, int& year, int& month, int& day);

// "YYYY-MM-DD" of an existing Gregorian date, years 1 to 9999. False otherwise.
bool ParseDate(const std::string& text, int& year, int& month, int& day);

// A count option's value: digits only, at least one, read as a whole number from lowest to
// highest. False otherwise.
bool ParseCount(const std::string& text, int lowest, int highest, int& value);

// "YYYY-MM-DD" of a date.
std::string FormatDate(int year, int month, int day);

// Days from the first date to the second (negative when the second lies before).
int DaysBetween(int year1, int month1, int day1, int year2, int month2, int day2);

// The words after the program name, UTF-8 in every build.
Words CommandLineWords(int argc, char** argv);

// Prints "marevo-cli: message" on stderr and returns status.
int Fail(int status, const std::string& message);

} // namespace marevo::cli
