// The port file's text: rounding, the 40- and 60-constituent layouts, the format's limits,
// and that the program's loader reads back what was written.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "engine/station.h"
#include "tools/fit/port_file_text.h"

using namespace marevo;
using namespace marevo::fit;

namespace {

struct Constants {
    double amplitude[60], phaseLag[60];
};

PortFileContent Content(const Constants& k, int count)
{
    PortFileContent c;
    c.nameSjis = "\x94\xf6\x98\x68"; // 尾鷲
    c.latitudeText = "34.05";
    c.longitudeText = "136.12";
    c.meanLevelCm = 104.004999;
    c.count = count;
    c.amplitudeCm = k.amplitude;
    c.phaseLagDeg = k.phaseLag;
    c.notesSjis[0] = "first note";
    c.notesSjis[1] = "second note";
    c.notesSjis[2] = std::string(75, 'n');
    return c;
}

Constants Sample()
{
    Constants k;
    for (int i = 0; i < 60; ++i) {
        k.amplitude[i] = 0.5 * i + 0.125;     // halves round away from zero: x.13
        k.phaseLag[i] = 6.0 * i + 0.3333;
    }
    k.amplitude[24] = 123.456;
    k.phaseLag[24] = 359.996; // rounds to 360.00, written 0.00
    k.phaseLag[28] = -0.5;    // reduced: 359.50
    k.phaseLag[59] = 725.004; // reduced: 5.00
    return k;
}

} // namespace

TEST(PortFileText, RoundsAndReducesAsWritten)
{
    EXPECT_EQ(Hundredths(0.125), "0.13");
    EXPECT_EQ(Hundredths(-0.125), "-0.13");
    EXPECT_EQ(Hundredths(0.004), "0.00");
    EXPECT_EQ(Hundredths(-0.004), "0.00");
    EXPECT_EQ(Hundredths(1234.5), "1234.50");

    const Constants k = Sample();
    const std::vector<std::string> lines = PortFileLines(Content(k, 60));
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], "\x94\xf6\x98\x68,34.05,136.12,104.00");
    EXPECT_EQ(lines[1], "Sa,0.13,0.33,Ssa,0.63,6.33");
    EXPECT_EQ(lines[13], "M2,123.46,0.00,lam2,12.63,150.33");
    EXPECT_EQ(lines[15], "S2,14.13,359.50,R2,14.63,174.33");
    EXPECT_EQ(lines[21], "first note");
    // After the notes: constituents 40 .. 59 in pairs, recognised by their labels.
    EXPECT_EQ(lines[24], "2Q1,20.13,240.33,sigma1,20.63,246.33");
    EXPECT_EQ(lines[33], "2SM6,29.13,348.33,MSK6,29.63,5.00");
    EXPECT_EQ(CheckPortFileLimits(lines), "");

    const std::vector<std::string> forty = PortFileLines(Content(k, 40));
    EXPECT_EQ(forty.size(), 24u);
    EXPECT_EQ(CheckPortFileLimits(forty), "");
    EXPECT_EQ(PortFileText({"a", "b"}), "a\r\nb\r\n");
}

TEST(PortFileText, LimitsOfTheFormat)
{
    const Constants k = Sample();
    const struct {
        const char* what;
        int line;
        std::string text;
        const char* message;
    } cases[] = {
        {"20-byte name", 0, std::string(20, 'x') + ",34.05,136.12,1.00", "19 bytes"},
        {"five header fields", 0, "x,34.05,136.12,1.00,5", "four fields"},
        {"59-character line", 3, "Mf,1.00,2.00,Q1,3.00," + std::string(38, '4'), "line 4 too long"},
        {"seven fields", 34 - 1, "a,1,2,b,3,4,5", "line 34 not of six"},
        {"76-character note", 22, std::string(76, 'n'), "line 23 too long"},
        {"line break inside", 21, "note\r\nSa", "line 22 holds"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = PortFileLines(Content(k, 60));
        lines[c.line] = c.text;
        const std::string breach = CheckPortFileLimits(lines);
        EXPECT_NE(breach.find(c.message), std::string::npos) << c.what << ": " << breach;
    }
}

// What the program's loader reads back from the written file: all 60 constituents, every value
// to 0.005 (and the loader's single precision).
TEST(PortFileText, LoaderReadsBackWhatWasWritten)
{
    const Constants k = Sample();
    const std::string path = testing::TempDir() + "fitted.MV2";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string text = PortFileText(PortFileLines(Content(k, 60)));
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);

    Station s;
    ASSERT_EQ(LoadStationFile(path.c_str(), s), LoadStatus::Ok);
    EXPECT_STREQ(s.StationName, "\x94\xf6\x98\x68");
    EXPECT_NEAR(s.MeanSeaLevel, 104.0, 1e-4);
    EXPECT_NEAR(s.Longitude, 136.2, 1e-5);
    EXPECT_EQ(s.ExtraConstituents, 20) << "the ten lines after the notes, by their labels";
    for (int i = 0; i < MaxConstituents; ++i) {
        EXPECT_NEAR(s.Amplitude[i], k.amplitude[i], 0.00501) << i;
        double lag = std::fmod(k.phaseLag[i], 360.0);
        if (lag < 0) lag += 360.0;
        if (lag > 359.995) lag -= 360.0;
        EXPECT_NEAR(s.PhaseLag[i], lag, 0.00501) << i;
    }
    EXPECT_STREQ(s.StationNotes[2], std::string(75, 'n').c_str());
}
