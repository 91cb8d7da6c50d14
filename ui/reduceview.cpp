#include "ui/reduceview.h"

#include "engine/allocation.h"
#include "game/game.h"
#include "reduction/gamehorses.h"
#include "ui/busycursor.h"
#include "ui/conditionstab.h"
#include "ui/dialogplacement.h"
#include "ui/extensioncontrols.h"
#include "ui/focusring.h"
#include "ui/gameview.h"
#include "ui/guaranteetab.h"
#include "ui/messageboxes.h"
#include "ui/reducedialog.h"
#include "ui/windowcommands.h"

#include <QTabWidget>

namespace ornal {

namespace {

// The type the cost is shown for: the bet size's default, a logo's or the one picked in "Coût et gains".
std::string BetTypeId(const Game& game)
{
    const BetType* type = game.bets().type();
    return type ? std::string(type->id) : std::string();
}

} // namespace

ReduceView::ReduceView(Game& game, GameView& view, MessageBoxes& messages, QWidget* window, ExtensionControls& ext,
    WindowCommands& commands)
    : m_game(game)
    , m_view(view)
    , m_messages(messages)
    , m_window(window)
{
    RunPressingButton(this, commands.ReduireLeJeu, ext.ReduireJeu, [this] { ReduceList(); });
}

void ReduceView::ReduceList()
{
    if (!m_dialog) {
        m_dialog = new ReduceDialog(m_window);
        new FocusRing(m_dialog);
        m_dialog->addTab(new ConditionsTab(gameAccess()), QStringLiteral("Conditions"));
        m_dialog->addTab(new GuaranteeTab(guaranteeAccess()), QStringLiteral("Garantie"));
        // The dialog first opens on the guarantee; later it comes back on the tab the player left it on.
        m_dialog->tabs()->setCurrentIndex(1);
    }
    PlaceBeside(m_dialog, m_window);
    m_dialog->open();
}

GameAccess ReduceView::gameAccess()
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
        m_view.showChanges(*outcome);
        if (!outcome->ok()) {
            return *outcome->refusal;
        }
        return {};
    };
    game.showMessage = [this](const Message& message) { m_messages.show(message); };
    game.runners = [this] { return m_game.runners(); };
    game.oddsThresholds = [this] { return m_game.oddsThresholds().value_or(OddsThresholds {}); };
    game.keepOddsThresholds
        = [this](const OddsThresholds& thresholds) { (void)m_game.setRunners(m_game.runners(), thresholds); };
    return game;
}

GuaranteeAccess ReduceView::guaranteeAccess()
{
    GuaranteeAccess game;
    game.list = [this]() -> const CombinationList& { return m_game.list(); };
    game.horses = [this] { return HorsesOfSelection(m_game.selection()).horses; };
    game.bases = [this] { return HorsesOfSelection(m_game.selection()).bases; };
    game.betTypeId = [this] { return BetTypeId(m_game); };
    game.stakeCents = [this] {
        const BetType* type = m_game.bets().type();
        return type ? m_game.bets().stakeCents(*type) : std::int64_t { 0 };
    };
    game.replaceList = [this](CombinationList list) { m_view.showChanges(m_game.applyLines(std::move(list))); };
    game.guarantee = [this] { return m_game.guarantee(); };
    game.chooseGuarantee
        = [this](const SavedGuarantee& guarantee) { m_view.showChanges(m_game.chooseGuarantee(guarantee)); };
    game.runners = [this] { return m_game.runners(); };
    return game;
}

} // namespace ornal
