#pragma once

#include "cli/commandline.h"
#include "document/savedgame.h"
#include "engine/combinationlist.h"

#include <optional>
#include <string>

namespace ornal {

// True for the options that price the list and check an arrival: --jeu, --mise, --arrivee, --cotes, --rapport.
bool IsBetOption(const std::string& option);

// Reads the value of one of those options into options, or says in French why it cannot be read.
std::optional<std::string> ReadBetOption(
    const std::string& option, const std::string& value, CommandLineOptions& options);

// The misuse of those options once the whole line is read (a bet type without an output that shows its cost...), or
// nullopt. Whether a stake or an arrival has a bet to go with is known once the game, if any, is read.
std::optional<std::string> CheckBetOptions(const CommandLineOptions& options);

// Puts the bet of the game opened (null when the list was computed) into options, with --print or --xlsx, where
// --jeu and --mise leave it open: the game's type when --jeu is not given, and the game's stake for that type when
// --mise is not given. A saved bet the program cannot price on list (a type it no longer knows, lines of another size)
// is left out, as the window leaves it. The saved stake the rapports are for goes with the saved type too. Returns the
// misuse of a stake or an arrival that no bet goes with, or of a rapport for a class the bet type does not have or
// given twice, or nullopt.
std::optional<std::string> TakeSavedBet(
    CommandLineOptions& options, const SavedGame* game, const CombinationList& list);

// With --print and no --arrivee, puts the arrival of the game opened (null when the list was computed) into options,
// with its rapports unless --rapport gives some, when the bet in force is the saved one: the run then checks it as
// --arrivee would. An arrival the program cannot check on list, or a rapport for a class the type does not have, is
// left out, as a saved bet it cannot price is.
void TakeSavedArrival(CommandLineOptions& options, const SavedGame* game, const CombinationList& list);

// Puts the runners in force into options.odds, read once: those of --cotes (its file read here), or, with a bet in
// force and no --cotes, those of the game opened (null when the list was computed). Returns the refusal of a file of
// runners that cannot be read (status 1).
Result<void> TakeRunners(CommandLineOptions& options, const SavedGame* game);

} // namespace ornal
