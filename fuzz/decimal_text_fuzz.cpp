// Fuzz target: decimal numbers of the port files over arbitrary texts. The value is the C
// library's wherever the text starts with a decimal number, 0 otherwise.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/decimal_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/reference_decimal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));
    const double value = marevo::DecimalToDouble(text.c_str());
    const double expected = ReferenceDecimal(text);
    FUZZ_CHECK(std::memcmp(&value, &expected, sizeof value) == 0);
    FUZZ_CHECK(!std::isnan(value));
    return 0;
}
