#pragma once

#include "engine/combinationlist.h"
#include "engine/xoshiro256.h"

#include <cstdint>

namespace ornal {

// A source of uniform random draws.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    // The next 64 uniformly random bits.
    virtual std::uint64_t nextBits() = 0;
    // The next draw on [0, 1), made of the top 53 bits of nextBits().
    double next() { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }
};

// xoshiro256** seeded from the clocks: every shuffle run draws new orders, and no seed is kept or shown.
class ClockSeededSource final : public UniformSource {
public:
    ClockSeededSource();
    // A fixed seed, for tests and benchmarks that must repeat.
    explicit ClockSeededSource(std::uint64_t seed);
    std::uint64_t nextBits() override;

private:
    Xoshiro256 m_generator;
};

// Each line's own numbers in a new, uniformly drawn order; the lines keep their order and their numbers' texts.
CombinationList ShuffleWithinCombinations(const CombinationList& list, UniformSource& random);

} // namespace ornal
