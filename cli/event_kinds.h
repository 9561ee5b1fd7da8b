// Whether each high or low water of a list is a high water, as each event's own kind says.
#pragma once

#include <vector>

#include "engine/tide.h"

namespace marevo::cli {

// High (true) or low for each of count events: the kind decided where each was found.
// The station and tables are not needed any more and are kept for the callers.
std::vector<bool> EventKinds(const TideEvent* events, int count, const Station& station,
                             const ConstituentTables& tables);

} // namespace marevo::cli
