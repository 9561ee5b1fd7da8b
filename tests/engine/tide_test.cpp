// Tide heights, the turning-point detector and the high and low waters of a day.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "engine/tide.h"
#include "station_files.h"

using namespace marevo;
using namespace marevo::test;

namespace {

// One constituent of amplitude 100 cm on a port at 135 E (its own zone meridian), Z0 50 cm.
Station SingleConstituent(int index, float phaseLag)
{
    Station s;
    s.Longitude = s.StandardMeridian = 135.0f;
    s.MeanSeaLevel = 50.0f;
    s.Amplitude[index] = 100.0f;
    s.PhaseLag[index] = phaseLag;
    return s;
}

ConstituentTables Prepare(int year, int month, int day, const Station& s)
{
    Calendar cal;
    ConstituentTables t;
    SetFebruaryForYear(cal, year);
    PrepareConstituents(year, month, day, s, cal, t);
    return t;
}

struct Sample { float t, h; int found; float te, he; };

void Feed(ExtremeDetector& d, const Sample* samples, int count)
{
    for (int i = 0; i < count; ++i) {
        float t = samples[i].t, h = samples[i].h;
        EXPECT_EQ(DetectExtreme(d, t, h), samples[i].found) << "sample at " << samples[i].t;
        if (samples[i].found) {
            EXPECT_FLOAT_EQ(t, samples[i].te);
            EXPECT_FLOAT_EQ(h, samples[i].he);
        } else {
            EXPECT_EQ(t, samples[i].t); // untouched
            EXPECT_EQ(h, samples[i].h);
        }
    }
}

} // namespace

TEST(TideHeight, SumOfTheConstituentCosines)
{
    // S2 on its zone meridian: phase offset 0, so the height is 50 + 100 cos(30 t).
    const Station s2 = SingleConstituent(IndexS2, 0.0f);
    const ConstituentTables t = Prepare(2008, 5, 14, s2);
    EXPECT_NEAR(TideHeight(0.0, s2, t), 150.0, 1e-3);
    EXPECT_NEAR(TideHeight(3.0, s2, t), 50.0, 1e-3);
    EXPECT_NEAR(TideHeight(6.0, s2, t), -50.0, 1e-3);
    EXPECT_NEAR(TideHeight(-2.0, s2, t), 100.0, 1e-3);

    // M2 with its nodal factor and phase lag, against the cosine formed here in double.
    const Station m2 = SingleConstituent(IndexM2, 171.25f);
    const ConstituentTables tm = Prepare(2008, 5, 14, m2);
    const double pi = std::acos(-1.0);
    for (double hours : {-1.6666666, 0.0, 5.5, 13.25, 24.0, 41.0 * 24}) {
        const double a = (28.984104 * hours + tm.PhaseOffset[IndexM2] - 171.25) * pi / 180;
        const double expected = 50 + 100 * 0.9706 * std::cos(a);
        EXPECT_NEAR(TideHeight(hours, m2, tm), expected, 0.01 + 1e-5 * hours) << hours;
    }
    // Steps of 20 and 30 minutes give the heights of their times.
    const Station mixed = MixedPort();
    const ConstituentTables tx = Prepare(2008, 5, 14, mixed);
    for (int k : {-5, 0, 7, 74, 2016}) {
        EXPECT_NEAR(TideHeightAtStep(k, 0.33333334f, mixed, tx), TideHeight(k / 3.0, mixed, tx), 2e-3) << k;
        EXPECT_NEAR(TideHeightAtStep(k, 0.5f, mixed, tx), TideHeight(k / 2.0, mixed, tx), 2e-3) << k;
    }
}

