#pragma once

#include <cstdint>
#include <span>

namespace ornal {

// The model of a race's finish. Every chance the program gives of a finishing order goes through NextPlaceChance,
// so that a refinement (a discount of the lower places, say) replaces this one function.
//
// The chance that runner takes place `place` (0 for the winner) once the runners of placedMask (bits of runner
// indices) took the places before it; placedWin is the sum of their chances to win, passed so that the callers'
// loops need not add it up again. Harville's model: the runner's chance to win over the chances left.
inline double NextPlaceChance(
    std::span<const double> win, std::uint32_t placedMask, double placedWin, int place, int runner)
{
    static_cast<void>(placedMask);
    static_cast<void>(place);
    return win[static_cast<std::size_t>(runner)] / (1.0 - placedWin);
}

// The chance that the race's first finishers are order[0], order[1], ... in that order (runner indices into win).
double OrderChance(std::span<const double> win, std::span<const int> order);

// The chance that the first finishers, as many as set has bits, are the runners of set in any order.
double FirstPlacesChance(std::span<const double> win, std::uint32_t set);

} // namespace ornal
