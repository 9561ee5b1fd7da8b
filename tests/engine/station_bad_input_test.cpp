// Station files that break the format: cut short, empty, over-long, binary, with other line
// breaks or odd numbers. Each loads without touching memory outside Station, says when it
// has no header or is not whole, and never leaves constants of the port loaded before.
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

TEST_F(StationBadInput, ShortFilesAreDamagedAndLeaveNoConstantsOfThePortBefore)
{
    struct { const char* what; std::string bytes; } cases[] = {
        {"header only", "Port,34.04,136.12,110.0\n"},
        {"seven lines", "Port,34.04,136.12,110.0\n" + [] {
             std::string t;
             for (int k = 0; k < 7; ++k) t += ConstituentLine(k) + "\n";
             return t;
         }()},
        {"two lines, the last unterminated",
         "Port,1,2,3\n" + ConstituentLine(0) + "\n" + ConstituentLine(1)},
        {"nineteen lines and a blank one",
         WellFormed().substr(0, WellFormed().rfind("C19")) + "\n"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Load(c.bytes), LoadStatus::Damaged) << c.what;
        EXPECT_STREQ(station_.StationName, "") << c.what;
        for (int i = 0; i < MaxConstituents; ++i) {
            EXPECT_EQ(station_.Amplitude[i], 0.0f) << c.what << i;
            EXPECT_EQ(station_.PhaseLag[i], 0.0f) << c.what << i;
        }
        for (const auto& note : station_.StationNotes) EXPECT_STREQ(note, "") << c.what;
        ExpectTextsTerminated();
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

// The 19 lines of the well-formed file after its first first constituent lines.
std::string LinesFrom(int first)
{
    std::string text;
    for (int k = first; k < 20; ++k) text += ConstituentLine(k) + "\n";
    return text;
}

TEST_F(StationBadInput, OverLongLinesAndFieldsAreCutNotSplit)
{
    std::string text = "Port,34.04,136.12,110.0," + std::string(80, '9') + "\n";
    // Line 1 runs past the 59 kept characters: the rest is dropped, not read as line 2.
    text += "Sa,1.5,10,Ssa,2.5,20," + std::string(80, '7') + "\n";
    // Line 2 holds a 50-digit amplitude: 45 ones kept, cut to 19 in the field slot.
    text += "Mm,3.5,30,MSf," + std::string(50, '1') + "\n";
    text += "Mf,5.5,50,Q1,6.5,60\n" + LinesFrom(3);
    // Its phase lag after that field lay beyond the cut: the line is not whole.
    EXPECT_EQ(Load(text), LoadStatus::Damaged);
    text.replace(text.find("1111\n"), 5, "1111,40\n");
    EXPECT_EQ(Load(text), LoadStatus::Damaged);
    text.replace(text.find("Mm,3.5,30,MSf,"), 14 + 50, "Mm,3.5,30,MSf," + std::string(30, '1'));
    ASSERT_EQ(Load(text), LoadStatus::Ok);
    EXPECT_EQ(station_.Amplitude[0], 1.5f);
    EXPECT_EQ(station_.PhaseLag[1], 20.0f);
    EXPECT_EQ(station_.Amplitude[2], 3.5f);
    EXPECT_EQ(station_.Amplitude[3], static_cast<float>(1111111111111111111.0));
    EXPECT_EQ(station_.PhaseLag[3], 40.0f);
    EXPECT_EQ(station_.Amplitude[4], 5.5f);
    EXPECT_EQ(station_.PhaseLag[5], 60.0f);
    EXPECT_EQ(station_.Amplitude[6], 7.5f);

    const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXY"; // 25 bytes
    // 59 characters kept: the name, 22 threes, the longitude and "110" of "110.0".
    ASSERT_EQ(Load(longName + "," + std::string(22, '3') + ",136.12,110.0\n" + LinesFrom(0)),
              LoadStatus::Ok);
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
    struct {
        const char* what;
        const char* line;
        LoadStatus status;
        float a1, p1, a2, p2;
    } cases[] = {
        {"seven fields and more", "A,1,2,B,3,4,C,5,6", LoadStatus::Ok, 1, 2, 3, 4},
        {"blanks around the numbers", "A, 12.5 ,\t-7,B, 3 ,4.5e1  ", LoadStatus::Ok, 12.5f, -7, 3,
         45},
        {"three fields", "A,1,2", LoadStatus::Damaged, 0, 0, 0, 0},
        {"an empty field does not exist", "A,1,2,B,,4", LoadStatus::Damaged, 0, 0, 0, 0},
        {"letters", "A,x,y,B,3,4", LoadStatus::Damaged, 0, 0, 0, 0},
        {"hexadecimal", "A,0x10,2,B,3,4", LoadStatus::Damaged, 0, 0, 0, 0},
        {"inf and nan", "A,inf,nan,B,3,4", LoadStatus::Damaged, 0, 0, 0, 0},
        {"a unit after the number", "A,12.5cm,2,B,3,4", LoadStatus::Damaged, 0, 0, 0, 0},
        {"a decimal comma", "A,12,5,2,B,3,4", LoadStatus::Damaged, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const std::string text = std::string("Port,34.04,136.12,110.0\n") + c.line + "\n";
        ASSERT_EQ(Load(text + LinesFrom(1)), c.status) << c.what;
        EXPECT_EQ(station_.Amplitude[0], c.a1) << c.what;
        EXPECT_EQ(station_.PhaseLag[0], c.p1) << c.what;
        EXPECT_EQ(station_.Amplitude[1], c.a2) << c.what;
        EXPECT_EQ(station_.PhaseLag[1], c.p2) << c.what;
    }
    for (const char* header :
         {"Port,nan,0x88,inf\n", "Port,34.04,136.12,+\n", "Port,34N,136E,110\n"})
        EXPECT_EQ(Load(header + LinesFrom(0)), LoadStatus::Damaged) << header;
}

// The shipped file of 尾鷲 as the C library's fopen takes its path: UTF-8 here, code page 932
// on Windows.
#ifdef _WIN32
const char* const ShippedOwase = MAREVO_TEST_DATA "/dt/24尾鷲.MV2";
#else
const char* const ShippedOwase = u8"" MAREVO_TEST_DATA "/dt/24尾鷲.MV2";
#endif

// A shipped port file (header, 20 lines, three notes, ten lines of further constituents, CR
// LF): the whole of it, and copies of it.
class ShippedFileCopies : public StationBadInput {
protected:
    void SetUp() override
    {
        StationBadInput::SetUp();
        std::FILE* f = std::fopen(ShippedOwase, "rb");
        ASSERT_NE(f, nullptr);
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) whole_.append(buffer, n);
        std::fclose(f);
        ASSERT_EQ(Load(whole_), LoadStatus::Ok);
        ASSERT_EQ(station_.ExtraConstituents, 20);
        ASSERT_NE(station_.StationNotes[2][0], '\0');
        reference_ = station_;
    }
    // The offset just after the line break of line n (0 = the header).
    size_t LineEnd(int n) const
    {
        size_t at = 0;
        for (int i = 0; i <= n; ++i) at = whole_.find('\n', at) + 1;
        return at;
    }
    std::string whole_;
    Station reference_;
};

TEST_F(ShippedFileCopies, CopiesThatAreNotWholeAreDamaged)
{
    // Cut at every third byte from the end of the header to the last field of the 20th
    // constituent line, and inside each line of the further constituents from the comma after
    // its first label to its last field; and the first 500 bytes.
    std::vector<std::pair<size_t, size_t>> cuts = {
        {LineEnd(0), whole_.rfind(',', LineEnd(20) - 1) + 1}};
    for (int n = 24; n < 34; ++n) {
        const size_t start = LineEnd(n - 1), comma = whole_.find(',', start);
        cuts.push_back({comma + 1, whole_.rfind(',', LineEnd(n) - 1) + 1});
    }
    for (const auto& [from, to] : cuts)
        for (size_t cut = from; cut <= to; cut = cut < to && cut + 3 > to ? to : cut + 3)
            EXPECT_EQ(Load(whole_.substr(0, cut)), LoadStatus::Damaged) << "cut at " << cut;
    EXPECT_EQ(Load(whole_.substr(0, 500)), LoadStatus::Damaged);

    // Lines missing, a field that is not a number.
    auto without = [&](int n) {
        return whole_.substr(0, LineEnd(n - 1)) + whole_.substr(LineEnd(n));
    };
    auto replaced = [&](const char* from, const char* to) {
        std::string text = whole_;
        text.replace(text.find(from), std::strlen(from), to);
        return text;
    };
    const std::pair<const char*, std::string> damaged[] = {
        {"header only", whole_.substr(0, LineEnd(0))},
        {"first constituent line missing", without(1)},
        {"the line of M2 missing", without(13)},
        {"20th constituent line missing", without(20)},
        {"the notes and the 20th line missing",
         whole_.substr(0, LineEnd(19)) + whole_.substr(LineEnd(23))},
        {"the position not a number", replaced("34.05,", "34.05N,")},
        {"Z0 not a number", replaced(",104.00", ",1O4.00")},
        {"an amplitude not a number", replaced("M2,43.62,", "M2,43.6.2,")},
        {"a phase lag not a number", replaced(",169.92,", ",16992x,")},
        {"a further phase lag not a number", replaced("2SM6,0.01,49.24", "2SM6,0.01,?")},
    };
    for (const auto& [what, text] : damaged) EXPECT_EQ(Load(text), LoadStatus::Damaged) << what;
}

TEST_F(ShippedFileCopies, HarmlessVariantsLoadAsTheWholeFile)
{
    std::string lf, blanks;
    for (char c : whole_)
        if (c != '\r') lf += c;
    for (char c : whole_) blanks += c == '\r' ? std::string("  \t\r") : std::string(1, c);
    const std::string noBreak = whole_.substr(0, whole_.size() - 2);
    const std::pair<const char*, std::string> harmless[] = {
        {"LF line breaks", lf},
        {"no line break at the end", noBreak},
        {"LF and no line break at the end", lf.substr(0, lf.size() - 1)},
        {"CR without LF at the end", whole_.substr(0, whole_.size() - 1)},
        {"blanks before every line break", blanks},
        {"blanks after the last line break", whole_ + "  \t"},
        {"blank lines after the last line", whole_ + "\r\n\r\n"},
    };
    for (const auto& [what, text] : harmless) {
        ASSERT_EQ(Load(text), LoadStatus::Ok) << what;
        const size_t bytes = sizeof station_.Amplitude;
        EXPECT_EQ(std::memcmp(station_.Amplitude, reference_.Amplitude, bytes), 0) << what;
        EXPECT_EQ(std::memcmp(station_.PhaseLag, reference_.PhaseLag, bytes), 0) << what;
        EXPECT_EQ(station_.ExtraConstituents, 20) << what;
        EXPECT_EQ(station_.MeanSeaLevel, reference_.MeanSeaLevel) << what;
        EXPECT_EQ(station_.StandardMeridian, 135.0f) << what;
    }
    // A file whose further constituents end after whole lines is whole: it carries fewer.
    ASSERT_EQ(Load(whole_.substr(0, LineEnd(28))), LoadStatus::Ok);
    EXPECT_EQ(station_.ExtraConstituents, 10);
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
