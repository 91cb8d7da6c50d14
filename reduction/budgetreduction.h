#pragma once

#include "reduction/arrivalspace.h"
#include "reduction/reducer.h"

#include <chrono>
#include <optional>
#include <stop_token>
#include <vector>

namespace ornal {

// The lines a budget search keeps, with what they hold.
struct BudgetLines {
    std::vector<ArrivalSpace::Index> lines;
    double held = 0;
    bool proven = false; // no choice of as many lines holds more
    std::chrono::steady_clock::duration foundAfter {}; // from the start of the reduction
    unsigned threads = 1;
};

// Line-arrival looks the exhaustive choice may spend before the local search takes over, and the most lines it is
// tried on: small lists get the best choice, proven, in well under a second.
inline constexpr std::uint64_t kExactChoiceWork = 100'000'000;
inline constexpr ArrivalSpace::Index kExactChoiceLines = 256;

// One weight per promised arrival from request.arrivalWeight (1 each when unset), or the refusal of a weight that is
// not finite or is negative.
Result<void> ArrivalWeights(const ArrivalSpace& space, const ReductionRequest& request, std::vector<double>& weights);

// request.lineBudget lines of the space holding the heaviest weight found: the better of the greedy choice and the
// greedy choice among the lines of design (a complete reduction, or empty), then the exhaustive choice on small
// spaces, then local search threads from the best of them until the time limit, the move limit, a stop request, or
// every arrival held.
BudgetLines SearchBudget(const ArrivalSpace& space, std::span<const double> weights, const ReductionRequest& request,
    std::span<const ArrivalSpace::Index> design, std::stop_token stop, const ProgressCallback& progress,
    std::chrono::steady_clock::time_point start);

} // namespace ornal
