#pragma once

#include "engine/combinationlist.h"
#include "engine/refusal.h"
#include "reduction/guarantee.h"

#include <cstdint>
#include <span>

namespace ornal {

// What a set of kept lines promises, counted from scratch.
struct VerifyReport {
    std::uint64_t arrivals = 0; // sets of `finishers` horses holding every base
    std::uint64_t reachable = 0; // of them, met by some line of the list: the arrivals a reduction promises
    std::uint64_t met = 0; // of them, met by some kept line

    bool holds() const { return met == reachable; }
};

// Counts, independently of the search, the arrivals of g over horses and bases that the list and the kept lines
// (indexes into list) meet, a line meeting an arrival when it holds g.inLine of its horses; refuses inputs that make
// no sense and a count that does not fit in memory.
Result<VerifyReport> Verify(const CombinationList& list, std::span<const CombinationList::Count> kept,
    std::span<const double> horses, std::span<const double> bases, Guarantee g);

} // namespace ornal
