#pragma once

#include "betting/arrivalcheck.h"
#include "betting/betcost.h"

#include <string>
#include <vector>

namespace ornal {

// "Coût : 56 mises de 2,00 € = 112,00 €".
std::string CostLine(const BetCost& cost);

// The cost label under the list: "Quinté+ : 112,00 €", "Multi en 6 : 60,00 €".
std::string CostLabel(const BetCost& cost);

// The label's tooltip: "56 mises de 2,00 €", "1 mise de 2,00 €".
std::string CostTooltip(const BetCost& cost);

// One line per class that pays, in class order ("désordre : 4"), then "Lignes gagnantes : N".
std::vector<std::string> ArrivalLines(const ArrivalOutcome& outcome);

} // namespace ornal
