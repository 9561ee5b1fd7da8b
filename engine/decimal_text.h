// Decimal numbers in the texts of the port files and the settings: the same value on every
// platform (the C library's atof also reads hexadecimal, "inf" and "nan" on some of them).
#pragma once

namespace marevo {

/*
**  DecimalToDouble: the decimal number at the start of a text.
**  Given: text (NUL-terminated; nullptr reads as empty). Leading blanks (space, tab, line
**         breaks) are skipped; then an optional sign, digits with an optional decimal point,
**         and an optional exponent (e or E, optional sign, at least one digit).
**  Returns: the number up to the first character that cannot continue it, correctly
**           rounded; 0.0 when no digit comes first ("inf", "nan" and "0x10" read as 0, 0
**           and 0). A number beyond the range of double gives an infinity of its sign.
*/
double DecimalToDouble(const char* text);

/*
**  IsDecimalNumber: whether a text is one decimal number and nothing else.
**  Given: text (NUL-terminated; nullptr is no number). Blanks (space, tab) may stand before
**         and after the number, which is written as DecimalToDouble reads it (at least one
**         digit).
**  Returns: true when DecimalToDouble reads the whole text; false for an empty or blank
**           text, a number cut before its first digit or its exponent's, or anything after it.
*/
bool IsDecimalNumber(const char* text);

} // namespace marevo
