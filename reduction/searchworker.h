#pragma once

#include "reduction/annealsearch.h"
#include "reduction/arrivalspace.h"
#include "reduction/orbitspace.h"
#include "reduction/sharedbest.h"
#include "reduction/swapsearch.h"

#include <cstdint>
#include <vector>

namespace ornal {

// One orbit search: the horses left out of the rotation, the cycles the others are split into, and its seed.
struct OrbitVariant {
    int fixed = 0;
    int cycles = 1;
    std::uint64_t seed = 1;
};

// How one search thread goes about it.
struct WorkerPlan {
    std::uint64_t seed = 1;
    std::uint64_t moveLimit = 0; // moves in all, 0 for none
    SharedBest::Clock::time_point deadline = SharedBest::Clock::time_point::max();
    // The orbit searches to run first, in order.
    std::vector<OrbitVariant> orbitSearches;
    SharedBest::Clock::time_point orbitDeadline = SharedBest::Clock::time_point::max(); // no orbit search after it
    // An orbit search ends after this many moves per line orbit, plus orbitStallBase, without a smaller design.
    std::uint64_t orbitStallPerOrbit = 2;
    std::uint64_t orbitStallBase = 20000;
    // An orbit search this many arrival orbits short of a design, or fewer, completes it with lines chosen greedily
    // (GreedyCompletion) and offers the result when it may beat the best; once stalled, it lets go of one orbit more,
    // up to orbitDeeper times, and goes on. Whole orbits and a few lines between them often make a smaller design
    // than whole orbits alone. Side by side in the benchmark (2 threads, seed 1, quiet), 8 and 2 took C(15,5,4) from
    // 300 lines to 291, C(15,6,4) from 121 to 117, C(17,5,4) from 511 to 492 and C(19,6,4) from 357 to 339; 2 and 0
    // found only the first; 8 and 5 gave C(19,6,4) 325 and C(17,5,4) 491 but C(17,7,4) 112 instead of 103.
    std::uint64_t orbitCompletion = 8;
    std::uint64_t orbitDeeper = 2;
    // Swap-search moves made before the orbit searches, which settle the easy cases at once, and after each orbit
    // search that improved the best, which often trims a line or two off an orbit design.
    std::uint64_t firstSwapMoves = 5000;
    std::uint64_t followUpSwapMoves = 20000;
    SwapOptions swaps;
    // Whether the line search is annealing with the targeted move rather than the swap search.
    bool anneal = false;
    AnnealOptions annealing;
    // Whether the swap search goes on from the shared best whenever another thread gets below it; if not, it keeps
    // to its own line of descent from `initial`, only offering what it finds.
    bool followBest = true;
    std::vector<ArrivalSpace::Index> initial;
};

// One search thread. On a full list it may first look for designs made of whole orbits of a rotation of the horses
// (a small covering problem, solved by row-weighting local search), or of whole orbits a few short and the lines
// completing them; then it keeps lines one fewer at a time: a swap search until every arrival is met again, each
// result offered to the shared best. It stops when halted, at its deadline or move limit, or at the lower bound.
class SearchWorker {
public:
    SearchWorker(const ArrivalSpace& space, SharedBest& best, std::uint64_t bound, WorkerPlan plan);

    // Runs the search to its end; never throws (a failed allocation ends this thread's search).
    void run() noexcept;

private:
    bool finished();
    // Returns whether the orbit search improved the shared best.
    bool searchOrbits(const OrbitVariant& variant);
    // Runs the swap search (or the annealing) until `until` moves in all (0: no end but the search's own).
    void searchLines(std::uint64_t until);
    template <typename Search> void searchLinesWith(Search& search, std::uint64_t until);
    bool offer(std::span<const ArrivalSpace::Index> lines);
    // Offers the chosen orbits' lines with the lines that meet the arrivals they leave unmet; returns whether the
    // shared best took them.
    bool offerCompleted(const OrbitSpace& orbits, std::span<const SetSystem::Index> chosen);

    const ArrivalSpace& m_space;
    SharedBest& m_best;
    std::uint64_t m_bound;
    WorkerPlan m_plan;
    std::uint64_t m_moves = 0; // moves of the searches already over
};

} // namespace ornal
