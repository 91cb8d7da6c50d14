#pragma once

#include "betting/betchoice.h"
#include "betting/runners.h"
#include "document/savedgame.h"
#include "engine/combinationengine.h"
#include "engine/selectionflow.h"
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
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QComboBox;

namespace ornal {

class CoutGainsDialog;
class NumberBoxFilter;
class ReduceDialog;
class RunnersDialog;

// The main window: owns the selection's controls, BaseCount, SelectionText, the combination list and CommandLineText,
// and runs each operation of its controls to its end.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // arguments are the program's command-line arguments (without the program's path), preloaded on first activation.
    explicit Form1(QStringList arguments, std::unique_ptr<MessageBoxes> messages = {}, Form1Services services = {},
        QWidget* parent = nullptr);
    ~Form1() override;

    // The controls, under their names.
    const Form1Controls& controls() const { return m_ui; }
    // The controls added beside the first window's own.
    const ExtensionControls& extensions() const { return m_ext; }
    // The lines of List1.
    const CombinationList& combinationList() const { return m_model->list(); }
    // BaseCount: -1 without bases, otherwise the chosen number of bases.
    std::int16_t baseCount() const { return m_baseCount; }
    // SelectionText as the last computation left it.
    const std::string& selectionText() const { return m_selectionText; }
    // The arguments joined and trimmed, as the last preload read them.
    const std::string& commandLineText() const { return m_commandLineText; }

    void InitialiseMainWindow();
    void ChooseHorseCount();
    void ChooseBaseMode();
    void ToggleBaseMark(int mark);
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
    const BetChoice& betChoice() const { return m_bets; }
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
    const std::vector<Runner>& runners() const { return m_runners; }
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

    // The game the window holds, every control as it stands, as it would be saved.
    SavedGame currentGame() const;
    // Shows the game in file: true when it is shown, otherwise its refusal is shown and nothing changed.
    bool openGameFile(const std::filesystem::path& file);
    // The file Ctrl+S saves to without asking: the last game saved or opened by name; empty before.
    const std::filesystem::path& gameFile() const { return m_gameFile; }
    // The list's undo and redo steps.
    const ListHistory& listHistory() const { return m_history; }

    // The bet type the list is played on ("quinte", "multi"...), empty when none applies (form1guarantee.cpp).
    std::string betTypeId() const;
    // What the tab "Garantie" reads and changes of the game.
    GuaranteeAccess guaranteeAccess();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Selection readSelection() const;
    void showSelection(const Selection& sel);
    void showFlowOutcome(const FlowOutcome& outcome);
    void showComputeRefusal(const ComputeResult& result);
    // Memory ran short inside an operation: the list shown is kept and the player is told.
    void showOutOfMemory();
    void connectControls();
    void connectListMenu();
    void runFilter(QComboBox* filterBox, bool keepHolders);
    // Every change of List1's lines goes through here, so the count, the cost and the history follow it.
    void replaceList(CombinationList list);
    void showBusyCaption();
    void showCount();
    void centreOnScreen();
    // Cost and gains (form1costs.cpp).
    void connectCosts();
    void chooseDefaultBetType();
    void showListCost();
    void showCost(bool listChanged = false);
    void selectLine(CombinationList::Count line);
    GameAccess gameAccess();
    void connectGameControls();
    void showGame(SavedGame game);
    void saveGame(bool askName);
    void saveLastGame();
    std::string listCaption() const;
    ListState takeListState();
    void restoreListState(ListState state);

    Form1Controls m_ui;
    ExtensionControls m_ext;
    NumberBoxFilter* m_numberFilter;
    CombinationListModel* m_model;
    std::unique_ptr<MessageBoxes> m_messages;
    Form1Services m_services;
    ClockSeededSource m_random;
    QStringList m_arguments;
    std::string m_commandLineText;
    std::string m_selectionText;
    std::int16_t m_baseCount = -1;
    std::optional<std::pair<int, int>> m_logos; // the bet-type logos shown
    BetChoice m_bets;
    CoutGainsDialog* m_costDialog = nullptr; // made on first opening
    RunnersDialog* m_runnersDialog = nullptr; // made on first opening
    std::vector<Runner> m_runners;
    std::optional<OddsThresholds>
        m_oddsThresholds; // as set in the conditions or by the game opened; none, the defaults
    bool m_showingSelection = false;
    bool m_preloaded = false;
    bool m_closing = false;
    ReduceDialog* m_reduceDialog = nullptr; // made on first use, kept so its tabs keep their settings
    ListHistory m_history;
    std::string m_listSelectionText; // the SelectionText that goes with the list shown
    QString m_captionBeforeWork; // the count caption that "Traitement en cours..." stands in for
    bool m_restoringList = false;
    std::filesystem::path m_gameFile;
    SavedGame m_keptParts; // what an opened game holds that the window does not show, saved again as it came
    std::optional<SavedGame> m_startingGame; // the window as it opened, which is not worth keeping at the close
};

} // namespace ornal
