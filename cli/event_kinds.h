// Whether each high or low water of a list is a high water. The events carry no type of
// their own; they alternate, so a neighbour tells.
#pragma once

#include <vector>

#include "engine/tide.h"

namespace marevo::cli {

// High (true) or low for each of count events in time order of one prepared day: an event
// higher than its neighbour (the next one, the previous one for the last) is a high water.
// A lone event, or one level with its neighbour, is judged by the curve half an hour to
// either side.
std::vector<bool> EventKinds(const TideEvent* events, int count, const Station& station,
                             const ConstituentTables& tables);

} // namespace marevo::cli
