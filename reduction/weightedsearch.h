#pragma once

#include "reduction/indexset.h"
#include "reduction/randomstream.h"
#include "reduction/setsystem.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ornal {

// Local search over a fixed number of kept lines in which every unmet arrival grows heavier at each move: the
// cost is the weight of the unmet arrivals, so that an arrival left unmet for long ends up pulling a line in.
// A move lets go of the kept line whose loss weighs least and puts in, for an unmet arrival drawn at random, the
// line meeting it whose gain weighs most (after Gao, Weise and Li's row weighting for unicost set covering, 2015).
// Gains and losses are kept up to date for every line, so that each choice is a scan of scores. Lines may cost
// more than one: gains and losses are then weighed per unit of cost, so that a cheap line is the first to come in
// and a dear one the first to go.
class WeightedSearch {
public:
    using Index = SetSystem::Index;
    static constexpr Index kNone = ~Index { 0 };

    // Every line costs one unless `costs` gives each line's cost (at least one).
    WeightedSearch(const SetSystem& sets, std::uint64_t seed, std::vector<std::int64_t> costs = {});

    // Takes these distinct lines as the kept set; the weights are kept from earlier runs.
    void load(std::span<const Index> lines);

    std::span<const Index> lines() const { return m_lines; }
    Index unmet() const { return m_unmet.size(); }
    std::uint64_t movesDone() const { return m_moves; }

    // Lets go of the kept line whose loss weighs least (the longest kept among equals).
    void dropOne();

    // Lets go of kept lines that meet no arrival on their own, while there are such lines.
    void dropIdle();

    // Makes up to moves moves, stopping early once every arrival is met; returns whether every arrival is met.
    bool search(std::uint64_t moves);

private:
    static constexpr std::uint32_t kNoSlot = ~std::uint32_t { 0 };

    void add(Index line);
    void remove(std::uint32_t slot);
    std::uint32_t lightestSlot(Index spare) const;
    Index heaviestMeeting(Index arrival);
    void step();
    // Whether line a's score per unit of cost is above line b's.
    bool weighsMore(Index a, Index b) const;

    const SetSystem& m_sets;
    RandomStream m_random;
    std::vector<Index> m_lines; // slot -> line
    std::vector<std::uint32_t> m_slotOf; // line -> slot or kNoSlot
    std::vector<std::int64_t> m_score; // kept: minus the weight it alone meets; other: the unmet weight it meets
    std::vector<std::uint64_t> m_changed; // move at which a line last came in or went out
    std::vector<std::uint8_t> m_mayEnter; // cleared when a line goes out, set when one of its arrivals changes
    std::vector<std::uint32_t> m_metBy;
    std::vector<Index> m_keptXor; // xor of the kept lines meeting an arrival: the one line when it is met once
    std::vector<std::int64_t> m_weight;
    std::vector<std::int64_t> m_cost; // empty when every line costs one
    IndexSet m_unmet;
    Index m_lastIn = kNone;
    std::uint64_t m_moves = 0;
};

} // namespace ornal
