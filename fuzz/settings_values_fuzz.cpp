// Fuzz target: conversion of the values of marevo.ini as the program reads them (cut to the
// read width, integers, the print ratio, period and style) over arbitrary value texts.
// Every value converts without overflow, and every ratio kept can be written back.
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/settings_values.h"
#include "fuzz/fuzz_check.h"

namespace {

// Signed decimal integer after blanks and tabs, saturated at the int limits.
int ReferenceInt(const std::string& text)
{
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    size_t digits = i + ((text[i] == '+' || text[i] == '-') ? 1 : 0);
    if (digits >= text.size() || text[digits] < '0' || text[digits] > '9') return 0;
    errno = 0;
    const long long value = std::strtoll(text.c_str() + i, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void CheckRatio(double ratio)
{
    const double kept = marevo::SanitisedRatio(ratio);
    const std::string text = marevo::RatioText(kept);
    FUZZ_CHECK(!text.empty() && text.size() <= 11);
    FUZZ_CHECK(std::isfinite(kept));
    if (kept != ratio) FUZZ_CHECK(kept == 1.0);
    // Read back through the settings width, the value written settles after one more save.
    const double again = marevo::SanitisedRatio(
        marevo::ProfileDouble(marevo::CutToWidth(text, 6)));
    const std::string second = marevo::RatioText(again);
    const double third = marevo::SanitisedRatio(marevo::ProfileDouble(marevo::CutToWidth(second, 6)));
    FUZZ_CHECK(marevo::RatioText(third) == second);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The read call returns a NUL-terminated text: the value is the bytes before a NUL.
    std::string raw(reinterpret_cast<const char*>(data), size);
    raw = raw.substr(0, raw.find('\0'));

    for (int width : {0, 1, 6, 9, 64}) {
        const std::string cut = marevo::CutToWidth(raw, width);
        FUZZ_CHECK(static_cast<int>(cut.size()) <= (width > 0 ? width - 1 : 0));
        FUZZ_CHECK(raw.compare(0, cut.size(), cut) == 0);
        FUZZ_CHECK(marevo::ProfileInt(cut) == ReferenceInt(cut));
    }
    FUZZ_CHECK(marevo::ProfileInt(raw) == ReferenceInt(raw));
    const int number = marevo::ProfileInt(marevo::CutToWidth(raw, 6));
    FUZZ_CHECK(number >= -9999 && number <= 99999);

    const int period = marevo::SanitisedPeriod(marevo::ProfileInt(raw));
    FUZZ_CHECK(period == 1 || period == 7 || period == 42 || period == -1);
    const int style = marevo::SanitisedStyle(marevo::ProfileInt(raw));
    FUZZ_CHECK(style == 0 || style == 1);

    CheckRatio(marevo::ProfileDouble(marevo::CutToWidth(raw, 6)));
    CheckRatio(marevo::ProfileDouble(raw));
    if (size >= sizeof(double)) { // any double at all: NaN, infinities, subnormals
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        CheckRatio(bits);
    }
    return 0;
}
