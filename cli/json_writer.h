// A small JSON writer for marevo-cli: objects, arrays, UTF-8 strings and numbers.
// Floats are written in their shortest form that reads back as the same float.
#pragma once

#include <string>

namespace marevo::cli {

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(const std::string& key);
    JsonWriter& String(const std::string& utf8);
    JsonWriter& Number(float value);
    JsonWriter& Number(double value);
    JsonWriter& Integer(long long value);
    // A number with a fixed count of decimals ("149.8"); null when not finite.
    JsonWriter& Fixed(double value, int decimals);
    // A number written as given (it must be a JSON number), else null.
    JsonWriter& Raw(const std::string& number);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    const std::string& Text() const { return text_; }

private:
    void Separate();
    std::string text_;
    bool needComma_ = false;
};

} // namespace marevo::cli
