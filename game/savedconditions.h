#pragma once

#include "document/savedgame.h"
#include "listops/lineconditions.h"

namespace ornal {

// Puts conditions into game's groups and line bounds, in place of those it held; a bound that is not set is written
// off.
void SaveConditions(const LineConditions& conditions, SavedGame& game);

// The conditions game's groups and line bounds set: the groups that hold numbers, in rank order, and the bounds that
// are on. A group's own bounds on its sum, its even numbers and its runs are not among them.
LineConditions ConditionsOf(const SavedGame& game);

} // namespace ornal
