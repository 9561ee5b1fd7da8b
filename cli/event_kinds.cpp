// High or low water of the events of one day.
#include "cli/event_kinds.h"

namespace marevo::cli {

std::vector<bool> EventKinds(const TideEvent* events, int count, const Station& /*station*/,
                             const ConstituentTables& /*tables*/)
{
    std::vector<bool> high(count);
    for (int i = 0; i < count; ++i) high[i] = events[i].high;
    return high;
}

} // namespace marevo::cli
