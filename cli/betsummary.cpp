#include "cli/betsummary.h"

#include "betting/betcost.h"
#include "betting/bettexts.h"
#include "betting/chancetexts.h"
#include "betting/money.h"
#include "betting/ticketchances.h"
#include "betting/winnings.h"

namespace ornal {

namespace {

} // namespace

std::vector<std::string> ArrivalTexts(std::string_view arrival)
{
    if (arrival.starts_with('-')) {
        arrival.remove_prefix(1);
    }
    if (arrival.ends_with('-')) {
        arrival.remove_suffix(1);
    }
    std::vector<std::string> texts;
    for (;;) {
        const std::size_t dash = arrival.find('-');
        texts.emplace_back(arrival.substr(0, dash));
        if (dash == std::string_view::npos) {
            return texts;
        }
        arrival.remove_prefix(dash + 1);
    }
}

namespace {

// "Gains : ..." and "Net : ..." from the rapports given, or "Rapport manquant : ..." for each class that pays without
// one; the refusal of gains the program cannot count.
Result<void> addWinnings(const CommandLineOptions& options, const ArrivalOutcome& outcome, const BetCost& cost,
    const BetType& type, std::vector<std::string>& lines)
{
    std::vector<std::optional<std::int64_t>> rapports;
    std::vector<std::string> missing;
    for (std::size_t c = 0; c < outcome.classNames.size(); ++c) {
        std::optional<std::int64_t>& rapport = rapports.emplace_back();
        for (const ClassRapport& given : options.rapports) {
            if (given.className == outcome.classNames[c]) {
                rapport = given.cents;
            }
        }
        if (!rapport && c < outcome.classCounts.size() && outcome.classCounts[c] > 0) {
            missing.push_back("Rapport manquant : " + outcome.classNames[c]);
        }
    }
    if (!missing.empty()) {
        lines.insert(lines.end(), missing.begin(), missing.end());
        return {};
    }
    // Rapports are for the type's usual stake, as results pages give them, unless the saved game says otherwise.
    const RapportStakes stakes { cost.stakeCents, options.rapportBaseCents.value_or(type.defaultStakeCents) };
    const Result<Winnings> winnings = ComputeWinnings(outcome.classCounts, rapports, stakes, cost.totalCents);
    if (!winnings) {
        return winnings.refusal();
    }
    lines.push_back("Gains : " + FormatEuros(winnings->gainsCents));
    lines.push_back("Net : " + FormatEuros(winnings->netCents));
    return {};
}

} // namespace

Result<BetSummary> SummariseBets(
    const CommandLineOptions& options, const CombinationList& list, std::span<const double> predictionHorses)
{
    BetSummary summary;
    const BetType* type = options.betType ? FindBetType(*options.betType) : nullptr;
    if (!type) {
        return summary;
    }
    const Result<BetCost> cost = Cost(list, *type, options.stakeCents.value_or(type->defaultStakeCents));
    if (!cost) {
        return cost.refusal();
    }
    summary.lines.push_back(CostLine(*cost));
    if (options.odds.given) {
        const Result<std::vector<Runner>> runners = LoadOddsRunners(options.odds);
        if (!runners) {
            return runners.refusal();
        }
        const Result<TicketChances> chances = ComputeTicketChances(list, *type, *runners, predictionHorses);
        if (!chances) {
            return chances.refusal();
        }
        for (std::string& line : ChanceLines(*chances)) {
            summary.lines.push_back(std::move(line));
        }
    }
    if (!options.arrival) {
        return summary;
    }
    Result<ArrivalOutcome> checked = CheckArrival(list, *type, ArrivalTexts(*options.arrival));
    if (!checked) {
        return checked.refusal();
    }
    ArrivalOutcome outcome = std::move(checked).value();
    for (std::string& line : ArrivalLines(outcome)) {
        summary.lines.push_back(std::move(line));
    }
    if (!options.rapports.empty()) {
        if (Result<void> added = addWinnings(options, outcome, *cost, *type, summary.lines); !added) {
            return added.refusal();
        }
    }
    summary.arrival = std::move(outcome);
    return summary;
}

bool WritePayingLines(std::FILE* out, const CombinationList& list, const ArrivalOutcome& arrival)
{
    for (const PayingLine& paying : arrival.paying) {
        const std::string_view line = list.line(paying.line);
        const std::string& name = arrival.classNames[static_cast<std::size_t>(paying.classIndex)];
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size() || std::fputc('\t', out) == EOF
            || std::fwrite(name.data(), 1, name.size(), out) != name.size() || std::fputc('\n', out) == EOF) {
            return false;
        }
    }
    return std::fflush(out) == 0;
}

} // namespace ornal
