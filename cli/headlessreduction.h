#pragma once

#include "combinationlist.h"
#include "reductionoptions.h"
#include "selection.h"

#include <optional>
#include <string>
#include <vector>

namespace ornal {

// What the reduction of a headless run leaves: a refusal, or the summary lines that follow the count caption.
struct HeadlessReduction {
    std::optional<std::string> refusal; // the program's message (status 1); the list is then unchanged
    std::vector<std::string> summary; // "Garantie : ..." and, with arrivals outside the list, "Hors du jeu : ..."
};

// When choice asks for a reduction, replaces list by its kept lines, in list order. The horses are the numbers of
// the boxes sel shows, the bases the --base numbers; --graine makes one search thread with that seed.
HeadlessReduction ReduceHeadless(
    const ReductionChoice& choice, const Selection& sel, const std::vector<std::string>& bases, CombinationList& list);

} // namespace ornal
