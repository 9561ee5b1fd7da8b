// Small text and calendar helpers of the views: printf into a string, bounded substrings of
// Shift-JIS byte strings, leading-blank trimming and the weekday of a civil date
// (0 = Sunday ... 6 = Saturday).
#pragma once

#include <string>

namespace marevo {

// The longest text Substring and TrimLeadingSpaces return, in bytes.
constexpr int TextLimit = 256;

// "日", "月", "火", "水", "木", "金", "土": index 0 = Sunday.
extern const char* const WeekdayNames[7];

/*
**  Format: printf into a string of at most 199 bytes (the longest line a view draws is far
**  shorter; a longer result is cut, never overrun).
*/
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

/*
**  WholeCm: a height rounded to whole centimetres (halves away from zero) for "%3.0fcm",
**  without a negative zero: -0.4 cm reads 0, not -0.
**  Given: height in cm. Returns: the rounded height, +0 for every value that rounds to 0.
*/
double WholeCm(double heightCm);

/*
**  Substring: bytes of text from text[start] on, until count bytes, TextLimit bytes or the
**  terminating NUL, whichever comes first.
**  Given: text (NUL-terminated; nullptr reads as empty), start, count (bytes).
**  Returns: the bytes copied; empty when start is negative or at or beyond the end of text.
*/
std::string Substring(const char* text, int start, int count);

/*
**  TrimLeadingSpaces: text without its leading blanks (0x20), at most TextLimit of them
**  counted, and at most TextLimit bytes kept.
**  Given: text (NUL-terminated; nullptr reads as empty).
**  Returns: the trimmed text.
*/
std::string TrimLeadingSpaces(const char* text);

/*
**  WeekdayOf: weekday of a civil date from its day number, for every date (no dependence on
**  the library's time range or the machine's time zone).
**  Given: year, month, day (normalised first, so day 32 of a month is the next month's 1st).
**  Returns: 0 = Sunday ... 6 = Saturday.
**  Reference: DayNumber and WeekdayFromDayNumber of the calendar arithmetic.
*/
int WeekdayOf(int year, int month, int day);

} // namespace marevo
