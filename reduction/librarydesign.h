#pragma once

#include "engine/combinationlist.h"
#include "reduction/designlibrary.h"
#include "reduction/guarantee.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ornal {

// A design of the library found for a full list, as lines of that list.
struct ListDesign {
    std::vector<CombinationList::Count> kept; // the first list line of each design line, in design order
    std::vector<std::uint32_t> masks; // their horses as bits of the prediction's horses, bases included
    int lineSize = 0; // horses in every line of the list
    std::uint64_t promised = 0; // arrivals the design meets: every one among the horses the lines use
    std::uint64_t perLine = 0; // arrivals one line of the list meets

    bool empty() const { return kept.empty(); }
};

// The smallest design of the library that fits the list and holds, read from the list's lines alone, without building
// the arrivals of the whole list: the list must be the full list of the horses its lines use (every line of k horses
// among them holding every base, each such line present), as a prediction computed whole, or whole once some horses
// are removed (then only when a line meets an arrival by holding all of it). The design's horses 0, 1, ... become the
// lines' horses other than the bases, in rising order, each line holding the bases too; a design is used only when
// the independent count (Verify) finds every arrival among those horses met by its lines, and one that fails is
// passed over for the next. Empty when none fits and holds; never throws but for memory.
ListDesign LibraryDesign(const CombinationList& list, std::span<const double> horses, std::span<const double> bases,
    Guarantee g, const DesignLibrary& library);

} // namespace ornal
