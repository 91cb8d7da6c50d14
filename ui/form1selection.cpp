// The window as a view of its game: what a verb changed is written onto the controls, never read back.
#include "ui/form1.h"

#include "ui/coutgainsdialog.h"
#include "ui/qtbridge.h"
#include "ui/runnersdialog.h"
#include "ui/selectionview.h"

#include <QPushButton>
#include <QScopedValueRollback>

namespace ornal {

void Form1::showSelection(bool whole)
{
    const QScopedValueRollback<bool> showing(m_showingGame, true);
    ShowSelection(m_ui, m_game.selection(), m_game.results(), m_game.resultsShown(), whole);
}

void Form1::showChanges(const GameOutcome& outcome)
{
    const GameChanges changed = outcome.changed;
    if (changed.has(GamePart::Selection) || changed.has(GamePart::Results)) {
        showSelection();
    }
    // The race comes before the list, so that the chances the list's cost shows are its own.
    if (changed.has(GamePart::Runners) && m_runnersDialog) {
        m_runnersDialog->showRunners(m_game.runners());
    }
    // A refused computation changes only the selection text it read; the list shown stays, with its selected line.
    const bool listChanged = changed.has(GamePart::List) && outcome.ok();
    if (listChanged) {
        m_model->listChanged();
        m_ui.Command5->setVisible(m_game.shuffleShown());
    }
    if (listChanged || changed.has(GamePart::Caption)) {
        showCaption();
    }
    if (listChanged || changed.has(GamePart::Bet) || changed.has(GamePart::Runners)) {
        showCost(listChanged);
    }
}

void Form1::showGame()
{
    showSelection(true);
    if (m_runnersDialog) {
        m_runnersDialog->showRunners(m_game.runners());
    }
    m_model->listChanged();
    m_ui.Command5->setVisible(m_game.shuffleShown());
    showCaption();
    showCost(true);
    m_arrivalOpened = m_game.arrival().has_value();
    if (m_arrivalOpened && m_costDialog && m_costDialog->isVisible()) {
        m_arrivalOpened = false;
        showOpenedArrival(*m_game.arrival());
    }
}

} // namespace ornal
