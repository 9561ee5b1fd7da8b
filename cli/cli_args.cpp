// Option, date and span parsing of marevo-cli.
#include "cli/cli_args.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "cli/messages.h"
#include "cli/text_encoding.h"
#include "engine/calendar.h"

namespace marevo::cli {

bool CliArgs::Has(const std::string& flag) const
{
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::string CliArgs::Value(const std::string& name, const std::string& fallback) const
{
    for (const auto& [key, value] : values)
        if (key == name) return value;
    return fallback;
}

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

// Digits only, exactly count of them.
bool Digits(const std::string& text, size_t from, size_t count, int& value)
{
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

std::string BadDate(const std::string& text)
{
    return Say(u8"日付が正しくありません (YYYY-MM-DD, 0001-01-01 〜 9999-12-31): ",
               "not a date (YYYY-MM-DD, 0001-01-01 to 9999-12-31): ") + text;
}

// The span of --from with --to or --days; false with a message.
bool ParseSpan(const CliArgs& out, const std::string& to, const std::string& days,
               CliArgs& result, std::string& error)
{
    result.days = 1;
    if (!to.empty()) {
        int y, m, d;
        if (!ParseDate(to, y, m, d)) {
            error = BadDate(to);
            return false;
        }
        const int between = DaysBetween(out.year, out.month, out.day, y, m, d);
        if (between < 0) {
            error = Say(u8"--to が --from より前です: ", "--to lies before --from: ") + to;
            return false;
        }
        result.days = between + 1;
    } else if (!days.empty()) {
        int n = 0;
        if (days.size() > 6 || !Digits(days, 0, days.size(), n) || n < 1) {
            error = Say(u8"--days は 1 以上の整数です: ", "--days takes a whole number from 1: ") + days;
            return false;
        }
        result.days = n;
    }
    if (result.days > MaxSpanDays) {
        error = Say(u8"期間が長すぎます (最長 36600 日)", "span too long (at most 36600 days)");
        return false;
    }
    // The last day must stay within the year 9999.
    if (DaysBetween(out.year, out.month, out.day, 9999, 12, 31) < result.days - 1) {
        error = Say(u8"期間が 9999-12-31 を越えます", "span goes beyond 9999-12-31");
        return false;
    }
    return true;
}

} // namespace

bool ParseDate(const std::string& text, int& year, int& month, int& day)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    int y, m, d;
    if (!Digits(text, 0, 4, y) || !Digits(text, 5, 2, m) || !Digits(text, 8, 2, d)) return false;
    if (y < 1 || m < 1 || m > 12 || d < 1) return false;
    if (d > MonthLength(y, m)) return false;
    year = y, month = m, day = d;
    return true;
}

std::string FormatDate(int year, int month, int day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

int DaysBetween(int year1, int month1, int day1, int year2, int month2, int day2)
{
    return static_cast<int>(std::lround(DayNumber(year2, month2, day2) - DayNumber(year1, month1, day1)));
}

void ZoneDate(long long utcSeconds, float standardMeridianDeg, int& year, int& month, int& day)
{
    const long long zoneSeconds = utcSeconds + std::llround(standardMeridianDeg / 15.0 * 3600.0);
    long long days = zoneSeconds / 86400;
    if (zoneSeconds % 86400 < 0) --days;
    // Civil date of a count of days from 1970-01-01 (H. Hinnant, "chrono-compatible
    // low-level date algorithms", civil_from_days).
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

void ResolveDefaultDate(CliArgs& args, float standardMeridianDeg)
{
    if (args.dateGiven) return;
    ZoneDate(static_cast<long long>(std::time(nullptr)), standardMeridianDeg, args.year,
             args.month, args.day);
    if (args.year < 1 || args.year > 9999) args.year = 2000, args.month = 1, args.day = 1;
    args.dateGiven = true;
}

namespace {

// The span options as given, before they are checked against each other.
struct SpanWords {
    std::string from, to, days;
};

// The words one by one: flags, options and their values; false on an unknown, repeated or
// value-less option.
bool ReadWords(const Words& words, const OptionSpec& spec, CliArgs& out, SpanWords& span, std::string& error)
{
    std::vector<std::string> seen;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (Contains(seen, word)) {
            error = Say(u8"オプションが二度指定されています: ", "option given twice: ") + word;
            return false;
        }
        seen.push_back(word);
        if (Contains(spec.flags, word)) {
            out.flags.push_back(word);
            continue;
        }
        if (word == "--all" && spec.stations == StationUse::OneOrAll) {
            out.all = true;
            continue;
        }
        const bool stationWord = word == "--station" || word == "--port" || word == "--date";
        const bool spanWord = word == "--from" || word == "--to" || word == "--days";
        const bool known = word == "--dt" || (stationWord && spec.stations != StationUse::None) ||
                           (spanWord && spec.span) || Contains(spec.valued, word);
        if (!known) {
            error = Say(u8"不明なオプションです: ", "unknown option: ") + word;
            return false;
        }
        if (i + 1 >= words.size()) {
            error = Say(u8"値がありません: ", "missing value: ") + word;
            return false;
        }
        const std::string& value = words[++i];
        if (word == "--station") out.station = value;
        else if (word == "--dt") out.dt = value;
        else if (word == "--port") out.port = value;
        else if (word == "--from") span.from = value;
        else if (word == "--to") span.to = value;
        else if (word == "--days") span.days = value;
        else if (word == "--date") {
            if (!ParseDate(value, out.year, out.month, out.day)) {
                error = BadDate(value);
                return false;
            }
            out.dateGiven = true;
        } else out.values.emplace_back(word, value);
    }
    return true;
}

// Exactly one of --station, --port and (where allowed) --all; --station without --dt.
bool CheckStationChoice(const OptionSpec& spec, const CliArgs& out, std::string& error)
{
    if (spec.stations == StationUse::None) return true;
    const int choices = !out.station.empty() + !out.port.empty() + out.all;
    if (choices != 1) {
        error = choices > 1 ? Say(u8"--station, --port, --all はどれか一つだけ指定してください",
                                  "give only one of --station, --port, --all")
              : spec.stations == StationUse::OneOrAll
                  ? Say(u8"--port NAME, --station FILE か --all を指定してください",
                        "give --port NAME, --station FILE or --all")
                  : Say(u8"--port NAME か --station FILE を指定してください", "give --port NAME or --station FILE");
        return false;
    }
    if (!out.station.empty() && !out.dt.empty()) {
        error = Say(u8"--station と --dt は同時に指定できません", "--station and --dt exclude each other");
        return false;
    }
    return true;
}

// --from with --to or --days (not both), never beside --date.
bool ResolveSpanWords(const SpanWords& span, CliArgs& out, std::string& error)
{
    if (!span.from.empty() && out.dateGiven) {
        error = Say(u8"--date と --from は同時に指定できません", "--date and --from exclude each other");
        return false;
    }
    if (span.from.empty() && (!span.to.empty() || !span.days.empty())) {
        error = Say(u8"--to と --days には --from が必要です", "--to and --days need --from");
        return false;
    }
    if (!span.to.empty() && !span.days.empty()) {
        error = Say(u8"--to と --days は同時に指定できません", "--to and --days exclude each other");
        return false;
    }
    if (span.from.empty()) return true;
    if (!ParseDate(span.from, out.year, out.month, out.day)) {
        error = BadDate(span.from);
        return false;
    }
    out.dateGiven = out.spanGiven = true;
    return ParseSpan(out, span.to, span.days, out, error);
}

} // namespace

bool ParseArgs(const Words& words, const OptionSpec& spec, CliArgs& out, std::string& error)
{
    out = CliArgs{};
    SpanWords span;
    return ReadWords(words, spec, out, span, error) && CheckStationChoice(spec, out, error) &&
           ResolveSpanWords(span, out, error);
}

int Fail(int status, const std::string& message)
{
    std::fprintf(stderr, "marevo-cli: %s\n", message.c_str());
    return status;
}

} // namespace marevo::cli
