#include "betting/bettexts.h"

#include "betting/money.h"

namespace ornal {

std::string CostTooltip(const BetCost& cost)
{
    // French keeps the singular below two.
    const char* const unit = cost.units < 2 ? " mise de " : " mises de ";
    return std::to_string(cost.units) + unit + FormatEuros(cost.stakeCents);
}

std::string CostLine(const BetCost& cost)
{
    return "Coût : " + CostTooltip(cost) + " = " + FormatEuros(cost.totalCents);
}

std::string CostLabel(const BetCost& cost)
{
    return cost.unitName + " : " + FormatEuros(cost.totalCents);
}

std::vector<std::string> ArrivalLines(const ArrivalOutcome& outcome)
{
    std::vector<std::string> lines;
    for (std::size_t c = 0; c < outcome.classCounts.size() && c < outcome.classNames.size(); ++c) {
        if (outcome.classCounts[c] > 0) {
            lines.push_back(outcome.classNames[c] + " : " + std::to_string(outcome.classCounts[c]));
        }
    }
    lines.push_back("Lignes gagnantes : " + std::to_string(outcome.paying.size()));
    return lines;
}

} // namespace ornal