TEST(TideHeight, FurtherConstituentsAddAfterTheForty)
{
    const Constant mixed[] = {{0, 12.0f, 150.0f}, {7, 19.0f, 185.0f}, {13, 25.0f, 205.0f},
                              {21, 11.0f, 160.0f}, {24, 52.0f, 170.0f}, {28, 24.0f, 195.0f}};
    const std::string forty = StationText("Port,34.04,136.12,110.0", mixed) + "n1\r\nn2\r\nn3\r\n";
    const Constant none[] = {{40, 0.0f, 0.0f}};
    const Constant extras[] = {{40, 0.8f, 140.0f}, {44, 0.3f, 200.0f}, {46, 1.1f, 33.0f},
                               {47, 0.9f, 250.0f}, {48, 0.4f, 10.0f},  {50, 2.5f, 120.0f},
                               {53, 0.7f, 275.0f}, {57, 0.6f, 60.0f},  {59, 0.2f, 359.0f}};
    const Station s40 = LoadText("port40.MV2", forty);
    const Station zero = LoadText("port60zero.MV2", forty + ExtraText(none));
    const Station s60 = LoadText("port60.MV2", forty + ExtraText(extras));
    ASSERT_EQ(s40.ExtraConstituents, 0);
    ASSERT_EQ(zero.ExtraConstituents, 20);
    ASSERT_EQ(s60.ExtraConstituents, 20);

    const double degToRad = 3.141593 / 180; // the program's conversion
    for (int year : {1999, 2026}) {
        const ConstituentTables t = Prepare(year, 3, 1, s60);
        // Extras of zero amplitude leave every height to the bit, on both grids.
        for (int k = -5; k <= 2016; k += 7) {
            EXPECT_EQ(TideHeight(k / 3.0, zero, t), TideHeight(k / 3.0, s40, t)) << k;
            EXPECT_EQ(TideHeightAtStep(k, 0.5f, zero, t), TideHeightAtStep(k, 0.5f, s40, t)) << k;
        }
        // All 60 against a sum formed here in double precision.
        for (double hours : {-1.5, 0.0, 7.25, 23.9, 500.0, 1000.0}) {
            double expected = 110.0;
            for (int i = 0; i < MaxConstituents; ++i)
                expected += double(s60.Amplitude[i]) * t.NodalFactor[i] *
                            std::cos((t.ConstituentSpeed[i] * hours + t.PhaseOffset[i] - s60.PhaseLag[i]) * degToRad);
            EXPECT_NEAR(TideHeight(hours, s60, t), expected, 1e-3) << hours;
            EXPECT_GT(std::fabs(TideHeight(hours, s60, t) - TideHeight(hours, s40, t)), 1e-3) << hours;
        }
    }
    // S4 alone on its zone meridian: V0 + u = 0 and 4 * 135 - 60 * 9 = 0, so the height is
    // 50 + 10 cos(60 t - 30).
    const Constant s4[] = {{53, 10.0f, 30.0f}};
    const Station only = LoadText("s4.MV2", StationText("S4,34.00,135.00,50", none) + ExtraText(s4));
    const ConstituentTables t = Prepare(2008, 5, 14, only);
    EXPECT_NEAR(TideHeight(0.5, only, t), 60.0, 1e-4);
    EXPECT_NEAR(TideHeight(2.0, only, t), 50.0, 1e-4);
    EXPECT_NEAR(TideHeight(3.5, only, t), 40.0, 1e-4);
}

TEST(Detector, SampleSeriesAroundMidnight)
{
    // A crest between the samples at 0 and 20 minutes: reported at the sample of 40 minutes,
    // x = 0.75 between the midpoints -10 and 10, y = 0.25.
    ExtremeDetector d;
    const Sample crest[] = {
        {-60, 90, 0, 0, 0}, {-40, 100, 0, 0, 0}, {-20, 106, 0, 0, 0},
        {0, 109, 0, 0, 0},  {20, 108, 0, 0, 0},  {40, 103, 1, 5.0f, 109.125f},
    };
    Feed(d, crest, 6);
    // The same heights 20 minutes earlier: found at -15 minutes and dropped.
    const Sample earlier[] = {
        {-80, 90, 0, 0, 0}, {-60, 100, 0, 0, 0}, {-40, 106, 0, 0, 0},
        {-20, 109, 0, 0, 0}, {0, 108, 0, 0, 0}, {20, 103, 0, 0, 0},
    };
    Feed(d, earlier, 6);
}

TEST(Detector, FlatCrestGivesTwoReportsAtItsMiddle)
{
    ExtremeDetector d;
    const Sample flat[] = {
        {-60, 90, 0, 0, 0},  {-40, 96, 0, 0, 0},  {-20, 100, 0, 0, 0}, {0, 103, 0, 0, 0},
        {20, 105, 0, 0, 0},  {40, 105, 0, 0, 0},  {60, 103, 1, 30.0f, 105.25f},
        {80, 100, 1, 30.0f, 105.625f}, {100, 96, 0, 0, 0},
    };
    Feed(d, flat, 9);
    // Both ends of the level step at a crest are high waters.
    ExtremeDetector again;
    int crests = 0;
    for (const Sample& x : flat) {
        float t = x.t, h = x.h;
        bool high = false;
        if (DetectExtreme(again, t, h, &high)) crests += high;
    }
    EXPECT_EQ(crests, 2);
}

