// The arrival of "Coût et gains" as the game checks and keeps it: the dialog shows the check and hands the rapports
// typed back to the game.
#include "ui/coutgainsdialog.h"

#include "betting/money.h"
#include "engine/inputlimits.h"
#include "ui/qtbridge.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace ornal {

void CoutGainsDialog::showArrivalCheck(Result<ArrivalOutcome> outcome)
{
    forgetCheck();
    if (!outcome) {
        const Refusal& refusal = outcome.refusal();
        m_arrivalMessage->setText(ToQString(refusal.text()));
        m_arrivalMessage->setVisible(true);
        if (refusal.box >= 0 && refusal.box < kArrivalPlaces) {
            QLineEdit* box = m_arrival[static_cast<std::size_t>(refusal.box)];
            box->setFocus();
            box->selectAll();
        } else if (!m_choice.type()) {
            m_type->setFocus();
        }
        return;
    }
    m_outcome = std::move(outcome).value();
    showCheck();
    typePayouts();
}

void CoutGainsDialog::showPayouts(const std::vector<SavedPayout>& payouts)
{
    if (!m_outcome) {
        return;
    }
    for (std::size_t c = 0; c < m_outcome->classNames.size() && c < m_rapports.size(); ++c) {
        const auto payout = std::find_if(payouts.begin(), payouts.end(),
            [&](const SavedPayout& p) { return p.className == m_outcome->classNames[c]; });
        m_rapports[c]->setText(payout == payouts.end() ? QString() : ToQString(FormatEuros(payout->cents)));
    }
}

void CoutGainsDialog::typePayouts()
{
    if (m_showing || !m_outcome) {
        return;
    }
    std::vector<SavedPayout> payouts;
    for (std::size_t c = 0; c < m_outcome->classNames.size() && c < m_rapports.size(); ++c) {
        const QString text = m_rapports[c]->text().trimmed();
        const Result<std::int64_t> rapport = ParseEuros(ToStd(text), kMaxRapportCents);
        if (!text.isEmpty() && rapport) {
            payouts.push_back(SavedPayout { m_outcome->classNames[c], *rapport });
        }
    }
    emit payoutsTyped(payouts);
}

} // namespace ornal
