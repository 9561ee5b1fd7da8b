// High and low waters of real ports: over two years of every shipped port file, each event
// keeps its own kind, is listed once, belongs to one day and agrees with the table; and the
// named days of port files copied under tests/engine/data or shipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/tide_table.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#endif

using namespace marevo;

namespace {

const std::string Fixtures = MAREVO_ENGINE_FIXTURES;

std::vector<std::string> ShippedPortFiles()
{
    const std::string dt = std::string(MAREVO_TEST_DATA) + "/dt/";
    std::vector<std::string> paths;
#ifdef _WIN32
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dt + "*.MV2").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return paths;
    do paths.push_back(dt + found.cFileName);
    while (FindNextFileA(h, &found));
    FindClose(h);
#else
    if (DIR* dir = opendir(dt.c_str())) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.size() > 4 && name.substr(name.size() - 4) == ".MV2") paths.push_back(dt + name);
        }
        closedir(dir);
    }
#endif
    return paths;
}

Station Load(const std::string& path)
{
    Station s;
    EXPECT_EQ(LoadStationFile(path.c_str(), s), LoadStatus::Ok) << path;
    return s;
}

// One event of a run of days, its time in minutes from 0 h of the first day.
struct Timed {
    int minute;
    TideEvent e;
};

// The events of a computed table, in reading order.
void AppendTable(const TideTableResults& r, int firstDayIndex, std::vector<Timed>& out)
{
    for (int d = 0; d < TableDays; ++d)
        for (int j = 0; j < TableSlots; ++j) {
            const int i = TableSlots * d + j;
            if (r.TableHeight[i] == EmptySlot) continue;
            const TideEvent e{r.TableHour[i], r.TableMinute[i], r.TableHeight[i], r.TableHigh[i]};
            out.push_back({1440 * (firstDayIndex + d) + int(e.hour) * 60 + int(e.minute), e});
        }
}

// Consecutive events alternate between high and low, a high standing above the lows beside
// it, and no two share a minute. An event listed twice (the two ends of a level step at a
// crest or a trough, or on both sides of a midnight), or lost at a midnight, breaks this.
void ExpectAlternation(const std::vector<Timed>& ev, const std::string& where)
{
    for (size_t i = 1; i < ev.size(); ++i) {
        const Timed &a = ev[i - 1], &b = ev[i];
        const std::string at = where + " day " + std::to_string(b.minute / 1440) + " " +
                               std::to_string(b.minute % 1440 / 60) + ":" +
                               std::to_string(b.minute % 60);
        ASSERT_LT(a.minute, b.minute) << at << ": two events at one time";
        if (a.e.high == b.e.high) {
            ADD_FAILURE() << at << ": two " << (b.e.high ? "highs" : "lows") << " in a row";
            continue;
        }
        const Timed& high = a.e.high ? a : b;
        const Timed& low = a.e.high ? b : a;
        // Two turning points a few minutes apart on a nearly level curve are interpolated
        // from different samples; their heights may cross by far less than the 0.1 cm shown.
        EXPECT_GE(high.e.height, low.e.height) << at << ": a high below a low beside it";
    }
}

} // namespace

