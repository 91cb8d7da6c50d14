#pragma once

#include "betting/arrivalcheck.h"
#include "cli/commandline.h"
#include "engine/combinationlist.h"
#include "engine/refusal.h"

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// What --jeu, --mise, --arrivee and --rapport make of a computed list.
struct BetSummary {
    std::vector<std::string> lines; // for standard error, after the count caption
    std::optional<ArrivalOutcome> arrival; // with --arrivee: the paying lines, written in place of the list
};

// "3-8-12" as the texts of the arrival boxes; a dash at either end, as lines are written, is allowed.
std::vector<std::string> ArrivalTexts(std::string_view arrival);

// The cost of list on the bet type of options, with --cotes the chances of the list (the prediction's horses must
// all be runners) and, with an arrival, the lines it pays and, with rapports, the gains and the net; empty without
// --jeu; or the program's refusal (status 1).
Result<BetSummary> SummariseBets(
    const CommandLineOptions& options, const CombinationList& list, std::span<const double> predictionHorses = {});

// Writes each paying line of list, a tab and its class, one a line; false when out could not take them.
bool WritePayingLines(std::FILE* out, const CombinationList& list, const ArrivalOutcome& arrival);

} // namespace ornal
