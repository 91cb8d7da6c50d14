#pragma once

#include "document/gameselection.h"
#include "engine/selection.h"
#include "ui/form1controls.h"

#include <array>

namespace ornal {

// The property by which each bet-type picture remembers where the window first showed it, before any choice moved
// or hid it: a game shown before any choice shows them there again.
inline constexpr char kLogoHomeProperty[] = "ornalPositionDeDepart";

// Each bet-type picture's place now becomes its first place.
void KeepLogoHomes(Form1Controls& ui);

// Puts a selection on the controls: the choices' and boxes' texts, the ticks, what is shown of them, the logos and
// the result boxes. A game shown whole (the window's first state, a game opened) shows the pictures in their first
// place while no choice has been made.
void ShowSelection(Form1Controls& ui, const Selection& sel, const ResultTexts& results,
    const std::array<bool, kResultBoxCount>& resultsShown, bool whole);

} // namespace ornal
