#pragma once

#include "document/savedgame.h"
#include "engine/combinationlist.h"

#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// Checks that a saved prediction is one the window could hold and that the list is made of it: no ticked mark on a
// hidden box, no "-" in a shown box; and, when there is a list, every shown box filled, no number twice, and every
// line a combination of the bet size's count of shown numbers, each once. A list the window kept while a new
// prediction was being chosen passes when it is made so of the numbers of selectionText, all lines of one count.
// nullopt when they belong together, otherwise what is wrong, in French, naming the member or the first bad line.
std::optional<std::string> CheckPrediction(
    const SavedSelection& selection, std::string_view selectionText, const CombinationList& list);

} // namespace ornal
