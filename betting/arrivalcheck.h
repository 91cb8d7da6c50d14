#pragma once

#include "betting/bettype.h"
#include "engine/combinationlist.h"
#include "engine/refusal.h"

#include <span>
#include <string>
#include <vector>

namespace ornal {

// A line that pays, and the class it pays.
struct PayingLine {
    CombinationList::Count line = 0;
    int classIndex = 0; // into the type's classes()

    bool operator==(const PayingLine&) const = default;
};

// What checking a list against an arrival leaves for the window and the command line.
struct ArrivalOutcome {
    int lineSize = 0; // numbers a line; 0 for an empty list
    std::vector<PayingLine> paying; // in list order
    std::vector<std::string> classNames; // the type's classes, in their order ("multi en 6")
    std::vector<CombinationList::Count> classCounts; // paying lines per class, same order
};

// The lines of list that pay on type for the arrival typed in arrivalTexts (a1 first; blank boxes at the end do not
// count, places past those the type reads are checked and then ignored), or the refusal of the list (as Cost does),
// of a box that is blank in the middle, not a number or repeated, or of too few places; a refusal about a box names
// it (the first blank one for too few places).
Result<ArrivalOutcome> CheckArrival(
    const CombinationList& list, const BetType& type, std::span<const std::string> arrivalTexts);

} // namespace ornal
