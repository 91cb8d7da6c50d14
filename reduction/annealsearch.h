#pragma once

#include "reduction/arrivalspace.h"
#include "reduction/indexset.h"
#include "reduction/randomstream.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ornal {

// The temperatures of an annealing search: each cycle cools geometrically from the first to the last over
// cycleMoves moves, then starts hot again from where it stands. The cost is the number of unmet arrivals, so a
// temperature of 0.5 takes a move that leaves one arrival more unmet about one time in seven.
struct AnnealOptions {
    double firstTemperature = 0.3;
    double lastTemperature = 0.03;
    std::uint64_t cycleMoves = 200000;
};

// Simulated annealing over a fixed number of kept lines (Nurmela and Östergård's search) with the targeted move:
// an unmet arrival drawn at random, a kept line holding all but one of the horses it needs, one horse of the line
// traded for one of the arrival, so that the new line meets it. The move is judged by what the old line alone met
// and the new one does not against the unmet arrivals the new line meets; it is taken when it loses nothing, or by
// chance as the temperature allows. One candidate a move keeps moves cheap: many more of them than a swap search.
class AnnealSearch {
public:
    using Index = ArrivalSpace::Index;

    AnnealSearch(const ArrivalSpace& space, std::uint64_t seed, AnnealOptions options = {});

    // Takes these distinct lines as the kept set.
    void load(std::span<const Index> lines);

    std::span<const Index> lines() const { return m_lines; }
    Index unmet() const { return m_unmet.size(); }
    std::uint64_t movesDone() const { return m_moves; }

    // Lets go of the kept line meeting fewest arrivals alone (one at random among them).
    void dropOne();
    // Lets go of kept lines that meet no arrival on their own.
    void dropIdle();

    // Makes up to moves moves, stopping early once every arrival is met; returns whether every arrival is met.
    bool search(std::uint64_t moves);

private:
    static constexpr std::uint32_t kNoSlot = ~std::uint32_t { 0 };

    void step();
    std::uint32_t aloneCount(std::uint32_t slot) const;
    void meet(Index line);
    void unmeet(Index line);
    void removeSlot(std::uint32_t slot);

    const ArrivalSpace& m_space;
    RandomStream m_random;
    AnnealOptions m_options;
    int m_inLine = 0;
    double m_cooling = 1; // the factor applied to the temperature at each move
    double m_temperature = 0;
    std::vector<Index> m_lines; // slot -> line
    std::vector<std::uint32_t> m_masks; // slot -> the line's horses
    std::vector<std::uint32_t> m_slotOf; // line -> slot or kNoSlot
    std::vector<std::uint32_t> m_metBy;
    IndexSet m_unmet;
    std::vector<std::uint32_t> m_near; // scratch: the slots one horse short of the arrival drawn
    std::uint64_t m_moves = 0;
    std::uint64_t m_cycleAt = 0;
};

} // namespace ornal
