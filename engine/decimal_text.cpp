// Decimal numbers in the texts of the port files and the settings (see decimal_text.h).
#include "engine/decimal_text.h"

#include <cstdlib>
#include <string>

namespace marevo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The end of the sign, digits and decimal point that stand at p, or nullptr where they hold no
// digit.
const char* MantissaEnd(const char* p)
{
    if (*p == '+' || *p == '-') ++p;
    bool digits = false;
    while (IsDigit(*p)) ++p, digits = true;
    if (*p == '.') {
        ++p;
        while (IsDigit(*p)) ++p, digits = true;
    }
    return digits ? p : nullptr;
}

// The end of the exponent ('e' or 'E', a sign, at least one digit) that stands at p; p itself
// where none, or one without a digit, does.
const char* ExponentEnd(const char* p)
{
    if (*p != 'e' && *p != 'E') return p;
    const char* e = p + 1;
    if (*e == '+' || *e == '-') ++e;
    if (!IsDigit(*e)) return p;
    while (IsDigit(*e)) ++e;
    return e;
}

} // namespace

double DecimalToDouble(const char* text)
{
    if (!text) return 0.0;
    const char* p = text;
    while (IsBlank(*p)) ++p;
    const char* start = p;
    p = MantissaEnd(p);
    if (!p) return 0.0;
    p = ExponentEnd(p);
    // The prefix holds nothing but a decimal number, which every C library reads alike.
    const std::string number(start, p);
    return std::strtod(number.c_str(), nullptr);
}

bool IsDecimalNumber(const char* text)
{
    if (!text) return false;
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    p = MantissaEnd(p);
    if (!p) return false;
    p = ExponentEnd(p); // a cut exponent is left standing, so the text is no number
    while (*p == ' ' || *p == '\t') ++p;
    return *p == '\0';
}

} // namespace marevo
