#pragma once

#include "engine/groupednumber.h"
#include "reduction/guarantee.h"

#include <cstdint>
#include <string>

namespace ornal {

// The texts that tell the player what a reduction keeps, shared by the command line and the window.

// "Garantie : 4 premiers, 4 dans une ligne : 210 arrivées tenues sur 210".
std::string GuaranteeLine(Guarantee g, std::uint64_t met, std::uint64_t promised);

// "93,1 %": the share of the promised arrivals held, in tenths, rounded down so that only a whole guarantee reads
// "100,0 %".
std::string CoverageShare(std::uint64_t met, std::uint64_t promised);

// "Couverture : 93,1 %".
std::string CoverageLine(std::uint64_t met, std::uint64_t promised);

// "Garantie partielle : 4 512 arrivées tenues sur 4 845 (93,1 %)".
std::string PartialGuaranteeLine(std::uint64_t met, std::uint64_t promised);

// "Hors du jeu : 12 arrivées": the arrivals no line of the list meets.
std::string OutsideLine(std::uint64_t outside);

// The answer of the reduction dialog: "252 lignes → 51 lignes ; garantie tenue pour 210 arrivées sur 210".
std::string ReductionAnswer(std::uint64_t listSize, std::uint64_t keptSize, std::uint64_t met, std::uint64_t promised);

// The answer of the reduction dialog for lines that hold only some arrivals: "4 845 lignes → 50 lignes", then on a
// line of its own the partial guarantee.
std::string BudgetAnswer(std::uint64_t listSize, std::uint64_t keptSize, std::uint64_t met, std::uint64_t promised);

} // namespace ornal
