#pragma once

#include "engine/messages.h"
#include "game/game.h"
#include "listops/lineconditions.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// A filter, or a pass of conditions, run over the computed list in command-line order.
struct ListStep {
    enum class Kind { Keep, Remove, Conditions };

    Kind kind = Kind::Conditions;
    std::string filterText; // Keep and Remove: the number as the window's filter box would hold it
    LineConditions conditions; // Conditions: condition options given one after another
};

// True for the options that make a step: --garde, --supp, --groupe, --somme, --pairs, --suite.
bool IsListStepOption(std::string_view option);

// The misuse of option given without its value, e.g. "--somme attend MIN-MAX (par exemple 20-40).".
std::string MissingStepValue(std::string_view option);

// Reads option and its value onto the end of steps; the misuse to report (a malformed value, a sixth group), or
// nullopt.
std::optional<std::string> AddListStep(std::vector<ListStep>& steps, std::string_view option, std::string_view value);

// Runs steps over the game's list as the window runs a filter after Yes and the conditions after Appliquer, against
// the game's prediction. The first refusal stops the run and is returned; the list keeps what came before it.
Result<void> RunListSteps(const std::vector<ListStep>& steps, Game& game);

} // namespace ornal
