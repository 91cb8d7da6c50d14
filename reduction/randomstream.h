#pragma once

#include "engine/xoshiro256.h"

#include <cstdint>

namespace ornal {

// The search's draws: the program's generator, with the ranges the search asks for.
class RandomStream : public Xoshiro256 {
public:
    using Xoshiro256::Xoshiro256;

    // A draw in [0, n) for 0 < n < 2^32 (multiply-shift; the bias is far below anything the search can notice).
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(((next() >> 32) * n) >> 32); }

    // A draw in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
};

} // namespace ornal
