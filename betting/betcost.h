#pragma once

#include "betting/bettype.h"
#include "engine/combinationlist.h"
#include "engine/refusal.h"

#include <cstdint>
#include <string>

namespace ornal {

// What playing a list on one bet type costs.
struct BetCost {
    CombinationList::Count lines = 0;
    std::uint64_t units = 0; // each line is one unit of its type
    std::int64_t stakeCents = 0; // one unit
    std::int64_t totalCents = 0;
    int lineSize = 0; // numbers a line; 0 for an empty list
    std::string unitName; // "Quinté+", "Multi en 6"
};

// The cost of list played on type at stakeCents a unit (0 to kMaxAmountCents), or the refusal of a list whose lines
// type does not take or of a stake out of range. An empty list costs 0.
Result<BetCost> Cost(const CombinationList& list, const BetType& type, std::int64_t stakeCents);

// Numbers of a line: its fields between its first and last dash.
int LineSize(std::string_view line);

} // namespace ornal
