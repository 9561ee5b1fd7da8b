// JSON text with the escapes of RFC 8259; numbers through std::to_chars (shortest form).
#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace marevo::cli {

void JsonWriter::Separate()
{
    if (needComma_) text_ += ',';
    needComma_ = true;
}

JsonWriter& JsonWriter::BeginObject() { Separate(); text_ += '{'; needComma_ = false; return *this; }
JsonWriter& JsonWriter::EndObject() { text_ += '}'; needComma_ = true; return *this; }
JsonWriter& JsonWriter::BeginArray() { Separate(); text_ += '['; needComma_ = false; return *this; }
JsonWriter& JsonWriter::EndArray() { text_ += ']'; needComma_ = true; return *this; }

JsonWriter& JsonWriter::Key(const std::string& key)
{
    String(key);
    text_ += ':';
    needComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::String(const std::string& s)
{
    Separate();
    text_ += '"';
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') { text_ += '\\'; text_ += static_cast<char>(c); }
        else if (c == '\n') text_ += "\\n";
        else if (c == '\r') text_ += "\\r";
        else if (c == '\t') text_ += "\\t";
        else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            text_ += esc;
        } else text_ += static_cast<char>(c);
    }
    text_ += '"';
    return *this;
}

namespace {
template <typename T> std::string Shortest(T value)
{
    if (!std::isfinite(value)) return "null"; // JSON has no NaN or infinity
    char buffer[64];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
#else
    // A C++ library without the floating-point to_chars (the browser's): the fewest
    // significant digits that read back as the same value.
    for (int digits = 1;; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(value));
        if (static_cast<T>(std::strtod(buffer, nullptr)) == value || digits >= 17)
            return buffer;
    }
#endif
}
} // namespace

JsonWriter& JsonWriter::Number(float v) { Separate(); text_ += Shortest(v); return *this; }
JsonWriter& JsonWriter::Number(double v) { Separate(); text_ += Shortest(v); return *this; }
JsonWriter& JsonWriter::Integer(long long v) { Separate(); text_ += std::to_string(v); return *this; }
JsonWriter& JsonWriter::Fixed(double v, int decimals)
{
    Separate();
    if (!std::isfinite(v)) {
        text_ += "null";
        return *this;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    // No negative zero: -0.04 rounds to "0.0".
    std::string number = buffer;
    if (number[0] == '-' && number.find_first_not_of("-0.") == std::string::npos) number.erase(0, 1);
    text_ += number;
    return *this;
}

namespace {
// -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)? (RFC 8259).
bool IsJsonNumber(const std::string& s)
{
    size_t i = 0;
    auto digits = [&] {
        const size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        return i > from;
    };
    if (i < s.size() && s[i] == '-') ++i;
    if (i < s.size() && s[i] == '0') ++i;
    else if (!digits()) return false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        if (!digits()) return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (!digits()) return false;
    }
    return i == s.size();
}
} // namespace

JsonWriter& JsonWriter::Raw(const std::string& number)
{
    Separate();
    text_ += IsJsonNumber(number) ? number : "null";
    return *this;
}

JsonWriter& JsonWriter::Bool(bool v) { Separate(); text_ += v ? "true" : "false"; return *this; }
JsonWriter& JsonWriter::Null() { Separate(); text_ += "null"; return *this; }

} // namespace marevo::cli
