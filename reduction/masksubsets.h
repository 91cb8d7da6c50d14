#pragma once

#include "engine/binomial.h"

#include <bit>
#include <cstdint>

namespace ornal {

// Calls visit(subset) for every subset of set holding exactly size of its bits, in lexicographic order of positions.
template <typename Visit> void ForEachSubsetOfSize(std::uint32_t set, int size, Visit&& visit)
{
    int positions[32];
    int n = 0;
    for (std::uint32_t rest = set; rest != 0; rest &= rest - 1) {
        positions[n++] = std::countr_zero(rest);
    }
    if (size < 0 || size > n) {
        return;
    }
    int chosen[32];
    for (int i = 0; i < size; ++i) {
        chosen[i] = i;
    }
    while (true) {
        std::uint32_t subset = 0;
        for (int i = 0; i < size; ++i) {
            subset |= 1u << positions[chosen[i]];
        }
        visit(subset);
        int i = size - 1;
        while (i >= 0 && chosen[i] == n - size + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++chosen[i];
        for (int j = i + 1; j < size; ++j) {
            chosen[j] = chosen[j - 1] + 1;
        }
    }
}

} // namespace ornal
