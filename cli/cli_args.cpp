// Option, date and span parsing of marevo-cli.
#include "cli/cli_args.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

bool CliArgs::Given(const std::string& name) const
{
    for (const auto& pair : values)
        if (pair.first == name) return true;
    return false;
}

bool SpanEndsInTime(int year, int month, int day, int days, std::string& error)
{
    if (DaysBetween(year, month, day, 9999, 12, 31) >= days - 1) return true;
    error = Say(u8"期間が 9999-12-31 を越えます", "span goes beyond 9999-12-31");
    return false;
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

// The count of days of --days; false with a message.
bool ParseDayCount(const std::string& days, int& count, std::string& error)
{
    if (days.size() > 6 || !Digits(days, 0, days.size(), count) || count < 1) {
        error = Say(u8"--days は 1 以上の整数です: ", "--days takes a whole number from 1: ") + days;
        return false;
    }
    return true;
}

// A span within the longest one and ending by 9999-12-31; false with a message.
bool CheckSpanEnd(const CliArgs& out, std::string& error)
{
    if (out.days > MaxSpanDays) {
        error = Say(u8"期間が長すぎます (最長 36600 日)", "span too long (at most 36600 days)");
        return false;
    }
    return SpanEndsInTime(out.year, out.month, out.day, out.days, error);
}

// The span of --from with --to or --days; false with a message.
bool ParseSpan(const std::string& to, const std::string& days, CliArgs& out, std::string& error)
{
    out.days = 1;
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
        out.days = between + 1;
    } else if (!days.empty() && !ParseDayCount(days, out.days, error)) {
        return false;
    }
    return CheckSpanEnd(out, error);
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

bool ParseCount(const std::string& text, int lowest, int highest, int& value)
{
    if (text.empty()) return false;
    long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        n = std::min<long long>(n * 10 + (c - '0'), static_cast<long long>(highest) + 1);
    }
    if (n < lowest || n > highest) return false;
    value = static_cast<int>(n);
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

long long NowUtcSeconds()
{
    const char* fixed = std::getenv("MAREVO_NOW");
    int y, m, d, hour, minute, second;
    if (fixed != nullptr) {
        const std::string text = fixed;
        if (text.size() == 20 && text[10] == 'T' && text[13] == ':' && text[16] == ':' &&
            text[19] == 'Z' && ParseDate(text.substr(0, 10), y, m, d) && Digits(text, 11, 2, hour) &&
            Digits(text, 14, 2, minute) && Digits(text, 17, 2, second) && hour < 24 &&
            minute < 60 && second < 60)
            return 86400LL * DaysBetween(1970, 1, 1, y, m, d) + 3600LL * hour + 60LL * minute + second;
    }
    return static_cast<long long>(std::time(nullptr));
}

bool ResolveDefaultDate(CliArgs& args, float standardMeridianDeg, std::string& error)
{
    if (args.dateGiven) return true;
    ZoneDate(NowUtcSeconds(), standardMeridianDeg, args.year, args.month, args.day);
    if (args.year < 1 || args.year > 9999) args.year = 2000, args.month = 1, args.day = 1;
    args.dateGiven = true;
    return CheckSpanEnd(args, error);
}

namespace {

// The span options as given, before they are checked against each other.
struct SpanWords {
    std::string from, to, days;
};

// The words one by one: flags, options and their values ("--name value" or "--name=value"),
// and the bare words after them; false on an unknown, repeated or value-less option, a value
// given to a flag, or a second bare word.
bool ReadWords(const Words& words, const OptionSpec& spec, CliArgs& out, SpanWords& span,
               std::string& error)
{
    std::vector<std::string> seen;
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        if (!optionsEnded && words[i] == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || words[i].size() < 2 || words[i][0] != '-') {
            std::string& bare = spec.stations == StationUse::None ? out.query : out.port;
            if (!bare.empty() || (spec.stations != StationUse::None && Contains(seen, "--port"))) {
                error = Say(u8"余分な語です: ", "extra word: ") + words[i];
                return false;
            }
            bare = words[i];
            seen.push_back("--port");
            continue;
        }
        std::string word = words[i], inlineValue;
        const size_t equals = word.find('=');
        const bool hasInline = word.rfind("--", 0) == 0 && equals != std::string::npos;
        if (hasInline) {
            inlineValue = word.substr(equals + 1);
            word.erase(equals);
        }
        if (Contains(seen, word)) {
            error = Say(u8"オプションが二度指定されています: ", "option given twice: ") + word;
            return false;
        }
        seen.push_back(word);
        const bool flag = Contains(spec.flags, word) ||
                          (word == "--all" && spec.stations == StationUse::OneOrAll);
        if (flag && hasInline) {
            error = Say(u8"このオプションは値を取りません: ", "option takes no value: ") + words[i];
            return false;
        }
        if (flag) {
            if (word == "--all") out.all = true;
            else out.flags.push_back(word);
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
        if (!hasInline && i + 1 >= words.size()) {
            error = Say(u8"値がありません: ", "missing value: ") + word;
            return false;
        }
        const std::string& value = hasInline ? inlineValue : words[++i];
        if (word == "--station") out.station = value;
        else if (word == "--dt") out.dt = value;
        else if (word == "--port") {
            if (!out.port.empty()) {
                error = Say(u8"港が二度指定されています: ", "port given twice: ") + value;
                return false;
            }
            out.port = value;
        } else if (word == "--from") span.from = value;
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
    if (span.from.empty() && !span.to.empty()) {
        error = Say(u8"--to には --from が必要です", "--to needs --from");
        return false;
    }
    if (!span.to.empty() && !span.days.empty()) {
        error = Say(u8"--to と --days は同時に指定できません", "--to and --days exclude each other");
        return false;
    }
    if (span.from.empty() && span.days.empty()) return true;
    out.spanGiven = true;
    if (span.from.empty()) {
        // --days alone: from --date, else from today (set once the port's zone is known).
        if (!ParseDayCount(span.days, out.days, error)) return false;
        return !out.dateGiven || CheckSpanEnd(out, error);
    }
    if (!ParseDate(span.from, out.year, out.month, out.day)) {
        error = BadDate(span.from);
        return false;
    }
    out.dateGiven = true;
    return ParseSpan(span.to, span.days, out, error);
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
