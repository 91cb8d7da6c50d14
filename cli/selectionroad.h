#pragma once

#include "cli/commandline.h"
#include "document/gameselection.h"
#include "document/savedgame.h"
#include "engine/combinationengine.h"

#include <string>

namespace ornal {

// The list a headless run works on, computed along the window's own road.
struct SelectionRoad {
    enum class Status {
        Computed, // result holds the list
        Refused, // the program's message, as the window would show it (status 1)
        Misused, // the command line cannot be walked (status 2)
    };

    Status status = Status::Computed;
    std::string text; // the message or the misuse
    Selection selection; // the controls as the window would hold them when the computation ran
    ComputeResult result;
    ResultTexts results {}; // the result boxes' texts: empty, or those of the game opened
    std::optional<SavedGame> openedGame; // the game file opened in place of a computation, as it was read
};

// Opens the game file the arguments name in place of a computation, when they do (see GameFileNamed); nullopt when
// they are a prediction.
std::optional<SelectionRoad> OpenGameRoad(const CommandLineOptions& options);

// Walks the preload as the window does (horse count, bet size, numbers), then picks the base mode and ticks the
// mark of each --base number as a player would, and computes; or opens the game the arguments name. Then runs the
// filters and conditions in their order over the list.
SelectionRoad WalkSelectionRoad(const CommandLineOptions& options);

} // namespace ornal
