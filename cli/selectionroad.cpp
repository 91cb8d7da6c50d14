#include "cli/selectionroad.h"

#include "cli/liststeps.h"
#include "engine/numericvalue.h"
#include "engine/preload.h"
#include "files/printabletext.h"

namespace ornal {

namespace {

SelectionRoad refused(SelectionRoad road, Refusal refusal)
{
    road.refusal = std::move(refusal);
    return road;
}

SelectionRoad misused(SelectionRoad road, std::string what)
{
    road.misuse = std::move(what);
    return road;
}

// The preload read, the bases ticked and the list computed, before any filter.
SelectionRoad computedRoad(const CommandLineOptions& options)
{
    SelectionRoad road;
    const std::optional<PreloadFields> fields = ParsePreload(JoinCommandLine(options.preload));
    if (!fields) {
        return misused(std::move(road),
            "PRONOSTIC ne donne pas de nombre de chevaux utilisable (champ 1, de plus de 0 à 20) et ne nomme aucun "
            "fichier.");
    }
    Game& game = road.game;
    if (const GameOutcome betSize = game.preload(*fields); betSize.refusal) {
        return refused(std::move(road), *betSize.refusal);
    }

    if (!options.bases.empty()) {
        if (const GameOutcome mode = game.chooseBaseMode(std::to_string(options.bases.size())); mode.refusal) {
            return refused(std::move(road), *mode.refusal);
        }
        for (const std::string& base : options.bases) {
            if (!IsNumeric(base)) {
                return misused(
                    std::move(road), "--base attend un numéro de cheval, pas « " + PrintableText(base) + " ».");
            }
            const int box = game.markFor(NumericValue(base));
            if (box < 0) {
                return misused(std::move(road),
                    "la base " + base
                        + " n'est pas un numéro du pronostic qui peut porter une base "
                          "(seuls les premiers numéros, autant que la taille du jeu, le peuvent).");
            }
            if (game.selection().marks[box]) {
                return misused(std::move(road), "la base " + base + " est donnée deux fois.");
            }
            if (const GameOutcome tick = game.setMark(box, true); tick.refusal) {
                return refused(std::move(road), *tick.refusal);
            }
        }
    }

    if (const GameOutcome computed = game.compute(); computed.refusal) {
        return refused(std::move(road), *computed.refusal);
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
    if (!road.walked()) {
        return road;
    }
    if (const Result<void> run = RunListSteps(options.listSteps, road.game); !run) {
        return refused(std::move(road), run.refusal());
    }
    return road;
}

} // namespace ornal
