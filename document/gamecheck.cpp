#include "document/gamecheck.h"

#include "betting/oddsgroups.h"
#include "document/gamekeys.h"
#include "document/predictioncheck.h"
#include "document/textchecks.h"

#include <array>
#include <cmath>

namespace ornal {

namespace {

using Problem = std::optional<std::string>;

Problem CheckText(const std::string& text, const std::string& path, std::size_t maxBytes = kMaxGameTextBytes)
{
    if (text.size() > maxBytes) {
        return Quoted(path) + " dépasse " + std::to_string(maxBytes) + " octets";
    }
    if (!IsValidUtf8(text)) {
        return Quoted(path) + " n'est pas un texte UTF-8 valide";
    }
    if (HasControlCharacter(text)) {
        return Quoted(path) + " contient un caractère de contrôle";
    }
    return std::nullopt;
}

template <typename Texts> Problem CheckTexts(const Texts& texts, const std::string& path)
{
    std::size_t index = 0;
    for (const std::string& text : texts) {
        if (Problem problem = CheckText(text, ElementPath(path, index++))) {
            return problem;
        }
    }
    return std::nullopt;
}

Problem CheckNumber(long long value, long long min, long long max, const std::string& path)
{
    if (value < min || value > max) {
        return Quoted(path) + " doit être compris entre " + std::to_string(min) + " et " + std::to_string(max);
    }
    return std::nullopt;
}

Problem CheckRange(const SavedRange& range, int max, const std::string& path)
{
    if (Problem problem = CheckNumber(range.min, 0, max, MemberPath(path, gamekey::kMin))) {
        return problem;
    }
    if (Problem problem = CheckNumber(range.max, 0, max, MemberPath(path, gamekey::kMax))) {
        return problem;
    }
    if (range.min > range.max) {
        return Quoted(path) + " : le minimum dépasse le maximum";
    }
    return std::nullopt;
}

Problem CheckSelection(const SavedSelection& selection)
{
    const std::string path = gamekey::kSelection;
    for (const auto& [text, key] : { std::pair { &selection.horseCountText, gamekey::kHorseCount },
             std::pair { &selection.betSizeText, gamekey::kBetSize },
             std::pair { &selection.baseText, gamekey::kBase } }) {
        if (Problem problem = CheckText(*text, MemberPath(path, key))) {
            return problem;
        }
    }
    if (selection.baseCount != -1 && (selection.baseCount < 1 || selection.baseCount > 3)) {
        return Quoted(MemberPath(path, gamekey::kBaseCount)) + " doit valoir -1, 1, 2 ou 3";
    }
    if (Problem problem = CheckTexts(selection.numbers, MemberPath(path, gamekey::kNumbers))) {
        return problem;
    }
    return CheckTexts(selection.results, MemberPath(path, gamekey::kResults));
}

Problem CheckLines(const CombinationList& list)
{
    if (list.size() > kMaxGameLines) {
        return std::string(kTooManyLines);
    }
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const std::string_view line = list.line(i);
        if (line.size() > kMaxGameLineBytes || !IsCombinationLine(line)) {
            return "la ligne " + std::to_string(i + 1) + " n'est pas une combinaison";
        }
    }
    return std::nullopt;
}

Problem CheckArrival(const SavedArrival& arrival)
{
    const std::string path = gamekey::kArrival;
    if (Problem problem = CheckTexts(arrival.numbers, MemberPath(path, gamekey::kNumbers))) {
        return problem;
    }
    const std::string payouts = MemberPath(path, gamekey::kPayouts);
    if (arrival.payouts.size() > kMaxGamePayoutClasses) {
        return Quoted(payouts) + " compte plus de " + std::to_string(kMaxGamePayoutClasses) + " classes";
    }
    for (std::size_t i = 0; i < arrival.payouts.size(); ++i) {
        const std::string element = ElementPath(payouts, i);
        if (Problem problem = CheckText(arrival.payouts[i].className, MemberPath(element, gamekey::kPayoutClass))) {
            return problem;
        }
        if (Problem problem
            = CheckNumber(arrival.payouts[i].cents, 0, kMaxRapportCents, MemberPath(element, gamekey::kCents))) {
            return problem;
        }
    }
    return std::nullopt;
}

Problem CheckGroup(const SavedConditionGroup& group, const std::string& path)
{
    if (Problem problem = CheckText(group.name, MemberPath(path, gamekey::kName))) {
        return problem;
    }
    const std::string numbers = MemberPath(path, gamekey::kNumbers);
    if (group.numbers.size() > static_cast<std::size_t>(kNumberBoxCount)) {
        return Quoted(numbers) + " compte plus de " + std::to_string(kNumberBoxCount) + " numéros";
    }
    if (Problem problem = CheckTexts(group.numbers, numbers)) {
        return problem;
    }
    if (Problem problem = CheckRange({ group.min, group.max }, kMaxLineSize, path)) {
        return problem;
    }
    const std::pair<const std::optional<SavedRange>*, std::pair<const char*, int>> bounds[] = {
        { &group.sum, { gamekey::kSum, kMaxConditionSum } },
        { &group.even, { gamekey::kEven, kMaxLineSize } },
        { &group.run, { gamekey::kRun, kMaxLineSize } },
    };
    for (const auto& [range, keyAndMax] : bounds) {
        if (*range) {
            if (Problem problem = CheckRange(**range, keyAndMax.second, MemberPath(path, keyAndMax.first))) {
                return problem;
            }
        }
    }
    return std::nullopt;
}

// Held to what the dialog "Partants et cotes" accepts: each runner once, a number it takes, odds above 1.
Problem CheckRunnerList(const std::vector<Runner>& runners)
{
    const std::string path = gamekey::kRunners;
    if (runners.size() > kMaxGameRunners) {
        return Quoted(path) + " compte plus de " + std::to_string(kMaxGameRunners) + " partants";
    }
    std::array<bool, kMaxRunnerNumber + 1> seen {};
    for (std::size_t i = 0; i < runners.size(); ++i) {
        const std::string element = ElementPath(path, i);
        const std::string number = MemberPath(element, gamekey::kRunnerNumber);
        if (Problem problem = CheckNumber(runners[i].number, 1, kMaxRunnerNumber, number)) {
            return problem;
        }
        if (seen[static_cast<std::size_t>(runners[i].number)]) {
            return Quoted(number) + " : le partant " + std::to_string(runners[i].number) + " figure déjà";
        }
        seen[static_cast<std::size_t>(runners[i].number)] = true;
        if (!(runners[i].odds > 1) || !std::isfinite(runners[i].odds)) {
            return Quoted(MemberPath(element, gamekey::kOdds)) + " doit être supérieure à 1";
        }
    }
    return std::nullopt;
}

Problem CheckThresholds(const OddsThresholds& thresholds)
{
    for (const auto& [value, key] : { std::pair { thresholds.favourites, gamekey::kFavourites },
             std::pair { thresholds.outsiders, gamekey::kOutsiders } }) {
        if (!(value >= kLowestOddsThreshold && value <= kHighestOddsThreshold)) {
            return Quoted(MemberPath(gamekey::kOddsThresholds, key)) + " doit être compris entre "
                + std::to_string(static_cast<int>(kLowestOddsThreshold)) + " et "
                + std::to_string(static_cast<int>(kHighestOddsThreshold));
        }
    }
    return std::nullopt;
}

Problem CheckBet(const std::string& path, const std::string& typeId, std::int64_t unitStakeCents,
    const std::optional<std::int64_t>& rapportBaseCents)
{
    if (Problem problem = CheckText(typeId, MemberPath(path, gamekey::kBetType))) {
        return problem;
    }
    if (Problem problem = CheckNumber(unitStakeCents, 0, kMaxAmountCents, MemberPath(path, gamekey::kUnitStake))) {
        return problem;
    }
    // Rapports are scaled by this stake: a file cannot make it nothing.
    if (rapportBaseCents) {
        return CheckNumber(*rapportBaseCents, 1, kMaxAmountCents, MemberPath(path, gamekey::kRapportBase));
    }
    return std::nullopt;
}

Problem CheckStakes(const std::vector<SavedStake>& stakes)
{
    const std::string path = gamekey::kStakes;
    if (stakes.size() > kMaxGameStakes) {
        return Quoted(path) + " compte plus de " + std::to_string(kMaxGameStakes) + " mises";
    }
    for (std::size_t i = 0; i < stakes.size(); ++i) {
        const std::string element = ElementPath(path, i);
        const SavedStake& stake = stakes[i];
        if (Problem problem = CheckBet(element, stake.typeId, stake.unitStakeCents, stake.rapportBaseCents)) {
            return problem;
        }
        // One stake per bet type: a second one would leave which of them is played to chance.
        for (std::size_t j = 0; j < i; ++j) {
            if (stakes[j].typeId == stake.typeId) {
                return Quoted(MemberPath(element, gamekey::kBetType)) + " : le type " + stake.typeId + " figure déjà";
            }
        }
    }
    return std::nullopt;
}

Problem CheckLineConditions(const SavedLineConditions& bounds)
{
    const std::string path = gamekey::kLineConditions;
    const std::pair<const SavedLineBound*, std::pair<const char*, int>> rows[] = {
        { &bounds.sum, { gamekey::kSum, kMaxConditionSum } },
        { &bounds.even, { gamekey::kEven, kMaxLineSize } },
        { &bounds.run, { gamekey::kRun, kMaxLineSize } },
    };
    for (const auto& [bound, keyAndMax] : rows) {
        const SavedRange range { bound->min, bound->max };
        if (Problem problem = CheckRange(range, keyAndMax.second, MemberPath(path, keyAndMax.first))) {
            return problem;
        }
    }
    return std::nullopt;
}

Problem CheckGuarantee(const SavedGuarantee& guarantee)
{
    const std::string path = gamekey::kGuarantee;
    if (Problem problem = CheckNumber(guarantee.p, 1, kMostFinishers, MemberPath(path, gamekey::kP))) {
        return problem;
    }
    if (Problem problem = CheckNumber(guarantee.t, 1, kMostInLine, MemberPath(path, gamekey::kT))) {
        return problem;
    }
    if (guarantee.lines) {
        const auto most = static_cast<long long>(kMaxGameReductionLines);
        // Counts past what a signed number holds are as wrong as any other past the limit.
        const long long lines
            = *guarantee.lines > kMaxGameReductionLines ? most + 1 : static_cast<long long>(*guarantee.lines);
        if (Problem problem = CheckNumber(lines, 1, most, MemberPath(path, gamekey::kLineCount))) {
            return problem;
        }
    }
    if (guarantee.budgetCents) {
        if (Problem problem
            = CheckNumber(*guarantee.budgetCents, 0, kMaxAmountCents, MemberPath(path, gamekey::kBudget))) {
            return problem;
        }
    }
    if (guarantee.seconds) {
        if (Problem problem
            = CheckNumber(*guarantee.seconds, 1, kMaxGameReductionSeconds, MemberPath(path, gamekey::kSeconds))) {
            return problem;
        }
    }
    // The way of counting chosen needs its value.
    if (guarantee.extent == SavedGuarantee::Extent::Lines && !guarantee.lines) {
        return "il manque " + Quoted(MemberPath(path, gamekey::kLineCount));
    }
    if (guarantee.extent == SavedGuarantee::Extent::Budget && !guarantee.budgetCents) {
        return "il manque " + Quoted(MemberPath(path, gamekey::kBudget));
    }
    return std::nullopt;
}

Problem CheckLogos(const std::array<int, 2>& logos)
{
    const std::string path = MemberPath(gamekey::kView, gamekey::kLogos);
    for (std::size_t i = 0; i < 2; ++i) {
        if (Problem problem = CheckNumber(logos[i], 0, kBetTypeLogoCount - 1, ElementPath(path, i))) {
            return problem;
        }
    }
    return std::nullopt;
}

Problem CheckGroups(const std::vector<SavedConditionGroup>& groups)
{
    if (groups.size() > kMaxGameConditionGroups) {
        return Quoted(gamekey::kConditions) + " compte plus de " + std::to_string(kMaxGameConditionGroups) + " groupes";
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (Problem problem = CheckGroup(groups[i], ElementPath(gamekey::kConditions, i))) {
            return problem;
        }
    }
    return std::nullopt;
}

// A check of an optional member runs only when the file holds it.
template <typename T, typename Check> Problem IfHeld(const std::optional<T>& member, Check check)
{
    return member ? check(*member) : std::nullopt;
}

using GameCheck = Problem (*)(const SavedGame&);

// Every member's check, in the order a reader meets the members: the first problem found is the one reported.
constexpr GameCheck kGameChecks[] = {
    [](const SavedGame& game) { return CheckSelection(game.selection); },
    [](const SavedGame& game) {
        return CheckText(game.selectionText, gamekey::kSelectionText, kMaxGameSelectionTextBytes);
    },
    [](const SavedGame& game) { return CheckLines(game.list); },
    [](const SavedGame& game) { return CheckPrediction(game.selection, game.selectionText, game.list); },
    [](const SavedGame& game) {
        return IfHeld(game.bet, [](const SavedBet& bet) {
            return CheckBet(gamekey::kBet, bet.typeId, bet.unitStakeCents, bet.rapportBaseCents);
        });
    },
    [](const SavedGame& game) { return CheckStakes(game.stakes); },
    [](const SavedGame& game) { return IfHeld(game.arrival, CheckArrival); },
    [](const SavedGame& game) { return CheckGroups(game.conditions); },
    [](const SavedGame& game) { return IfHeld(game.lineConditions, CheckLineConditions); },
    [](const SavedGame& game) { return game.view ? IfHeld(game.view->logos, CheckLogos) : std::nullopt; },
    [](const SavedGame& game) { return CheckRunnerList(game.runners); },
    [](const SavedGame& game) { return IfHeld(game.oddsThresholds, CheckThresholds); },
    [](const SavedGame& game) { return IfHeld(game.guarantee, CheckGuarantee); },
};

} // namespace

std::optional<std::string> CheckGame(const SavedGame& game)
{
    for (const GameCheck check : kGameChecks) {
        if (Problem problem = check(game)) {
            return problem;
        }
    }
    return std::nullopt;
}

} // namespace ornal
