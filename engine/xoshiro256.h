#pragma once

#include <bit>
#include <cstdint>

namespace ornal {

// xoshiro256** seeded through splitmix64: fast, and the same draws for the same seed on every platform, which the
// reproducible runs of the shuffle's tests and of the reduction's search rest on.
class Xoshiro256 {
public:
    explicit Xoshiro256(std::uint64_t seed)
    {
        for (std::uint64_t& word : m_state) {
            seed += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    // The next 64 uniformly random bits.
    std::uint64_t next()
    {
        const std::uint64_t result = std::rotl(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = std::rotl(m_state[3], 45);
        return result;
    }

private:
    std::uint64_t m_state[4] {};
};

} // namespace ornal
