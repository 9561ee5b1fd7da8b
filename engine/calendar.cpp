// Calendar and angle arithmetic: leap years, date normalisation, day numbers, weekdays,
// angle reduction. Dates are proleptic Gregorian; angles in degrees.
#include "engine/calendar.h"

#include <cmath>
#include <cstdlib>

namespace marevo {

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int year, int month)
{
    return month == 2 && IsLeapYear(year) ? 29 : CommonMonthLengths[month];
}

bool IsValidDate(CivilDate date)
{
    return date.year >= FirstYear && date.year <= LastYear && date.month >= 1 &&
           date.month <= 12 && date.day >= 1 && date.day <= MonthLength(date.year, date.month);
}

bool StepDate(CivilDate& date, int days)
{
    CivilDate next{date.year, date.month, date.day + days};
    NormalizeDate(next.year, next.month, next.day);
    if (next.year < FirstYear || next.year > LastYear) return false;
    date = next;
    return true;
}

double DayNumber(CivilDate date) { return DayNumber(date.year, date.month, date.day); }

int Weekday(CivilDate date) { return WeekdayFromDayNumber(DayNumber(date)); }

void SetFebruaryForYear(Calendar& cal, int year)
{
    cal.LeapYearFlag = IsLeapYear(year) ? 1 : 0;
    cal.MonthLengths[2] = cal.LeapYearFlag ? 29 : 28;
}

// NormalizeDate: brings a date whose month and day may be any integers to a valid date.
// Given: year, month, day (in and out). Returns: nothing; the date is rewritten.
// Reference: month carry by truncating division, then a walk over month lengths.
void NormalizeDate(int& year, int& month, int& day)
{
    int len[13];
    for (int i = 0; i < 13; ++i) len[i] = CommonMonthLengths[i];
    int y = year, m = month, d = day;
    if (m >= 1) {
        y += (m - 1) / 12;
        m = (m - 1) % 12 + 1;
    } else {
        y += m / 12 - 1;
        m = m % 12 + 12;
    }
    len[2] = IsLeapYear(y) ? 29 : 28;
    if (d >= 1) {
        while (d > len[m]) {
            if (m == 1) len[2] = IsLeapYear(y) ? 29 : 28;
            d -= len[m];
            if (++m == 13) {
                m = 1;
                ++y;
                len[2] = IsLeapYear(y) ? 29 : 28;
            }
        }
    } else {
        for (;;) {
            if (m == 3) len[2] = IsLeapYear(y) ? 29 : 28;
            if (--m == 0) {
                m = 12;
                --y;
            }
            // Strictly longer: a month exactly |d| long leaves day 0, which is the last
            // day of the month before it, so the walk goes on.
            if (len[m] > -d) {
                d = len[m] + d;
                break;
            }
            d += len[m];
        }
    }
    year = y;
    month = m;
    day = d;
}

// DayNumber: days from 2000 January 1, 12 h to 0 h of a date (truncating Julian Day).
// Given: year, month, day. Returns: day number, ending in .5 (2000-01-01 gives -0.5).
double DayNumber(int year, int month, int day)
{
    int y = year, m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    int a = y / 100;
    double b = Truncate(a * 0.25) + 2 - a;
    return b + Truncate(30.6001 * (m + 1)) + Truncate(365.25 * y) + day - 730550.5;
}

int WeekdayFromDayNumber(double dayNumber)
{
    double x = dayNumber + 6.5;
    return static_cast<int>(x - 7.0 * std::floor(x / 7.0));
}

int DayOfYear(int month, int day, const int monthLengths[13])
{
    int n = day - 1;
    for (int i = 1; i < month && i <= 12; ++i) n += monthLengths[i];
    return n;
}

double Truncate(double x) { return std::trunc(x); }

int SignOf(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// Reduce360: angle into [0, 360). Given: x (degrees, taken as float). Returns: degrees.
double Reduce360(double x)
{
    double xf = static_cast<float>(x);
    return xf - std::floor(xf * 0.002777777777777778) * 360.0;
}

// Fold180: angle into [-180, 180]; 180 and -180 change into each other.
double Fold180(double x)
{
    return x - 360.0 * Truncate((x + 180.0 * SignOf(x)) / 360.0);
}

double FractionMinutes(double x) { return (x - Truncate(x)) * 60.0; }

// DegMinToDegrees: signed degrees.minutes to decimal degrees (35.39 gives 35.65).
double DegMinToDegrees(double x)
{
    return Truncate(x) + (x - Truncate(x)) * 1.6666666666666665;
}

} // namespace marevo
