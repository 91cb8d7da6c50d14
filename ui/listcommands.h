#pragma once

#include "listops/shuffle.h"

#include <QObject>

#include <functional>

class QComboBox;

namespace ornal {

class Game;
struct GameOutcome;
class GameView;
class MessageBoxes;
struct ExtensionControls;
struct Form1Controls;
struct WindowCommands;

// The commands on the list and its history: the filters, the shuffle, the result search, undo and redo, and the
// list's own menu.
class ListCommands : public QObject {
public:
    ListCommands(Game& game, GameView& view, MessageBoxes& messages, Form1Controls& ui, ExtensionControls& ext,
        WindowCommands& commands);

    void KeepCombinationsWith();
    void RemoveCombinationsWith();
    void ShuffleWithinCombinations();
    void SearchResult();
    void UndoListChange();
    void RedoListChange();
    // Puts the list's lines on the clipboard as text, one line a combination.
    void CopyCombinations();

private:
    void runFilter(QComboBox* filterBox, bool keepHolders);
    // Runs change under the busy cursor and shows what it changed, or the shortage of memory it met.
    void changeList(const std::function<GameOutcome()>& change);
    void attachListMenu(WindowCommands& commands);

    Game& m_game;
    GameView& m_view;
    MessageBoxes& m_messages;
    Form1Controls& m_ui;
    ClockSeededSource m_random;
};

} // namespace ornal
