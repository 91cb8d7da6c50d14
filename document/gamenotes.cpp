#include "document/gamenotes.h"

#include "betting/betcost.h"
#include "betting/bettexts.h"
#include "betting/bettype.h"
#include "betting/money.h"

namespace ornal {

std::string PrintedBetText(const SavedGame& game)
{
    const BetType* type = game.bet ? FindBetType(game.bet->typeId) : nullptr;
    if (!type || game.list.empty()) {
        return {};
    }
    const Result<BetCost> cost = Cost(game.list, *type, game.bet->unitStakeCents);
    if (!cost) {
        return {};
    }
    return cost->unitName + " : " + CostTooltip(*cost) + " = " + FormatEuros(cost->totalCents);
}

std::string PrintedBasesText(const SavedSelection& selection)
{
    // The computation's own reading: a base is a ticked box while a base mode is chosen.
    if (selection.baseCount == -1) {
        return {};
    }
    std::string numbers;
    int count = 0;
    for (std::size_t i = 0; i < selection.marks.size(); ++i) {
        if (selection.marks[i]) {
            numbers += (count++ == 0 ? "" : ", ") + selection.numbers[i];
        }
    }
    if (count == 0) {
        return {};
    }
    return (count == 1 ? "Base : " : "Bases : ") + numbers;
}

std::string PrintedRunnersText(const std::vector<Runner>& runners)
{
    if (runners.empty()) {
        return {};
    }
    std::string text = "Partants et cotes : ";
    for (std::size_t i = 0; i < runners.size(); ++i) {
        text += (i == 0 ? "" : " ; ") + std::to_string(runners[i].number) + " à " + OddsText(runners[i].odds);
    }
    return text;
}

std::vector<std::string> GameNotes(const SavedGame& game)
{
    std::vector<std::string> notes;
    for (std::string note : { PrintedBetText(game), PrintedBasesText(game.selection) }) {
        if (!note.empty()) {
            notes.push_back(std::move(note));
        }
    }
    return notes;
}

} // namespace ornal
