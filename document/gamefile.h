#pragma once

#include "document/savedgame.h"
#include "engine/refusal.h"
#include "files/atomicwriter.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ornal {

// A game opened from its file, or the refusal whose French sentence says why not ("Impossible d'ouvrir « jeu.ornal »
// : la ligne 12 n'est pas une combinaison."); nothing is half read.
using GameLoadOutcome = Result<SavedGame>;

// Saves game as file, whole or not at all. existing says whether a previous file of that name (the same game saved
// again) is replaced, atomically once the new one is complete and synced, or kept and the save refused; wording,
// when given, words a refusal in place of the file's CannotSaveSentence.
WriteOutcome SaveGame(const std::filesystem::path& file, const SavedGame& game,
    ExistingFile existing = ExistingFile::Keep, const WriteRefusalWording& wording = {});

// The game file that a program's arguments name: the one argument, or all of them joined as the preload joins
// them, when a file of that name is there (whatever the name), or when it ends in ".ornal" and holds no "|" (every
// preload does), so that a missing game is reported missing; nullopt otherwise.
std::optional<std::filesystem::path> GameFileNamed(const std::vector<std::string>& arguments);

// Opens the game in file: at most kMaxGameFileBytes of a regular file, checked whole before it is returned. A
// shortage of memory while it is read is refused as "mémoire insuffisante" like any other fault of the file.
GameLoadOutcome LoadGame(const std::filesystem::path& file);

} // namespace ornal
