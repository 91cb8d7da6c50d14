#pragma once

#include "ui/form1services.h"

#include <QString>

#include <filesystem>

class QWidget;

namespace ornal {

// Fills the game-file services left empty: askFileName with a file dialog over window, lastGameFile with
// $XDG_DATA_HOME/ornal/dernier-jeu.ornal.
void AddGameFileDefaults(Form1Services& services, QWidget* window);

// The folder a first save or open starts in: the player's documents folder, or the home folder when there is none.
std::filesystem::path GameDocumentsFolder();

// The file dialogs' filter for games: "Jeux Ornal (*.ornal)".
QString GameFileFilter();

} // namespace ornal
