// High or low water of the events of one day.
#include "cli/event_kinds.h"

namespace marevo::cli {

std::vector<bool> EventKinds(const TideEvent* events, int count, const Station& station,
                             const ConstituentTables& tables)
{
    std::vector<bool> high(count);
    for (int i = 0; i < count; ++i) {
        const int other = i + 1 < count ? i + 1 : i - 1;
        if (other >= 0 && events[other].height != events[i].height) {
            high[i] = events[i].height > events[other].height;
            continue;
        }
        const double t = events[i].hour + events[i].minute / 60.0;
        const double around = 0.5 * (TideHeight(t - 0.5, station, tables) +
                                     TideHeight(t + 0.5, station, tables));
        high[i] = events[i].height >= around;
    }
    return high;
}

} // namespace marevo::cli
