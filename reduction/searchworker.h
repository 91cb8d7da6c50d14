#pragma once

#include "arrivalspace.h"
#include "sharedbest.h"
#include "swapsearch.h"

#include <cstdint>
#include <vector>

namespace ornal {

// How one search thread goes about it.
struct WorkerPlan {
    std::uint64_t seed = 1;
    std::uint64_t moveLimit = 0; // moves in all, 0 for none
    SharedBest::Clock::time_point deadline = SharedBest::Clock::time_point::max();
    std::vector<int> orbitFixedHorses; // the orbit searches to run first, by horses left out of the rotation
    // An orbit search ends after this many moves per line orbit, plus orbitStallBase, without a smaller design.
    std::uint64_t orbitStallPerOrbit = 50;
    std::uint64_t orbitStallBase = 10000;
    SwapOptions swaps;
};

// One search thread. On a full list it first looks for designs made of whole orbits of a rotation of the horses
// (a small covering problem, solved by row-weighting local search), then, from the best reduction so far, keeps
// lines one fewer at a time: a swap search until every arrival is met again, the result offered to the shared best.
// It takes over the shared best when another thread gets below it, and stops when halted, at its deadline or move
// limit, or at the lower bound.
class SearchWorker {
public:
    SearchWorker(const ArrivalSpace& space, SharedBest& best, std::uint64_t bound, WorkerPlan plan);

    // Runs the search to its end; never throws (a failed allocation ends this thread's search).
    void run() noexcept;

private:
    bool finished();
    void searchOrbits(int fixedHorses);
    void searchLines();
    bool offer(std::span<const ArrivalSpace::Index> lines);

    const ArrivalSpace& m_space;
    SharedBest& m_best;
    std::uint64_t m_bound;
    WorkerPlan m_plan;
    std::uint64_t m_moves = 0; // moves of the searches already over
};

} // namespace ornal