TEST(Detector, NoReportBeforeFourSamplesSinceTheReset)
{
    // Whatever the detector held before the reset cannot produce a report.
    ExtremeDetector d;
    const Sample before[] = {{100, 0, 0, 0, 0}, {120, 50, 0, 0, 0}, {140, 100, 0, 0, 0}};
    Feed(d, before, 3);
    const Sample afterReset[] = {{-60, 0, 0, 0, 0}, {40, 100, 0, 0, 0}, {140, 0, 0, 0, 0}};
    Feed(d, afterReset, 3);
    // A fourth sample completes three differences: the crest at the sample of 40 minutes.
    const Sample fourth[] = {{240, 100, 1, 40.0f, 100.0f}};
    Feed(d, fourth, 1);
}

TEST(Detector, TimesOfEventsAreTruncatedToTheMinute)
{
    struct { float t; float hour, minute; } cases[] = {
        {125.9f, 2, 5}, {1439.5f, 23, 59}, {1440.2f, 24, 0}, {0.5f, 0, 0},
        {59.999f, 0, 59}, {60.0f, 1, 0}, {754.0f, 12, 34},
    };
    for (const auto& c : cases) {
        TideEvent e;
        MinutesToEvent(c.t, 87.5f, e);
        EXPECT_EQ(e.hour, c.hour) << c.t;
        EXPECT_EQ(e.minute, c.minute) << c.t;
        EXPECT_EQ(e.height, 87.5f);
    }
    // No time of the day gives a minute outside 0 ... 59, the floats just below each whole
    // hour included.
    for (int hour = 1; hour <= 24; ++hour) {
        float t = 60.0f * hour;
        for (int i = 0; i < 64; ++i) {
            t = std::nextafter(t, 0.0f);
            TideEvent e;
            MinutesToEvent(t, 0, e);
            EXPECT_GE(e.minute, 0.0f) << t;
            EXPECT_LE(e.minute, 59.0f) << t;
            EXPECT_EQ(e.hour * 60 + e.minute, std::floor(t)) << t;
        }
    }
}

TEST(DayExtremes, SemidiurnalDayHasTwoHighsAndTwoLows)
{
    // S2 with a lag of 7.5 degrees: highs at 0:15 and 12:15, lows at 6:15 and 18:15.
    const Station s = SingleConstituent(IndexS2, 7.5f);
    const ConstituentTables t = Prepare(2008, 5, 14, s);
    ExtremeDetector d;
    DayExtremes day;
    FindDayExtremes(s, t, d, day);
    ASSERT_EQ(day.count, 4);
    const float hours[] = {0, 6, 12, 18};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(day.events[i].hour, hours[i]) << i;
        EXPECT_EQ(day.events[i].minute, 15.0f) << i;
        EXPECT_NEAR(day.events[i].height, i % 2 ? -50.0 : 150.0, 0.2) << i;
        EXPECT_EQ(day.events[i].high, i % 2 == 0) << i;
    }
    // Lag 180 + 7.5 turns the day round: a low water first.
    const Station r = SingleConstituent(IndexS2, 187.5f);
    FindDayExtremes(r, Prepare(2008, 5, 14, r), d, day);
    ASSERT_EQ(day.count, 4);
    EXPECT_NEAR(day.events[0].height, -50.0, 0.2);
    EXPECT_NEAR(day.events[1].height, 150.0, 0.2);
    EXPECT_FALSE(day.events[0].high);
    EXPECT_TRUE(day.events[1].high);
}

TEST(DayExtremes, HeightsBeyondTheFloatRangeListNoEventOutsideTheDay)
{
    // Overflowing heights have no turning point that can be placed; none is listed with a
    // time that is not a time of the day.
    for (float amplitude : {3e38f, INFINITY, NAN}) {
        Station s = SingleConstituent(IndexS2, 7.5f);
        s.Amplitude[IndexM2] = amplitude;
        ExtremeDetector d;
        DayExtremes day;
        FindDayExtremes(s, Prepare(2008, 5, 13, s), Prepare(2008, 5, 14, s), d, day);
        for (int i = 0; i < day.count; ++i) {
            EXPECT_TRUE(day.events[i].hour >= 0 && day.events[i].hour <= 23) << amplitude;
            EXPECT_TRUE(day.events[i].minute >= 0 && day.events[i].minute <= 59) << amplitude;
        }
    }
}

