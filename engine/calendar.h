// Calendar and angle arithmetic shared by the engine, the astronomy and the views.
// Dates are proleptic Gregorian civil dates in the station's zone time; angles in degrees.
#pragma once

namespace marevo {

// Degrees to radians with pi taken as 3.141593, and back; every trigonometric call of the
// program converts with these, not with the full-precision pi.
constexpr double DegToRad = 0.017453294444444444;
constexpr double RadToDeg = 57.29577319531843;

// Days of the months of a common year: [1..12] January to December, and [0] December of the
// year before, so that a walk backwards from January reads it. The program's one table of
// month lengths; February of a leap year is MonthLength's business.
constexpr int CommonMonthLengths[13] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Month lengths of the year in use, and the weekday of the last prepared date.
// MonthLengths[0] is December of the year before (31), [1..12] January to December.
// Only February ([2]) is ever rewritten.
struct Calendar {
    int MonthLengths[13] = {CommonMonthLengths[0],  CommonMonthLengths[1],  CommonMonthLengths[2],
                            CommonMonthLengths[3],  CommonMonthLengths[4],  CommonMonthLengths[5],
                            CommonMonthLengths[6],  CommonMonthLengths[7],  CommonMonthLengths[8],
                            CommonMonthLengths[9],  CommonMonthLengths[10], CommonMonthLengths[11],
                            CommonMonthLengths[12]};
    int LeapYearFlag = 0; // 1 when the displayed year is a leap year
    int Weekday = 0;      // 0 = Sunday ... 6 = Saturday
};

bool IsLeapYear(int year);

// Days of month (1 ... 12) of year: CommonMonthLengths, February 29 in a leap year.
int MonthLength(int year, int month);

// The years the program computes and steps through (Gregorian years 1 to 9999): day numbers
// and the tables hold for them only (before year 1 two days would share one day number).
constexpr int FirstYear = 1, LastYear = 9999;

// A civil date: year, month (1 ... 12) and day of the month, in the station's zone time.
struct CivilDate {
    int year = 2000, month = 1, day = 1;
};
inline bool operator==(CivilDate a, CivilDate b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}
inline bool operator!=(CivilDate a, CivilDate b) { return !(a == b); }

// A real date of the years FirstYear ... LastYear.
bool IsValidDate(CivilDate date);
// The date days later (earlier for days < 0). False, and date left as it was, when the
// result would leave the years FirstYear ... LastYear: the program's date steps stop there.
bool StepDate(CivilDate& date, int days);

// February = 29 or 28 and LeapYearFlag for the displayed year (refresh and printing).
void SetFebruaryForYear(Calendar& cal, int year);

// Brings any (year, month, day) to a valid date; month and day may be any integers.
void NormalizeDate(int& year, int& month, int& day);

// Days from 2000 January 1, 12 h to 0 h of the date (always ends in .5).
double DayNumber(int year, int month, int day);

// 0 = Sunday ... 6 = Saturday; 2000 January 1 (day number -0.5) is a Saturday.
int WeekdayFromDayNumber(double dayNumber);

// DayNumber and WeekdayFromDayNumber of a civil date.
double DayNumber(CivilDate date);
int Weekday(CivilDate date);

// Zero-based day of the year, summing monthLengths[1 .. month-1].
int DayOfYear(int month, int day, const int monthLengths[13]);

double Truncate(double x);          // toward zero
int SignOf(double x);               // -1, 0 or +1
double Reduce360(double x);         // x taken as float, result in [0, 360)
double Fold180(double x);           // into [-180, 180], 180 and -180 swap
double FractionMinutes(double x);   // (x - Truncate(x)) * 60
double DegMinToDegrees(double x);   // signed degrees.minutes to decimal degrees

} // namespace marevo
