#include "headlessreduction.h"

#include "bettype.h"
#include "gamehorses.h"
#include "guarantee.h"
#include "money.h"
#include "reducer.h"
#include "reductiontexts.h"

#include <chrono>
#include <utility>

namespace ornal {

HeadlessReduction ReduceHeadless(const CommandLineOptions& options, const Selection& sel, CombinationList& list)
{
    HeadlessReduction reduction;
    const ReductionChoice& choice = options.reduction;
    if (!choice.guarantee) {
        return reduction;
    }
    if (options.betType) {
        if (const GuaranteeOffer offer = OfferedGuarantees(*options.betType); offer.refusal) {
            reduction.refusal = offer.refusal->text;
            return reduction;
        }
    }
    ReductionRequest request;
    if (choice.lines) {
        if (*choice.lines < 1) {
            reduction.refusal = "Nombre de lignes invalide : gardez au moins une ligne.";
            return reduction;
        }
        request.lineBudget = *choice.lines;
    } else if (choice.budgetCents) {
        // The command line only lets --budget through with --jeu, whose type exists.
        const BetType* type = options.betType ? FindBetType(*options.betType) : nullptr;
        const std::int64_t stake = type ? options.stakeCents.value_or(type->defaultStakeCents) : 0;
        if (stake <= 0 || *choice.budgetCents < stake) {
            reduction.refusal = "Budget insuffisant : " + FormatEuros(*choice.budgetCents) + " ne paie pas une ligne à "
                + FormatEuros(stake) + ".";
            return reduction;
        }
        request.lineBudget = static_cast<std::uint64_t>(*choice.budgetCents / stake);
    }
    request.list = &list;
    GameHorses game = HorsesOfSelection(sel);
    request.horses = std::move(game.horses);
    request.bases = std::move(game.bases);
    request.guarantee = *choice.guarantee;
    request.timeLimit = std::chrono::seconds(choice.seconds.value_or(kDefaultReductionSeconds));
    // A seed asks for the same run again: one thread follows one path; several would race each other.
    request.maxThreads = choice.seed ? 1 : 0;
    request.seed = choice.seed.value_or(1);

    const ReductionOutcome outcome = Reduce(request);
    if (outcome.refusal) {
        reduction.refusal = outcome.refusal->text;
        return reduction;
    }
    const ReductionResult& result = outcome.result;
    list = KeptLines(list, result.kept);
    reduction.summary.push_back(GuaranteeLine(request.guarantee, result.met, result.promised));
    if (request.lineBudget > 0) {
        reduction.summary.push_back(CoverageLine(result.met, result.promised));
    }
    if (result.outside > 0) {
        reduction.summary.push_back(OutsideLine(result.outside));
    }
    return reduction;
}

} // namespace ornal
