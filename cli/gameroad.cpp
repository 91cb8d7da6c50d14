#include "cli/selectionroad.h"
#include "document/gamefile.h"

namespace ornal {

std::optional<SelectionRoad> OpenGameRoad(const CommandLineOptions& options)
{
    const std::optional<std::filesystem::path> file = GameFileNamed(options.preload);
    if (!file) {
        return std::nullopt;
    }
    SelectionRoad road;
    if (!options.bases.empty()) {
        road.misuse = "--base ne va pas avec un jeu enregistré : ses bases sont dans le jeu.";
        return road;
    }
    GameLoadOutcome loaded = LoadGame(*file);
    if (!loaded.ok()) {
        road.refusal = loaded.refusal();
        return road;
    }
    (void)road.game.open(*loaded);
    road.openedGame = std::move(loaded).value();
    return road;
}

} // namespace ornal
