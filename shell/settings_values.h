// The values of marevo.ini as the program reads and writes them: texts cut to the reader's
// width, integers and decimal numbers read from their start, the printer ratio's text, and
// the values that stand for an unknown period, style or colour. Texts are Shift-JIS; widths
// in bytes.
#pragma once

#include <string>

namespace marevo {

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
// Display period read from the settings: OneDay, SevenDays, FortyTwoDays kept, anything
// else TideTable, which is also what the start-up indicators show for it.
int SanitisedPeriod(int period);
// Graph style read from the settings: BarGraph kept, anything else LineGraph, as shown at
// start.
int SanitisedStyle(int style);
// Print colour read from the settings: 0 monochrome, anything else 1 (colour), which is
// what the print settings dialog shows for it.
int SanitisedColour(int colour);

} // namespace marevo
