#pragma once

#include <cstdint>

namespace ornal {

// Lower bounds on the size of a reduction, worked out from the counts, never looked up.

// ceil(arrivals / mostPerLine): no line meets more than mostPerLine of the arrivals. 0 when there are no arrivals.
std::uint64_t CountingBound(std::uint64_t arrivals, std::uint64_t mostPerLine);

// Schönheim's bound on C(v, k, t): L = ceil(v / k * L(v - 1, k - 1, t - 1)), L(v, k, 0) = 1; 0 unless 0 <= t <= k <= v.
std::uint64_t SchonheimBound(int v, int k, int t);

// The fewest pairs of v horses such that every set of p horses holds one of them (2 <= p <= v): the pairs inside the
// parts of the most even split of the horses into p - 1 parts, the complement of Turán's largest K_p-free graph.
std::uint64_t PairCoverMinimum(int v, int p);

} // namespace ornal
