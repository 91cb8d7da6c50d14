#pragma once

#include "betting/bettype.h"
#include "betting/runners.h"
#include "engine/combinationlist.h"
#include "engine/refusal.h"

#include <span>
#include <string>
#include <vector>

namespace ornal {

// How likely a list is to pay once the race's runners and odds are known.
struct TicketChances {
    double gain = 0; // at least one line pays a class
    std::vector<std::string> classNames; // the type's classes, in their order ("bonus 4", "multi en 6")
    std::vector<double> bestClass; // the best class the list pays is this one; they add up to gain
    double expectedPayingLines = 0;
};

// The chances of list played on type for a race of runners, under the finish model of finishmodel.h. Refuses, by
// the first fault found: runners CheckRunners refuses, fewer runners than the type's places, a horse of the
// prediction (by value, in box order) or a number of a line that is not a runner, a line that names a horse twice,
// and a list whose lines type does not take (as Cost does). An empty list has every chance 0.
Result<TicketChances> ComputeTicketChances(const CombinationList& list, const BetType& type,
    std::span<const Runner> runners, std::span<const double> predictionHorses);

} // namespace ornal
