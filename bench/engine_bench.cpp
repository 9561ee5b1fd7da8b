// Timings of the tide engine: one height, one day's preparation, one day's high and low
// waters, the 42-day table and a whole year of high and low waters for one port. Height and
// table are timed for a port of 40 constituents and one of 60 (argument 40 or 60).
#include <benchmark/benchmark.h>

#include "engine/tide_table.h"

using namespace marevo;

namespace {

// A mixed port with every constituent in use, so that no term is skipped for being zero;
// constituents is 40 or 60.
Station BenchPort(int constituents = ConstituentCount)
{
    Station s;
    s.Latitude = 34.0667f;
    s.Longitude = 136.2f;
    s.StandardMeridian = 135.0f;
    s.MeanSeaLevel = 110.0f;
    for (int i = 0; i < constituents; ++i) {
        s.Amplitude[i] = 1.0f + static_cast<float>(i % 7);
        s.PhaseLag[i] = static_cast<float>((i * 37) % 360);
    }
    s.ExtraConstituents = constituents - ConstituentCount;
    s.Amplitude[IndexM2] = 52.0f;
    s.Amplitude[IndexS2] = 24.0f;
    s.Amplitude[IndexK1] = 25.0f;
    s.Amplitude[IndexO1] = 19.0f;
    return s;
}

struct Prepared {
    Station station;
    Calendar cal;
    ConstituentTables tables;
    ExtremeDetector detector;
    explicit Prepared(int constituents = ConstituentCount) : station(BenchPort(constituents))
    {
        SetFebruaryForYear(cal, 2008);
        PrepareConstituents(2008, 5, 14, station, cal, tables);
    }
};

void BM_TideHeight(benchmark::State& state)
{
    Prepared p(static_cast<int>(state.range(0)));
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TideHeight(t, p.station, p.tables));
        t = t < 1008 ? t + 0.3333 : 0; // the 42 days a picture spans
    }
}
BENCHMARK(BM_TideHeight)->Arg(ConstituentCount)->Arg(MaxConstituents);

void BM_PrepareConstituents(benchmark::State& state)
{
    Prepared p;
    int day = 1;
    for (auto _ : state) {
        PrepareConstituents(2008, 5, day, p.station, p.cal, p.tables);
        benchmark::DoNotOptimize(p.tables.PhaseOffset[IndexM2]);
        day = day % 31 + 1;
    }
}
BENCHMARK(BM_PrepareConstituents);

void BM_FindDayExtremes(benchmark::State& state)
{
    Prepared p;
    DayExtremes day;
    for (auto _ : state) {
        FindDayExtremes(p.station, p.tables, p.detector, day);
        benchmark::DoNotOptimize(day.count);
    }
}
BENCHMARK(BM_FindDayExtremes);

void BM_ComputeTideTable(benchmark::State& state)
{
    Prepared p(static_cast<int>(state.range(0)));
    TideTableResults results;
    for (auto _ : state) {
        ComputeTideTable(2008, 12, 20, p.station, p.cal, results);
        benchmark::DoNotOptimize(results.TableColumns);
    }
}
BENCHMARK(BM_ComputeTideTable)->Arg(ConstituentCount)->Arg(MaxConstituents)->Unit(benchmark::kMillisecond);

void BM_YearOfExtremes(benchmark::State& state)
{
    Prepared p;
    DayExtremes day;
    for (auto _ : state) {
        int events = 0;
        SetFebruaryForYear(p.cal, 2008);
        for (int d = 1; d <= 366; ++d) {
            int y = 2008, m = 1, dd = d;
            NormalizeDate(y, m, dd);
            PrepareConstituents(y, m, dd, p.station, p.cal, p.tables);
            FindDayExtremes(p.station, p.tables, p.detector, day);
            events += day.count;
        }
        benchmark::DoNotOptimize(events);
    }
}
BENCHMARK(BM_YearOfExtremes)->Unit(benchmark::kMillisecond);

} // namespace
