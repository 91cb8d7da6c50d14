#pragma once

#include "document/savedgame.h"

#include <QObject>

#include <filesystem>
#include <optional>

class QWidget;

namespace ornal {

class Game;
class GameView;
class MessageBoxes;
struct ExtensionControls;
struct Form1Services;
struct WindowCommands;

// The window's game kept in files: open, save, the game kept at the close, print and PDF.
class GameFiles : public QObject {
public:
    // window is the parent of the print preview; services ask the player for files' names.
    GameFiles(Game& game, GameView& view, MessageBoxes& messages, const Form1Services& services, QWidget* window,
        ExtensionControls& ext, WindowCommands& commands);

    void OpenGame();
    void ReopenLastGame();
    void SaveCurrentGame();
    void SaveCurrentGameAs();
    void PrintGame();

    // Shows the game in file: true when it is shown, otherwise its refusal is shown and nothing changed.
    bool openGameFile(const std::filesystem::path& file);
    // Takes the game as the window opened: not worth keeping at the close.
    void rememberStart();
    // Keeps the game for "Rouvrir le dernier jeu", as the window closes; silent, as closing cannot wait.
    void saveLastGame();

private:
    void saveGame(bool askName);

    Game& m_game;
    GameView& m_view;
    MessageBoxes& m_messages;
    const Form1Services& m_services;
    QWidget* m_window;
    std::optional<SavedGame> m_startingGame;
};

} // namespace ornal
