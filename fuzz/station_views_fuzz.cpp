// Fuzz target: the pictures a refresh draws from an arbitrary station file. Input as for
// station_tide (two bytes of year, a byte of month, a byte of day, then the file); the byte
// of the day also picks the view and the graph style. Every view draws into the recording
// canvas with its font and pen slots balanced and its coordinates bounded, so a number of
// the file never reaches a conversion beyond int (the sanitisers watch every conversion).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/calendar.h"
#include "engine/station.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_file.h"
#include "views/pixel_offset.h"
#include "views/prepare_view.h"
#include "views/recorder.h"

namespace {

// The views add at most their own frame offsets to a saturated pixel offset.
bool Bounded(int v) { return v >= -marevo::MaxPixelOffset - 4000 && v <= marevo::MaxPixelOffset + 4000; }

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::CreateScratchFile("views");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace marevo;
    if (size < 4) return 0;
    int year = 1 + (data[0] | data[1] << 8) % 9999;
    int month = static_cast<int8_t>(data[2]);
    int day = static_cast<int8_t>(data[3]);
    fuzz::WriteScratchFile(data + 4, size - 4);

    Station station;
    if (LoadStationFile(fuzz::ScratchPath().c_str(), station) != LoadStatus::Ok) return 0;
    NormalizeDate(year, month, day);

    // The table is the costliest view; one input in eight draws it.
    static const int Periods[] = {OneDay, SevenDays, FortyTwoDays, OneDay, SevenDays,
                                  FortyTwoDays, OneDay, TideTable};
    const int period = Periods[data[3] % 8];
    PreparedView prepared;
    PrepareView(station, year, month, day, period, (data[3] >> 3) & 1 ? BarGraph : LineGraph, 1,
                prepared);

    RecordingCanvas canvas;
    DrawView(period, canvas, prepared.model);
    FUZZ_CHECK(canvas.Balanced());
    for (const CanvasCall& call : canvas.Calls()) {
        FUZZ_CHECK(Bounded(call.x1) && Bounded(call.y1));
        if (call.op == CanvasOp::DrawLine || call.op == CanvasOp::DrawBox || call.op == CanvasOp::DrawDisc)
            FUZZ_CHECK(Bounded(call.x2) && Bounded(call.y2));
    }
    return 0;
}
