// Fuzz target: what a refresh computes from an arbitrary station file: the constituents of
// a date, the day's high and low waters and the 42-day tide table.
// Input: two bytes of year, a byte of month, a byte of day, then the file. Every event lies
// inside its day with a whole hour and minute, and the table keeps to its slots.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/calendar.h"
#include "engine/constituents.h"
#include "engine/station.h"
#include "engine/tide.h"
#include "engine/tide_table.h"
#include "engine/vertical_scale.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_file.h"

namespace {

bool WholeIn(float value, float low, float high)
{
    return value >= low && value <= high && value == std::floor(value);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::CreateScratchFile("tide");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    // Years the date commands reach; month and day as the commands may leave them.
    int year = 1 + (data[0] | data[1] << 8) % 9999;
    int month = static_cast<int8_t>(data[2]);
    int day = static_cast<int8_t>(data[3]);
    fuzz::WriteScratchFile(data + 4, size - 4);

    marevo::Station station;
    if (marevo::LoadStationFile(fuzz::ScratchPath().c_str(), station) != marevo::LoadStatus::Ok) return 0;

    marevo::NormalizeDate(year, month, day);
    FUZZ_CHECK(month >= 1 && month <= 12 && day >= 1 && day <= 31);
    marevo::Calendar cal;
    marevo::SetFebruaryForYear(cal, year);
    marevo::ConstituentTables tables;
    marevo::PrepareConstituents(year, month, day, station, cal, tables);
    FUZZ_CHECK(cal.Weekday >= 0 && cal.Weekday <= 6);

    const float scale = marevo::VerticalScaleOf(station);
    FUZZ_CHECK(scale == 1.0f || scale == 1.5f || scale == 2.0f || scale == 3.0f || scale == 4.0f);

    marevo::ExtremeDetector detector;
    marevo::DayExtremes day0;
    marevo::FindDayExtremes(station, tables, detector, day0);
    FUZZ_CHECK(day0.count >= 0 && day0.count <= marevo::MaxDayEvents);
    for (int i = 0; i < day0.count; ++i) {
        FUZZ_CHECK(WholeIn(day0.events[i].hour, 0, 23));
        FUZZ_CHECK(WholeIn(day0.events[i].minute, 0, 59));
        if (i > 0) // in time order
            FUZZ_CHECK(day0.events[i].hour * 60 + day0.events[i].minute >=
                       day0.events[i - 1].hour * 60 + day0.events[i - 1].minute);
    }

    // The table is the costliest refresh; one input in eight runs it.
    if (data[3] % 8 != 0) return 0;
    marevo::TideTableResults results;
    marevo::ComputeTideTable(year, month, day, station, cal, results);
    FUZZ_CHECK(results.TableColumns >= 0 && results.TableColumns < marevo::TableSlots);
    FUZZ_CHECK(results.FirstEventIsHigh >= -1 && results.FirstEventIsHigh <= 1);
    FUZZ_CHECK(results.MaxLowPerDay + results.MaxHighPerDay <= 2 * marevo::TableSlots);
    for (int i = 0; i < marevo::TableDays * marevo::TableSlots; ++i) {
        if (results.TableHour[i] == marevo::EmptySlot) continue;
        FUZZ_CHECK(WholeIn(results.TableHour[i], 0, 23));
        FUZZ_CHECK(WholeIn(results.TableMinute[i], 0, 59));
    }
    return 0;
}
