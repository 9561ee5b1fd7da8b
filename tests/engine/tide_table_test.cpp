// The 42-day tide table: slots, columns, the type of the first event and the counts of
// highs and lows per day, across a year end and through 29 February.
#include <gtest/gtest.h>

#include "engine/tide_table.h"
#include "station_files.h"

using namespace marevo;
using namespace marevo::test;

namespace {

struct TableRun {
    Calendar cal;
    TideTableResults results;
};

void Compute(const Station& s, int year, int month, int day, TableRun& run)
{
    SetFebruaryForYear(run.cal, year);
    ComputeTideTable(year, month, day, s, run.cal, run.results);
}

// The high and low waters of one date prepared on its own.
DayExtremes DayAlone(const Station& s, int year, int month, int day)
{
    Calendar cal;
    SetFebruaryForYear(cal, year);
    ConstituentTables t;
    ExtremeDetector d;
    DayExtremes out;
    PrepareConstituents(year, month, day, s, cal, t);
    FindDayExtremes(s, t, d, out);
    return out;
}

void ExpectRowIs(const TideTableResults& r, int row, const DayExtremes& day, const char* what)
{
    for (int j = 0; j < TableSlots; ++j) {
        const int i = TableSlots * row + j;
        if (j < day.count) {
            EXPECT_EQ(r.TableHour[i], day.events[j].hour) << what << " slot " << j;
            EXPECT_EQ(r.TableMinute[i], day.events[j].minute) << what << " slot " << j;
            EXPECT_EQ(r.TableHeight[i], day.events[j].height) << what << " slot " << j;
        } else {
            EXPECT_EQ(r.TableHeight[i], EmptySlot) << what << " slot " << j;
            EXPECT_EQ(r.TableHour[i], EmptySlot) << what << " slot " << j;
        }
    }
}

int UsedSlots(const TideTableResults& r, int row)
{
    int n = 0;
    for (int j = 0; j < TableSlots; ++j) n += r.TableHeight[TableSlots * row + j] != EmptySlot;
    return n;
}

Station SingleConstituent(int index, float amplitude, float phaseLag)
{
    Station s;
    s.Longitude = s.StandardMeridian = 135.0f;
    s.Amplitude[index] = amplitude;
    s.PhaseLag[index] = phaseLag;
    return s;
}

} // namespace

TEST(TideTable, AcrossTheYearEnd)
{
    // 2008-12-20 runs to 2009-01-30: row 12 is 2009-01-01 (day of the year 0, three leap
    // days since 2000).
    const Station s = MixedPort();
    TableRun run;
    Compute(s, 2008, 12, 20, run);
    ExpectRowIs(run.results, 0, DayAlone(s, 2008, 12, 20), "2008-12-20");
    ExpectRowIs(run.results, 11, DayAlone(s, 2008, 12, 31), "2008-12-31");
    ExpectRowIs(run.results, 12, DayAlone(s, 2009, 1, 1), "2009-01-01");
    ExpectRowIs(run.results, 41, DayAlone(s, 2009, 1, 30), "2009-01-30");
    // A mixed tide: 3 or 4 events a day (a fifth can appear), the busiest day sets the columns.
    int busiest = 0;
    for (int r = 0; r < TableDays; ++r) {
        EXPECT_GE(UsedSlots(run.results, r), 2) << r;
        busiest = std::max(busiest, UsedSlots(run.results, r));
    }
    EXPECT_EQ(run.results.TableColumns, busiest - 1);
    EXPECT_GE(run.results.TableColumns, 3);
}

TEST(TideTable, ThroughTheTwentyNinthOfFebruary)
{
    const Station s = MixedPort();
    TableRun run;
    run.cal.MonthLengths[2] = 28; // as left by a refresh of another year
    ComputeTideTable(2008, 2, 10, s, run.cal, run.results);
    ExpectRowIs(run.results, 18, DayAlone(s, 2008, 2, 28), "2008-02-28");
    ExpectRowIs(run.results, 19, DayAlone(s, 2008, 2, 29), "2008-02-29");
    ExpectRowIs(run.results, 20, DayAlone(s, 2008, 3, 1), "2008-03-01");
    ExpectRowIs(run.results, 41, DayAlone(s, 2008, 3, 22), "2008-03-22");
    // An unnormalised first day is the same table.
    TableRun other;
    Compute(s, 2008, 1, 41, other);
    for (int i = 0; i < TableDays * TableSlots; ++i) ASSERT_EQ(other.results.TableHeight[i], run.results.TableHeight[i]) << i;
}

