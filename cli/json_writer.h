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
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    const std::string& Text() const { return text_; }

private:
    void Separate();
    std::string text_;
    bool needComma_ = false;
};

} // namespace marevo::cli
