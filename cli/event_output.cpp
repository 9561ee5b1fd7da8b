// Times, CSV fields, event JSON and iCalendar lines of marevo-cli.
#include "cli/event_output.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "cli/cli_args.h"
#include "cli/day_output.h"
#include "cli/json_writer.h"

namespace marevo::cli {

int ZoneOffsetMinutes(float standardMeridianDeg)
{
    return static_cast<int>(std::lround(standardMeridianDeg * 4.0));
}

std::string ZoneOffsetText(float standardMeridianDeg)
{
    const int offset = ZoneOffsetMinutes(standardMeridianDeg);
    const int magnitude = offset < 0 ? -offset : offset;
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", offset < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
    return text;
}

long long UtcSecondsOf(int year, int month, int day, int hour, int minute, float standardMeridianDeg)
{
    return 86400LL * DaysBetween(1970, 1, 1, year, month, day) + 3600LL * hour + 60LL * minute -
           60LL * ZoneOffsetMinutes(standardMeridianDeg);
}

CivilTime UtcOf(int year, int month, int day, int hour, int minute, float standardMeridianDeg)
{
    const long long seconds = UtcSecondsOf(year, month, day, hour, minute, standardMeridianDeg);
    CivilTime t{};
    ZoneDate(seconds, 0.0f, t.year, t.month, t.day);
    const long long ofDay = ((seconds % 86400) + 86400) % 86400;
    t.hour = static_cast<int>(ofDay / 3600);
    t.minute = static_cast<int>(ofDay / 60 % 60);
    return t;
}

std::string IsoDateTime(int year, int month, int day, int hour, int minute, float standardMeridianDeg,
                        bool utc)
{
    char text[24];
    if (utc) {
        const CivilTime t = UtcOf(year, month, day, hour, minute, standardMeridianDeg);
        std::snprintf(text, sizeof text, "T%02d:%02d:00Z", t.hour, t.minute);
        return FormatDate(t.year, t.month, t.day) + text;
    }
    std::snprintf(text, sizeof text, "T%02d:%02d:00", hour, minute);
    return FormatDate(year, month, day) + text + ZoneOffsetText(standardMeridianDeg);
}

CivilTime ShownTime(int year, int month, int day, int hour, int minute, float standardMeridianDeg,
                    bool utc)
{
    return utc ? UtcOf(year, month, day, hour, minute, standardMeridianDeg)
               : CivilTime{year, month, day, hour, minute};
}

CivilTime EventCivilTime(int year, int month, int day, const TideEvent& e, float standardMeridianDeg,
                         bool utc)
{
    return ShownTime(year, month, day, static_cast<int>(e.hour), static_cast<int>(e.minute),
                     standardMeridianDeg, utc);
}

std::string EventTimeText(int year, int month, int day, const TideEvent& e, float standardMeridianDeg,
                          bool utc)
{
    if (!utc) return EventClock(e);
    const CivilTime t = EventCivilTime(year, month, day, e, standardMeridianDeg, true);
    char text[24];
    std::snprintf(text, sizeof text, "T%02d:%02dZ", t.hour, t.minute);
    return FormatDate(t.year, t.month, t.day) + text;
}

namespace {
std::string IcsStamp(long long utcSeconds)
{
    int y, m, d;
    ZoneDate(utcSeconds, 0.0f, y, m, d);
    long long second = utcSeconds % 86400;
    if (second < 0) second += 86400;
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", y, m, d,
                  static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60));
    return text;
}
} // namespace

std::string IcsUtcDateTime(int year, int month, int day, int hour, int minute, float standardMeridianDeg)
{
    return IcsStamp(UtcSecondsOf(year, month, day, hour, minute, standardMeridianDeg));
}

std::string IcsNow() { return IcsStamp(NowUtcSeconds()); }

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void WriteEventJson(JsonWriter& json, int year, int month, int day, const TideEvent& e,
                    const char* kind, float standardMeridianDeg, bool utc)
{
    const int hour = static_cast<int>(e.hour), minute = static_cast<int>(e.minute);
    const CivilTime shown = ShownTime(year, month, day, hour, minute, standardMeridianDeg, utc);
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", shown.hour, shown.minute);
    json.BeginObject();
    json.Key("hour").Integer(shown.hour).Key("minute").Integer(shown.minute);
    json.Key("time").String(clock);
    json.Key("datetime").String(IsoDateTime(year, month, day, hour, minute, standardMeridianDeg, utc));
    json.Key("height").Fixed(e.height, 1).Key("kind");
    if (kind == nullptr) json.Null();
    else json.String(kind);
    json.EndObject();
}

void IcsWriter::Line(const std::string& name, const std::string& value)
{
    const std::string line = name + ":" + value;
    size_t width = 0; // octets on the current physical line
    for (size_t i = 0; i < line.size();) {
        const unsigned char c = line[i];
        size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (i + length > line.size()) length = line.size() - i;
        if (width + length > 75) {
            text_ += "\r\n ";
            width = 1;
        }
        text_.append(line, i, length);
        width += length;
        i += length;
    }
    text_ += "\r\n";
}

std::string IcsEscape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\r') continue;
        out += c;
    }
    return out;
}

std::string UidPart(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
            c == '.' || c == '_') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

} // namespace marevo::cli
