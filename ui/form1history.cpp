// Undo and redo of the list's changes.
#include "ui/form1.h"

#include "ui/qtbridge.h"
#include "ui/runnersdialog.h"

#include <QLabel>

namespace ornal {

std::string Form1::listCaption() const
{
    std::string caption = ToStd(m_ui.TotalComb->text());
    // A change in progress has put its own caption up already; the one it replaced is the state's.
    if (caption == text::kWorking) {
        caption = ToStd(m_captionBeforeWork);
    }
    return caption;
}

ListState Form1::takeListState()
{
    std::string caption = listCaption();
    return ListState { m_model->exchangeList({}), m_listSelectionText, std::move(caption) };
}

void Form1::restoreListState(ListState state)
{
    // The race comes before the list, so that the chances the list's cost shows are its own.
    if (state.race) {
        m_runners = std::move(state.race->runners);
        m_oddsThresholds = state.race->thresholds;
        if (m_runnersDialog) {
            m_runnersDialog->showRunners(m_runners);
        }
    }
    m_restoringList = true;
    m_selectionText = std::move(state.selectionText);
    replaceList(std::move(state.list));
    m_restoringList = false;
    m_ui.TotalComb->setText(ToQString(state.caption));
}

void Form1::UndoListChange()
{
    if (m_history.undoSteps() == 0) {
        return;
    }
    if (std::optional<ListState> previous
        = m_history.undo(takeListState(), RaceState { m_runners, m_oddsThresholds })) {
        restoreListState(std::move(*previous));
    }
}

void Form1::RedoListChange()
{
    if (m_history.redoSteps() == 0) {
        return;
    }
    if (std::optional<ListState> next = m_history.redo(takeListState(), RaceState { m_runners, m_oddsThresholds })) {
        restoreListState(std::move(*next));
    }
}

} // namespace ornal