TEST(PortExtremes, EveryShippedPortOverTwoYears)
{
    const std::vector<std::string> files = ShippedPortFiles();
    ASSERT_GE(files.size(), 100u);
#if defined(__SANITIZE_ADDRESS__)
    constexpr size_t PortStep = 10; // a sample of the ports under the sanitizers, ten times slower
#else
    constexpr size_t PortStep = 1;
#endif
    for (size_t p = 0; p < files.size(); p += PortStep) {
        const std::string& path = files[p];
        const Station s = Load(path);
        // Eighteen tables of 42 days from 2026-01-01 cover 2026 and 2027.
        std::vector<Timed> year;
        Calendar cal;
        TideTableResults r;
        for (int n = 0; n < 18; ++n) {
            SetFebruaryForYear(cal, 2026);
            ComputeTideTable(2026, 1, 1 + 42 * n, s, cal, r);
            const size_t before = year.size();
            AppendTable(r, 42 * n, year);
            // The kinds' figures of the table follow its events.
            if (year.size() > before) {
                EXPECT_EQ(r.FirstEventIsHigh, year[before].e.high ? 1 : 0) << path;
            }
            if (n > 0) continue;
            // The first table's rows are the days' own lists, as the views and marevo-cli
            // find them one date at a time.
            for (int d = 0; d < TableDays; ++d) {
                DayExtremes day;
                FindDateExtremes(2026, 1, 1 + d, s, cal, day);
                ASSERT_LE(day.count, TableSlots) << path << " day " << d << ": the table drops some";
                for (int j = 0; j < TableSlots; ++j) {
                    const int i = TableSlots * d + j;
                    if (j >= day.count) {
                        EXPECT_EQ(r.TableHeight[i], EmptySlot) << path << " day " << d;
                        continue;
                    }
                    EXPECT_EQ(r.TableHour[i] * 60 + r.TableMinute[i],
                              day.events[j].hour * 60 + day.events[j].minute) << path << " day " << d;
                    EXPECT_EQ(r.TableHeight[i], day.events[j].height) << path << " day " << d;
                    EXPECT_EQ(r.TableHigh[i], day.events[j].high) << path << " day " << d;
                }
            }
        }
        ExpectAlternation(year, path);
        if (HasFailure()) return; // one port's faults are enough to read
    }
}

TEST(PortExtremes, MidnightExtremesAreListedOnceNamedDays)
{
    struct Case {
        const char* file;
        int year, month, day; // the day before the midnight
        bool high;            // the kind of the extreme at that midnight
    } const cases[] = {
        {"43misumi.MV2", 2026, 10, 31, true},  // a crest at 23:59 / 00:00
        {"42gonoura.MV2", 2026, 9, 6, false},  // a trough missing from both days
    };
    for (const Case& c : cases) {
        const Station s = Load(Fixtures + "/" + c.file);
        Calendar cal;
        DayExtremes first, second;
        FindDateExtremes(c.year, c.month, c.day, s, cal, first);
        FindDateExtremes(c.year, c.month, c.day + 1, s, cal, second);
        int nearMidnight = 0;
        std::vector<Timed> both;
        for (int i = 0; i < first.count; ++i) {
            const TideEvent& e = first.events[i];
            const int m = int(e.hour) * 60 + int(e.minute);
            nearMidnight += m >= 1430 && e.high == c.high;
            both.push_back({m, e});
        }
        for (int i = 0; i < second.count; ++i) {
            const TideEvent& e = second.events[i];
            const int m = int(e.hour) * 60 + int(e.minute);
            nearMidnight += m <= 10 && e.high == c.high;
            both.push_back({1440 + m, e});
        }
        EXPECT_EQ(nearMidnight, 1) << c.file;
        ExpectAlternation(both, c.file);
    }
}

// A shipped port's name as the C library's fopen takes it: code page 932 on Windows, UTF-8
// elsewhere.
#ifdef _WIN32
#define SHIPPED_PORT(name) name
#else
#define SHIPPED_PORT(name) u8##name
#endif

