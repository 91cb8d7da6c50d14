// The bet, the arrival, the runners and the game's file: what the game holds besides its selection and its list.
#include "game/game.h"

#include "betting/betcost.h"
#include "betting/bettype.h"
#include "document/savedstakes.h"
#include "game/savedconditions.h"

#include <utility>

namespace ornal {

namespace {

constexpr std::string_view kNoBetType = "Choisissez d'abord un type de jeu.";

GameOutcome changed(GameChanges parts)
{
    GameOutcome outcome;
    outcome.changed = parts;
    return outcome;
}

} // namespace

GameOutcome Game::chooseBetType(const BetType* type)
{
    m_bets.choose(type);
    return changed(GamePart::Bet);
}

GameOutcome Game::setStake(const BetType& type, std::int64_t cents)
{
    m_bets.setStakeCents(type, cents);
    return changed(GamePart::Bet);
}

GameOutcome Game::setRapportBase(const BetType& type, std::int64_t cents)
{
    m_bets.setRapportBaseCents(type, cents);
    return changed(GamePart::Bet);
}

Result<BetCost> Game::price() const
{
    std::optional<Result<BetCost>> cost = m_bets.cost(m_list);
    if (!cost) {
        return Refusal::Saying(std::string(kNoBetType));
    }
    return std::move(*cost);
}

Result<ArrivalOutcome> Game::checkArrival(SavedArrival arrival)
{
    m_arrival = std::move(arrival);
    const BetType* type = m_bets.type();
    if (!type) {
        return Refusal::Saying(std::string(kNoBetType));
    }
    return CheckArrival(m_list, *type, m_arrival->numbers);
}

GameOutcome Game::setPayouts(std::vector<SavedPayout> payouts)
{
    if (!m_arrival || m_arrival->payouts == payouts) {
        return {};
    }
    m_arrival->payouts = std::move(payouts);
    return changed(GamePart::Arrival);
}

GameOutcome Game::chooseGuarantee(std::optional<SavedGuarantee> guarantee)
{
    m_guarantee = guarantee;
    return changed(GamePart::Guarantee);
}

GameOutcome Game::setRunners(std::vector<Runner> runners, std::optional<OddsThresholds> thresholds)
{
    m_runners = std::move(runners);
    m_oddsThresholds = thresholds;
    return changed(GamePart::Runners);
}

GameOutcome Game::setFile(std::filesystem::path file)
{
    m_file = std::move(file);
    return changed(GamePart::File);
}

SavedGame Game::saved() const
{
    SavedGame game = m_keptParts;
    game.selection = SaveSelection(m_sel, m_results);
    game.selection.resultsShown = m_resultsShown;
    game.view = SaveView(m_sel, m_caption);
    // A refused computation leaves the list of the computation before it: the file keeps the prediction that list
    // was made of, so that it still opens as that list's game.
    game.list = m_list;
    game.selectionText = selectionText();
    game.runners = m_runners;
    game.oddsThresholds = m_oddsThresholds;
    game.arrival = m_arrival;
    game.guarantee = m_guarantee;
    game.bet.reset();
    if (const BetType* type = m_bets.type()) {
        game.bet = SavedBet { std::string(type->id), m_bets.stakeCents(*type), m_bets.rapportBaseCents(*type) };
    }
    game.stakes = SavedStakes(m_bets);
    // The file's own conditions stay as it wrote them (a group's own bounds among them) until others are applied.
    if (m_conditions != ConditionsOf(m_keptParts)) {
        SaveConditions(m_conditions, game);
    }
    return game;
}

GameOutcome Game::open(SavedGame game)
{
    const SavedView view = ViewOf(game);
    // The ticks are the file's, already judged when they were made: no tick is refused on the way in.
    m_sel = OpenSelection(game.selection, view);
    m_results = game.selection.results;
    m_resultsShown = game.selection.resultsShown;
    selectionChanged();
    m_selectionText = std::move(game.selectionText);
    // The runners are the game's race: a game without them leaves none of the race held before, which undoing the
    // opening brings back.
    RaceState raceBefore { std::exchange(m_runners, std::move(game.runners)), m_oddsThresholds };
    m_oddsThresholds = game.oddsThresholds;
    const CombinationList::Count count = game.list.size();
    replaceList(std::move(game.list));
    m_history.recordRace(std::move(raceBefore));
    m_caption = view.caption;
    m_shuffleShown = count > 0;
    GameChanges parts = GamePart::Selection | GamePart::Results | GamePart::List | GamePart::Caption | GamePart::History
        | GamePart::Runners | GamePart::Arrival | GamePart::Guarantee | GamePart::Conditions;
    RestoreStakes(m_bets, game.stakes);
    // A bet the program no longer knows leaves the type the selection proposes.
    if (const BetType* type = game.bet ? FindBetType(game.bet->typeId) : nullptr) {
        m_bets.setStakeCents(*type, game.bet->unitStakeCents);
        m_bets.setRapportBaseCents(*type, game.bet->rapportBaseCents.value_or(type->defaultStakeCents));
        m_bets.choose(type);
        parts |= GamePart::Bet;
    }
    m_arrival = std::move(game.arrival);
    m_guarantee = game.guarantee;
    m_conditions = ConditionsOf(game);
    game.selection = {};
    game.list = {};
    game.view.reset();
    game.runners.clear();
    game.oddsThresholds.reset();
    game.arrival.reset();
    game.guarantee.reset();
    game.stakes.clear();
    m_keptParts = std::move(game);
    return changed(parts);
}

} // namespace ornal
