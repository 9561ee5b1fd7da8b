// The value a decimal number text must read as, for the fuzz targets' checks: the C
// library's strtod wherever it reads a decimal number, 0 where a text starts otherwise
// (no hexadecimal, "inf" or "nan" in the program's files).
#pragma once

#include <cstdlib>
#include <string>

inline double ReferenceDecimal(const std::string& text)
{
    size_t i = text.find_first_not_of(" \t\n\r\v\f");
    if (i == std::string::npos) return 0.0;
    size_t body = i + ((text[i] == '+' || text[i] == '-') ? 1 : 0);
    auto digit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    const bool decimal = digit(body) || (body < text.size() && text[body] == '.' && digit(body + 1));
    if (!decimal) return 0.0;
    if (text[body] == '0' && body + 1 < text.size() && (text[body + 1] == 'x' || text[body + 1] == 'X'))
        return text[i] == '-' ? -0.0 : 0.0; // "0" and then a letter that ends the number
    return std::strtod(text.c_str(), nullptr);
}
