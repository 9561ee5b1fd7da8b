// Station files that break the format: short, empty, over-long, binary, with other line
// breaks or odd numbers. Each loads without touching memory outside Station, says when it
// has no header, and never leaves constants of the port loaded before.
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "engine/station.h"

namespace marevo {
namespace {

// Constituent line k (0 ... 19) of the well-formed file: amplitudes 2k + 1 and 2k + 2 cm,
// phase lags 10 times those degrees.
std::string ConstituentLine(int k)
{
    char line[64];
    std::snprintf(line, sizeof line, "C%d,%d.5,%d,D%d,%d.5,%d", k, 2 * k + 1, 20 * k + 10, k,
                  2 * k + 2, 20 * k + 20);
    return line;
}

std::string WellFormed(const char* eol = "\n")
{
    std::string text = std::string("Port,34.04,136.12,110.0") + eol;
    for (int k = 0; k < 20; ++k) text += ConstituentLine(k) + eol;
    return text;
}

class StationBadInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = ::testing::TempDir() + "marevo_bad_input_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".MV2";
        // The port of the previous refresh: every constant set.
        ASSERT_EQ(Load(WellFormed() + "note one\nnote two\nnote three\n"), LoadStatus::Ok);
    }
    void TearDown() override { std::remove(path_.c_str()); }

    LoadStatus Load(const std::string& bytes)
    {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (!f) return LoadStatus::OpenFailed;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return LoadStationFile(path_.c_str(), station_);
    }

    void ExpectTextsTerminated()
    {
        EXPECT_NE(std::memchr(station_.StationName, 0, sizeof station_.StationName), nullptr);
        EXPECT_NE(std::memchr(station_.LatitudeText, 0, sizeof station_.LatitudeText), nullptr);
        EXPECT_NE(std::memchr(station_.LongitudeText, 0, sizeof station_.LongitudeText), nullptr);
        EXPECT_NE(std::memchr(station_.MeanSeaLevelText, 0, sizeof station_.MeanSeaLevelText), nullptr);
        for (const auto& note : station_.StationNotes)
            EXPECT_LE(std::strlen(note), 75u);
    }

    std::string path_;
    Station station_;
};

TEST_F(StationBadInput, FilesWithoutTheFourHeaderFieldsAreRefused)
{
    struct { const char* what; std::string bytes; } cases[] = {
        {"empty file", ""},
        {"only a line break", "\n"},
        {"three fields", "Port,34.04,136.12\n" + ConstituentLine(0) + "\n"},
        {"commas only", ",,,,,,\n"},
        {"header without its line break", "Port,34.04,136.12,110.0"},
        {"CR line breaks: one line without LF", "Port,34.04,136.12,110.0\r" + ConstituentLine(0) + "\r"},
        {"NUL inside the first field ends the line", std::string("Po\0rt,34.04,136.12,110.0\n", 25)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c.bytes), LoadStatus::NoHeader) << c.what;
        EXPECT_STREQ(station_.StationName, "") << c.what;
        // Nothing of the port before is left to be drawn under an empty name.
        for (int i = 0; i < ConstituentCount; ++i) {
            EXPECT_EQ(station_.Amplitude[i], 0.0f) << c.what << " " << i;
            EXPECT_EQ(station_.PhaseLag[i], 0.0f) << c.what << " " << i;
        }
        for (const auto& note : station_.StationNotes) EXPECT_STREQ(note, "") << c.what;
        ExpectTextsTerminated();
    }
}

TEST_F(StationBadInput, ShortFilesLeaveNoConstantsOfThePortBefore)
{
    struct { const char* what; std::string bytes; int linesLoaded; } cases[] = {
        {"header only", "Port,34.04,136.12,110.0\n", 0},
        {"seven lines", "Port,34.04,136.12,110.0\n" + [] {
             std::string t;
             for (int k = 0; k < 7; ++k) t += ConstituentLine(k) + "\n";
             return t;
         }(), 7},
        // A last line without its line break is not used.
        {"last line unterminated", "Port,1,2,3\n" + ConstituentLine(0) + "\n" + ConstituentLine(1), 1},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Load(c.bytes), LoadStatus::Ok) << c.what;
        for (int k = 0; k < 20; ++k) {
            const bool loaded = k < c.linesLoaded;
            EXPECT_EQ(station_.Amplitude[2 * k], loaded ? 2 * k + 1.5f : 0.0f) << c.what << k;
            EXPECT_EQ(station_.PhaseLag[2 * k + 1], loaded ? 20 * k + 20.0f : 0.0f) << c.what << k;
        }
        for (const auto& note : station_.StationNotes) EXPECT_STREQ(note, "") << c.what;
    }
}

