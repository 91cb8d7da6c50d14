#pragma once

#include "reduction/arrivalspace.h"

#include <span>
#include <vector>

namespace ornal {

// The lines that, added to these, meet every arrival of the space: again and again the line meeting most of the
// arrivals still unmet (the lowest on a tie), chosen among the lines meeting one of them. Empty when the lines
// already meet every arrival.
std::vector<ArrivalSpace::Index> GreedyCompletion(
    const ArrivalSpace& space, std::span<const ArrivalSpace::Index> lines);

} // namespace ornal
