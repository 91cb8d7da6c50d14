#pragma once

#include "ui/gameaccess.h"
#include "ui/guaranteeaccess.h"

#include <QObject>

#include <functional>

class QWidget;

namespace ornal {

class Game;
class GameView;
class MessageBoxes;
class ReduceDialog;
struct ExtensionControls;
struct WindowCommands;

// The dialog "Réduire le jeu" and what its tabs read and change of the game. The dialog is made on its first
// opening and kept, so that its tabs keep their settings.
class ReduceView : public QObject {
public:
    ReduceView(Game& game, GameView& view, MessageBoxes& messages, QWidget* window, ExtensionControls& ext,
        WindowCommands& commands);

    void ReduceList();
    // What the tab "Garantie" reads and changes of the game.
    GuaranteeAccess guaranteeAccess();

private:
    // What the tab "Conditions" reads and changes of the game.
    GameAccess gameAccess();

    Game& m_game;
    GameView& m_view;
    MessageBoxes& m_messages;
    QWidget* m_window;
    ReduceDialog* m_dialog = nullptr;
};

} // namespace ornal
