#pragma once

#include "reduction/reducer.h"

#include <string>

namespace ornal {

// What the tab "Garantie" says of a search under way: the best reduction, or the best choice of lines, so far.
std::string SearchProgressText(const ReductionProgress& progress);

// What it says while the same number of lines is searched again without the odds.
std::string ComparisonProgressText(const ReductionProgress& progress);

// What it says of a search that ended: why it ended and when its answer was found.
std::string SearchEndText(const ReductionResult& result);

} // namespace ornal
