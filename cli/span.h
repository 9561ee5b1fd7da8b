// High and low waters of a span of days at one port, or at every port of a folder: each day
// exactly as a single-day run finds it (its own preparation, the day before's for its first samples),
// so that a span is the days of single-day runs put together. Work is shared between
// threads; results do not depend on how many.
#pragma once

#include <string>
#include <vector>

#include "engine/station.h"
#include "engine/tide.h"

namespace marevo::cli {

struct SpanDay {
    int year = 0, month = 0, day = 0;
    std::vector<TideEvent> events; // in time order
};

// Threads worth starting on this machine (1 to 16).
int WorkerCount();

// days consecutive days from (year, month, day), on up to threads threads.
std::vector<SpanDay> ComputeSpan(const Station& station, int year, int month, int day, int days,
                                 int threads);

// Runs work(i) for i = 0 .. count - 1 on up to threads threads, each index once.
void ParallelFor(int count, int threads, void (*work)(int index, void* context), void* context);

// Heights (cm) every stepMinutes from 0 h of (year, month, day): count samples from sample
// first (sample i lies i * stepMinutes after 0 h), each computed with the constituents
// prepared for 0 h of its own day.
std::vector<float> ComputeHeights(const Station& station, int year, int month, int day,
                                  int stepMinutes, long long first, long long count);

// The date days after (year, month, day).
void AddDays(int& year, int& month, int& day, int days);

} // namespace marevo::cli
