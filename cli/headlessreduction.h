#pragma once

#include "cli/commandline.h"
#include "game/game.h"

#include <optional>
#include <string>
#include <vector>

namespace ornal {

// What the reduction of a headless run leaves: the summary lines that follow the count caption ("Garantie : ...",
// "Couverture : ..." for a budget and, with arrivals outside the list, "Hors du jeu : ..."), none without a
// reduction; or the program's refusal (status 1), the list then unchanged.
using HeadlessReduction = Result<std::vector<std::string>>;

// When options ask for a reduction, replaces the game's list by its kept lines, in list order. The horses are the
// numbers of the boxes the game shows, the bases those of its ticked marks (the --base numbers, or a saved game's
// bases); a bet type that pays only the whole combination is refused; --graine makes one search thread with that seed.
// --lignes N keeps N lines (0 is refused), --budget as many as it pays at the stake of --jeu (--mise, or the type's
// own; a budget below one stake is refused). With --cotes, a budget weighs each arrival by the chance that the first P
// finishers are its horses and the summary compares the chance of gain with that of a search without the odds.
HeadlessReduction ReduceHeadless(const CommandLineOptions& options, Game& played);

} // namespace ornal
