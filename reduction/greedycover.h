#pragma once

#include "reduction/setsystem.h"

#include <vector>

namespace ornal {

// The greedy cover: again and again the set holding most elements not yet held (the lowest set on a tie), then,
// latest choices first, every set whose elements all stay held without it is let go.
// Deterministic; the sets come in the order they were chosen.
std::vector<SetSystem::Index> GreedyCover(const SetSystem& sets);

} // namespace ornal
