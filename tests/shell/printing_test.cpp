// The print of the session's picture: in monochrome no colour at all in any period, and the
// screen's prepared records (palette, tide table) as they were after a print of either kind.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/session.h"
#include "tests/shell/fixture_station.h"
#include "views/palette.h"
#include "views/recorder.h"

using namespace marevo;

namespace {

Station Owase()
{
    Station station;
    EXPECT_EQ(LoadFixture("24尾鷲", station), LoadStatus::Ok);
    return station;
}

bool Grey(Color c) { return RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c); }

} // namespace

TEST(Printing, MonochromeHasNoColourAndTheScreenKeepsItsRecords)
{
    const Station station = Owase();
    for (DisplayPeriod period : {OneDay, SevenDays, FortyTwoDays, TideTable}) {
        SCOPED_TRACE(period);
        Settings settings;
        settings.DisplayPeriod = period;
        Session session;
        session.TakeSettings(settings);
        session.ShowStation(station, {2026, 8, 3});
        const ViewModel& screen = *session.Model();
        const TideTableResults table = *screen.tideTable;
        RecordingCanvas mono, colour;
        session.RenderForPrint(mono, 0);
        session.RenderForPrint(colour, 1);
        ASSERT_GT(mono.Calls().size(), 100u);
        int chromatic = 0, drawnInColour = 0;
        for (const CanvasCall& call : mono.Calls())
            chromatic += !Grey(call.color) + !Grey(call.penColor) + !Grey(call.textColor);
        for (const CanvasCall& call : colour.Calls()) drawnInColour += !Grey(call.color);
        EXPECT_EQ(chromatic, 0);
        EXPECT_GT(drawnInColour, 0);
        EXPECT_TRUE(mono.Balanced());
        // The screen's picture is the one prepared before, in colour, and not computed again.
        EXPECT_EQ(session.Model(), &screen);
        EXPECT_EQ(screen.palette->PlotFill, Rgb(220, 220, 255));
        EXPECT_EQ(std::memcmp(&table, screen.tideTable, sizeof table), 0);
    }
}
