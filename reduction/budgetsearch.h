#pragma once

#include "reduction/indexset.h"
#include "reduction/randomstream.h"
#include "reduction/setsystem.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ornal {

// Local search over a fixed number of kept lines for the heaviest weight of held arrivals (each arrival weighing
// what the caller says: 1 for a count, its chance for odds). A move puts in, for an unheld arrival drawn at random
// (the heavier of two draws), the line meeting it whose gain weighs most, then lets go of the kept line whose loss
// weighs least: a walk that may lose weight, kept from turning round by a tabu on the lines just moved. The best
// lines seen are kept apart, and the walk starts again from them after a long stall.
class BudgetSearch {
public:
    using Index = SetSystem::Index;
    static constexpr Index kNone = ~Index { 0 };

    // Moves a line just put in or let go is not moved back: kTabuBase plus a draw below kTabuSpread.
    static constexpr std::uint32_t kTabuBase = 2;
    static constexpr std::uint32_t kTabuSpread = 8;
    // Moves without a heavier best after which the walk goes back to the best: kStallPerLine a kept line, at least
    // kStallLeast.
    static constexpr std::uint64_t kStallPerLine = 50;
    static constexpr std::uint64_t kStallLeast = 2000;

    // weights: one per arrival (element of sets), finite and not negative; both must outlive the search.
    BudgetSearch(const SetSystem& sets, std::span<const double> weights, std::uint64_t seed);

    // Takes these distinct lines as the kept set and as the best so far.
    void load(std::span<const Index> lines);

    std::span<const Index> lines() const { return m_lines; }
    std::span<const Index> best() const { return m_best; }
    // The weight the best lines hold, summed afresh when they were found.
    double bestHeld() const { return m_bestHeld; }
    std::uint64_t movesDone() const { return m_moves; }
    // True when the kept lines hold every arrival: no move can add anything.
    bool holdsAll() const { return m_unheld.empty(); }

    // Makes up to moves moves, stopping early once every arrival is held; returns whether they all are (the best
    // lines are then the kept ones).
    bool search(std::uint64_t moves);

private:
    static constexpr std::uint32_t kNoSlot = ~std::uint32_t { 0 };

    void add(Index line);
    void remove(std::uint32_t slot);
    Index drawUnheld();
    Index heaviestGain(Index arrival);
    std::uint32_t lightestLoss(Index spare);
    void keepIfBest();
    void step();

    const SetSystem& m_sets;
    std::span<const double> m_weights;
    RandomStream m_random;
    std::vector<Index> m_lines; // slot -> line
    std::vector<std::uint32_t> m_slotOf; // line -> slot or kNoSlot
    std::vector<double> m_score; // kept: minus the weight it alone holds; other: the unheld weight it meets
    std::vector<std::uint64_t> m_frozenUntil; // move before which a line may not move again
    std::vector<std::uint32_t> m_metBy;
    std::vector<Index> m_keptXor; // xor of the kept lines meeting an arrival: the one line when it is met once
    IndexSet m_unheld;
    std::vector<Index> m_best;
    double m_held = 0; // running sum; rounding drifts, so bests are summed afresh
    double m_bestHeld = -1;
    std::uint64_t m_moves = 0;
    std::uint64_t m_bestAt = 0;
};

} // namespace ornal
