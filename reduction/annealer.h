#pragma once

#include "arrivalspace.h"
#include "randomstream.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace ornal {

// The temperatures of an annealer: start, cooling after each stage of moves, and the frozen point past which it
// starts again.
struct AnnealSchedule {
    double startTemperature = 0.6;
    double cooling = 0.99;
    double frozenTemperature = 0.05;
    std::uint32_t stageMoves = 0; // moves per stage; 0 picks from the number of lines
    bool weighted = false;
};

// Simulated annealing over a fixed number of kept lines, whose cost is the number of promised arrivals no kept line
// meets (after Nurmela and Östergård, 1993). A move takes an unmet arrival and puts in a line that meets it instead
// of a kept one: preferably the kept line one horse away from meeting it, traded for the line with that horse
// swapped, which keeps most of what the old line met. One annealer per thread; nothing in it is shared.
class Annealer {
public:
    using Index = ArrivalSpace::Index;

    using Schedule = AnnealSchedule;

    Annealer(const ArrivalSpace& space, std::uint64_t seed, Schedule schedule = {});

    // Takes these distinct lines as the kept set and starts the temperature again.
    void load(std::span<const Index> lines);

    std::span<const Index> lines() const { return m_lines; }
    Index unmet() const { return static_cast<Index>(m_unmet.size()); }
    std::uint64_t movesDone() const { return m_moves; }
    // The mean rise of the moves on offer, measured at the first annealing (0 before).
    double riseScale() const { return m_scale; }

    // Lets go of the kept line whose loss leaves fewest arrivals unmet (one at random among the fewest).
    void dropOne();

    // Lets go of kept lines that meet no arrival on their own, while there are such lines.
    void dropIdle();

    // Makes up to moves moves, stopping early once every arrival is met; returns whether every arrival is met.
    bool anneal(std::uint64_t moves);

private:
    static constexpr std::uint32_t kNoSlot = ~std::uint32_t { 0 };
    static constexpr int kMaxRise = 255; // cost rises above it are never accepted

    bool step();
    void propose(Index& in, std::uint32_t& slot);
    void calibrate();
    bool pickNeighbour(std::uint32_t arrivalMask, Index& in, std::uint32_t& slot);
    std::uint32_t closestSlot(std::uint32_t lineMask);
    std::int64_t rise(Index in, Index out);
    void replace(std::uint32_t slot, Index in);
    void removeSlot(std::uint32_t slot);
    void meet(Index line);
    void unmeet(Index line);
    int alone(Index line) const;
    void setTemperature(double temperature);
    std::uint64_t stageLength() const;

    const ArrivalSpace& m_space;
    RandomStream m_random;
    Schedule m_schedule;
    std::vector<Index> m_lines; // slot -> line
    std::vector<std::uint32_t> m_masks; // slot -> the line's horses, scanned for neighbours
    std::vector<std::uint32_t> m_slotOf; // line -> slot or kNoSlot
    std::vector<std::uint32_t> m_metBy; // arrival -> kept lines meeting it
    std::vector<Index> m_unmet;
    std::vector<std::uint32_t> m_unmetAt; // arrival -> its place in m_unmet
    std::vector<std::uint32_t> m_stamp;
    std::uint32_t m_tick = 0;
    std::vector<std::uint32_t> m_scratch;
    std::vector<std::int64_t> m_weight;
    double m_temperature = 0;
    double m_scale = 0; // mean rise of the moves on offer, once measured
    std::array<double, kMaxRise + 1> m_acceptance {};
    std::uint64_t m_stageLeft = 0;
    std::uint64_t m_moves = 0;
};

} // namespace ornal
