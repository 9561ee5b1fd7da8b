// Station file loading: header and constituent fields, notes, files that are not whole,
// positions and zone meridians.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/station.h"
#include "station_files.h"

using namespace marevo;
using namespace marevo::test;

namespace {

const Constant Some[] = {{0, 1.5f, 10.0f}, {1, 2.5f, 20.0f}, {24, 52.3f, 171.25f}, {39, 0.5f, 359.5f}};

// The amplitude and phase lag of each constituent given.
template <typename Constants> void ExpectConstants(const Station& s, const Constants& expected)
{
    for (const Constant& c : expected) {
        EXPECT_FLOAT_EQ(s.Amplitude[c.index], c.amplitude) << c.index;
        EXPECT_FLOAT_EQ(s.PhaseLag[c.index], c.phaseLag) << c.index;
    }
}

} // namespace

TEST(StationFile, ReadsHeaderConstantsAndNotesOfAShiftJisCrlfFile)
{
    std::string text = StationText("24尾鷲,34.04,136.12,110.5", Some);
    text += "note one\r\nnote two\r\n";
    const Station s = LoadText("sjis.MV2", text);
    EXPECT_STREQ(s.StationName, "24尾鷲");
    EXPECT_EQ(std::strlen(s.StationName), 6u); // two Shift-JIS characters of two bytes each
    EXPECT_STREQ(s.LatitudeText, "34.04");
    EXPECT_STREQ(s.MeanSeaLevelText, "110.5");
    EXPECT_FLOAT_EQ(s.LatitudeDM, 34.04f);
    EXPECT_FLOAT_EQ(s.Latitude, 34.0f + 4.0f / 60.0f);
    EXPECT_FLOAT_EQ(s.Longitude, 136.2f);
    EXPECT_FLOAT_EQ(s.MeanSeaLevel, 110.5f);
    EXPECT_FLOAT_EQ(s.LevelPlusM2, 110.5f + 52.3f);
    EXPECT_FLOAT_EQ(s.LevelMinusM2, 110.5f - 52.3f);
    EXPECT_FLOAT_EQ(s.StandardMeridian, 135.0f);
    ExpectConstants(s, Some); // M2 among them
    EXPECT_FLOAT_EQ(s.Amplitude[IndexS2], 0.0f);
    EXPECT_STREQ(s.StationNotes[0], "note one"); // CR of the CR LF dropped
    EXPECT_STREQ(s.StationNotes[1], "note two");
    EXPECT_STREQ(s.StationNotes[2], "");
    EXPECT_NE(std::strstr(s.StationPath, "sjis.MV2"), nullptr);
}

TEST(StationFile, LineBreaksAndFieldSeparators)
{
    // LF only reads like CR LF; runs of commas are one separator; blanks belong to a field
    // and are skipped by the number conversion.
    const Station lf = LoadText("lf.MV2", StationText("Port,34.04,136.12,110.5", Some, "\n"));
    EXPECT_FLOAT_EQ(lf.Amplitude[IndexM2], 52.3f);
    std::string text = "Port,,, 35.39,,139.46,  100\n";
    text += "Sa,, 7.5,,, 12,Ssa,3,4\n" + ZeroLines(19);
    const Station s = LoadText("commas.MV2", text);
    EXPECT_STREQ(s.LatitudeText, " 35.39");
    EXPECT_NEAR(s.Latitude, 35.65, 1e-5);
    EXPECT_FLOAT_EQ(s.MeanSeaLevel, 100.0f);
    ExpectConstants(s, std::vector<Constant>{{0, 7.5f, 12.0f}, {1, 3.0f, 4.0f}});
}

