#pragma once

#include "export/exportcommand.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// A question for a file's name, as a file dialog asks it.
struct FileNameQuestion {
    bool save = false; // a name to write to (the dialog asks before an existing file is replaced) or to open
    QString title; // "Ouvrir un jeu"
    QString filter; // "Jeux Ornal (*.ornal)"
    std::filesystem::path start; // the folder to open in, or the file suggested for a save
};

// What the window reaches outside itself; tests put recorders in their place.
struct Form1Services {
    // Opens a web address in the registered browser (default: OpenUrl).
    std::function<bool(std::string_view address)> openUrl;
    // Exports a list to a workbook (default: ExportCombinationList with the player's folder and application).
    std::function<ExportOutcome(const ExportRequest& request)> exportList;
    // Leaves the program (default: closes the window, which ends the event loop).
    std::function<void()> quit;
    // Asks the player for a file's name; nullopt when the player gave up (default: a file dialog).
    std::function<std::optional<std::filesystem::path>(const FileNameQuestion& question)> askFileName;
    // Where the game is kept when the window closes, empty for nowhere (default:
    // $XDG_DATA_HOME/ornal/dernier-jeu.ornal).
    std::function<std::filesystem::path()> lastGameFile;
    // The text the clipboard holds, for "Coller" in "Partants et cotes" (default: the system clipboard's text).
    std::function<std::string()> clipboardText;
};

} // namespace ornal