TEST_F(StationBadInput, LineBreaksOfEveryKindReadAlike)
{
    ASSERT_EQ(Load(WellFormed("\r\n") + "note\r\n"), LoadStatus::Ok);
    EXPECT_STREQ(station_.MeanSeaLevelText, "110.0");
    EXPECT_EQ(station_.Amplitude[39], 40.5f);
    EXPECT_EQ(station_.PhaseLag[39], 400.0f);
    EXPECT_STREQ(station_.StationNotes[0], "note"); // no CR kept in the note
}

TEST_F(StationBadInput, OverLongLinesAndFieldsAreCutNotSplit)
{
    std::string text = "Port,34.04,136.12,110.0," + std::string(80, '9') + "\n";
    // Line 1 runs past the 59 kept characters: the rest is dropped, not read as line 2.
    text += "Sa,1.5,10,Ssa,2.5,20," + std::string(80, '7') + "\n";
    // Line 2 is cut inside its fifth field: 45 ones kept, cut to 19 in the field slot.
    text += "Mm,3.5,30,MSf," + std::string(50, '1') + ",40\n";
    text += "Mf,5.5,50,Q1,6.5,60\n";
    ASSERT_EQ(Load(text), LoadStatus::Ok);
    EXPECT_EQ(station_.Amplitude[0], 1.5f);
    EXPECT_EQ(station_.PhaseLag[1], 20.0f);
    EXPECT_EQ(station_.Amplitude[2], 3.5f);
    EXPECT_EQ(station_.Amplitude[3], static_cast<float>(1111111111111111111.0));
    EXPECT_EQ(station_.PhaseLag[3], 0.0f); // the sixth field lay beyond the cut
    EXPECT_EQ(station_.Amplitude[4], 5.5f);
    EXPECT_EQ(station_.PhaseLag[5], 60.0f);
    EXPECT_EQ(station_.Amplitude[6], 0.0f);

    const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXY"; // 25 bytes
    // 59 characters kept: the name, 22 threes, the longitude and "110" of "110.0".
    ASSERT_EQ(Load(longName + "," + std::string(22, '3') + ",136.12,110.0\n"), LoadStatus::Ok);
    EXPECT_STREQ(station_.StationName, "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(std::string(station_.LatitudeText), std::string(19, '3'));
    EXPECT_STREQ(station_.MeanSeaLevelText, "110");
    ExpectTextsTerminated();

    std::string notes = WellFormed();
    for (int n = 0; n < 4; ++n) notes += std::string(100, static_cast<char>('a' + n)) + "\n";
    ASSERT_EQ(Load(notes), LoadStatus::Ok);
    EXPECT_EQ(std::string(station_.StationNotes[0]), std::string(75, 'a'));
    EXPECT_EQ(std::string(station_.StationNotes[2]), std::string(75, 'c'));
}

TEST_F(StationBadInput, FieldCountsAndNumbersOutsideTheFormat)
{
    struct { const char* what; const char* line; float a1, p1, a2, p2; } cases[] = {
        {"seven fields and more", "A,1,2,B,3,4,C,5,6", 1, 2, 3, 4},
        {"three fields", "A,1,2", 1, 2, 0, 0},
        {"an empty field does not exist", "A,x,y,B,,4", 0, 0, 4, 0},
        {"hexadecimal reads as 0", "A,0x10,0X1p4,B,0x7,8", 0, 0, 0, 8},
        {"inf and nan read as 0", "A,inf,nan,B,-infinity,NAN", 0, 0, 0, 0},
        {"blanks lead, letters end", "A, 12.5cm,  -7deg,B,\t3,4.5e1x", 12.5f, -7, 3, 45},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Load(std::string("Port,34.04,136.12,110.0\n") + c.line + "\n"), LoadStatus::Ok) << c.what;
        EXPECT_EQ(station_.Amplitude[0], c.a1) << c.what;
        EXPECT_EQ(station_.PhaseLag[0], c.p1) << c.what;
        EXPECT_EQ(station_.Amplitude[1], c.a2) << c.what;
        EXPECT_EQ(station_.PhaseLag[1], c.p2) << c.what;
    }
    ASSERT_EQ(Load("Port,nan,0x88,inf\n"), LoadStatus::Ok);
    EXPECT_EQ(station_.Latitude, 0.0f);
    EXPECT_EQ(station_.Longitude, 0.0f);
    EXPECT_EQ(station_.MeanSeaLevel, 0.0f);
    EXPECT_EQ(station_.StandardMeridian, 0.0f);
}

TEST_F(StationBadInput, BinaryBytesStayInsideTheBuffers)
{
    std::string bytes;
    for (int repeat = 0; repeat < 8; ++repeat)
        for (int c = 0; c < 256; ++c) bytes += static_cast<char>((c * 37 + repeat) & 0xFF);
    const LoadStatus status = Load(bytes);
    EXPECT_NE(status, LoadStatus::OpenFailed);
    ExpectTextsTerminated();
    EXPECT_LT(std::strlen(station_.StationName), sizeof station_.StationName);
}

} // namespace
} // namespace marevo
