// Rules of the window program that need no window: file-name parsing of the port tree,
// settings conversions, start-up geometry and scrolling (the canvas sizes and day cells are
// the views' own: views/view_layout.h).
// Coordinates in pixels; heights in cm.
#pragma once

#include <string>

namespace marevo {

// Longest node text the port tree keeps and the labels read back (bytes, no terminator).
constexpr int MaxNodeText = 63;

// ---- Start-up -------------------------------------------------------------------------

// Drive and directory of an executable's full path (Shift-JIS), ending with its last
// separator ('\' or '/'); empty when the path has none.
std::string ModuleDirOf(const char* exePath);

// ModuleDir must leave room for "marevo.ini" inside a 260-byte path and for the station
// paths inside 256 bytes; a longer installation directory is refused.
constexpr int MaxModuleDir = 200;

// Top-left corner of the 383 x 240 notice window centred on the saved main-window
// rectangle; integer division truncates towards zero.
struct Point { int x, y; };
Point NoticePosition(int xPosition, int yPosition, int width, int height);
constexpr int NoticeWidth = 383, NoticeHeight = 240;

// ---- Dates ----------------------------------------------------------------------------

// The years the date commands keep to, as marevo-cli does.
constexpr int FirstYear = 1, LastYear = 9999;

// ---- Settings -------------------------------------------------------------------------

// A settings value as the read call returns it: cut to width - 1 bytes, without halving a
// double-byte Shift-JIS character.
std::string CutToWidth(const std::string& text, int width);
// Signed decimal integer: leading blanks, optional sign, digits up to the first other
// character; no digits gives 0. Out-of-range values saturate at the int limits.
int ProfileInt(const std::string& text);
// Decimal floating-point number in the same manner; no digits gives 0.0.
double ProfileDouble(const std::string& text);
// "%4.1f" of the ratio; empty when the text would not fit 11 characters (or is not finite).
std::string RatioText(double ratio);
// A ratio read from the settings: kept when RatioText can write it back, else 1.0.
double SanitisedRatio(double ratio);
// Display period read from the settings: 1, 7, 42 kept, anything else the tide table (-1),
// which is also what the start-up indicators show for it.
int SanitisedPeriod(int period);
// Graph style read from the settings: 1 bars, anything else 0 (line), as shown at start.
int SanitisedStyle(int style);
// Print colour read from the settings: 0 monochrome, anything else 1 (colour), which is
// what the print settings dialog shows for it.
int SanitisedColour(int colour);

// ---- Port tree ------------------------------------------------------------------------

// A directory entry as the tree lists it: prefecture code from the first two characters
// and the port name without the code and the four-character extension.
struct PortFileName {
    int code;          // 0 when the first characters hold no digit
    std::string port;  // at most 256 bytes; empty for a name of 6 bytes or fewer
};
PortFileName ParsePortFileName(const char* name);
// Codes that own a tree node index 0 ... 80; every other code lists at the root.
constexpr int PrefectureCodes = 81;
bool IsTreeCode(int code);

// ---- Graph pane -----------------------------------------------------------------------

// Scroll requests with the values of the platform's SB_ codes.
enum ScrollRequest {
    ScrollLineUp = 0, ScrollLineDown = 1, ScrollPageUp = 2, ScrollPageDown = 3,
    ScrollThumbPosition = 4, ScrollThumbTrack = 5
};
constexpr int ScrollPageStep = 20;
// Step of a scroll request clamped to [-position, maximum - page - position].
int ScrollDelta(int request, int thumbPosition, int position, int maximum, int page);

} // namespace marevo