TEST(StationFile, FurtherConstituentsAfterTheNotesByTheirLabels)
{
    const Constant extras[] = {{40, 0.5f, 10.0f}, {41, 0.25f, 20.0f}, {50, 3.75f, 300.5f}, {59, 0.01f, 359.99f}};
    const std::string forty = StationText("P,34.04,136.12,110.5", Some);
    const std::string notes = "n1\r\nn2\r\nn3\r\n";
    Station s = LoadText("sixty.MV2", forty + notes + ExtraText(extras));
    EXPECT_EQ(s.ExtraConstituents, 20);
    ExpectConstants(s, extras);
    ExpectConstants(s, Some);
    EXPECT_FLOAT_EQ(s.Amplitude[51], 0.0f);
    EXPECT_STREQ(s.StationNotes[0], "n1");
    EXPECT_STREQ(s.StationNotes[2], "n3");

    // The next port has no further constituents: none of these may stay.
    s = LoadText("forty.MV2", forty + notes);
    EXPECT_EQ(s.ExtraConstituents, 0);
    for (int i = ConstituentCount; i < MaxConstituents; ++i) EXPECT_EQ(s.Amplitude[i], 0.0f) << i;
    EXPECT_STREQ(s.StationNotes[2], "n3");

    // Lines recognised by their labels wherever they stand after the 20 (a file without
    // notes, a note between them); a pair given twice counts once, the later values hold.
    s = LoadText("mixed.MV2", forty + "MN4,1,2,SN4,3,4\nonly note\n2Q1,5,6,sigma1,7,8\nMN4,9,10,SN4,11,12\n");
    EXPECT_EQ(s.ExtraConstituents, 4);
    ExpectConstants(s, std::vector<Constant>{{40, 5, 6}, {41, 7, 8}, {50, 9, 10}, {51, 11, 12}});
    EXPECT_STREQ(s.StationNotes[0], "only note");
    EXPECT_STREQ(s.StationNotes[1], "");

    // Mislabelled lines are not taken: swapped, of two pairs, another case, a blank in a label.
    s = LoadText("mislabelled.MV2", forty + "sigma1,1,2,2Q1,3,4\nMN4,1,2,MK4,3,4\nmn4,1,2,sn4,3,4\n"
                                            " MN4,1,2,SN4,3,4\nMN4,1,2,SN4 ,3,4\n");
    EXPECT_EQ(s.ExtraConstituents, 0);
    for (int i = ConstituentCount; i < MaxConstituents; ++i) EXPECT_EQ(s.Amplitude[i], 0.0f) << i;
    EXPECT_STREQ(s.StationNotes[0], "sigma1,1,2,2Q1,3,4");
    EXPECT_STREQ(s.StationNotes[2], "mn4,1,2,sn4,3,4");

    // Before the 20 constituent lines are complete a line of further constituents means
    // that a line is missing.
    std::string shortFile = "Short,35.00,139.00,50\n";
    for (int k = 0; k < 5; ++k) shortFile += "A,1,2,B,3,4\n";
    EXPECT_EQ(LoadStationFile(WriteFile("short_extra.MV2", shortFile + "MN4,1,2,SN4,3,4\n" +
                                                                 ZeroLines(14)).c_str(), s),
              LoadStatus::Damaged);
    EXPECT_EQ(s.ExtraConstituents, 0);
    EXPECT_FLOAT_EQ(s.Amplitude[10], 0.0f);
}

TEST(StationFile, FilesThatStopEarlyAreDamagedAndLeaveNoStaleValues)
{
    // First a complete port with notes, then files that stop early: nothing of the first
    // port may survive, nor anything of the refused file.
    Station s;
    const Constant all[] = {{0, 9.0f, 9.0f}, {19, 9.0f, 9.0f}, {38, 9.0f, 9.0f}, {39, 9.0f, 9.0f}};
    std::string full = StationText("Full,34.04,136.12,110.5", all) + "n1\nn2\nn3\n";
    ASSERT_EQ(LoadStationFile(WriteFile("full.MV2", full).c_str(), s), LoadStatus::Ok);
    ASSERT_STREQ(s.StationNotes[2], "n3");

    std::string five = "Short,35.00,139.00,50\n";
    for (int k = 0; k < 5; ++k) five += "A,1,2,B,3,4\n";
    for (const std::string& text : {five, std::string("Head,35.00,139.00,50\r\n")}) {
        ASSERT_EQ(LoadStationFile(WriteFile("short.MV2", text).c_str(), s), LoadStatus::Damaged);
        EXPECT_STREQ(s.StationName, "");
        for (int i = 0; i < MaxConstituents; ++i)
            EXPECT_EQ(s.Amplitude[i] + s.PhaseLag[i], 0.0f) << i;
        for (const auto& note : s.StationNotes) EXPECT_STREQ(note, "");
    }

    // The last constituent line reaches the end of the file without a line break: a whole
    // line, taken.
    std::string noBreak = StationText("NoBreak,35.00,139.00,50", all, "\n");
    noBreak.pop_back();
    ASSERT_EQ(LoadStationFile(WriteFile("nobreak.MV2", noBreak).c_str(), s), LoadStatus::Ok);
    ExpectConstants(s, all);
}

TEST(StationFile, FilesWithoutAUsableHeader)
{
    struct { const char* name; std::string bytes; } cases[] = {
        {"empty.MV2", ""},
        {"blank.MV2", "\n"},
        {"commas.MV2", ",,,,\n"},
        {"three.MV2", "Name,35.00,139.00\n"},
        {"nobreak_header.MV2", "Name,35.00,139.00,50"},
    };
    for (const auto& c : cases) {
        Station s;
        std::snprintf(s.StationName, sizeof s.StationName, "Old");
        s.Amplitude[3] = 5.0f;
        EXPECT_EQ(LoadStationFile(WriteFile(c.name, c.bytes).c_str(), s), LoadStatus::NoHeader) << c.name;
        EXPECT_STREQ(s.StationName, "") << c.name;
        EXPECT_EQ(s.Amplitude[3], 0.0f) << c.name;
    }
    Station s;
    EXPECT_EQ(LoadStationFile((testing::TempDir() + "no_such_port.MV2").c_str(), s), LoadStatus::OpenFailed);
}

