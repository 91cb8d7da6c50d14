#pragma once

#include "betting/betchoice.h"
#include "betting/runners.h"
#include "document/savedgame.h"
#include "game/game.h"
#include "game/listhistory.h"
#include "listops/shuffle.h"
#include "ui/combinationlistmodel.h"
#include "ui/extensioncontrols.h"
#include "ui/form1controls.h"
#include "ui/form1services.h"
#include "ui/gameaccess.h"
#include "ui/guaranteeaccess.h"
#include "ui/messageboxes.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QComboBox;

namespace ornal {

class CoutGainsDialog;
class NumberBoxFilter;
class ReduceDialog;
class RunnersDialog;

// The main window: a view of one Game. Its controls' events call the game's verbs, and it shows what each verb
// says changed; CommandLineText is the window's own.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // arguments are the program's command-line arguments (without the program's path), preloaded on first activation.
    explicit Form1(QStringList arguments, std::unique_ptr<MessageBoxes> messages = {}, Form1Services services = {},
        QWidget* parent = nullptr);
    ~Form1() override;

    // The game the window shows.
    const Game& game() const { return m_game; }
    // The controls, under their names.
    const Form1Controls& controls() const { return m_ui; }
    // The controls added beside the first window's own.
    const ExtensionControls& extensions() const { return m_ext; }
    // The lines of List1.
    const CombinationList& combinationList() const { return m_game.list(); }
    // BaseCount: -1 without bases, otherwise the chosen number of bases.
    std::int16_t baseCount() const { return m_game.selection().baseCount; }
    // SelectionText as the last computation left it.
    const std::string& selectionText() const { return m_game.lastSelectionText(); }
    // The arguments joined and trimmed, as the last preload read them.
    const std::string& commandLineText() const { return m_commandLineText; }

    void ChooseHorseCount();
    void ChooseBaseMode();
    void ChooseBetSize();
    void ComputeCombinations();
    void KeepCombinationsWith();
    void RemoveCombinationsWith();
    void ShuffleWithinCombinations();
    void SearchResult();
    void PreloadFromCommandLine();
    void ExportToSpreadsheet();
    void OpenWebSite();
    void ShowVersionBox();
    void ReduceList();

    // The bet type and the unit stakes that price the list.
    const BetChoice& betChoice() const { return m_game.bets(); }
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
    // The runners of the race and their odds, as last given; empty when none.
    const std::vector<Runner>& runners() const { return m_game.runners(); }
    // Takes runners (sound, as CheckRunners accepts them) and shows the chances they give the list.
    void SetRunners(std::vector<Runner> runners);
    void OpenGame();
    void ReopenLastGame();
    void SaveCurrentGame();
    void SaveCurrentGameAs();
    void PrintGame();
    void UndoListChange();
    void RedoListChange();
    // Puts the list's lines on the clipboard as text, one line a combination.
    void CopyCombinations();

    // The game the window holds, as it would be saved.
    SavedGame currentGame() const { return m_game.saved(); }
    // Shows the game in file: true when it is shown, otherwise its refusal is shown and nothing changed.
    bool openGameFile(const std::filesystem::path& file);
    // The file Ctrl+S saves to without asking: the last game saved or opened by name; empty before.
    const std::filesystem::path& gameFile() const { return m_game.file(); }
    // The list's undo and redo steps.
    const ListHistory& listHistory() const { return m_game.history(); }

    // The bet type the list is played on ("quinte", "multi"...), empty when none applies (form1guarantee.cpp).
    std::string betTypeId() const;
    // What the tab "Garantie" reads and changes of the game.
    GuaranteeAccess guaranteeAccess();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void initialiseControls();
    void connectControls();
    void connectListMenu();
    void tickMark(int mark, bool ticked);
    void runFilter(QComboBox* filterBox, bool keepHolders);
    // Shows the parts of the game a verb changed; a refused verb's list is the one shown already.
    void showChanges(const GameOutcome& outcome);
    // Shows the whole game, as after an opening.
    void showGame();
    void showSelection(bool whole = false);
    // Shows a verb's refusal and sends the player to the control it names.
    void showRefusal(const GameOutcome& outcome);
    // Memory ran short inside an operation: the list shown is kept and the player is told.
    void showOutOfMemory();
    void showBusyCaption();
    void showCaption();
    void centreOnScreen();
    // Cost and gains (form1costs.cpp).
    void connectCosts();
    void showCost(bool listChanged = false);
    void selectLine(CombinationList::Count line);
    // Shows in "Coût et gains" the arrival of a game opened, checked, with its rapports.
    void showOpenedArrival(SavedArrival arrival);
    GameAccess gameAccess();
    void connectGameControls();
    void saveGame(bool askName);
    void saveLastGame();

    Form1Controls m_ui;
    ExtensionControls m_ext;
    NumberBoxFilter* m_numberFilter;
    Game m_game;
    CombinationListModel* m_model;
    std::unique_ptr<MessageBoxes> m_messages;
    Form1Services m_services;
    ClockSeededSource m_random;
    QStringList m_arguments;
    std::string m_commandLineText;
    CoutGainsDialog* m_costDialog = nullptr; // made on first opening
    RunnersDialog* m_runnersDialog = nullptr; // made on first opening
    ReduceDialog* m_reduceDialog = nullptr; // made on first use, kept so its tabs keep their settings
    bool m_arrivalOpened = false; // a game opened with an arrival: "Coût et gains" shows it at its next opening
    std::optional<SavedGame> m_startingGame; // the window as it opened, which is not worth keeping at the close
    // True while the window writes the game onto its controls: the boxes and ticks then report the texts and ticks
    // they are given, which are the game's already and must not reach it again as the player's.
    bool m_showingGame = false;
};

} // namespace ornal
