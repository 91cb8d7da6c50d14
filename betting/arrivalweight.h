#pragma once

#include "betting/runners.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace ornal {

// The weight a reduction to a number of lines gives an arrival when the odds are known: the chance that the first
// P finishers are the arrival's P horses, in any order (FirstPlacesChance). runners must be sound and hold every
// horse an arrival can name; a horse that is not a runner weighs nothing.
std::function<double(std::span<const double> arrival)> FirstPlacesWeight(std::span<const Runner> runners);

// "Probabilité de gain : 31,20 % (27,94 % sans les cotes, au même nombre de lignes)".
std::string WeightedGainLine(double withOdds, double withoutOdds);

} // namespace ornal
