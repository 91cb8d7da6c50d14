#pragma once

#include "engine/combinationlist.h"
#include "engine/inputlimits.h"
#include "engine/refusal.h"

#include <cstdint>
#include <optional>
#include <span>

namespace ornal {

// What a list brought back once the rapports are known.
struct Winnings {
    std::int64_t gainsCents = 0;
    std::int64_t netCents = 0; // gains less the cost; negative for a loss
    bool rapportMissing = false; // a class that pays has no rapport yet, so gains leave it out
};

// Rapports are published for one stake (the base, often the bet type's usual one) and pay in proportion to the
// stake played.
struct RapportStakes {
    std::int64_t stakeCents = 0; // one unit as played
    std::int64_t baseCents = 0; // the stake the rapports are for
};

// Gains as the sum over classes of paying lines times the rapport, scaled from the base to the stake played
// (lines x rapport x stake / base, counted in cents and rounded down to the cent once, on the total), and net as
// gains less costCents. rapportCents follows the class order; a missing or absent entry counts for nothing. Refuses a
// stake or base below a cent, a rapport out of range, and gains past 64 bits.
Result<Winnings> ComputeWinnings(std::span<const CombinationList::Count> classCounts,
    std::span<const std::optional<std::int64_t>> rapportCents, RapportStakes stakes, std::int64_t costCents);

} // namespace ornal