TEST(DayExtremes, ExtremesOnTheHourAndAtMidnight)
{
    // S2 with a lag of 0 turns on every sixth hour; the program's pi (3.141593) puts each
    // turning point a hair before the hour, and times are truncated, so the day reads
    // 5:59, 11:59, 17:59 and 23:59: the high at midnight is the last event of the day before
    // and is not repeated at the start of the next.
    const Station s = SingleConstituent(IndexS2, 0.0f);
    ExtremeDetector d;
    for (int day : {14, 15}) {
        DayExtremes out;
        FindDayExtremes(s, Prepare(2008, 5, day - 1, s), Prepare(2008, 5, day, s), d, out);
        ASSERT_EQ(out.count, 4) << day;
        const float minutes[] = {359, 719, 1079, 1439};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(out.events[i].hour * 60 + out.events[i].minute, minutes[i]) << i;
            EXPECT_NEAR(out.events[i].height, i % 2 ? 150.0 : -50.0, 0.01) << i;
            EXPECT_EQ(out.events[i].high, i % 2 == 1) << i;
        }
    }
}

TEST(DayExtremes, MixedPortAlternatesOverTheYearsOfTheEra)
{
    const Station s = MixedPort();
    ExtremeDetector d;
    for (int year : {1, 1900, 2008, 2100, 9999}) {
        for (int month : {1, 6, 12}) {
            DayExtremes day;
            FindDayExtremes(s, Prepare(year, month, 15, s), d, day);
            EXPECT_GE(day.count, 2) << year << "-" << month;
            EXPECT_LE(day.count, 5) << year << "-" << month;
            for (int i = 0; i < day.count; ++i) {
                const TideEvent& e = day.events[i];
                EXPECT_GE(e.hour, 0.0f);
                EXPECT_LE(e.hour, 23.0f);
                EXPECT_GE(e.minute, 0.0f);
                EXPECT_LE(e.minute, 59.0f);
                if (i > 0) {
                    const TideEvent& p = day.events[i - 1];
                    EXPECT_GE(e.hour * 60 + e.minute, p.hour * 60 + p.minute);
                }
                if (i > 1) { // highs and lows alternate: the middle one is above or below both
                    const float a = day.events[i - 2].height, b = day.events[i - 1].height;
                    EXPECT_GT((b - e.height) * (b - a), 0.0f);
                }
            }
        }
    }
}

TEST(DayExtremes, SamplesCarriedFromDayToDayChangeNothing)
{
    // Consecutive days searched with the samples each leaves to the next list the same
    // events, bit for bit, as days searched on their own; a carry from another day or
    // another station is not taken.
    const Station s = MixedPort();
    Station other = s;
    other.MeanSeaLevel += 100.0f; // its samples would make a false turn at the junction
    CarriedSamples carry, stale;
    FindDayExtremes(other, Prepare(2026, 2, 26, other), Prepare(2026, 2, 27, other),
                    *std::make_unique<ExtremeDetector>(), *std::make_unique<DayExtremes>(), &stale);
    for (int day = 27; day <= 33; ++day) {
        const ConstituentTables before = Prepare(2026, 2, day - 1, s), tables = Prepare(2026, 2, day, s);
        ExtremeDetector d;
        DayExtremes plain, carried, wrong;
        FindDayExtremes(s, before, tables, d, plain);
        FindDayExtremes(s, before, tables, d, carried, &carry);
        CarriedSamples copy = stale;
        FindDayExtremes(s, before, tables, d, wrong, &copy);
        for (const DayExtremes* other : {&carried, &wrong}) {
            ASSERT_EQ(other->count, plain.count) << day;
            for (int i = 0; i < plain.count; ++i) {
                const TideEvent &a = plain.events[i], &b = other->events[i];
                EXPECT_TRUE(a.hour == b.hour && a.minute == b.minute && a.high == b.high) << day;
                EXPECT_EQ(std::memcmp(&a.height, &b.height, sizeof a.height), 0) << day;
            }
        }
    }
}
