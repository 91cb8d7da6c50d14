#pragma once

#include "engine/combinationlist.h"
#include "engine/refusal.h"
#include "engine/selection.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// What one result search leaves for the window to show.
struct SearchOutcome {
    enum class Status {
        Found, // line is the first matching line
        NotFound, // no refusal
        EmptyList, // "Liste vide , traitement impossible."
        MissingBox, // "Champ obligatoire": box is the first empty required box
        DuplicateBox, // "Numéro déjà saisi.": box repeats a lower required box
    };

    Status status = Status::NotFound;
    std::optional<Refusal> refusal; // set for EmptyList, MissingBox and DuplicateBox
    int box = -1; // result box to focus when it is shown
    bool selectBoxText = false; // select the whole text of box first
    CombinationList::Count line = 0; // the found line when Found
};

// The first line holding every number of the required result boxes (boxes 0 to min(k, 5) - 1, k the bet size
// shown); the boxes past them never count. A bet size that is not a whole number from 1 up finds nothing.
SearchOutcome SearchResult(const CombinationList& list, std::string_view betSizeText,
    const std::array<std::string, kResultBoxCount>& resultBoxes);

} // namespace ornal
