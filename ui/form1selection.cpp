#include "ui/form1.h"

#include "ui/selectionview.h"

#include <QComboBox>

namespace ornal {

// The window keeps no selection rules of its own: its controls are copied into the engine's Selection, and what the
// flow leaves is shown.

Selection Form1::readSelection() const
{
    return ReadSelection(m_ui, m_baseCount, m_logos);
}

void Form1::showSelection(const Selection& sel)
{
    // Unticking a mark reports a toggle; the flow has already judged these ticks.
    m_showingSelection = true;
    ShowSelection(m_ui, sel);
    m_showingSelection = false;
    m_baseCount = sel.baseCount;
    m_logos = sel.logos;
}

void Form1::showFlowOutcome(const FlowOutcome& outcome)
{
    if (!outcome.message) {
        return;
    }
    m_messages->show(*outcome.message);
    if (outcome.status == FlowOutcome::Status::NoHorseCount) {
        m_ui.NombreChevaux->setFocus();
    }
}

} // namespace ornal
