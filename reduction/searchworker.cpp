#include "reduction/searchworker.h"

#include "reduction/greedycover.h"
#include "reduction/orbitspace.h"
#include "reduction/weightedsearch.h"

#include <algorithm>

namespace ornal {

namespace {

// Moves between two looks at the halt flag, the clock and the shared best: well under a millisecond.
constexpr std::uint64_t kChunk = 256;

} // namespace

SearchWorker::SearchWorker(const ArrivalSpace& space, SharedBest& best, std::uint64_t bound, WorkerPlan plan)
    : m_space(space)
    , m_best(best)
    , m_bound(bound)
    , m_plan(std::move(plan))
{
}

void SearchWorker::run() noexcept
{
    try {
        if (!m_plan.orbitSearches.empty()) {
            searchLines(m_plan.firstSwapMoves);
        }
        for (const OrbitVariant& variant : m_plan.orbitSearches) {
            if (SharedBest::Clock::now() < m_plan.orbitDeadline && searchOrbits(variant)) {
                searchLines(m_moves + m_plan.followUpSwapMoves);
            }
        }
        searchLines(0);
    } catch (...) {
        // The shared best stays complete and is verified later; this thread simply stops adding to it.
    }
}

bool SearchWorker::finished()
{
    if (m_best.size() <= m_bound) {
        m_best.halt();
    }
    return m_best.halted() || (m_plan.moveLimit != 0 && m_moves >= m_plan.moveLimit)
        || SharedBest::Clock::now() >= m_plan.deadline;
}

bool SearchWorker::offer(std::span<const ArrivalSpace::Index> lines)
{
    const bool kept = m_best.offer(lines);
    if (m_best.size() <= m_bound) {
        m_best.halt();
    }
    return kept;
}

bool SearchWorker::searchOrbits(const OrbitVariant& variant)
{
    OrbitSpace orbits;
    if (finished() || !orbits.build(m_space, variant.fixed, variant.cycles)) {
        return false;
    }
    const std::vector<SetSystem::Index> greedy = GreedyCover(orbits.orbits());
    bool improved = offer(orbits.expand(greedy));
    // An orbit costs its lines. Counted as one each, an orbit the rotation brings back after half a turn weighed as
    // much as a whole one: Multi en 6 of 16 horses ended at 160 lines or more, where nine whole orbits and a half one
    // make 152, the record; weighed by lines, the quiet benchmark grid met its goal in 87 rows of 91 instead of 85.
    const std::vector<std::int64_t> sizes = orbits.orbitSizes();
    const auto linesOf = [&sizes](std::span<const SetSystem::Index> chosen) {
        std::int64_t lines = 0;
        for (SetSystem::Index orbit : chosen) {
            lines += sizes[orbit];
        }
        return lines;
    };
    WeightedSearch search(orbits.orbits(), variant.seed, sizes);
    search.load(greedy);
    search.dropOne();
    std::uint64_t lastFound = 0;
    std::int64_t fewest = linesOf(greedy);
    const std::uint64_t start = m_moves;
    const std::uint64_t stall = m_plan.orbitStallBase + m_plan.orbitStallPerOrbit * orbits.orbits().setCount();
    std::uint64_t deeper = 0;
    while (!finished() && search.lines().size() > 0 && SharedBest::Clock::now() < m_plan.orbitDeadline) {
        if (search.movesDone() - lastFound >= stall) {
            // Stalled one orbit short of a design: with the lines completing it, fewer orbits may still do better.
            if (deeper++ >= m_plan.orbitDeeper) {
                break;
            }
            search.dropOne();
            lastFound = search.movesDone();
            continue;
        }
        const bool met = search.search(kChunk);
        m_moves = start + search.movesDone();
        // Each unmet orbit takes a line at least: what cannot beat the best is not expanded, let alone completed.
        if (!met && search.unmet() <= m_plan.orbitCompletion
            && static_cast<std::uint64_t>(linesOf(search.lines())) + search.unmet() < m_best.size()
            && offerCompleted(orbits, search.lines())) {
            improved = true;
            lastFound = search.movesDone();
        }
        if (met) {
            search.dropIdle();
            if (const std::int64_t lines = linesOf(search.lines()); lines < fewest) {
                fewest = lines;
                lastFound = search.movesDone();
                improved = offer(orbits.expand(search.lines())) || improved;
            }
            search.dropOne();
        }
    }
    return improved;
}

bool SearchWorker::offerCompleted(const OrbitSpace& orbits, std::span<const SetSystem::Index> chosen)
{
    std::vector<ArrivalSpace::Index> lines = orbits.expand(chosen);
    const std::vector<ArrivalSpace::Index> added = GreedyCompletion(m_space.meetings(), lines);
    lines.insert(lines.end(), added.begin(), added.end());
    // The lines added may leave some of the orbits' lines with nothing of their own to hold.
    lines = WithoutRedundant(m_space.meetings(), lines);
    return offer(lines);
}

void SearchWorker::searchLines(std::uint64_t until)
{
    if (m_plan.anneal) {
        AnnealSearch search(m_space, m_plan.seed, m_plan.annealing);
        searchLinesWith(search, until);
    } else {
        SwapSearch search(m_space, m_plan.seed, m_plan.swaps);
        searchLinesWith(search, until);
    }
}

template <typename Search> void SearchWorker::searchLinesWith(Search& search, std::uint64_t until)
{
    std::vector<ArrivalSpace::Index> lines = m_plan.initial;
    std::uint64_t seen = 0;
    const std::uint64_t before = m_moves;
    const auto over = [&] { return finished() || (until != 0 && m_moves >= until); };
    while (!over()) {
        if (m_plan.followBest) {
            seen = m_best.copy(lines);
        }
        search.load(lines);
        search.dropOne();
        while (!over()) {
            std::uint64_t moves = kChunk;
            if (m_plan.moveLimit != 0) {
                moves = std::min(moves, m_plan.moveLimit - m_moves);
            }
            if (until != 0) {
                moves = std::min(moves, until - m_moves);
            }
            const bool met = search.search(moves);
            m_moves = before + search.movesDone();
            if (met) {
                search.dropIdle();
                lines.assign(search.lines().begin(), search.lines().end());
                offer(lines);
                break;
            }
            // Another thread met every arrival with as few lines as this one holds: go on from its reduction.
            if (m_plan.followBest && m_best.version() != seen && m_best.size() <= search.lines().size()) {
                break;
            }
        }
    }
}

} // namespace ornal
