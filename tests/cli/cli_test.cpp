// marevo-cli's helpers: zone dates, spans of options, port names and their matching,
// distances, iCalendar lines, and spans computed on several threads.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/event_output.h"
#include "cli/json_writer.h"
#include "cli/port_catalog.h"
#include "cli/span.h"
#include "cli/text_encoding.h"
#include "engine/station.h"

namespace marevo::cli {
namespace {

const std::string Fixture = MAREVO_CLI_FIXTURE;

TEST(ZoneDate, TodayIsTheDateOfThePortsZoneNotOfTheMachine)
{
    // Instants from `date -u -d ... +%s`.
    struct { long long utc; float meridian; int y, m, d; } cases[] = {
        {1796578500, 135, 2026, 12, 7}, // 2026-12-06 17:35 UTC is 02:35 JST on the 7th
        {1796578500, 0, 2026, 12, 6},
        {1796569199, 135, 2026, 12, 6}, // 14:59:59 UTC: 23:59:59 JST
        {-14400, 135, 1970, 1, 1},      // 1969-12-31 20:00 UTC
        {-14400, 0, 1969, 12, 31},
        {1709132400, 135, 2024, 2, 29}, // 2024-02-28 15:00 UTC: leap day in JST
    };
    for (const auto& c : cases) {
        int y, m, d;
        ZoneDate(c.utc, c.meridian, y, m, d);
        EXPECT_EQ(FormatDate(y, m, d), FormatDate(c.y, c.m, c.d)) << c.utc << " at " << c.meridian;
    }
}

TEST(ParseArgs, SpansOfDays)
{
    const OptionSpec spec{{}, {}, StationUse::OneOrAll, true};
    struct { Words words; int days; } good[] = {
        {{"--port", "a", "--from", "2026-12-30", "--to", "2027-01-02"}, 4},
        {{"--all", "--from", "2028-02-28", "--to", "2028-03-01"}, 3},
        {{"--port", "a", "--from", "2026-12-30", "--days", "365"}, 365},
        {{"--port", "a", "--from", "9999-12-31", "--days", "1"}, 1},
        {{"--port", "a", "--date", "2026-12-30"}, 1},
    };
    for (const auto& c : good) {
        CliArgs args;
        std::string error;
        EXPECT_TRUE(ParseArgs(c.words, spec, args, error)) << error;
        EXPECT_EQ(args.days, c.days) << c.words[3];
        EXPECT_TRUE(args.dateGiven);
    }
    const Words bad[] = {
        {"--port", "a", "--from", "2026-12-30", "--to", "2026-12-29"},
        {"--port", "a", "--from", "2026-12-30", "--days", "0"},
        {"--port", "a", "--from", "2026-12-30", "--days", "-3"},
        {"--port", "a", "--from", "2026-12-30", "--to", "2027-01-01", "--days", "3"},
        {"--port", "a", "--from", "2026-12-30", "--date", "2026-12-30"},
        {"--port", "a", "--to", "2026-12-30"},
        {"--port", "a", "--from", "9999-12-30", "--days", "3"},
        {"--port", "a", "--from", "2000-01-01", "--days", "36601"},
        {"--port", "a", "--all"},
        {"--dt", "x"},
    };
    for (const Words& words : bad) {
        CliArgs args;
        std::string error;
        EXPECT_FALSE(ParseArgs(words, spec, args, error)) << words.back();
        EXPECT_FALSE(error.empty());
    }
}

TEST(ParseArgs, EveryFormOfAnOption)
{
    // What each command line names: port, first date (empty: today, set later), days, span.
    const OptionSpec spec{{"--json"}, {"--below"}, StationUse::OneOrAll, true};
    struct { Words words; const char* port; const char* first; int days; bool span; const char* below; } cases[] = {
        {{"--port", "owase", "--date", "2027-01-01"}, "owase", "2027-01-01", 1, false, ""},
        {{"--port=owase", "--date=2027-01-01"}, "owase", "2027-01-01", 1, false, ""},
        {{"owase", "--from=2027-01-01", "--days=3"}, "owase", "2027-01-01", 3, true, ""},
        {{"--from", "2027-01-01", "--to=2027-01-10", "owase"}, "owase", "2027-01-01", 10, true, ""},
        {{"--below=-10", "--", "-owase"}, "-owase", "", 1, false, "-10"},
        {{"--days", "7", "owase"}, "owase", "", 7, true, ""},              // from today
        {{"owase", "--date", "2027-02-27", "--days", "3"}, "owase", "2027-02-27", 3, true, ""},
        {{"--port=a=b", "--json"}, "a=b", "", 1, false, ""},
    };
    for (const auto& c : cases) {
        CliArgs args;
        std::string error;
        ASSERT_TRUE(ParseArgs(c.words, spec, args, error)) << c.words[0] << ": " << error;
        EXPECT_EQ(args.port, c.port) << c.words[0];
        EXPECT_EQ(args.dateGiven ? FormatDate(args.year, args.month, args.day) : "", c.first) << c.words[0];
        EXPECT_EQ(args.days, c.days) << c.words[0];
        EXPECT_EQ(args.spanGiven, c.span) << c.words[0];
        EXPECT_EQ(args.Value("--below"), c.below) << c.words[0];
    }
    // The ports command takes its one bare word as the query.
    CliArgs args;
    std::string error;
    ASSERT_TRUE(ParseArgs({"--near=34,136", "sendai"}, {{}, {"--near"}, StationUse::None, false}, args, error));
    EXPECT_EQ(args.query, "sendai");
    EXPECT_EQ(args.Value("--near"), "34,136");
}

TEST(ParseArgs, CountsAndGivenOptions)
{
    // A count: digits only, within its range, leading zeros allowed, however long.
    struct { const char* text; int lowest, highest; int value; } cases[] = {
        {"1", 1, 1440, 1},       {"1440", 1, 1440, 1440}, {"0010", 1, 1000, 10},
        {"000000000000007", 1, 1000, 7},
        {"0", 1, 1440, -1},      {"1441", 1, 1440, -1},   {"", 1, 10, -1},
        {"+5", 1, 10, -1},       {"5 ", 1, 10, -1},       {"-1", 1, 10, -1},
        {"99999999999999999999", 1, 10000, -1},           {"1e3", 1, 10000, -1},
    };
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(ParseCount(c.text, c.lowest, c.highest, value), c.value != -1) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    // An option given with an empty value, or with a value that looks like a fallback, is
    // given all the same.
    const OptionSpec spec{{}, {"--below", "--next"}, StationUse::One, false};
    CliArgs args;
    std::string error;
    ASSERT_TRUE(ParseArgs({"owase", "--below=", "--next", "x"}, spec, args, error)) << error;
    EXPECT_TRUE(args.Given("--below"));
    EXPECT_TRUE(args.Given("--next"));
    EXPECT_FALSE(args.Given("--port"));
    EXPECT_FALSE(args.Given("--dt"));
}

// Fixes "now" for this process (nullptr: the system clock again).
void FixClock(const char* utc)
{
#ifdef _WIN32
    _putenv_s("MAREVO_NOW", utc ? utc : "");
#else
    if (utc) setenv("MAREVO_NOW", utc, 1);
    else unsetenv("MAREVO_NOW");
#endif
}

TEST(ParseArgs, TodayAndNowFromTheFixedClock)
{
    // 2026-12-06 15:00 UTC is 00:00 JST on the 7th (`date -u -d 2026-12-06T15:00:00Z +%s`).
    FixClock("2026-12-06T15:00:00Z");
    EXPECT_EQ(NowUtcSeconds(), 1796569200LL);
    CliArgs args;
    std::string error;
    ASSERT_TRUE(ParseArgs({"owase", "--days", "3"}, {{}, {}, StationUse::One, true}, args, error));
    ASSERT_TRUE(ResolveDefaultDate(args, 135.0f, error)) << error;
    EXPECT_EQ(FormatDate(args.year, args.month, args.day), "2026-12-07");
    EXPECT_EQ(args.days, 3);
    ASSERT_TRUE(ParseArgs({"owase", "--days", "3"}, {{}, {}, StationUse::One, true}, args, error));
    ASSERT_TRUE(ResolveDefaultDate(args, 0.0f, error));
    EXPECT_EQ(FormatDate(args.year, args.month, args.day), "2026-12-06");
    FixClock("9999-12-31T00:00:00Z"); // three days from then pass the last date
    ASSERT_TRUE(ParseArgs({"owase", "--days", "3"}, {{}, {}, StationUse::One, true}, args, error));
    EXPECT_FALSE(ResolveDefaultDate(args, 0.0f, error));
    FixClock(nullptr);
}

TEST(PortNames, PortFindsWhatThePortsSearchFinds)
{
    // The shipped table (data/ports.tsv): each query and the files of the rows that hold it.
    const std::vector<PortEntry> ports = ReadPortCatalog(MAREVO_SHIPPED_DT);
    struct { const char* query; std::vector<std::string> files; bool searched; } cases[] = {
        {"owase", {u8"24尾鷲"}, false},
        {u8"尾鷲", {u8"24尾鷲"}, false},
        {"sendai", {u8"04仙台新港"}, true},
        {"himeji", {u8"28姫路飾磨"}, true},
        {u8"姫路", {u8"28姫路飾磨"}, true},
        {u8"飾磨", {u8"28姫路飾磨"}, true},
        {u8"八丈島", {u8"13八丈神湊", u8"13八重根"}, true},
        {"Hachijojima", {u8"13八丈神湊", u8"13八重根"}, true},
        {u8"三宅島", {u8"13三宅坪田", u8"13三宅阿古"}, true},
        {"xyzzy12345", {}, false},
    };
    for (const auto& c : cases) {
        const PortMatch m = MatchPort(ports, c.query);
        std::vector<std::string> files;
        for (const PortEntry* p : m.found) files.push_back(p->file);
        EXPECT_EQ(files, c.files) << c.query;
        EXPECT_EQ(m.searched, c.searched) << c.query;
        std::vector<std::string> listed;
        for (const PortEntry* p : SearchPorts(ports, c.query)) listed.push_back(p->file);
        if (c.searched) {
            EXPECT_EQ(listed, files) << c.query;
        }
    }
}

TEST(PortNames, OneKeyForEveryWayOfWritingAName)
{
    const char* const tokyo[] = {"Tokyo", "TOKYO", u8"Tōkyō", u8"とうきょう", u8"トウキョウ", "toukyou", u8"ＴＯＫＹＯ"};
    for (const char* name : tokyo) EXPECT_EQ(MatchKey(name), "tokyo") << name;
    EXPECT_EQ(MatchKey(u8"おわせ"), MatchKey("Owase"));
    EXPECT_EQ(MatchKey(u8"しんばし"), MatchKey("Shimbashi"));
    EXPECT_EQ(MatchKey(u8"きっかわ"), "kikkawa");
    EXPECT_EQ(MatchKey(u8"まっちゃ"), "matcha");
    EXPECT_EQ(MatchKey(u8"じゅうにこ"), "juniko");
    EXPECT_EQ(MatchKey(u8"Hachijojima (Yaene)"), MatchKey(u8"はちじょうじま やえね"));
    EXPECT_EQ(MatchKey(u8"八丈島（八重根）"), u8"八丈島八重根");
    EXPECT_NE(MatchKey("Esashi"), MatchKey("Esan"));
    EXPECT_EQ(EditDistance("kitten", "sitting"), 3);
    EXPECT_EQ(EditDistance(u8"尾鷲", u8"尾鷺"), 1); // one character, three bytes
    EXPECT_EQ(EditDistance("", "abc"), 3);
}

TEST(PortNames, CatalogOfTheFixtureAndMatching)
{
    const std::vector<PortEntry> ports = ReadPortCatalog(Fixture + "/dt");
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports[0].file, u8"01枝幸");
    const PortEntry& tokyo = ports[2];
    EXPECT_EQ(tokyo.file, u8"13東京");
    EXPECT_EQ(tokyo.name, u8"東京"); // no row: from the file's header
    EXPECT_EQ(tokyo.romaji, "");
    EXPECT_NEAR(tokyo.latitude, 35 + 39 / 60.0, 1e-9);
    EXPECT_EQ(ports[3].romaji, "Owase");
    EXPECT_EQ(ports[3].prefecture, 24);
    EXPECT_STREQ(PrefectureName(24), u8"三重県");

