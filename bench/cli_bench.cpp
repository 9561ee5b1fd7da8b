// Timings of marevo-cli's spans: a year of one port on one thread and on every core, and a
// year of every shipped port shared out between the cores as extremes --all does.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cli/port_catalog.h"
#include "cli/span.h"
#include "engine/station.h"

using namespace marevo;
using namespace marevo::cli;

namespace {

const std::string DtFolder = MAREVO_BENCH_DT;

Station Owase()
{
    Station s;
    LoadStationFile((DtFolder + u8"/24尾鷲.MV2").c_str(), s);
    return s;
}

void BM_SpanYearOnePort(benchmark::State& state)
{
    const Station station = Owase();
    const int threads = state.range(0) == 0 ? WorkerCount() : static_cast<int>(state.range(0));
    for (auto _ : state) {
        const std::vector<SpanDay> days = ComputeSpan(station, 2026, 1, 1, 365, threads);
        benchmark::DoNotOptimize(days.data());
    }
    state.counters["threads"] = threads;
}
BENCHMARK(BM_SpanYearOnePort)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

struct AllPorts {
    std::vector<Station> stations;
    std::vector<std::vector<SpanDay>> results;
};

void OnePort(int index, void* context)
{
    AllPorts& all = *static_cast<AllPorts*>(context);
    all.results[index] = ComputeSpan(all.stations[index], 2026, 1, 1, 365, 1);
}

void BM_SpanYearAllPorts(benchmark::State& state)
{
    AllPorts all;
    for (const PortEntry& p : ReadPortCatalog(DtFolder)) {
        Station s;
        if (LoadStationFile(p.path.c_str(), s) == LoadStatus::Ok) all.stations.push_back(s);
    }
    all.results.resize(all.stations.size());
    for (auto _ : state) {
        ParallelFor(static_cast<int>(all.stations.size()), WorkerCount(), OnePort, &all);
        benchmark::DoNotOptimize(all.results.data());
    }
    state.counters["ports"] = static_cast<double>(all.stations.size());
}
BENCHMARK(BM_SpanYearAllPorts)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
