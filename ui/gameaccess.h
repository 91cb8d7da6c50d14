#pragma once

#include "betting/oddsgroups.h"
#include "betting/runners.h"
#include "engine/combinationlist.h"
#include "engine/messages.h"
#include "engine/refusal.h"
#include "listops/lineconditions.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ornal {

// What a dialog of the window may read and change of the game; the window fills it, tests may fill it too.
struct GameAccess {
    // The lines of List1.
    std::function<const CombinationList&()> list;
    // The texts of the shown number boxes, in box order, as they stand (blank ones included).
    std::function<std::vector<std::string>()> prediction;
    // The conditions the game holds: those last applied, or those of the game opened.
    std::function<LineConditions()> conditions;
    // Applies conditions through the game, so the list, the count and the cost follow and the game keeps them; the
    // refusal (or the shortage of memory) met, nothing once applied.
    std::function<Result<void>(LineConditions)> applyConditions;
    // Shows a message through the window's message boxes.
    std::function<void(const Message&)> showMessage;
    // The runners of the race and their odds, empty when none were given.
    std::function<std::vector<Runner>()> runners;
    // The thresholds of "Grouper selon les cotes" the game holds, and their change, kept with the game.
    std::function<OddsThresholds()> oddsThresholds;
    std::function<void(const OddsThresholds&)> keepOddsThresholds;
};

} // namespace ornal
