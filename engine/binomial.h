#pragma once

#include <cstdint>

namespace ornal {

// Binomial coefficient C(n, k), 0 outside 0 <= k <= n; exact for the small n of horse counts (C(20, 10) and below).
inline std::uint64_t Binomial(int n, int k)
{
    if (k < 0 || n < k) {
        return 0;
    }
    std::uint64_t result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    }
    return result;
}

} // namespace ornal
