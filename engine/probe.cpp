#include "engine/calendar.h"
namespace marevo { bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; } }
