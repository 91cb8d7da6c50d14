#include "ui/form1.h"

#include "engine/allocation.h"
#include "ui/busycursor.h"
#include "ui/conditionstab.h"
#include "ui/dialogplacement.h"
#include "ui/focusring.h"
#include "ui/guaranteetab.h"
#include "ui/reducedialog.h"

#include <QTabWidget>

namespace ornal {

void Form1::ReduceList()
{
    if (!m_reduceDialog) {
        m_reduceDialog = new ReduceDialog(this);
        new FocusRing(m_reduceDialog);
        m_reduceDialog->addTab(new ConditionsTab(gameAccess()), QStringLiteral("Conditions"));
        m_reduceDialog->addTab(new GuaranteeTab(guaranteeAccess()), QStringLiteral("Garantie"));
        // The dialog first opens on the guarantee; later it comes back on the tab the player left it on.
        m_reduceDialog->tabs()->setCurrentIndex(1);
    }
    PlaceBeside(m_reduceDialog, this);
    m_reduceDialog->open();
}

GameAccess Form1::gameAccess()
{
    GameAccess game;
    game.list = [this]() -> const CombinationList& { return m_game.list(); };
    game.prediction = [this] { return m_game.predictionTexts(); };
    game.conditions = [this] { return m_game.conditions(); };
    game.applyConditions = [this](LineConditions conditions) -> Result<void> {
        BusyCursor busy;
        const std::optional<GameOutcome> outcome
            = TryAllocating([&] { return m_game.applyConditions(std::move(conditions)); });
        if (!outcome) {
            return Refusal::Saying(std::string(text::kOutOfMemory), MessageIcon::Critical);
        }
        showChanges(*outcome);
        if (!outcome->ok()) {
            return *outcome->refusal;
        }
        return {};
    };
    game.showMessage = [this](const Message& message) { m_messages->show(message); };
    game.runners = [this] { return m_game.runners(); };
    game.oddsThresholds = [this] { return m_game.oddsThresholds().value_or(OddsThresholds {}); };
    game.keepOddsThresholds
        = [this](const OddsThresholds& thresholds) { (void)m_game.setRunners(m_game.runners(), thresholds); };
    return game;
}

} // namespace ornal
