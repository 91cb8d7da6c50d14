#pragma once

#include "engine/combinationlist.h"
#include "game/game.h"

namespace ornal {

class CombinationListModel;
class CostView;
class MessageBoxes;
struct Form1Controls;
struct WindowCommands;

// Writes the game onto the window's controls: what a verb changed, the whole game after an opening, a verb's
// refusal. It never reads a control back.
class GameView {
public:
    GameView(const Game& game, Form1Controls& ui, CombinationListModel& model, MessageBoxes& messages,
        WindowCommands& commands, CostView& costs);

    // Shows the parts of the game a verb changed; a refused verb's list is the one shown already.
    void showChanges(const GameOutcome& outcome);
    // Shows the whole game, as after an opening.
    void showGame();
    // Shows a verb's refusal and sends the player to the control it names.
    void showRefusal(const GameOutcome& outcome);
    // Memory ran short inside an operation: the list shown is kept and the player is told.
    void showOutOfMemory();
    // "Traitement en cours..." in the count caption, painted at once, before a long change of the list.
    void showBusyCaption();
    // Selects line in List1 and scrolls to it; a line past the list's end is ignored.
    void selectLine(CombinationList::Count line);
    // True while the game is written onto the controls: the boxes and ticks then report the texts and ticks they
    // are given, which are the game's already and must not reach it again as the player's.
    bool showing() const { return m_showing; }

private:
    void showSelection(bool whole);
    void showList();
    void showCaption();

    const Game& m_game;
    Form1Controls& m_ui;
    CombinationListModel& m_model;
    MessageBoxes& m_messages;
    WindowCommands& m_commands;
    CostView& m_costs;
    bool m_showing = false;
};

} // namespace ornal