    for (const char* name : {u8"24尾鷲", u8"尾鷲", "owase", "OWASE", u8"おわせ", u8"ｏｗａｓｅ"}) {
        const PortMatch m = MatchPort(ports, name);
        ASSERT_EQ(m.found.size(), 1u) << name;
        EXPECT_EQ(m.found[0]->file, u8"24尾鷲");
    }
    EXPECT_EQ(MatchPort(ports, "esashi").found.size(), 2u);
    const PortMatch near = MatchPort(ports, "Owasi");
    EXPECT_TRUE(near.found.empty());
    ASSERT_FALSE(near.suggestions.empty());
    EXPECT_EQ(near.suggestions[0]->file, u8"24尾鷲");
    EXPECT_TRUE(MatchPort(ports, "xyzzy12345").suggestions.empty());
    EXPECT_EQ(SearchPorts(ports, u8"北海道").size(), 2u);
    EXPECT_EQ(SearchPorts(ports, "mie").size(), 1u);
    EXPECT_EQ(SearchPorts(ports, "").size(), 4u);
}

TEST(Distance, GreatCirclesOfTheSphere)
{
    const double degree = 2 * 3.14159265358979323846 * 6371 / 360; // 111.195 km
    EXPECT_NEAR(DistanceKm(0, 0, 1, 0), degree, 1e-6);
    EXPECT_NEAR(DistanceKm(0, 0, 0, 90), 90 * degree, 1e-6);
    EXPECT_NEAR(DistanceKm(60, 10, 60, 11), degree * 0.5, 0.01); // cos 60 = 0.5, short arc
    EXPECT_NEAR(DistanceKm(35, 139, 34, 136), DistanceKm(34, 136, 35, 139), 1e-9);
}

TEST(Icalendar, InstantsLinesAndEscapes)
{
    EXPECT_EQ(IcsUtcDateTime(2026, 12, 7, 5, 16, 135), "20261206T201600Z");
    EXPECT_EQ(IcsUtcDateTime(2027, 1, 1, 8, 59, 135), "20261231T235900Z");
    EXPECT_EQ(IcsUtcDateTime(2024, 3, 1, 0, 0, 135), "20240229T150000Z");
    EXPECT_EQ(IcsUtcDateTime(2026, 12, 7, 23, 30, -150), "20261208T093000Z");
    EXPECT_EQ(IsoDateTime(2026, 12, 7, 5, 16, -52.5f), "2026-12-07T05:16:00-03:30");
    // --utc: the same instants in UTC, across a day's, a year's and a leap day's edge.
    EXPECT_EQ(IsoDateTime(2026, 12, 7, 5, 16, 135, true), "2026-12-06T20:16:00Z");
    EXPECT_EQ(IsoDateTime(2027, 1, 1, 8, 59, 135, true), "2026-12-31T23:59:00Z");
    EXPECT_EQ(IsoDateTime(2024, 3, 1, 0, 0, 150, true), "2024-02-29T14:00:00Z");
    EXPECT_EQ(IsoDateTime(2026, 12, 7, 23, 30, -52.5f, true), "2026-12-08T03:00:00Z");
    EXPECT_EQ(IcsEscape("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
    EXPECT_EQ(UidPart(u8"24尾鷲"), "24%E5%B0%BE%E9%B7%B2");

    std::string value;
    for (int i = 0; i < 40; ++i) value += u8"潮";
    IcsWriter ics;
    ics.Line("SUMMARY", value);
    const std::string text = ics.Text();
    std::string unfolded;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 75u);
        const std::string content = start == 0 ? line : line.substr(1);
        if (start != 0) {
            EXPECT_EQ(line[0], ' ');
        }
        EXPECT_NE(static_cast<unsigned char>(content[0]) & 0xC0, 0x80) << "a character cut at a fold";
        unfolded += content;
        start = end + 2;
    }
    EXPECT_EQ(unfolded, "SUMMARY:" + value);
}

TEST(Numbers, HeightsToATenthPositionsAsWritten)
{
    JsonWriter json;
    json.BeginArray().Fixed(149.7742f, 1).Fixed(-0.04, 1).Fixed(-0.05, 1).Fixed(std::numeric_limits<double>::infinity(), 1);
    json.Raw("34.05").Raw("-0.5").Raw("+34.05").Raw("34.").Raw(" 34").Raw("").EndArray();
    EXPECT_EQ(json.Text(), "[149.8,0.0,-0.1,null,34.05,-0.5,null,null,null,null]");
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", PrintedHeight(-0.04f));
    EXPECT_STREQ(text, "0.0");
}

TEST(Span, ASeriesWrittenPieceByPieceIsTheWholeSeries)
{
    Station station;
    ASSERT_EQ(LoadStationFile(NativePath(Fixture + u8"/dt/24尾鷲.MV2").c_str(), station), LoadStatus::Ok);
    for (int step : {1, 7, 1440}) {
        const long long count = 3 * 1440 / step + 1;
        const std::vector<float> whole = ComputeHeights(station, 2028, 2, 28, step, 0, count);
        std::vector<float> pieces;
        for (long long first = 0; first < count; first += 97) {
            const std::vector<float> piece = ComputeHeights(station, 2028, 2, 28, step, first, std::min(97LL, count - first));
            pieces.insert(pieces.end(), piece.begin(), piece.end());
        }
        EXPECT_EQ(pieces, whole) << step;
    }
}

TEST(Span, ThreadsChangeNothingAndEveryDayIsThere)
{
    Station station;
    ASSERT_EQ(LoadStationFile(NativePath(Fixture + u8"/dt/24尾鷲.MV2").c_str(), station), LoadStatus::Ok);
    const std::vector<SpanDay> one = ComputeSpan(station, 2027, 12, 1, 100, 1);
    const std::vector<SpanDay> three = ComputeSpan(station, 2027, 12, 1, 100, 3);
    ASSERT_EQ(one.size(), 100u);
    ASSERT_EQ(three.size(), 100u);
    EXPECT_EQ(FormatDate(one[90].year, one[90].month, one[90].day), "2028-02-29");
    EXPECT_EQ(FormatDate(one[99].year, one[99].month, one[99].day), "2028-03-09");
    for (size_t i = 0; i < one.size(); ++i) {
        ASSERT_EQ(one[i].events.size(), three[i].events.size()) << i;
        EXPECT_GE(one[i].events.size(), 2u);
        for (size_t j = 0; j < one[i].events.size(); ++j) {
            EXPECT_EQ(one[i].events[j].high, three[i].events[j].high);
            EXPECT_EQ(one[i].events[j].height, three[i].events[j].height);
            EXPECT_EQ(one[i].events[j].minute, three[i].events[j].minute);
        }
    }
}

} // namespace
} // namespace marevo::cli
