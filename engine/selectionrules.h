#pragma once

#include "engine/messages.h"
#include "engine/refusal.h"

#include <optional>
#include <string_view>
#include <utility>

namespace ornal {

// The decisions of the selection flow, shared by the window and the command line so that both accept the same.

// How many number boxes a horse-count text shows: box i is shown when i < its NumericValue (0 to 20).
int ShownNumberBoxCount(std::string_view horseCountText);

// The checks of a bet-size choice: "Choisir un Nombre." for an empty horse count, "Choix invalide." when the horse
// count is below the bet size.
Result<void> CheckBetSizeChoice(std::string_view horseCountText, std::string_view betSizeText);

// How many result boxes a bet-size text shows: box i is shown when i <= value - 1 (0 to 5).
int ShownResultBoxCount(std::string_view betSizeText);

// The two bet-type logos (indexes into the seven, first next to Jeu, second left of it) for a bet-size text whose
// trimmed value is exactly 2 to 7; nullopt otherwise.
std::optional<std::pair<int, int>> BetTypeLogos(std::string_view betSizeText);

// Whether mark i may be shown for a bet-size text: i below its value.
bool MarkAllowed(int i, std::string_view betSizeText);

} // namespace ornal
