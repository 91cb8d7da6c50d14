#pragma once

#include "cli/commandline.h"
#include "game/game.h"

#include <cstdio>

namespace ornal {

// Gives game what the run used besides its list, through the game's own verbs: the bet of --jeu and --mise (or
// none, for a list computed without --jeu; a game opened keeps its own), the rapports' stake a saved bet gives, the
// runners in force (see TakeRunners) and the arrival of --arrivee with its --rapport. The conditions and the guarantee
// are already there.
void PutRunInGame(const CommandLineOptions& options, bool opened, Game& game);

// Writes the files options asks for (--enregistrer, --csv, --pdf, in that order) from game as the run left it, none
// replacing an existing file; 0 when every one is written, otherwise 1 once the reason is on err.
int WriteGameOutputs(const CommandLineOptions& options, const Game& game, std::FILE* err);

} // namespace ornal
