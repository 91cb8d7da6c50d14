#pragma once

#include "combinationengine.h"
#include "commandline.h"
#include "gameselection.h"
#include "savedgame.h"

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

// Opens the game file a PRELOAD names in place of a computation, when it does (see GameFileNamed); nullopt when
// the PRELOAD is a prediction.
std::optional<SelectionRoad> OpenGameRoad(const CommandLineOptions& options);

// Walks the preload as the window does (horse count, bet size, numbers), then picks the base mode and ticks the
// mark of each --base number as a player would, then computes and runs the filters and conditions in their order.
SelectionRoad WalkSelectionRoad(const CommandLineOptions& options);

} // namespace ornal
