#pragma once

#include "reduction/arrivalspace.h"
#include "reduction/randomstream.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ornal {

// How a swap search judges its moves.
struct SwapOptions {
    // Each unmet arrival grows heavier at every move, so that one left unmet for long outweighs what keeps it so.
    bool weighted = false;
    // The share of moves that take a swap at random rather than the best one.
    double noise = 0.03;
};

// Local search over a fixed number of kept lines: each move serves an unmet arrival drawn at random by the best of
// the swaps that make a kept line meet it, one horse of the line traded for one of the arrival (the neighbourhood
// of Nurmela and Östergård, 1993), judged by what the old line alone met and the new one does not against the unmet
// arrivals the new line meets (counted, or weighed). The line just put in is not taken out at the next move.
// Nothing in it is shared.
class SwapSearch {
public:
    using Index = ArrivalSpace::Index;

    SwapSearch(const ArrivalSpace& space, std::uint64_t seed, SwapOptions options = {});

    // Takes these distinct lines as the kept set; the weights are kept from earlier runs.
    void load(std::span<const Index> lines);

    std::span<const Index> lines() const { return m_lines; }
    Index unmet() const { return static_cast<Index>(m_unmet.size()); }
    std::uint64_t movesDone() const { return m_moves; }

    // Lets go of the kept line whose loss weighs least (one at random among the lightest).
    void dropOne();

    // Lets go of kept lines that meet no arrival on their own, while there are such lines.
    void dropIdle();

    // Makes up to moves moves, stopping early once every arrival is met; returns whether every arrival is met.
    bool search(std::uint64_t moves);

private:
    static constexpr std::uint32_t kNoSlot = ~std::uint32_t { 0 };

    struct Move {
        std::uint32_t slot = kNoSlot;
        Index in = ArrivalSpace::kNone;
        std::int64_t change = 0;
        std::uint32_t ties = 0;
    };

    // An arrival a kept line meets alone. Its weight cannot change while it is met, so the list of a slot stays
    // right until an arrival of its line changes hands.
    struct Alone {
        std::uint32_t mask;
        std::int64_t weight;
    };

    void step();
    void consider(Move& best, std::uint32_t slot, std::uint32_t newMask, std::int64_t change);
    void swapsOf(std::uint32_t slot, std::uint32_t arrivalMask, Move& best);
    void anyLineFor(Index arrival, Move& best);
    std::int64_t gainOf(std::uint32_t lineMask) const;
    const std::vector<Alone>& aloneOf(std::uint32_t slot);
    std::int64_t lossTo(const std::vector<Alone>& alone, std::uint32_t newMask) const;
    std::int64_t aloneWeight(std::uint32_t slot);
    void replace(std::uint32_t slot, Index in);
    void removeSlot(std::uint32_t slot);
    void meet(Index line);
    void unmeet(Index line);
    void touch(Index line);
    void addUnmet(Index arrival);
    void removeUnmet(Index arrival);

    const ArrivalSpace& m_space;
    RandomStream m_random;
    SwapOptions m_options;
    int m_inLine = 0;
    std::vector<Index> m_lines; // slot -> line
    std::vector<std::uint32_t> m_masks; // slot -> the line's horses
    std::vector<std::uint32_t> m_slotOf; // line -> slot or kNoSlot
    std::vector<std::vector<Alone>> m_alone; // slot -> the arrivals its line meets alone, when m_aloneKnown
    std::vector<std::uint8_t> m_aloneKnown;
    std::vector<std::uint32_t> m_metBy;
    std::vector<Index> m_keptXor; // xor of the kept lines meeting an arrival: the line itself when met once
    std::vector<std::int64_t> m_weight;
    std::vector<Index> m_unmet;
    std::vector<std::uint32_t> m_unmetMasks; // parallel to m_unmet
    std::vector<std::uint32_t> m_unmetAt;
    std::vector<Alone> m_near; // scratch: the unmet arrivals one line's swaps may meet, with their weights
    Index m_lastIn = ArrivalSpace::kNone;
    bool m_walk = false; // this move takes a swap at random
    std::uint64_t m_moves = 0;
};

} // namespace ornal
