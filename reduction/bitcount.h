#pragma once

#include <cstdint>

namespace ornal {

// The number of set bits of a horse mask. std::popcount becomes a library call on the baseline x86-64 target
// (no POPCNT instruction assumed), which the searches would pay millions of times a second; this stays inline.
inline int CountBits(std::uint32_t x)
{
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((x * 0x01010101u) >> 24);
}

} // namespace ornal
