#pragma once

#include "betting/ticketchances.h"

#include <string>
#include <vector>

namespace ornal {

// A chance as a percentage with two decimals and a decimal comma: "23,41 %" (a no-break space before the sign).
std::string FormatPercent(double chance);

// "Probabilité de gain : 23,41 %".
std::string GainChanceLine(const TicketChances& chances);

// The chance of gain, one line per class in the type's order ("Probabilité bonus 4 : 1,27 %"), then
// "Lignes payées en moyenne : 0,84".
std::vector<std::string> ChanceLines(const TicketChances& chances);

} // namespace ornal
