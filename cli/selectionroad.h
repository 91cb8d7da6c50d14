#pragma once

#include "cli/commandline.h"
#include "document/savedgame.h"
#include "game/game.h"

#include <optional>
#include <string>

namespace ornal {

// The list a headless run works on, computed along the window's own road.
struct SelectionRoad {
    std::optional<Refusal> refusal; // where the road stopped, the program's message as the window shows it (status 1)
    std::optional<std::string>
        misuse; // the command line cannot be walked: what is wrong, without "ornal : " (status 2)
    Game game; // the game as the window would hold it: computed, or opened, then filtered
    std::optional<SavedGame> openedGame; // the game file opened in place of a computation, as it was read

    // True when the list is computed or opened, then filtered.
    bool walked() const { return !refusal && !misuse; }
    // The list the run works on.
    const CombinationList& list() const { return game.list(); }
};

// Opens the game file the arguments name in place of a computation, when they do (see GameFileNamed); nullopt when
// they are a prediction.
std::optional<SelectionRoad> OpenGameRoad(const CommandLineOptions& options);

// Walks the preload as the window does (horse count, bet size, numbers), then picks the base mode and ticks the
// mark of each --base number through the game's own verbs, and computes; or opens the game the arguments name. Then
// runs the filters and conditions in their order over the list.
SelectionRoad WalkSelectionRoad(const CommandLineOptions& options);

} // namespace ornal
