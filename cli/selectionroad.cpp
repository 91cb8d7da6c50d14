#include "cli/selectionroad.h"

#include "cli/liststeps.h"
#include "engine/numericvalue.h"
#include "engine/preload.h"
#include "files/printabletext.h"

namespace ornal {

namespace {

SelectionRoad stop(SelectionRoad road, SelectionRoad::Status status, std::string text)
{
    road.status = status;
    road.text = std::move(text);
    return road;
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
    Game& game = road.game;
    if (const GameOutcome betSize = game.preload(*fields); betSize.refusal) {
        return stop(std::move(road), SelectionRoad::Status::Refused, betSize.refusal->text());
    }

    if (!options.bases.empty()) {
        if (const GameOutcome mode = game.chooseBaseMode(std::to_string(options.bases.size())); mode.refusal) {
            return stop(std::move(road), SelectionRoad::Status::Refused, mode.refusal->text());
        }
        for (const std::string& base : options.bases) {
            if (!IsNumeric(base)) {
                return stop(std::move(road), SelectionRoad::Status::Misused,
                    "--base attend un numéro de cheval, pas « " + PrintableText(base) + " ».");
            }
            const int box = game.markFor(NumericValue(base));
            if (box < 0) {
                return stop(std::move(road), SelectionRoad::Status::Misused,
                    "la base " + base
                        + " n'est pas un numéro du pronostic qui peut porter une base "
                          "(seuls les premiers numéros, autant que la taille du jeu, le peuvent).");
            }
            if (game.selection().marks[box]) {
                return stop(
                    std::move(road), SelectionRoad::Status::Misused, "la base " + base + " est donnée deux fois.");
            }
            if (const GameOutcome tick = game.setMark(box, true); tick.refusal) {
                return stop(std::move(road), SelectionRoad::Status::Refused, tick.refusal->text());
            }
        }
    }

    if (const GameOutcome computed = game.compute(); computed.refusal) {
        return stop(std::move(road), SelectionRoad::Status::Refused, computed.refusal->text());
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
    if (const Result<void> run = RunListSteps(options.listSteps, road.game); !run) {
        return stop(std::move(road), SelectionRoad::Status::Refused, run.refusal().text());
    }
    return road;
}

} // namespace ornal
