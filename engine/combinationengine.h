#pragma once

#include "combinationlist.h"
#include "messages.h"
#include "selection.h"

#include <optional>
#include <string>

namespace ornal {

// What one computation leaves for the window to show.
struct ComputeResult {
    enum class Status {
        Computed, // list holds the new CombinationList
        NoBetSize, // "Vous devez choisir un type de jeu."
        EmptyBox, // "Entrez un Numéro."
        SeparatorInBox, // "Entrez un Numéro.": the box holds "-", which separates a line's numbers
        DuplicateBox, // "Numéro déjà saisi."
        InvalidChoice, // "Choix invalide.": the enumeration would read a hidden box or one past the twentieth
    };

    Status status = Status::Computed;
    std::optional<Message> message; // set unless Computed
    int box = -1; // number box to give the focus to, or -1
    bool selectBoxText = false; // select the whole text of box before focusing it
    bool focusBetSize = false; // give the focus to Jeu
    std::string selectionText; // SelectionText, built up to the refused box when a check stops the run
    CombinationList list; // the new list when Computed
};

// Checks sel as the Valider button does and, when it passes, enumerates every combination of k shown boxes that
// holds every ticked base (with bases in force), each base at its own position.
ComputeResult ComputeCombinations(const Selection& sel);

// The prediction as "-" followed by the trimmed texts of the shown boxes joined with "-".
std::string BuildSelectionText(const Selection& sel);

} // namespace ornal