TEST(PortExtremes, ATurningPointOnAStepEdgeIsListedOnceNamedDays)
{
    // Two equal samples of the 20-minute grid at a crest or a trough: the turning point lies
    // on the edge between two steps (hh:10, hh:30 or hh:50), where the detector reports it at
    // both ends of the level step. The water sampled every minute turns within a few minutes
    // of the listed time.
    struct Case {
        const char* port;
        int year, month, day;
        int minute; // of the day
        bool high;
    } const cases[] = {
        {SHIPPED_PORT("43三角"), 2026, 7, 7, 13 * 60 + 10, true},
        {SHIPPED_PORT("01函館"), 2027, 10, 29, 3 * 60 + 10, true},
        {SHIPPED_PORT("01留萌"), 2026, 5, 20, 10 * 60 + 50, false},
        {SHIPPED_PORT("01網走"), 2026, 7, 26, 23 * 60 + 50, true},
        {SHIPPED_PORT("02大湊"), 2027, 11, 24, 11 * 60 + 50, true},
        {SHIPPED_PORT("13父島"), 2027, 5, 17, 3 * 60 + 10, true},
        {SHIPPED_PORT("28明石"), 2027, 1, 28, 5 * 60 + 10, false},
        {SHIPPED_PORT("35須佐"), 2026, 4, 24, 17 * 60 + 10, true},
    };
    for (const Case& c : cases) {
        const std::string where = std::string(c.port) + " " + std::to_string(c.month) + "-" +
                                  std::to_string(c.day);
        const Station s = Load(std::string(MAREVO_TEST_DATA) + "/dt/" + c.port + ".MV2");
        Calendar cal;
        std::vector<Timed> days; // the day before, the day and the day after
        for (int d = -1; d <= 1; ++d) {
            DayExtremes out;
            FindDateExtremes(c.year, c.month, c.day + d, s, cal, out);
            for (int i = 0; i < out.count; ++i) {
                const TideEvent& e = out.events[i];
                days.push_back({1440 * (d + 1) + int(e.hour) * 60 + int(e.minute), e});
            }
        }
        // Within two minutes of the edge: a last-bit change of the sum may move a turning point
        // off the edge by a minute, and it is still one high or low water.
        int listed = 0;
        for (const Timed& t : days)
            listed += std::abs(t.minute - (1440 + c.minute)) <= 2 && t.e.high == c.high;
        EXPECT_EQ(listed, 1) << where;
        ExpectAlternation(days, where);

        ConstituentTables tables;
        SetFebruaryForYear(cal, c.year);
        PrepareConstituents(c.year, c.month, c.day, s, cal, tables);
        int turn = c.minute - 30;
        for (int m = c.minute - 30; m <= c.minute + 30; ++m) {
            const float h = TideHeight(m / 60.0, s, tables);
            const float best = TideHeight(turn / 60.0, s, tables);
            if (c.high ? h > best : h < best) turn = m;
        }
        EXPECT_NEAR(turn, c.minute, 6) << where;
    }
}

TEST(PortExtremes, KindsOfTheTableDoNotFollowPositionNamedDays)
{
    // 三角 from 2026-10-22: on 11-01 the water of about 6:48 (75 cm) is a low and that of
    // about 13:36 (324 cm) a high, whatever the days before held.
    const Station s = Load(Fixtures + "/43misumi.MV2");
    Calendar cal;
    TideTableResults r;
    SetFebruaryForYear(cal, 2026);
    ComputeTideTable(2026, 10, 22, s, cal, r);
    int seen = 0;
    for (int j = 0; j < TableSlots; ++j) {
        const int i = TableSlots * 10 + j; // row 10 is 11-01
        if (r.TableHour[i] != 6 && r.TableHour[i] != 13) continue;
        EXPECT_EQ(r.TableHigh[i], r.TableHour[i] == 13) << r.TableHour[i];
        ++seen;
    }
    EXPECT_EQ(seen, 2);
    std::vector<Timed> events;
    AppendTable(r, 0, events);
    ExpectAlternation(events, "三角 from 2026-10-22");
}

TEST(PortExtremes, TableFromNewYearsDayOfAnyYear)
{
    // The first row's first samples come from the last day of the year before: a leap year
    // after a common one (2024, 2028), a common year after a leap one (2025) and after a
    // common one (2026). Each first row is the day's own list, every event of it.
    for (const char* file : {"/01muroran.MV2", "/42gonoura.MV2", "/43misumi.MV2"}) {
        const Station s = Load(Fixtures + file);
        for (int year : {2024, 2025, 2026, 2028}) {
            Calendar cal;
            SetFebruaryForYear(cal, year);
            TideTableResults r;
            ComputeTideTable(year, 1, 1, s, cal, r);
            DayExtremes day;
            FindDateExtremes(year, 1, 1, s, cal, day);
            const std::string where = std::string(file) + " " + std::to_string(year);
            ASSERT_LE(day.count, TableSlots) << where;
            for (int j = 0; j < TableSlots; ++j) {
                if (j >= day.count) {
                    EXPECT_EQ(r.TableHeight[j], EmptySlot) << where << " slot " << j;
                    continue;
                }
                EXPECT_EQ(r.TableHour[j] * 60 + r.TableMinute[j],
                          day.events[j].hour * 60 + day.events[j].minute)
                    << where << " slot " << j;
                EXPECT_EQ(r.TableHeight[j], day.events[j].height) << where << " slot " << j;
                EXPECT_EQ(r.TableHigh[j], day.events[j].high) << where << " slot " << j;
            }
        }
    }
}
