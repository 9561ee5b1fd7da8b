// Option and date parsing of marevo-cli.
#include "cli/cli_args.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

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

void Today(int& year, int& month, int& day)
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    year = local ? local->tm_year + 1900 : 2000;
    month = local ? local->tm_mon + 1 : 1;
    day = local ? local->tm_mday : 1;
}

} // namespace

bool ParseDate(const std::string& text, int& year, int& month, int& day)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    int y, m, d;
    if (!Digits(text, 0, 4, y) || !Digits(text, 5, 2, m) || !Digits(text, 8, 2, d)) return false;
    if (y < 1 || m < 1 || m > 12 || d < 1) return false;
    static const int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int last = (m == 2 && IsLeapYear(y)) ? 29 : lengths[m];
    if (d > last) return false;
    year = y, month = m, day = d;
    return true;
}

std::string FormatDate(int year, int month, int day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

bool ParseArgs(const Words& words, const OptionSpec& spec, CliArgs& out, std::string& error)
{
    out = CliArgs{};
    bool haveDate = false;
    std::vector<std::string> seen;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (Contains(seen, word)) {
            error = u8"オプションが二度指定されています: " + word;
            return false;
        }
        seen.push_back(word);
        if (Contains(spec.flags, word)) {
            out.flags.push_back(word);
            continue;
        }
        const bool common = word == "--station" || word == "--dt" || word == "--port" || word == "--date";
        if (!common && !Contains(spec.valued, word)) {
            error = u8"不明なオプションです: " + word;
            return false;
        }
        if (i + 1 >= words.size()) {
            error = u8"値がありません: " + word;
            return false;
        }
        const std::string& value = words[++i];
        if (word == "--station") out.station = value;
        else if (word == "--dt") out.dt = value;
        else if (word == "--port") out.port = value;
        else if (word == "--date") {
            if (!ParseDate(value, out.year, out.month, out.day)) {
                error = u8"日付が正しくありません (YYYY-MM-DD, 0001-01-01 〜 9999-12-31): " + value;
                return false;
            }
            haveDate = true;
        } else out.values.emplace_back(word, value);
    }
    const bool byFile = !out.station.empty();
    const bool byPort = !out.dt.empty() || !out.port.empty();
    if (byFile == byPort) {
        error = byFile ? u8"--station と --dt/--port は同時に指定できません"
                       : u8"--station FILE か --dt DIR --port CODE+NAME を指定してください";
        return false;
    }
    if (byPort && (out.dt.empty() || out.port.empty())) {
        error = u8"--dt と --port は両方とも必要です";
        return false;
    }
    if (!haveDate) Today(out.year, out.month, out.day);
    return true;
}

int Fail(int status, const std::string& message)
{
    std::fprintf(stderr, "marevo-cli: %s\n", message.c_str());
    return status;
}

} // namespace marevo::cli
