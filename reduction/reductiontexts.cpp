#include "reduction/reductiontexts.h"

#include <algorithm>

namespace ornal {

namespace {

// A count with its noun, singular for 0 and 1 as French has it: "1 ligne", "0 arrivée", "2 arrivées".
std::string Counted(std::uint64_t n, std::string_view singular)
{
    return GroupedNumber(n) + " " + std::string(singular) + (n > 1 ? "s" : "");
}

} // namespace

std::string GuaranteeLine(Guarantee g, std::uint64_t met, std::uint64_t promised)
{
    const std::string finishers = g.finishers == 1 ? "1 premier" : std::to_string(g.finishers) + " premiers";
    return "Garantie : " + finishers + ", " + std::to_string(g.inLine) + " dans une ligne : " + Counted(met, "arrivée")
        + (met > 1 ? " tenues" : " tenue") + " sur " + GroupedNumber(promised);
}

std::string CoverageShare(std::uint64_t met, std::uint64_t promised)
{
    // Arrivals are numbered in 32 bits: met * 1000 stays far within 64.
    const std::uint64_t tenths = promised == 0 ? 0 : std::min(met, promised) * 1000 / promised;
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + std::string(kNoBreakSpace) + "%";
}

std::string CoverageLine(std::uint64_t met, std::uint64_t promised)
{
    return "Couverture : " + CoverageShare(met, promised);
}

std::string PartialGuaranteeLine(std::uint64_t met, std::uint64_t promised)
{
    return "Garantie partielle : " + Counted(met, "arrivée") + (met > 1 ? " tenues" : " tenue") + " sur "
        + GroupedNumber(promised) + " (" + CoverageShare(met, promised) + ")";
}

std::string OutsideLine(std::uint64_t outside)
{
    return "Hors du jeu : " + Counted(outside, "arrivée");
}

std::string ReductionAnswer(std::uint64_t listSize, std::uint64_t keptSize, std::uint64_t met, std::uint64_t promised)
{
    const std::string lines = Counted(listSize, "ligne") + " → " + Counted(keptSize, "ligne") + " ; ";
    if (met == promised) {
        return lines + "garantie tenue pour " + Counted(met, "arrivée") + " sur " + GroupedNumber(promised);
    }
    return lines + "garantie non tenue : " + Counted(met, "arrivée") + " sur " + GroupedNumber(promised);
}

std::string BudgetAnswer(std::uint64_t listSize, std::uint64_t keptSize, std::uint64_t met, std::uint64_t promised)
{
    return Counted(listSize, "ligne") + " → " + Counted(keptSize, "ligne") + "\n" + PartialGuaranteeLine(met, promised);
}

} // namespace ornal
