#pragma once

#include "engine/combinationlist.h"
#include "engine/refusal.h"
#include "engine/selection.h"

#include <optional>
#include <string>

namespace ornal {

// What one computation leaves for the window to show.
struct ComputeResult {
    enum class Status {
        Computed, // list holds the new CombinationList
        NoBetSize, // "Vous devez choisir un type de jeu."
        EmptyBox, // "Entrez un Numéro."
        // "Entrez un Numéro.": the box holds "-" (which separates a line's numbers) or a control character
        SeparatorInBox,
        DuplicateBox, // "Numéro déjà saisi."
        InvalidChoice, // "Choix invalide.": the enumeration would read a hidden box or one past the twentieth
    };

    Status status = Status::Computed;
    std::optional<Refusal> refusal; // set unless Computed
    int box = -1; // the number box refused, or -1
    std::string selectionText; // SelectionText, built up to the refused box when a check stops the run
    CombinationList list; // the new list when Computed
};

// Checks sel as the Valider button does and, when it passes, enumerates every combination of k shown boxes that
// holds every ticked base (with bases in force), each base at its own position.
ComputeResult ComputeCombinations(const Selection& sel);

} // namespace ornal
