#include "document/gamejson.h"

#include "document/gamekeys.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string_view>
#include <utility>
#include <vector>

namespace ornal {

namespace {

// Every value is written here by hand; the JSON library only escapes single texts. Its arrays and objects may
// allocate while they are destroyed, and a shortage of memory there would end the program whatever it catches.
std::string Text(std::string_view text)
{
    return nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string Flag(bool flag)
{
    return flag ? "true" : "false";
}

std::string Number(std::int64_t number)
{
    return std::to_string(number);
}

// The shortest text that reads back as the same double: odds come back exactly as they were given.
std::string Decimal(double number)
{
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), number);
    return std::string(text, written.ptr);
}

template <typename Values, typename Write> std::string List(const Values& values, Write write)
{
    std::string text = "[";
    for (const auto& value : values) {
        text += text.size() > 1 ? "," : "";
        text += write(value);
    }
    return text + "]";
}

std::string Texts(const auto& texts)
{
    return List(texts, [](const std::string& text) { return Text(text); });
}

std::string Flags(const auto& flags)
{
    return List(flags, [](bool flag) { return Flag(flag); });
}

using Members = std::vector<std::pair<const char*, std::string>>;

std::string Object(const Members& members)
{
    std::string text = "{";
    for (const auto& [key, value] : members) {
        text += text.size() > 1 ? "," : "";
        text += Text(key) + ":" + value;
    }
    return text + "}";
}

std::string Range(const SavedRange& range)
{
    return Object({ { gamekey::kMin, Number(range.min) }, { gamekey::kMax, Number(range.max) } });
}

Members SelectionMembers(const SavedSelection& selection)
{
    return {
        { gamekey::kHorseCount, Text(selection.horseCountText) },
        { gamekey::kBetSize, Text(selection.betSizeText) },
        { gamekey::kBase, Text(selection.baseText) },
        { gamekey::kBaseCount, Number(selection.baseCount) },
        { gamekey::kNumbers, Texts(selection.numbers) },
        { gamekey::kNumbersShown, Flags(selection.numbersShown) },
        { gamekey::kMarks, Flags(selection.marks) },
        { gamekey::kMarksShown, Flags(selection.marksShown) },
        { gamekey::kResults, Texts(selection.results) },
        { gamekey::kResultsShown, Flags(selection.resultsShown) },
    };
}

// The bet in force and every stake played share their members.
template <typename Priced> std::string Stake(const Priced& stake)
{
    Members members { { gamekey::kBetType, Text(stake.typeId) },
        { gamekey::kUnitStake, Number(stake.unitStakeCents) } };
    if (stake.rapportBaseCents) {
        members.emplace_back(gamekey::kRapportBase, Number(*stake.rapportBaseCents));
    }
    return Object(members);
}

std::string LineBound(const SavedLineBound& bound)
{
    return Object({ { gamekey::kOn, Flag(bound.on) }, { gamekey::kMin, Number(bound.min) },
        { gamekey::kMax, Number(bound.max) } });
}

std::string Guarantee(const SavedGuarantee& guarantee)
{
    Members members { { gamekey::kP, Number(guarantee.p) }, { gamekey::kT, Number(guarantee.t) } };
    // The full guarantee is what a guarantee without its extent means: such a guarantee is written as it always was.
    if (guarantee.extent != SavedGuarantee::Extent::Full) {
        members.emplace_back(gamekey::kExtent, Text(gamekey::kExtentNames[static_cast<int>(guarantee.extent)]));
    }
    if (guarantee.lines) {
        members.emplace_back(gamekey::kLineCount, std::to_string(*guarantee.lines));
    }
    if (guarantee.budgetCents) {
        members.emplace_back(gamekey::kBudget, Number(*guarantee.budgetCents));
    }
    if (guarantee.seconds) {
        members.emplace_back(gamekey::kSeconds, Number(*guarantee.seconds));
    }
    return Object(members);
}

std::string Group(const SavedConditionGroup& group)
{
    Members members { { gamekey::kName, Text(group.name) }, { gamekey::kNumbers, Texts(group.numbers) },
        { gamekey::kMin, Number(group.min) }, { gamekey::kMax, Number(group.max) } };
    if (group.sum) {
        members.emplace_back(gamekey::kSum, Range(*group.sum));
    }
    if (group.even) {
        members.emplace_back(gamekey::kEven, Range(*group.even));
    }
    if (group.run) {
        members.emplace_back(gamekey::kRun, Range(*group.run));
    }
    return Object(members);
}

// The file's layout for a reader: a member per line, the selection's members on lines of their own and one list
// line per text line; every other value on one line.
std::string Layout(const SavedGame& game)
{
    Members root { { gamekey::kFormat, Text(kGameFormatName) }, { gamekey::kVersion, Number(kGameFormatVersion) } };
    std::string selection = "{\n";
    const Members selectionMembers = SelectionMembers(game.selection);
    for (std::size_t i = 0; i < selectionMembers.size(); ++i) {
        selection += "    " + Text(selectionMembers[i].first) + ": " + selectionMembers[i].second;
        selection += i + 1 < selectionMembers.size() ? ",\n" : "\n";
    }
    root.emplace_back(gamekey::kSelection, selection + "  }");
    root.emplace_back(gamekey::kSelectionText, Text(game.selectionText));
    std::string lines = game.list.empty() ? "[]" : "[\n";
    for (CombinationList::Count i = 0; i < game.list.size(); ++i) {
        lines += "    " + Text(game.list.line(i));
        lines += i + 1 < game.list.size() ? ",\n" : "\n  ]";
    }
    root.emplace_back(gamekey::kLines, std::move(lines));
    if (game.bet) {
        root.emplace_back(gamekey::kBet, Stake(*game.bet));
    }
    if (!game.stakes.empty()) {
        root.emplace_back(gamekey::kStakes, List(game.stakes, Stake<SavedStake>));
    }
    if (game.arrival) {
        const std::string payouts = List(game.arrival->payouts, [](const SavedPayout& payout) {
            return Object(
                { { gamekey::kPayoutClass, Text(payout.className) }, { gamekey::kCents, Number(payout.cents) } });
        });
        root.emplace_back(gamekey::kArrival,
            Object({ { gamekey::kNumbers, Texts(game.arrival->numbers) }, { gamekey::kPayouts, payouts } }));
    }
    if (!game.conditions.empty()) {
        root.emplace_back(gamekey::kConditions, List(game.conditions, Group));
    }
    if (game.lineConditions) {
        root.emplace_back(gamekey::kLineConditions,
            Object({ { gamekey::kSum, LineBound(game.lineConditions->sum) },
                { gamekey::kEven, LineBound(game.lineConditions->even) },
                { gamekey::kRun, LineBound(game.lineConditions->run) } }));
    }
    if (game.guarantee) {
        root.emplace_back(gamekey::kGuarantee, Guarantee(*game.guarantee));
    }
    if (!game.runners.empty()) {
        root.emplace_back(gamekey::kRunners, List(game.runners, [](const Runner& runner) {
            return Object(
                { { gamekey::kRunnerNumber, Number(runner.number) }, { gamekey::kOdds, Decimal(runner.odds) } });
        }));
    }
    if (game.oddsThresholds) {
        root.emplace_back(gamekey::kOddsThresholds,
            Object({ { gamekey::kFavourites, Decimal(game.oddsThresholds->favourites) },
                { gamekey::kOutsiders, Decimal(game.oddsThresholds->outsiders) } }));
    }
    if (game.view) {
        Members view { { gamekey::kBetSizeShown, Flag(game.view->betSizeShown) },
            { gamekey::kBaseShown, Flag(game.view->baseShown) } };
        if (game.view->logos) {
            view.emplace_back(gamekey::kLogos, List(*game.view->logos, [](int logo) { return Number(logo); }));
        }
        view.emplace_back(gamekey::kCaption, Text(gamekey::kCaptionNames[static_cast<int>(game.view->caption)]));
        root.emplace_back(gamekey::kView, Object(view));
    }
    std::string text = "{\n";
    for (std::size_t i = 0; i < root.size(); ++i) {
        text += "  " + Text(root[i].first) + ": " + root[i].second;
        text += i + 1 < root.size() ? ",\n" : "\n";
    }
    return text + "}\n";
}

} // namespace

std::string GameToJson(const SavedGame& game)
{
    return Layout(game);
}

} // namespace ornal
