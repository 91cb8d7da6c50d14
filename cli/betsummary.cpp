#include "betsummary.h"

#include "betcost.h"
#include "bettexts.h"
#include "chancetexts.h"
#include "ticketchances.h"

namespace ornal {

namespace {

// "3-8-12" as the texts of the arrival boxes; a dash at either end, as lines are written, is allowed.
std::vector<std::string> arrivalTexts(std::string_view arrival)
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

} // namespace

BetSummary SummariseBets(
    const CommandLineOptions& options, const CombinationList& list, std::span<const double> predictionHorses)
{
    BetSummary summary;
    const BetType* type = options.betType ? FindBetType(*options.betType) : nullptr;
    if (!type) {
        return summary;
    }
    const BetCost cost = Cost(list, *type, options.stakeCents.value_or(type->defaultStakeCents));
    if (cost.message) {
        summary.refusal = cost.message->text;
        return summary;
    }
    summary.lines.push_back(CostLine(cost));
    if (options.odds.given) {
        const OddsRunners runners = LoadOddsRunners(options.odds);
        if (runners.refusal) {
            return BetSummary { runners.refusal, {}, std::nullopt };
        }
        const TicketChances chances = ComputeTicketChances(list, *type, runners.runners, predictionHorses);
        if (chances.message) {
            return BetSummary { chances.message->text, {}, std::nullopt };
        }
        for (std::string& line : ChanceLines(chances)) {
            summary.lines.push_back(std::move(line));
        }
    }
    if (!options.arrival) {
        return summary;
    }
    ArrivalOutcome outcome = CheckArrival(list, *type, arrivalTexts(*options.arrival));
    if (outcome.message) {
        return BetSummary { outcome.message->text, {}, std::nullopt };
    }
    for (std::string& line : ArrivalLines(outcome)) {
        summary.lines.push_back(std::move(line));
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
