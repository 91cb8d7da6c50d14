#pragma once

#include "annealer.h"
#include "arrivalspace.h"
#include "sharedbest.h"

#include <cstdint>

namespace ornal {

// One search thread: from the best reduction so far, one line fewer, annealed until every arrival is met again;
// each success is offered to the shared best and the next size down is tried. It takes over the shared best when
// another thread gets below its own, and stops when halted, at its move limit or at the lower bound.
class SearchWorker {
public:
    SearchWorker(const ArrivalSpace& space, SharedBest& best, std::uint64_t bound, std::uint64_t seed,
        std::uint64_t moveLimit, SharedBest::Clock::time_point deadline, Annealer::Schedule schedule = {});

    // Runs the search to its end; never throws (a failed allocation ends this thread's search).
    void run() noexcept;

    // Whether this worker saw the best reach the bound.
    bool reachedBound() const { return m_reachedBound; }

private:
    void search();

    const ArrivalSpace& m_space;
    SharedBest& m_best;
    std::uint64_t m_bound;
    std::uint64_t m_moveLimit;
    SharedBest::Clock::time_point m_deadline;
    Annealer m_annealer;
    bool m_reachedBound = false;
};

} // namespace ornal
