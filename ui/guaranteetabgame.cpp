// The tab "Garantie"'s choice as the game keeps it: saved when a reduction is applied, shown again once a game that
// holds one is opened.
#include "ui/guaranteetab.h"

#include "ui/linebudgetbox.h"

#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace ornal {

SavedGuarantee GuaranteeTab::savedGuarantee() const
{
    const Guarantee chosen = chosenGuarantee();
    SavedGuarantee saved { chosen.finishers, chosen.inLine };
    m_budget->saveInto(saved);
    saved.seconds = m_seconds->value();
    return saved;
}

void GuaranteeTab::keepGuaranteeInGame()
{
    m_gameGuarantee = savedGuarantee();
    if (m_game.chooseGuarantee) {
        m_game.chooseGuarantee(*m_gameGuarantee);
    }
}

void GuaranteeTab::showSavedGuarantee()
{
    std::optional<SavedGuarantee> held = m_game.guarantee ? m_game.guarantee() : std::nullopt;
    if (held == m_gameGuarantee) {
        return;
    }
    m_gameGuarantee = held;
    if (!held) {
        return;
    }
    const Guarantee wanted { held->p, held->t };
    const auto offer = std::find_if(
        m_offers.begin(), m_offers.end(), [&](const OfferedGuarantee& o) { return o.guarantee == wanted; });
    if (offer == m_offers.end()) {
        m_finishers->setValue(wanted.finishers);
        m_inLine->setValue(wanted.inLine);
    }
    (offer == m_offers.end() ? m_other : m_offerButtons[static_cast<std::size_t>(offer - m_offers.begin())])
        ->setChecked(true);
    m_budget->show(*held);
    if (held->seconds) {
        m_seconds->setValue(*held->seconds);
    }
}

} // namespace ornal
