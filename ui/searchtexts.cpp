#include "ui/searchtexts.h"

#include "engine/groupednumber.h"

#include <chrono>
#include <cstdint>

namespace ornal {

namespace {

// "1,2 s": tenths of a second, with the French decimal comma.
std::string Seconds(std::chrono::milliseconds time)
{
    const auto tenths = (time.count() + 50) / 100;
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " s";
}

std::string Lines(std::uint64_t n)
{
    return GroupedNumber(n) + (n > 1 ? " lignes" : " ligne");
}

} // namespace

std::string SearchProgressText(const ReductionProgress& progress)
{
    if (progress.promised > 0) {
        return "Meilleur choix trouvé : " + GroupedNumber(progress.held) + " arrivées tenues sur "
            + GroupedNumber(progress.promised) + " ; " + Seconds(progress.elapsed) + " écoulées";
    }
    return "Meilleure réduction trouvée : " + Lines(progress.bestSize) + " ; il en faut au moins "
        + GroupedNumber(progress.bound) + " ; " + Seconds(progress.elapsed) + " écoulées";
}

std::string ComparisonProgressText(const ReductionProgress& progress)
{
    return "Recherche sans les cotes, pour comparer, au même nombre de lignes ; " + Seconds(progress.elapsed)
        + " écoulées";
}

std::string SearchEndText(const ReductionResult& result)
{
    if (result.partial && result.bestChoice) {
        return "Aucun choix de " + Lines(result.lineBudget) + " ne tient plus d'arrivées ; trouvé en "
            + Seconds(result.timeToFinal) + ".";
    }
    if (result.partial && !result.stoppedEarly) {
        return "Temps écoulé : meilleur choix trouvé en " + Seconds(result.timeToFinal) + ".";
    }
    if (result.boundReached) {
        return "Aucune réduction ne garde moins de lignes ; trouvée en " + Seconds(result.timeToFinal) + ".";
    }
    if (result.stoppedEarly) {
        return "Recherche arrêtée après " + Seconds(result.elapsed) + " : la meilleure réduction trouvée est gardée.";
    }
    return "Temps écoulé : meilleure réduction trouvée en " + Seconds(result.timeToFinal) + " ; il en faut au moins "
        + GroupedNumber(result.bound) + ".";
}

} // namespace ornal
