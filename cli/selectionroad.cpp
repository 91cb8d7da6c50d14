#include "cli/selectionroad.h"

#include "cli/liststeps.h"
#include "engine/numericvalue.h"
#include "engine/preload.h"
#include "engine/selectionflow.h"
#include "files/printabletext.h"

namespace ornal {

namespace {

SelectionRoad stop(SelectionRoad road, SelectionRoad::Status status, std::string text)
{
    road.status = status;
    road.text = std::move(text);
    return road;
}

// The box of the mark a player would tick for base: a shown mark whose box holds that number; -1 when none.
int markFor(const Selection& sel, const std::string& base)
{
    const double value = NumericValue(base);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (sel.markShown[i] && NumericValue(sel.numbers[i]) == value) {
            return i;
        }
    }
    return -1;
}

// The preload read, the bases ticked and the list computed, before any filter.
SelectionRoad computedRoad(const CommandLineOptions& options)
{
    SelectionRoad road;
    const std::optional<PreloadFields> fields = ParsePreload(JoinCommandLine(options.preload));
    if (!fields) {
        return stop(std::move(road), SelectionRoad::Status::Misused,
            "PRONOSTIC ne donne pas de nombre de chevaux utilisable (champ 1, de plus de 0 à 20) et ne nomme aucun "
            "fichier.");
    }
    Selection& sel = road.selection;
    if (const FlowOutcome betSize = ApplyPreload(sel, *fields); betSize.message) {
        return stop(std::move(road), SelectionRoad::Status::Refused, betSize.message->text);
    }

    if (!options.bases.empty()) {
        sel.baseText = std::to_string(options.bases.size());
        if (const FlowOutcome mode = ChooseBaseMode(sel); mode.message) {
            return stop(std::move(road), SelectionRoad::Status::Refused, mode.message->text);
        }
        for (const std::string& base : options.bases) {
            if (!IsNumeric(base)) {
                return stop(std::move(road), SelectionRoad::Status::Misused,
                    "--base attend un numéro de cheval, pas « " + PrintableText(base) + " ».");
            }
            const int box = markFor(sel, base);
            if (box < 0) {
                return stop(std::move(road), SelectionRoad::Status::Misused,
                    "la base " + base
                        + " n'est pas un numéro du pronostic qui peut porter une base "
                          "(seuls les premiers numéros, autant que la taille du jeu, le peuvent).");
            }
            if (sel.marks[box]) {
                return stop(
                    std::move(road), SelectionRoad::Status::Misused, "la base " + base + " est donnée deux fois.");
            }
            sel.marks[box] = true;
            if (const FlowOutcome tick = ToggleBaseMark(sel, box); tick.message) {
                return stop(std::move(road), SelectionRoad::Status::Refused, tick.message->text);
            }
        }
    }

    road.result = ComputeCombinations(sel);
    if (road.result.message) {
        return stop(std::move(road), SelectionRoad::Status::Refused, road.result.message->text);
    }
    return road;
}

} // namespace

SelectionRoad WalkSelectionRoad(const CommandLineOptions& options)
{
    // A game opened takes the place of the computation; the filters and conditions then work on its list as they
    // would on a computed one, against the prediction the game shows.
    std::optional<SelectionRoad> opened = OpenGameRoad(options);
    SelectionRoad road = opened ? std::move(*opened) : computedRoad(options);
    if (road.status != SelectionRoad::Status::Computed) {
        return road;
    }
    const Selection& sel = road.selection;
    std::vector<std::string> prediction;
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (sel.shown[i]) {
            prediction.push_back(sel.numbers[i]);
        }
    }
    if (const std::optional<Message> refusal = RunListSteps(options.listSteps, prediction, road.result.list)) {
        return stop(std::move(road), SelectionRoad::Status::Refused, refusal->text);
    }
    return road;
}

} // namespace ornal
