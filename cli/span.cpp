// Spans of days computed day by day, shared out between threads.
#include "cli/span.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

#include "engine/calendar.h"
#include "engine/constituents.h"

namespace marevo::cli {

int WorkerCount()
{
    const unsigned n = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(n == 0 ? 1u : n, 1u, 16u));
}

void AddDays(int& year, int& month, int& day, int days)
{
    day += days;
    NormalizeDate(year, month, day);
}

void ParallelFor(int count, int threads, void (*work)(int, void*), void* context)
{
    threads = std::clamp(threads, 1, std::max(1, count));
    std::atomic<int> next{0};
    auto run = [&] {
        for (int i = next++; i < count; i = next++) work(i, context);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) {
        try {
            pool.emplace_back(run);
        } catch (const std::system_error&) {
            break; // no further thread: the ones started and this one do the work
        }
    }
    run();
    for (std::thread& thread : pool) thread.join();
}

namespace {

struct SpanJob {
    const Station* station;
    std::vector<SpanDay>* days;
    int chunk;
};

// One chunk of consecutive days, its dates already set.
void ComputeChunk(int index, void* context)
{
    const SpanJob& job = *static_cast<SpanJob*>(context);
    const int first = index * job.chunk;
    const int last = std::min(first + job.chunk, static_cast<int>(job.days->size()));
    Calendar cal;
    ConstituentTables before, tables;
    ExtremeDetector detector;
    DayExtremes found;
    CarriedSamples carry;
    for (int i = first; i < last; ++i) {
        SpanDay& d = (*job.days)[i];
        // A day's search takes its first samples from the day before's preparation, so that
        // an extreme at midnight goes to one day only, as in single-day runs and the table.
        if (i == first) PrepareDayBefore(d.year, d.month, d.day, *job.station, cal, before);
        SetFebruaryForYear(cal, d.year);
        PrepareConstituents(d.year, d.month, d.day, *job.station, cal, tables);
        FindDayExtremes(*job.station, before, tables, detector, found, &carry);
        d.events.assign(found.events, found.events + found.count);
        before = tables;
    }
}

} // namespace

std::vector<SpanDay> ComputeSpan(const Station& station, int year, int month, int day, int days,
                                 int threads)
{
    std::vector<SpanDay> span(std::max(days, 0));
    for (SpanDay& d : span) {
        d.year = year, d.month = month, d.day = day;
        AddDays(year, month, day, 1);
    }
    // Chunks of a month: few enough to share out cheaply, small enough to balance.
    SpanJob job{&station, &span, 32};
    const int chunks = (days + job.chunk - 1) / job.chunk;
    ParallelFor(chunks, threads, ComputeChunk, &job);
    return span;
}

std::vector<float> ComputeHeights(const Station& station, int year, int month, int day,
                                  int stepMinutes, long long first, long long count)
{
    std::vector<float> heights;
    Calendar cal;
    ConstituentTables tables;
    long long preparedDay = -1;
    for (long long i = first; i < first + count; ++i) {
        const long long minute = i * stepMinutes, dayIndex = minute / 1440;
        if (dayIndex != preparedDay) {
            int y = year, m = month, d = day;
            AddDays(y, m, d, static_cast<int>(dayIndex));
            SetFebruaryForYear(cal, y);
            PrepareConstituents(y, m, d, station, cal, tables);
            preparedDay = dayIndex;
        }
        heights.push_back(TideHeight((minute - 1440LL * dayIndex) / 60.0, station, tables));
    }
    return heights;
}

} // namespace marevo::cli
