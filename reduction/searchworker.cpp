#include "searchworker.h"

#include <algorithm>
#include <vector>

namespace ornal {

namespace {

// Moves between two looks at the halt flag and the shared best: a few tens of microseconds.
constexpr std::uint64_t kChunk = 512;

} // namespace

SearchWorker::SearchWorker(const ArrivalSpace& space, SharedBest& best, std::uint64_t bound, std::uint64_t seed,
    std::uint64_t moveLimit, SharedBest::Clock::time_point deadline, Annealer::Schedule schedule)
    : m_space(space)
    , m_best(best)
    , m_bound(bound)
    , m_moveLimit(moveLimit)
    , m_deadline(deadline)
    , m_annealer(space, seed, schedule)
{
}

void SearchWorker::run() noexcept
{
    try {
        search();
    } catch (...) {
        // The shared best stays complete and verified later; this thread simply stops adding to it.
    }
}

void SearchWorker::search()
{
    std::vector<ArrivalSpace::Index> start;
    const auto limitReached = [&] {
        return (m_moveLimit != 0 && m_annealer.movesDone() >= m_moveLimit) || SharedBest::Clock::now() >= m_deadline;
    };
    while (!m_best.halted() && !limitReached()) {
        if (m_best.size() <= m_bound) {
            m_reachedBound = true;
            m_best.halt();
            return;
        }
        const std::uint64_t seen = m_best.copy(start);
        m_annealer.load(start);
        m_annealer.dropOne();
        while (!m_best.halted() && !limitReached()) {
            std::uint64_t moves = kChunk;
            if (m_moveLimit != 0) {
                moves = std::min(moves, m_moveLimit - m_annealer.movesDone());
            }
            if (m_annealer.anneal(moves)) {
                m_annealer.dropIdle();
                m_best.offer(m_annealer.lines());
                break;
            }
            // Another thread met every arrival with as few lines as this one holds: go on from its reduction.
            if (m_best.version() != seen && m_best.size() <= m_annealer.lines().size()) {
                break;
            }
        }
    }
}

} // namespace ornal
