#pragma once

#include "arrivalspace.h"

#include <vector>

namespace ornal {

// The greedy reduction: again and again the line meeting most arrivals not yet met (the first such line in the
// list on a tie), then, latest choices first, every line whose arrivals all stay met without it is let go.
// Deterministic; the lines come in the order they were chosen.
std::vector<ArrivalSpace::Index> GreedyCover(const ArrivalSpace& space);

} // namespace ornal