TEST(TideTable, FirstEventTypeAndCountsPerDay)
{
    // S2 alone: the same four events every day.
    struct { float lag; int firstHigh; } cases[] = {{7.5f, 1}, {187.5f, 0}, {97.5f, 1}, {277.5f, 0}};
    for (const auto& c : cases) {
        const Station s = SingleConstituent(IndexS2, 100.0f, c.lag);
        TableRun run;
        Compute(s, 2008, 5, 14, run);
        const TideTableResults& r = run.results;
        EXPECT_EQ(r.FirstEventIsHigh, c.firstHigh) << c.lag;
        EXPECT_EQ(r.TableColumns, 3) << c.lag;
        EXPECT_EQ(r.MaxLowPerDay, 2) << c.lag;
        EXPECT_EQ(r.MaxHighPerDay, 2) << c.lag;
        EXPECT_EQ(r.TableHeight[4], EmptySlot);
        // The first slot's height agrees with its type.
        EXPECT_EQ(r.TableHeight[0] > 0, c.firstHigh == 1) << c.lag;
    }
}

TEST(TideTable, FirstEventTypeDecidedFromLaterDays)
{
    // Mm alone (27.6 days): a turning point every two weeks, so the first day holds no
    // event and the type follows from the first two events of the table.
    const Station s = SingleConstituent(2, 100.0f, 0.0f);
    TableRun run;
    Compute(s, 2008, 5, 14, run);
    const TideTableResults& r = run.results;
    ASSERT_LT(UsedSlots(r, 0), 2);
    int first = -1, second = -1, events = 0;
    for (int i = 0; i < TableDays * TableSlots; ++i) {
        if (r.TableHeight[i] == EmptySlot) continue;
        ++events;
        if (first < 0) first = i;
        else if (second < 0) second = i;
    }
    ASSERT_GE(events, 2);
    EXPECT_EQ(r.TableColumns, 0);
    EXPECT_EQ(r.FirstEventIsHigh, r.TableHeight[first] > r.TableHeight[second] ? 1 : 0);
    EXPECT_EQ(r.FirstEventIsHigh, r.TableHeight[first] > 0 ? 1 : 0); // a high water lies above Z0
    EXPECT_EQ(r.MaxLowPerDay, 1);
    EXPECT_EQ(r.MaxHighPerDay, 1);
}

TEST(TideTable, NoEventAtAllLeavesTheTypeUndecided)
{
    // A still sea: no turning point in 42 days.
    Station s;
    s.Longitude = s.StandardMeridian = 135.0f;
    s.MeanSeaLevel = 100.0f;
    TableRun run;
    run.results.TableColumns = 7;
    Compute(s, 2008, 5, 14, run);
    EXPECT_EQ(run.results.FirstEventIsHigh, -1);
    EXPECT_EQ(run.results.TableColumns, 0);
    EXPECT_EQ(run.results.MaxLowPerDay, 0);
    EXPECT_EQ(run.results.MaxHighPerDay, 0);
    for (int i = 0; i < TableDays * TableSlots; ++i) ASSERT_EQ(run.results.TableMinute[i], EmptySlot);
}

TEST(TideTable, FirstAndLastYearsOfTheEra)
{
    const Station s = MixedPort();
    TableRun first, last;
    Compute(s, 1, 1, 1, first);
    Compute(s, 9999, 12, 20, last); // runs into the year 10000
    for (const TableRun* run : {&first, &last}) {
        EXPECT_GE(run->results.FirstEventIsHigh, 0);
        EXPECT_GE(run->results.TableColumns, 2);
        EXPECT_LE(run->results.TableColumns, TableSlots - 1);
        EXPECT_GE(run->results.MaxLowPerDay + run->results.MaxHighPerDay, 3);
    }
}

TEST(TideTable, FewerDaysAreTheFirstRowsOfTheWholeTable)
{
    const Station s = MixedPort();
    TableRun whole;
    Compute(s, 2008, 12, 28, whole); // across the year end
    for (int days : {1, 7}) {
        TideTableResults part;
        ComputeTideTable(2008, 12, 28, s, whole.cal, part, days);
        for (int i = 0; i < TableDays * TableSlots; ++i) {
            const bool computed = i < days * TableSlots;
            EXPECT_EQ(part.TableHeight[i], computed ? whole.results.TableHeight[i] : EmptySlot)
                << days << " days, slot " << i;
            EXPECT_EQ(part.TableHour[i], computed ? whole.results.TableHour[i] : EmptySlot)
                << days << " days, slot " << i;
        }
    }
}
