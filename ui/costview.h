#pragma once

#include "betting/runners.h"
#include "document/savedgame.h"
#include "engine/combinationlist.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace ornal {

class CoutGainsDialog;
class Game;
class RunnersDialog;
struct BetType;
struct ExtensionControls;
struct Form1Controls;
struct GameOutcome;
struct WindowCommands;

// The window's cost and gains: the bet type and stakes, the cost label, the logos that choose a type, and the
// dialogs "Coût et gains" and "Partants et cotes", each made on its first opening.
class CostView : public QObject {
public:
    struct Window {
        QWidget* widget; // the dialogs' parent
        Form1Controls& ui;
        ExtensionControls& ext;
        WindowCommands& commands;
        std::function<void(const GameOutcome&)> showChanges; // shows what a verb of the game changed
        std::function<void(CombinationList::Count)> selectLine;
        std::function<std::string()> clipboardText;
    };
    CostView(Game& game, Window window);

    // Plays the list on type (nullptr: no type) and shows its cost.
    void ChooseBetType(const BetType* type);
    // Sets the unit stake of type and shows the cost.
    void SetUnitStake(const BetType& type, std::int64_t cents);
    // Sets the stake the rapports of type are quoted for and shows the gains.
    void SetRapportBase(const BetType& type, std::int64_t cents);
    // Opens the dialog "Coût et gains", its arrival taken from the result boxes.
    void ShowCostAndGains();
    // Opens the dialog "Partants et cotes".
    void ShowRunners();
    // Takes runners (sound, as CheckRunners accepts them) and shows the chances they give the list.
    void SetRunners(std::vector<Runner> runners);

    // Shows the cost of the list, and its chances with the runners; listChanged when the list is another.
    void showCost(bool listChanged);
    // Shows the game's runners in "Partants et cotes", when it was opened.
    void showRunners();
    // A game was opened: "Coût et gains" shows its arrival, now if it is open, otherwise at its next opening.
    void showOpenedGame();

private:
    void makeCostDialog();
    // Shows in "Coût et gains" the arrival of a game opened, checked, with its rapports.
    void showOpenedArrival(SavedArrival arrival);

    Game& m_game;
    Window m_window;
    CoutGainsDialog* m_costDialog = nullptr;
    RunnersDialog* m_runnersDialog = nullptr;
    bool m_arrivalOpened = false; // a game opened with an arrival: "Coût et gains" shows it at its next opening
};

} // namespace ornal
