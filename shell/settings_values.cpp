// The values of marevo.ini (see settings_values.h).
#include "shell/settings_values.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/decimal_text.h"
#include "text/shift_jis.h"
#include "views/view_model.h"

namespace marevo {

std::string CutToWidth(const std::string& text, int width)
{
    if (width <= 0) return std::string();
    return SjisPrefix(text, static_cast<size_t>(width - 1));
}

int ProfileInt(const std::string& text)
{
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p++ - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

double ProfileDouble(const std::string& text)
{
    // The reader skips spaces and tabs only; DecimalToDouble would also skip line breaks.
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    if (*p != '+' && *p != '-' && *p != '.' && !(*p >= '0' && *p <= '9')) return 0.0;
    return DecimalToDouble(p);
}

std::string RatioText(double ratio)
{
    if (!std::isfinite(ratio)) return std::string();
    char text[64];
    int n = std::snprintf(text, sizeof text, "%4.1f", ratio);
    if (n < 0 || n > 11) return std::string();
    return text;
}

double SanitisedRatio(double ratio) { return RatioText(ratio).empty() ? 1.0 : ratio; }

DisplayPeriod SanitisedPeriod(int period)
{
    switch (period) {
    case OneDay: return OneDay;
    case SevenDays: return SevenDays;
    case FortyTwoDays: return FortyTwoDays;
    default: return TideTable;
    }
}

GraphStyle SanitisedStyle(int style) { return style == BarGraph ? BarGraph : LineGraph; }

int SanitisedColour(int colour) { return colour == 0 ? 0 : 1; }

bool IsPrintableRatio(double ratio)
{
    return ratio >= MinPrinterRatio && ratio < MaxPrinterRatio;
}

bool ReadTypedRatio(const std::string& text, double& ratio)
{
    ratio = std::strtod(text.substr(0, TypedRatioChars).c_str(), nullptr);
    return IsPrintableRatio(ratio) && !RatioText(ratio).empty();
}

namespace {

constexpr int NumberWidth = 6;
constexpr int SiteWidth = MaxNodeText + 1;

std::string ReadText(const std::string& file, const char* section, const char* key,
                     const char* fallback, int width)
{
    std::string value;
    if (!FindProfileValue(file, section, key, value)) value = fallback;
    return CutToWidth(value, width);
}

int ReadInt(const std::string& file, const char* section, const char* key, int fallback)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", fallback);
    return ProfileInt(ReadText(file, section, key, text, NumberWidth));
}

void WriteInt(std::vector<ProfileValue>& writes, const char* section, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    writes.push_back({section, key, text});
}

std::string RegionKey(int i)
{
    char key[16];
    std::snprintf(key, sizeof key, "CHI%d", i);
    return key;
}

std::string PrefectureKey(int k)
{
    char key[16];
    std::snprintf(key, sizeof key, "KEN%02d", k);
    return key;
}

} // namespace

Settings SettingsFromText(const std::string& file)
{
    Settings s;
    const Settings defaults;
    for (int i = 1; i <= RegionCount; ++i)
        s.RegionExpanded[i] = ReadInt(file, "TREE", RegionKey(i).c_str(), defaults.RegionExpanded[i]);
    for (int k = 0; k < PrefectureCodes; ++k)
        s.PrefectureExpanded[k] =
            ReadInt(file, "TREE", PrefectureKey(k).c_str(), defaults.PrefectureExpanded[k]);
    s.GraphStyle = SanitisedStyle(ReadInt(file, "WINDOWS", "BOX", defaults.GraphStyle));
    s.DisplayPeriod =
        SanitisedPeriod(ReadInt(file, "WINDOWS", "ONEORSEVEN", defaults.DisplayPeriod));
    s.XPosition = ReadInt(file, "WINDOWS", "XPosition", defaults.XPosition);
    s.YPosition = ReadInt(file, "WINDOWS", "YPosition", defaults.YPosition);
    s.Width = ReadInt(file, "WINDOWS", "Width", defaults.Width);
    s.Height = ReadInt(file, "WINDOWS", "Height", defaults.Height);
    s.TreeWidth = ReadInt(file, "WINDOWS", "TreeWidth", defaults.TreeWidth);
    std::snprintf(s.SavedPref, sizeof s.SavedPref, "%s",
                  ReadText(file, "SITE", "PREF", Settings::DefaultPref, SiteWidth).c_str());
    std::snprintf(s.SavedPort, sizeof s.SavedPort, "%s",
                  ReadText(file, "SITE", "PORT", Settings::DefaultPort, SiteWidth).c_str());
    const std::string ratio = RatioText(defaults.PrinterRatio);
    s.PrinterRatio = SanitisedRatio(
        ProfileDouble(ReadText(file, "PRINTER", "PrinterRatio", ratio.c_str(), NumberWidth)));
    s.PrinterColor =
        SanitisedColour(ReadInt(file, "PRINTER", "PrinterColor", defaults.PrinterColor));
    return s;
}

std::vector<ProfileValue> PrinterKeys(const Settings& s)
{
    const std::string ratio = RatioText(s.PrinterRatio);
    const std::string fallback = RatioText(Settings().PrinterRatio);
    std::vector<ProfileValue> writes = {
        {"PRINTER", "PrinterRatio", ratio.empty() ? fallback : ratio}};
    WriteInt(writes, "PRINTER", "PrinterColor", s.PrinterColor);
    return writes;
}

std::vector<ProfileValue> SettingsKeys(const Settings& s, bool placement)
{
    std::vector<ProfileValue> writes;
    for (int i = 1; i <= RegionCount; ++i)
        WriteInt(writes, "TREE", RegionKey(i).c_str(), s.RegionExpanded[i]);
    for (int k = 0; k < PrefectureCodes; ++k)
        WriteInt(writes, "TREE", PrefectureKey(k).c_str(), s.PrefectureExpanded[k]);
    writes.push_back({"SITE", "PREF", s.SavedPref});
    writes.push_back({"SITE", "PORT", s.SavedPort});
    WriteInt(writes, "WINDOWS", "BOX", s.GraphStyle);
    WriteInt(writes, "WINDOWS", "ONEORSEVEN", s.DisplayPeriod);
    if (placement) {
        WriteInt(writes, "WINDOWS", "XPosition", s.XPosition);
        WriteInt(writes, "WINDOWS", "YPosition", s.YPosition);
        WriteInt(writes, "WINDOWS", "Width", s.Width);
        WriteInt(writes, "WINDOWS", "Height", s.Height);
        WriteInt(writes, "WINDOWS", "TreeWidth", s.TreeWidth);
    }
    for (const ProfileValue& key : PrinterKeys(s)) writes.push_back(key);
    return writes;
}

} // namespace marevo
