#pragma once

#include "combinationlist.h"

#include <cstdint>

namespace ornal {

// A source of uniform draws on [0, 1).
class UniformSource {
public:
    virtual ~UniformSource() = default;
    // The next draw, 0 <= value < 1.
    virtual double next() = 0;
};

// xoshiro256** seeded from the clocks: every shuffle run draws new orders, and no seed is kept or shown.
class ClockSeededSource final : public UniformSource {
public:
    ClockSeededSource();
    // A fixed seed, for tests and benchmarks that must repeat.
    explicit ClockSeededSource(std::uint64_t seed);
    double next() override;

private:
    std::uint64_t m_state[4];
};

// Each line's own numbers in a new, uniformly drawn order; the lines keep their order and their numbers' texts.
CombinationList ShuffleWithinCombinations(const CombinationList& list, UniformSource& random);

} // namespace ornal
