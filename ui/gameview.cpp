#include "ui/gameview.h"

#include "engine/messages.h"
#include "ui/combinationlistmodel.h"
#include "ui/costview.h"
#include "ui/form1controls.h"
#include "ui/messageboxes.h"
#include "ui/qtbridge.h"
#include "ui/selectionview.h"
#include "ui/windowcommands.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopedValueRollback>

namespace ornal {

GameView::GameView(const Game& game, Form1Controls& ui, CombinationListModel& model, MessageBoxes& messages,
    WindowCommands& commands, CostView& costs)
    : m_game(game)
    , m_ui(ui)
    , m_model(model)
    , m_messages(messages)
    , m_commands(commands)
    , m_costs(costs)
{
}

void GameView::showSelection(bool whole)
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    ShowSelection(m_ui, m_game.selection(), m_game.results(), m_game.resultsShown(), whole);
}

void GameView::showList()
{
    m_model.listChanged();
    m_ui.Command5->setVisible(m_game.shuffleShown());
    m_commands.followList(!m_game.list().empty());
    showCaption();
}

void GameView::showCaption()
{
    m_ui.TotalComb->setText(ToQString(m_game.caption()));
}

void GameView::showChanges(const GameOutcome& outcome)
{
    const GameChanges changed = outcome.changed;
    if (changed.has(GamePart::Selection) || changed.has(GamePart::Results)) {
        showSelection(false);
    }
    // The race comes before the list, so that the chances the list's cost shows are its own.
    if (changed.has(GamePart::Runners)) {
        m_costs.showRunners();
    }
    // A refused computation changes only the selection text it read; the list shown stays, with its selected line.
    const bool listChanged = changed.has(GamePart::List) && outcome.ok();
    if (listChanged) {
        showList();
    } else if (changed.has(GamePart::Caption)) {
        showCaption();
    }
    if (listChanged || changed.has(GamePart::Bet) || changed.has(GamePart::Runners)) {
        m_costs.showCost(listChanged);
    }
}

void GameView::showGame()
{
    showSelection(true);
    m_costs.showRunners();
    showList();
    m_costs.showCost(true);
    m_costs.showOpenedGame();
}

void GameView::showOutOfMemory()
{
    showCaption();
    m_messages.show(Message { std::string(text::kOutOfMemory), MessageIcon::Critical });
}

void GameView::showBusyCaption()
{
    m_ui.TotalComb->setText(ToQString(text::kWorking));
    m_ui.TotalComb->repaint();
    m_ui.List1->viewport()->repaint();
}

void GameView::showRefusal(const GameOutcome& outcome)
{
    if (outcome.ok()) {
        return;
    }
    m_messages.show(outcome.refusal->message);
    QLineEdit* box = nullptr;
    switch (outcome.focus) {
    case GameOutcome::Focus::None:
        return;
    case GameOutcome::Focus::HorseCount:
        m_ui.NombreChevaux->setFocus();
        return;
    case GameOutcome::Focus::BetSize:
        m_ui.Jeu->setFocus();
        return;
    case GameOutcome::Focus::NumberBox:
        box = outcome.box >= 0 && outcome.box < kNumberBoxCount ? m_ui.Text1[outcome.box] : nullptr;
        break;
    case GameOutcome::Focus::ResultBox:
        box = outcome.box >= 0 && outcome.box < kResultBoxCount ? m_ui.txtscan[outcome.box] : nullptr;
        break;
    }
    if (!box) {
        return;
    }
    if (outcome.selectBoxText) {
        box->setSelection(0, static_cast<int>(box->text().size()));
    }
    box->setFocus();
}

void GameView::selectLine(CombinationList::Count line)
{
    if (line >= m_game.list().size()) {
        return;
    }
    const QModelIndex index = m_model.index(static_cast<int>(line));
    m_ui.List1->setCurrentIndex(index);
    m_ui.List1->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    m_ui.List1->scrollTo(index);
}

} // namespace ornal
