#pragma once

#include "engine/preload.h"
#include "engine/refusal.h"
#include "engine/selection.h"

#include <optional>

namespace ornal {

// How a step of the selection flow ended; the front end maps it to the screen (message, focus) or to a status.
struct FlowOutcome {
    enum class Status {
        Done,
        NoHorseCount, // "Choisir un Nombre.": the horse count is empty; the focus belongs to NombreChevaux
        InvalidChoice, // "Choix invalide."
        TooManyMarks, // "Nombre de click invalide.": the mark just ticked was unticked again
    };

    Status status = Status::Done;
    std::optional<Refusal> refusal; // set unless Done

    bool operator==(const FlowOutcome&) const = default;
};

// A horse count was chosen: shows boxes 0 to N - 1, unticks every mark and shows those a base may take, shows the
// bet-size and base controls. The count caption then asks for the bet type.
FlowOutcome ChooseHorseCount(Selection& sel);

// A base mode was chosen in Base: sets BaseCount, unticks every mark and shows those a base may take.
FlowOutcome ChooseBaseMode(Selection& sel);

// Mark i has just changed: a tick beyond the base mode's number is refused and undone.
FlowOutcome ToggleBaseMark(Selection& sel, int i);

// A bet size was chosen in Jeu: checks it against the horse count, re-derives the marks while bases are in force,
// shows the base controls, the result boxes and the bet-type logos of that size.
FlowOutcome ChooseBetSize(Selection& sel);

// The preload's road as a player would walk it: the horse count and its choice, the bet size and its choice when
// the line gives a usable one, then the numbers into their boxes. The outcome is the bet-size choice's.
FlowOutcome ApplyPreload(Selection& sel, const PreloadFields& fields);

} // namespace ornal
