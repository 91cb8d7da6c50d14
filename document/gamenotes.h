#pragma once

#include "document/savedgame.h"

#include <string>
#include <vector>

namespace ornal {

// What a game's printout and workbook say of it besides the heading block of the export: the bet in force and the
// bases in force; the printout names the runners too.

// The bet type and cost ("Quinté+ : 20 mises de 2,50 € = 50,00 €"), empty when no bet type the program knows
// applies to the game's lines.
std::string PrintedBetText(const SavedGame& game);

// The bases in force, the texts of their boxes in box order: "Bases : 7, 12", "Base : 7" for one; empty without
// bases in force.
std::string PrintedBasesText(const SavedSelection& selection);

// The runners and their odds in the order given, "Partants et cotes : 1 à 5,2 ; 2 à 8 ; 3 à 12,5"; empty without
// runners.
std::string PrintedRunnersText(const std::vector<Runner>& runners);

// The bet and the bases, in that order, leaving out those that are empty.
std::vector<std::string> GameNotes(const SavedGame& game);

} // namespace ornal
