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

// A date and a time of day to the minute.
struct CivilTime {
    int year, month, day, hour, minute;
};

// Seconds since 1970-01-01 00:00 UTC of a zone time at a standard meridian (degrees east).
long long UtcSecondsOf(int year, int month, int day, int hour, int minute, float standardMeridianDeg);
// The UTC date and time of a zone time.
CivilTime UtcOf(int year, int month, int day, int hour, int minute, float standardMeridianDeg);
// A zone time as it is, or with utc the same instant in UTC.
CivilTime ShownTime(int year, int month, int day, int hour, int minute, float standardMeridianDeg,
                    bool utc);

// "2026-12-07T05:16:00+09:00": a zone time of a date with its offset (RFC 3339); with utc,
// the same instant in UTC, "2026-12-06T20:16:00Z".
std::string IsoDateTime(int year, int month, int day, int hour, int minute, float standardMeridianDeg,
                        bool utc = false);

// "20261206T201600Z": the same instant in UTC, as iCalendar writes it.
std::string IcsUtcDateTime(int year, int month, int day, int hour, int minute, float standardMeridianDeg);
// "20261207T120000Z": now.
std::string IcsNow();

// A height for "%.1f" that never prints "-0.0".
inline double PrintedHeight(float cm) { return cm > -0.05f && cm < 0.05f ? 0.0 : cm; }

// A CSV field: as it is, or quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

// An event's time as the text forms write it: "05:16", or with utc its instant in UTC,
// "2026-12-06T20:16Z".
std::string EventTimeText(int year, int month, int day, const TideEvent& event, float standardMeridianDeg,
                          bool utc);
// The date and time of an event for CSV columns: zone time, or UTC with utc.
CivilTime EventCivilTime(int year, int month, int day, const TideEvent& event, float standardMeridianDeg,
                         bool utc);

// {"hour","minute","time","datetime","height","kind"} of an event; height rounded to 0.1 cm;
// with utc, hour, minute, time and datetime in UTC.
void WriteEventJson(JsonWriter& json, int year, int month, int day, const TideEvent& event,
                    const char* kind, float standardMeridianDeg, bool utc = false);

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
