// Station files written by the tests themselves: raw bytes into the test's temporary folder,
// and a synthetic port whose constants the tests choose (cm and degrees).
#pragma once

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "engine/station.h"

namespace marevo::test {

// Writes bytes exactly as given (binary) and returns the path.
inline std::string WriteFile(const std::string& name, const std::string& bytes)
{
    const std::string path = testing::TempDir() + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr) << path;
    if (f) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

// One constant of a synthetic port.
struct Constant {
    int index;
    float amplitude; // cm
    float phaseLag;  // degrees
};

// A complete file text: header, 20 constituent lines (all constants 0 except those given;
// the further constituents among them are left to ExtraText), line breaks as eol.
template <size_t N>
std::string StationText(const char* header, const Constant (&constants)[N], const char* eol = "\r\n")
{
    float amp[MaxConstituents] = {}, lag[MaxConstituents] = {};
    for (const Constant& c : constants) {
        amp[c.index] = c.amplitude;
        lag[c.index] = c.phaseLag;
    }
    std::string text = std::string(header) + eol;
    for (int k = 0; k < 20; ++k) {
        char line[80];
        std::snprintf(line, sizeof line, "C%02d,%.2f,%.2f,C%02d,%.2f,%.2f", 2 * k, amp[2 * k], lag[2 * k],
                      2 * k + 1, amp[2 * k + 1], lag[2 * k + 1]);
        text += std::string(line) + eol;
    }
    return text;
}

// count constituent lines of zero constants, to make a file whole after lines of its own.
inline std::string ZeroLines(int count, const char* eol = "\n")
{
    std::string text;
    for (int k = 0; k < count; ++k) text += std::string("C,0.00,0.00,D,0.00,0.00") + eol;
    return text;
}

// The ten lines of the further constituents 40 to 59 with their labels (all constants 0
// except those given), as they follow the notes.
template <size_t N>
std::string ExtraText(const Constant (&constants)[N], const char* eol = "\r\n")
{
    float amp[MaxConstituents] = {}, lag[MaxConstituents] = {};
    for (const Constant& c : constants) {
        amp[c.index] = c.amplitude;
        lag[c.index] = c.phaseLag;
    }
    std::string text;
    for (int i = ConstituentCount; i < MaxConstituents; i += 2) {
        char line[80];
        std::snprintf(line, sizeof line, "%s,%.2f,%.2f,%s,%.2f,%.2f",
                      ExtraConstituentLabels[i - ConstituentCount], amp[i], lag[i],
                      ExtraConstituentLabels[i + 1 - ConstituentCount], amp[i + 1], lag[i + 1]);
        text += std::string(line) + eol;
    }
    return text;
}

// Loads a file written from text; fails the test when it does not load.
inline Station LoadText(const std::string& name, const std::string& text)
{
    Station s;
    EXPECT_EQ(LoadStationFile(WriteFile(name, text).c_str(), s), LoadStatus::Ok) << name;
    return s;
}

// A mixed, mainly semidiurnal port on the zone meridian's side of Japan (34.04 N 136.12 E).
inline Station MixedPort()
{
    const Constant c[] = {
        {0, 12.0f, 150.0f},  {5, 4.0f, 180.0f},   {7, 19.0f, 185.0f},  {11, 8.0f, 200.0f},
        {13, 25.0f, 205.0f}, {21, 11.0f, 160.0f}, {24, 52.0f, 170.0f}, {28, 24.0f, 195.0f},
        {30, 6.5f, 193.0f},  {36, 1.2f, 40.0f},
    };
    return LoadText("mixed_port.MV2", StationText("Mixed,34.04,136.12,110.0", c));
}

} // namespace marevo::test
