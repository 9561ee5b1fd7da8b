// The values of marevo.ini as the program reads and writes them: texts cut to the reader's
// width, integers and decimal numbers read from their start, the printer ratio's text, and
// the values that stand for an unknown period, style or colour, the print magnifications
// that print, and which key of the file holds which setting. Texts are Shift-JIS; widths in
// bytes.
#pragma once

#include <string>
#include <vector>

#include "shell/profile_text.h"

#include "shell/port_files.h"
#include "shell/prefectures.h"
#include "views/view_layout.h"
#include "views/view_model.h"

namespace marevo {

// What marevo.ini remembers between runs, with the values a missing key reads as (the site
// given by its texts, Shift-JIS: the prefecture's node text and the port's).
struct Settings {
    // 三重県 and 尾鷲 in Shift-JIS bytes, the same under every compiler.
    static constexpr char DefaultPref[] = "\x8e\x4f\x8f\x64\x8c\xa7",
                          DefaultPort[] = "\x94\xf6\x98\x68";
    int RegionExpanded[RegionCount + 1] = {};        // [1..9]
    int PrefectureExpanded[PrefectureCodes] = {};    // [0..80]
    marevo::GraphStyle GraphStyle = BarGraph;
    marevo::DisplayPeriod DisplayPeriod = TideTable;
    int XPosition = 100, YPosition = 100; // pixels of the screen
    int Width = 725, Height = 480;        // pixels at 96 dpi, scaled to the screen
    // Read and saved as pixels at 96 dpi, the screen's pixels while the program runs; 0:
    // wide enough for the names (the window's fitting tree width).
    int TreeWidth = 0;
    char SavedPref[MaxNodeText + 1] = {};
    char SavedPort[MaxNodeText + 1] = {};
    double PrinterRatio = 1.0;
    int PrinterColor = 1;
};

// A settings value as the read call returns it: cut to width - 1 bytes, without halving a
// double-byte Shift-JIS character.
std::string CutToWidth(const std::string& text, int width);
// Signed decimal integer: leading blanks, optional sign, digits up to the first other
// character; no digits gives 0. Out-of-range values saturate at the int limits.
int ProfileInt(const std::string& text);
// Decimal floating-point number after blanks (spaces and tabs), by DecimalToDouble; no
// digits gives 0.0 (also "inf", "nan" and "0x5").
double ProfileDouble(const std::string& text);
// "%4.1f" of the ratio; empty when the text would not fit 11 characters (or is not finite).
std::string RatioText(double ratio);
// A ratio read from the settings: kept when RatioText can write it back, else 1.0.
double SanitisedRatio(double ratio);
// The print magnifications that print something and can be written back as "%4.1f":
// 0.1 to 999.9 as rounded to one decimal.
constexpr double MinPrinterRatio = 0.05, MaxPrinterRatio = 999.95;
bool IsPrintableRatio(double ratio);
// The magnification typed into the print settings: its first TypedRatioChars characters
// read as a decimal number (leading blanks skipped, no number reads as 0). False when that
// would not print.
constexpr int TypedRatioChars = 9;
bool ReadTypedRatio(const std::string& text, double& ratio);
// Display period read from the settings: OneDay, SevenDays, FortyTwoDays kept, anything
// else TideTable, which is also what the start-up indicators show for it.
DisplayPeriod SanitisedPeriod(int period);
// Graph style read from the settings: BarGraph kept, anything else LineGraph, as shown at
// start.
GraphStyle SanitisedStyle(int style);
// Print colour read from the settings: 0 monochrome, anything else 1 (colour), which is
// what the print settings dialog shows for it.
int SanitisedColour(int colour);

// The settings a marevo.ini text holds: [TREE] CHI1..CHI9 and KEN00..KEN80, [WINDOWS] BOX,
// ONEORSEVEN, XPosition, YPosition, Width, Height, TreeWidth, [SITE] PREF and PORT,
// [PRINTER] PrinterRatio and PrinterColor; each read as the platform's reader gives it, cut
// to its reader's width (numbers 6 bytes, site texts the longest node text) and sanitised;
// a missing key gives the default of Settings.
Settings SettingsFromText(const std::string& file);
// The keys written at exit, in the file's order (tree, site, period and style, placement,
// printer). placement false leaves out the position and size keys (a window maximised or
// minimised keeps the ones the file holds). The sizes are written as s holds them (the
// front end gives them as at 96 dpi).
std::vector<ProfileValue> SettingsKeys(const Settings& s, bool placement);
// The two printer keys; a ratio RatioText cannot write is written as the default's text.
std::vector<ProfileValue> PrinterKeys(const Settings& s);

} // namespace marevo
