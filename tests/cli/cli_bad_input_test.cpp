// marevo-cli facing bad input: every refused command line and unreadable station says what
// was wrong, naming the word or file, and JSON strings escape what they must.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

#include "cli/cli_args.h"
#include "cli/cli_station.h"
#include "cli/json_writer.h"

namespace marevo::cli {
namespace {

const OptionSpec TableOptions = {{"--json", "--csv"}, {}};

TEST(CliBadInput, RefusedCommandLinesNameTheWord)
{
    struct { Words words; const char* named; } cases[] = {
        {{"--station", "a.MV2", "--xml"}, "--xml"},
        {{"--station"}, "--station"},
        {{"--station", "a.MV2", "--date"}, "--date"},
        {{"--station", "a", "--station", "b"}, "--station"},
        {{"--station", "a", "--json", "--json"}, "--json"},
        {{"--station", "a", "--date", "2023-02-29"}, "2023-02-29"},
        {{"--station", "a", "--date", "0000-01-01"}, "0000-01-01"},
        {{"--station", "a", "--date", "2024-13-01"}, "2024-13-01"},
        {{"--station", "a", "--date", "2024-1-01"}, "2024-1-01"},
        {{"--station", "a", "--date", "2024-01-01x"}, "2024-01-01x"},
        {{"--station", "a", "--date", "+024-01-01"}, "+024-01-01"},
        {{"--station", "a", "--date", ""}, ""},
        // A station must be named once and completely (the message names no one word).
        {{}, ""}, {{"--json"}, ""}, {{"--dt", "data/dt"}, ""},
        {{"--station", "a.MV2", "--dt", "data/dt"}, ""},
        {{"--station", "a.MV2", "--dt", "data/dt", "--port", "24尾鷲"}, ""},
        {{"--station", "a.MV2", "--port", "24尾鷲"}, ""},
    };
    for (const auto& c : cases) {
        CliArgs args;
        std::string error;
        EXPECT_FALSE(ParseArgs(c.words, TableOptions, args, error)) << c.named;
        EXPECT_FALSE(error.empty());
        EXPECT_NE(error.find(c.named), std::string::npos) << error;
    }
}

TEST(CliBadInput, ExtraWordsAndValuesWhereNoneBelong)
{
    const OptionSpec spec{{"--json"}, {}, StationUse::OneOrAll, true};
    struct { Words words; const char* named; } cases[] = {
        {{"owase", "sendai"}, "sendai"},                     // a second bare word
        {{"--port", "owase", "sendai"}, "sendai"},           // a port named twice
        {{"owase", "--port", "sendai"}, "--port"},
        {{"--", "owase", "--json"}, "--json"},               // after --, no option
        {{"owase", "--json=yes"}, "--json=yes"},             // a flag takes no value
        {{"owase", "--all=1"}, "--all=1"},
        {{"owase", "--date="}, ""},
        {{"owase", "--days=3", "--days", "4"}, "--days"},
        {{"owase", "--to=2027-01-01"}, "--to"},              // --to needs --from
        {{"owase", "--days", "0"}, "0"},
    };
    for (const auto& c : cases) {
        CliArgs args;
        std::string error;
        EXPECT_FALSE(ParseArgs(c.words, spec, args, error)) << c.named;
        EXPECT_NE(error.find(c.named), std::string::npos) << error;
    }
}

TEST(CliBadInput, DatesAtTheEdgesOfTheCalendar)
{
    struct { const char* text; bool ok; int y, m, d; } cases[] = {
        {"0001-01-01", true, 1, 1, 1},       {"9999-12-31", true, 9999, 12, 31},
        {"2000-02-29", true, 2000, 2, 29},   {"1900-02-29", false, 0, 0, 0},
        {"2024-04-31", false, 0, 0, 0},      {"2024-00-10", false, 0, 0, 0},
        {"2024-06-00", false, 0, 0, 0},      {"2024/06/01", false, 0, 0, 0},
        {"２０２４-06-01", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        int y = 0, m = 0, d = 0;
        EXPECT_EQ(ParseDate(c.text, y, m, d), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(y, c.y);
            EXPECT_EQ(m, c.m);
            EXPECT_EQ(d, c.d);
        }
    }
}

class CliStationFiles : public ::testing::Test {
protected:
    std::string Write(const char* name, const std::string& bytes)
    {
        const std::string path = ::testing::TempDir() + name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (f) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        written_.push_back(path);
        return path;
    }
    void TearDown() override
    {
        for (const std::string& path : written_) std::remove(path.c_str());
    }
    std::vector<std::string> written_;
};

TEST_F(CliStationFiles, UnreadableStationsAreRefusedWithTheFileName)
{
    struct { const char* what; std::string path; } cases[] = {
        {"missing", ::testing::TempDir() + "marevo_no_such_port.MV2"},
        {"empty", Write("marevo_cli_empty.MV2", "")},
        {"header cut short", Write("marevo_cli_short.MV2", "Port,34.04\n")},
        {"binary", Write("marevo_cli_binary.MV2", std::string("\x00\xff\x81\n", 4))},
        {"path beyond the station path buffer", std::string(300, 'p') + ".MV2"},
    };
    for (const auto& c : cases) {
        CliArgs args;
        args.station = c.path;
        Station station;
        std::string error;
        EXPECT_FALSE(LoadCliStation(args, station, error)) << c.what;
        EXPECT_NE(error.find(c.path), std::string::npos) << c.what << ": " << error;
    }
}

TEST_F(CliStationFiles, AnUnknownPortNamesThePort)
{
    CliArgs args;
    args.dt = ::testing::TempDir();
    args.port = "99nowhere";
    Station station;
    std::string error;
    EXPECT_FALSE(LoadCliStation(args, station, error));
    EXPECT_NE(error.find("99nowhere"), std::string::npos) << error;
}

TEST(CliBadInput, JsonStringsEscapeEveryControlCharacter)
{
    JsonWriter json;
    json.String(std::string("q\"b\\n\n\r\t\x01\x1f\x7f", 11));
    EXPECT_EQ(json.Text(), "\"q\\\"b\\\\n\\n\\r\\t\\u0001\\u001f\x7f\"");
}

} // namespace
} // namespace marevo::cli
