// Output pieces of the span commands: ISO 8601 times with the port's offset, CSV fields,
// the JSON of one event, and the content lines of an iCalendar file (RFC 5545).
#pragma once

#include <string>

#include "engine/tide.h"

namespace marevo::cli {

class JsonWriter;

// The zone offset of a standard meridian (degrees east) in minutes, and as "+09:00".
int ZoneOffsetMinutes(float standardMeridianDeg);
std::string ZoneOffsetText(float standardMeridianDeg);

// "2026-12-07T05:16+09:00": a zone time of a date with its offset.
std::string IsoDateTime(int year, int month, int day, int hour, int minute, float standardMeridianDeg);

// "20261206T201600Z": the same instant in UTC, as iCalendar writes it.
std::string IcsUtcDateTime(int year, int month, int day, int hour, int minute, float standardMeridianDeg);
// "20261207T120000Z": now.
std::string IcsNow();

// A height for "%.1f" that never prints "-0.0".
inline double PrintedHeight(float cm) { return cm > -0.05f && cm < 0.05f ? 0.0 : cm; }

// A CSV field: as it is, or quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

// {"hour","minute","time","datetime","height","kind"} of an event; height rounded to 0.1 cm.
void WriteEventJson(JsonWriter& json, int year, int month, int day, const TideEvent& event,
                    const char* kind, float standardMeridianDeg);

// An iCalendar file built line by line: content lines folded at 75 octets (never inside a
// UTF-8 character) and ended by CR LF.
class IcsWriter {
public:
    void Line(const std::string& name, const std::string& value);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// A TEXT value with backslash, semicolon, comma and line breaks escaped.
std::string IcsEscape(const std::string& text);
// Letters, digits and "-._" kept, every other byte as %XX: for UIDs.
std::string UidPart(const std::string& text);

} // namespace marevo::cli
