// Command-line words of marevo-cli: options of the subcommands, dates, error messages.
// Words are UTF-8; under Windows they are taken from the wide command line.
#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"

namespace marevo::cli {

// What the station options and the date name, plus any further options a subcommand
// declares. Texts stay as typed (UTF-8).
struct CliArgs {
    std::string station;  // --station FILE
    std::string dt;       // --dt DIR
    std::string port;     // --port CODE+NAME
    int year = 0, month = 0, day = 0; // --date, or today's local date
    std::vector<std::string> flags;                            // given flags, e.g. "--json"
    std::vector<std::pair<std::string, std::string>> values;   // further --name value pairs

    bool Has(const std::string& flag) const;
    // The value of a further option, or fallback when it was not given.
    std::string Value(const std::string& name, const std::string& fallback = "") const;
};

// The options a subcommand accepts beside --station, --dt, --port and --date.
struct OptionSpec {
    std::vector<std::string> flags;  // options without a value
    std::vector<std::string> valued; // options followed by a value
};

// Parses the words of one subcommand. Returns false with a one-line message in error for an
// unknown option, a missing value, a repeated option, a malformed date or a missing or
// doubled station choice.
bool ParseArgs(const Words& words, const OptionSpec& spec, CliArgs& out, std::string& error);

// "YYYY-MM-DD" of an existing Gregorian date, years 1 to 9999. False otherwise.
bool ParseDate(const std::string& text, int& year, int& month, int& day);

// "YYYY-MM-DD" of a date.
std::string FormatDate(int year, int month, int day);

// The words after the program name, UTF-8 in every build.
Words CommandLineWords(int argc, char** argv);

// Prints "marevo-cli: message" on stderr and returns status.
int Fail(int status, const std::string& message);

} // namespace marevo::cli