TEST(StationFile, OverlongLinesFieldsAndExtraFieldsAreCut)
{
    // A 25-byte name keeps 19 bytes; a 30-byte constituent field keeps 19 characters (the
    // number conversion sees only those); the seventh field and beyond are ignored; a line
    // longer than the buffer is cut and the rest of it is not taken as the next line.
    std::string text = "ABCDEFGHIJKLMNOPQRSTUVWXY,35.00,139.00,50\n";
    text += "A,12345678901234567890123,2,B,3,4,99,98,97\n";
    text += "A,5,6,B,7,8" + std::string(100, ' ') + ",77,66\n";
    text += "A,11,12,B,13,14\n" + ZeroLines(17);
    const Station s = LoadText("long.MV2", text);
    EXPECT_STREQ(s.StationName, "ABCDEFGHIJKLMNOPQRS");
    ExpectConstants(s, std::vector<Constant>{{0, 1234567890123456789.0f, 2}, {1, 3, 4}, {2, 5, 6},
                                             {3, 7, 8}, {4, 11, 12}, {5, 13, 14}});

    // A name of ten double-byte characters (20 bytes) keeps its first 19 bytes.
    const Station j =
        LoadText("kanji.MV2", "東京湾第一観測点名前,35.00,139.00,50\n" + ZeroLines(20));
    EXPECT_EQ(std::strlen(j.StationName), 19u);
    EXPECT_EQ(std::memcmp(j.StationName, "東京湾第一観測点名前", 19), 0);

    // A note line longer than 75 characters keeps 75.
    const Station n = LoadText("note.MV2", StationText("N,35.00,139.00,50", Some) + std::string(90, 'x') + "\n");
    EXPECT_EQ(std::strlen(n.StationNotes[0]), 75u);
}

TEST(StationFile, NonNumericFieldsAreDamageAndGarbageNeverOverruns)
{
    Station s;
    const std::string words = "Odd,north,east,abc\n" + ZeroLines(20);
    const std::string unit = "Odd,35,139,50\nA,12cm,3,B,4,5\n" + ZeroLines(19);
    EXPECT_EQ(LoadStationFile(WriteFile("odd.MV2", words).c_str(), s), LoadStatus::Damaged);
    EXPECT_EQ(LoadStationFile(WriteFile("unit.MV2", unit).c_str(), s), LoadStatus::Damaged);
    // Blanks around a number and every decimal form are numbers.
    const Station n =
        LoadText("forms.MV2", "Odd, 35.00 ,139,\t50\nA,-3.5e1 ,+.5,B,7.,1E+2\n" + ZeroLines(19));
    EXPECT_FLOAT_EQ(n.MeanSeaLevel, 50.0f);
    EXPECT_FLOAT_EQ(n.Amplitude[0], -35.0f);
    EXPECT_FLOAT_EQ(n.PhaseLag[0], 0.5f);
    EXPECT_FLOAT_EQ(n.Amplitude[1], 7.0f);
    EXPECT_FLOAT_EQ(n.PhaseLag[1], 100.0f);

    // Binary bytes, NULs included, of every value: loads or refuses, never overruns a buffer.
    std::string garbage;
    unsigned x = 12345;
    for (int i = 0; i < 5000; ++i) {
        x = x * 1103515245u + 12345u;
        garbage += static_cast<char>(x >> 16);
    }
    Station g;
    const LoadStatus status = LoadStationFile(WriteFile("garbage.MV2", garbage).c_str(), g);
    EXPECT_NE(status, LoadStatus::OpenFailed);
    EXPECT_LT(std::strlen(g.StationName), 20u);
    for (const auto& note : g.StationNotes) EXPECT_LT(std::strlen(note), 76u);
}

TEST(StationFile, PathOfAPort)
{
    EXPECT_EQ(StationFilePath("C:\\Marevo\\", "24尾鷲"), "C:\\Marevo\\dt\\24尾鷲.MV2");
}

TEST(Station, PositionsAndZoneMeridians)
{
    struct { const char* lat; const char* lon; double latitude; float meridian; } cases[] = {
        {"-33.52", "151.12", -33.8666666, 150.0f}, // minutes keep the sign
        {"24.20", "123.00", 24.3333333, 135.0f},   // Ryukyu box, nearest would be 120
        {"24.00", "123.00", 24.0, 120.0f},         // latitude not above 24
        {"43.20", "145.35", 43.3333333, 135.0f},   // eastern Hokkaido, nearest would be 150
        {"46.00", "145.35", 46.0, 150.0f},         // north of the box
        {"40.00", "148.00", 40.0, 150.0f},         // boxes open at the east side
        {"24.18", "153.54", 24.3, 150.0f},
        {"35.00", "-122.00", 35.0, -120.0f},
        {"20.00", "127.30", 20.0, 135.0f},         // half-way goes east
        {"35.39", "139.46", 35.65, 135.0f},
    };
    for (const auto& c : cases) {
        const std::string text = std::string("P,") + c.lat + "," + c.lon + ",100\n" + ZeroLines(20);
        const Station s = LoadText("pos.MV2", text);
        EXPECT_NEAR(s.Latitude, c.latitude, 1e-5) << c.lat;
        EXPECT_EQ(s.StandardMeridian, c.meridian) << c.lat << " " << c.lon;
    }
}
