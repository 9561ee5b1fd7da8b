// marevo-events: the high and low waters of port files over a span, one CSV row an event
// (port,date,time,height_cm,kind,height as a hexadecimal float, every bit of it). Built for
// the browser (run under Node) and natively; tests/web/events_check.sh compares the two, and
// its rows with marevo-cli's.
//   marevo-events DT_FOLDER FROM_DATE DAYS PORT_FILE...
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/day_output.h"
#include "cli/event_output.h"
#include "engine/calendar.h"
#include "engine/station.h"
#include "engine/tide.h"

int main(int argc, char** argv)
{
    using namespace marevo;
    int year, month, day;
    if (argc < 5 || std::sscanf(argv[2], "%d-%d-%d", &year, &month, &day) != 3) {
        std::fprintf(stderr, "usage: marevo-events DT_FOLDER FROM_DATE DAYS PORT_FILE...\n");
        return 2;
    }
    const int days = std::atoi(argv[3]);
    for (int a = 4; a < argc; ++a) {
        const std::string path = std::string(argv[1]) + "/" + argv[a] + ".MV2";
        Station station;
        if (LoadStationFile(path.c_str(), station) != LoadStatus::Ok) {
            std::fprintf(stderr, "marevo-events: cannot read %s\n", path.c_str());
            return 1;
        }
        for (int i = 0; i < days; ++i) {
            int y = year, m = month, d = day + i;
            NormalizeDate(y, m, d);
            Calendar cal;
            SetFebruaryForYear(cal, y);
            DayExtremes out;
            FindDateExtremes(y, m, d, station, cal, out);
            for (int k = 0; k < out.count; ++k) {
                const TideEvent& e = out.events[k];
                std::printf("%s,%04d-%02d-%02d,%s,%.1f,%s,%a\n", argv[a], y, m, d,
                            cli::EventClock(e).c_str(), cli::PrintedHeight(e.height),
                            cli::KindJson(e.high), static_cast<double>(e.height));
            }
        }
    }
    return 0;
}
