#pragma once

#include "document/savedgame.h"
#include "game/game.h"

#include <string>
#include <vector>

namespace ornal {

// What a game opened brings back besides its list and its bet, as lines for standard error after the count caption:
// "Conditions : ..." for the conditions it holds, and, unless the run reduces the list itself (reduced), the summary
// a reduction to its guarantee prints ("Garantie : ...", then "Couverture : ..." for a number of lines or a budget),
// counted exactly on the list game holds now against every arrival of its horses. A guarantee that cannot be counted
// on these horses brings no line.
std::vector<std::string> SavedGameLines(const SavedGame& opened, const Game& game, bool reduced);

} // namespace ornal
