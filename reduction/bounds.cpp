#include "reduction/bounds.h"

namespace ornal {

std::uint64_t CountingBound(std::uint64_t arrivals, std::uint64_t mostPerLine)
{
    if (arrivals == 0 || mostPerLine == 0) {
        return 0;
    }
    return (arrivals + mostPerLine - 1) / mostPerLine;
}

std::uint64_t SchonheimBound(int v, int k, int t)
{
    if (t < 0 || k < t || v < k) {
        return 0;
    }
    std::uint64_t bound = 1;
    // From the innermost L(v - t, k - t, 0) = 1 outwards.
    for (int i = t; i >= 1; --i) {
        const auto vi = static_cast<std::uint64_t>(v - i + 1);
        const auto ki = static_cast<std::uint64_t>(k - i + 1);
        bound = (vi * bound + ki - 1) / ki;
    }
    return bound;
}

std::uint64_t PairCoverMinimum(int v, int p)
{
    if (p < 2 || v < p) {
        return 0;
    }
    const int parts = p - 1;
    const int small = v / parts;
    const int larger = v % parts; // parts holding small + 1 horses
    const auto within = [](int n) { return static_cast<std::uint64_t>(n) * static_cast<std::uint64_t>(n - 1) / 2; };
    return static_cast<std::uint64_t>(larger) * within(small + 1)
        + static_cast<std::uint64_t>(parts - larger) * within(small);
}

} // namespace ornal
