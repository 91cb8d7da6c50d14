#include "cli/headlessreduction.h"

#include "betting/arrivalweight.h"
#include "betting/bettype.h"
#include "betting/ticketchances.h"
#include "reduction/gamehorses.h"
#include "reduction/guarantee.h"
#include "reduction/linebudget.h"
#include "reduction/reducer.h"
#include "reduction/reductiontexts.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace ornal {

HeadlessReduction ReduceHeadless(const CommandLineOptions& options, Game& played)
{
    const CombinationList& list = played.list();
    std::vector<std::string> summary;
    const ReductionChoice& choice = options.reduction;
    if (!choice.guarantee) {
        return summary;
    }
    if (options.betType) {
        if (const Result<std::vector<OfferedGuarantee>> offer = OfferedGuarantees(*options.betType); !offer) {
            return offer.refusal();
        }
    }
    ReductionRequest request;
    if (choice.lines || choice.budgetCents) {
        // The command line only lets --budget through with --jeu, whose type exists.
        const BetType* type = options.betType ? FindBetType(*options.betType) : nullptr;
        const std::int64_t stake = type ? options.stakeCents.value_or(type->defaultStakeCents) : 0;
        const Result<std::uint64_t> budget
            = choice.lines ? LinesAsked(*choice.lines) : LinesOfBudget(*choice.budgetCents, stake);
        if (!budget) {
            return budget.refusal();
        }
        request.lineBudget = *budget;
    }
    request.list = &list;
    GameHorses game = HorsesOfSelection(played.selection());
    request.horses = std::move(game.horses);
    request.bases = std::move(game.bases);
    request.guarantee = *choice.guarantee;
    request.timeLimit = std::chrono::seconds(choice.seconds.value_or(kDefaultReductionSeconds));
    // A seed asks for the same run again: one thread follows one path; several would race each other.
    request.maxThreads = choice.seed ? 1 : 0;
    request.seed = choice.seed.value_or(1);

    // With the odds, a budget holds the likeliest arrivals; the odds are checked against the list first, so that a
    // horse without odds is refused before any search.
    const BetType* type = options.betType ? FindBetType(*options.betType) : nullptr;
    std::vector<Runner> runners;
    if (request.lineBudget > 0 && options.odds.given && type) {
        Result<std::vector<Runner>> loaded = LoadOddsRunners(options.odds);
        if (!loaded) {
            return loaded.refusal();
        }
        const Result<TicketChances> check = ComputeTicketChances(list, *type, *loaded, request.horses);
        if (!check) {
            return check.refusal();
        }
        runners = std::move(*loaded);
        request.arrivalWeight = FirstPlacesWeight(runners);
    }

    const ReductionOutcome outcome = Reduce(request);
    if (!outcome.ok()) {
        return outcome.refusal();
    }
    const ReductionResult& result = *outcome;
    std::optional<std::string> comparison;
    if (request.arrivalWeight && result.partial) {
        // The same number of lines searched without the odds, each figure exact for the lines its search keeps.
        ReductionRequest plain = request;
        plain.arrivalWeight = nullptr;
        plain.lineBudget = result.kept.size();
        const ReductionOutcome unweighted = Reduce(plain);
        if (!unweighted.ok()) {
            return unweighted.refusal();
        }
        const auto gainOf = [&](const std::vector<CombinationList::Count>& kept) {
            const Result<TicketChances> chances
                = ComputeTicketChances(KeptLines(list, kept), *type, runners, request.horses);
            return chances ? chances->gain : 0.0;
        };
        const double withOdds = gainOf(result.kept);
        const double withoutOdds = gainOf(unweighted->kept);
        comparison = WeightedGainLine(withOdds, withoutOdds);
    }
    (void)played.applyLines(KeptLines(list, result.kept));
    SavedGuarantee chosen { request.guarantee.finishers, request.guarantee.inLine, SavedGuarantee::Extent::Full,
        std::nullopt, choice.budgetCents, choice.seconds.value_or(kDefaultReductionSeconds) };
    if (choice.lines) {
        // A count past the file's limit keeps every line a list can hold, as the limit itself does.
        chosen.lines = std::min<std::uint64_t>(*choice.lines, kMaxGameReductionLines);
        chosen.extent = SavedGuarantee::Extent::Lines;
    } else if (choice.budgetCents) {
        chosen.extent = SavedGuarantee::Extent::Budget;
    }
    (void)played.chooseGuarantee(chosen);
    summary.push_back(GuaranteeLine(request.guarantee, result.met, result.promised));
    if (comparison) {
        summary.push_back(*comparison);
    }
    if (request.lineBudget > 0) {
        summary.push_back(CoverageLine(result.met, result.promised));
    }
    if (result.outside > 0) {
        summary.push_back(OutsideLine(result.outside));
    }
    return summary;
}

} // namespace ornal
