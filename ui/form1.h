#pragma once

#include "game/game.h"
#include "ui/combinationlistmodel.h"
#include "ui/costview.h"
#include "ui/extensioncontrols.h"
#include "ui/form1controls.h"
#include "ui/form1services.h"
#include "ui/gamefiles.h"
#include "ui/gameview.h"
#include "ui/listcommands.h"
#include "ui/messageboxes.h"
#include "ui/reduceview.h"
#include "ui/windowcommands.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <string>

namespace ornal {

class NumberBoxFilter;

// The main window: a view of one Game. Its controls' events call the game's verbs, and the objects below show what
// each verb says changed; CommandLineText is the window's own.
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
    // The arguments joined and trimmed, as the last preload read them.
    const std::string& commandLineText() const { return m_commandLineText; }

    void ChooseHorseCount();
    void ChooseBaseMode();
    void ChooseBetSize();
    void ComputeCombinations();
    void PreloadFromCommandLine();
    void ExportToSpreadsheet();
    void OpenWebSite();
    void ShowVersionBox();

    // The game's files: open, save, print.
    GameFiles& files() { return *m_files; }
    // The cost and gains, with their dialogs.
    CostView& costs() { return *m_costs; }
    // The commands on the list and its history.
    ListCommands& listCommands() { return *m_listCommands; }
    // The dialog "Réduire le jeu".
    ReduceView& reduction() { return *m_reduction; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void initialiseControls();
    void connectControls();
    void tickMark(int mark, bool ticked);
    void centreOnScreen();

    Form1Controls m_ui;
    ExtensionControls m_ext;
    WindowCommands m_commands;
    NumberBoxFilter* m_numberFilter;
    Game m_game;
    CombinationListModel* m_model;
    std::unique_ptr<MessageBoxes> m_messages;
    Form1Services m_services;
    QStringList m_arguments;
    std::string m_commandLineText;
    // Made once the controls they work on are.
    std::unique_ptr<CostView> m_costs;
    std::unique_ptr<GameView> m_view;
    std::unique_ptr<ListCommands> m_listCommands;
    std::unique_ptr<GameFiles> m_files;
    std::unique_ptr<ReduceView> m_reduction;
};

} // namespace ornal
