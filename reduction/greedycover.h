#pragma once

#include "reduction/setsystem.h"

#include <span>
#include <vector>

namespace ornal {

// The greedy cover: again and again the set holding most elements not yet held (the lowest set on a tie), then,
// latest choices first, every set whose elements all stay held without it is let go.
// Deterministic; the sets come in the order they were chosen.
std::vector<SetSystem::Index> GreedyCover(const SetSystem& sets);

// The sets of kept less each one, latest first, whose elements all stay held by the others once the ones let go
// before it are gone; in kept's order. Whatever kept holds, the result holds too.
std::vector<SetSystem::Index> WithoutRedundant(const SetSystem& sets, std::span<const SetSystem::Index> kept);

// The sets that, added to kept, hold every element some set holds: again and again the set holding most of the
// elements still unheld (the lowest on a tie), chosen among the sets holding one of them. Empty when kept holds them
// all already; in the order they were chosen.
std::vector<SetSystem::Index> GreedyCompletion(const SetSystem& sets, std::span<const SetSystem::Index> kept);

} // namespace ornal
