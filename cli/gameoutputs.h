#pragma once

#include "cli/commandline.h"
#include "cli/selectionroad.h"
#include "document/savedgame.h"

#include <cstdio>

namespace ornal {

// The game a headless run leaves, as the window would hold it after the same steps: the selection the road
// walked, or the game opened with its list as the operations left it.
SavedGame GameOfRoad(const SelectionRoad& road);

// The game of a run: GameOfRoad, with the bet of --jeu and --mise in place of the one it holds when they are given,
// and the runners in force (see TakeRunners) in place of its own.
SavedGame GameOfRun(const CommandLineOptions& options, const SelectionRoad& road);

// Writes the files options asks for (--enregistrer, --csv, --pdf, in that order), none replacing an existing file;
// 0 when every one is written, otherwise 1 once the reason is on err.
int WriteGameOutputs(const CommandLineOptions& options, const SelectionRoad& road, std::FILE* err);

} // namespace ornal
