#include "ui/costview.h"

#include "betting/bettexts.h"
#include "betting/chancetexts.h"
#include "betting/ticketchances.h"
#include "game/game.h"
#include "reduction/gamehorses.h"
#include "ui/clickablelabel.h"
#include "ui/coutgainsdialog.h"
#include "ui/dialogplacement.h"
#include "ui/extensioncontrols.h"
#include "ui/focusring.h"
#include "ui/form1controls.h"
#include "ui/qtbridge.h"
#include "ui/runnersdialog.h"
#include "ui/windowcommands.h"

#include <QLabel>
#include <QPushButton>

#include <array>
#include <string_view>

namespace ornal {

namespace {

// The type each logo chooses, by logo index. The Couplé logo chooses the Couplé gagnant; the other Couplés and the
// Trio ordre have no logo and are chosen in the dialog.
constexpr std::array<std::string_view, 7> kLogoTypes { "couple-gagnant", "2sur4", "trio", "tierce", "quarte", "multi",
    "quinte" };

// The dialog's message lines take room only while they say something: its size keeps room for two of them.
constexpr int kCostDialogRoomForMessages = 40;

} // namespace

CostView::CostView(Game& game, Window window)
    : m_game(game)
    , m_window(std::move(window))
{
    Form1Controls& ui = m_window.ui;
    const QCursor pointingHand = ui.Picture10->cursor();
    for (std::size_t i = 0; i < kLogoTypes.size(); ++i) {
        ClickableLabel* logo = ui.PictureJeux[i];
        logo->setCursor(pointingHand);
        logo->setAccessibleDescription(QStringLiteral("Choisir ce type de jeu"));
        const BetType* type = FindBetType(kLogoTypes[i]);
        connect(logo, &ClickableLabel::clicked, this, [this, type] { ChooseBetType(type); });
    }
    RunPressingButton(this, m_window.commands.CoutEtGains, m_window.ext.CoutGains, [this] { ShowCostAndGains(); });
    Run(this, m_window.commands.PartantsCotes, [this] { ShowRunners(); });
    m_window.ext.CoutJeu->setToolTip(QStringLiteral("Coût du jeu"));
}

void CostView::SetRunners(std::vector<Runner> runners)
{
    // The runners come from the dialog, which shows them already.
    (void)m_game.setRunners(std::move(runners), m_game.oddsThresholds());
    showCost(false);
}

void CostView::ShowRunners()
{
    if (!m_runnersDialog) {
        m_runnersDialog = new RunnersDialog(m_window.clipboardText, m_window.widget);
        connect(m_runnersDialog, &RunnersDialog::runnersChosen, this,
            [this](const std::vector<Runner>& runners) { SetRunners(runners); });
    }
    if (!m_runnersDialog->isVisible()) {
        m_runnersDialog->showRunners(m_game.runners());
        MoveBeside(m_runnersDialog, m_window.widget);
    }
    m_runnersDialog->show();
    m_runnersDialog->raise();
    m_runnersDialog->activateWindow();
}

void CostView::showRunners()
{
    if (m_runnersDialog) {
        m_runnersDialog->showRunners(m_game.runners());
    }
}

void CostView::ChooseBetType(const BetType* type)
{
    m_window.showChanges(m_game.chooseBetType(type));
}

void CostView::SetUnitStake(const BetType& type, std::int64_t cents)
{
    m_window.showChanges(m_game.setStake(type, cents));
}

void CostView::SetRapportBase(const BetType& type, std::int64_t cents)
{
    m_window.showChanges(m_game.setRapportBase(type, cents));
}

void CostView::showCost(bool listChanged)
{
    const CombinationList& list = m_game.list();
    const BetChoice& bets = m_game.bets();
    const std::vector<Runner>& runners = m_game.runners();
    const std::optional<Result<BetCost>> cost = bets.cost(list);
    const bool priced = !list.empty() && cost && *cost;
    std::optional<Result<TicketChances>> chances;
    if (priced && !runners.empty()) {
        chances = ComputeTicketChances(list, *bets.type(), runners, HorsesOfSelection(m_game.selection()).horses);
    } else if (!runners.empty()) {
        chances = Refusal::Saying("Les chances viennent avec le coût : il faut une liste et un type de jeu qui prend "
                                  "ses lignes.",
            MessageIcon::Information);
    }
    QLabel* label = m_window.ext.CoutJeu;
    if (priced) {
        label->setText(ToQString(CostLabel(**cost)));
        std::string tooltip = CostTooltip(**cost);
        if (chances && *chances) {
            tooltip += "\n" + GainChanceLine(**chances);
        }
        label->setToolTip(ToQString(tooltip));
    } else {
        label->clear();
        label->setToolTip(QStringLiteral("Coût du jeu"));
    }
    for (std::size_t i = 0; i < kLogoTypes.size(); ++i) {
        m_window.ui.PictureJeux[i]->setChosen(bets.type() && bets.type()->id == kLogoTypes[i]);
    }
    if (m_costDialog) {
        m_costDialog->showGame(list, bets, cost, listChanged);
        m_costDialog->showChances(chances);
    }
}

void CostView::makeCostDialog()
{
    m_costDialog = new CoutGainsDialog(m_window.widget);
    new FocusRing(m_costDialog);
    connect(m_costDialog, &CoutGainsDialog::betTypeChosen, this, [this](const BetType* type) { ChooseBetType(type); });
    connect(m_costDialog, &CoutGainsDialog::stakeChosen, this, [this](const BetType* type, qint64 cents) {
        if (type) {
            SetUnitStake(*type, cents);
        }
    });
    connect(m_costDialog, &CoutGainsDialog::rapportBaseChosen, this, [this](const BetType* type, qint64 cents) {
        if (type) {
            SetRapportBase(*type, cents);
        }
    });
    connect(m_costDialog, &CoutGainsDialog::lineToSelect, this, [this](qint64 line) {
        if (line >= 0) {
            m_window.selectLine(static_cast<CombinationList::Count>(line));
        }
    });
    connect(m_costDialog, &CoutGainsDialog::runnersRequested, this, [this] { ShowRunners(); });
    connect(m_costDialog, &CoutGainsDialog::arrivalToCheck, this,
        [this](const SavedArrival& arrival) { m_costDialog->showArrivalCheck(m_game.checkArrival(arrival)); });
    connect(m_costDialog, &CoutGainsDialog::payoutsTyped, this,
        [this](const std::vector<SavedPayout>& payouts) { (void)m_game.setPayouts(payouts); });
    m_costDialog->showGame(m_game.list(), m_game.bets(), m_game.bets().cost(m_game.list()), true);
    showCost(false);
}

void CostView::ShowCostAndGains()
{
    if (!m_costDialog) {
        makeCostDialog();
    }
    if (!m_costDialog->isVisible()) {
        // The player types the finish in the result boxes first; the dialog starts from there, unless the game was
        // opened with an arrival checked.
        const std::optional<SavedArrival> kept
            = std::exchange(m_arrivalOpened, false) ? m_game.arrival() : std::nullopt;
        std::array<std::string, CoutGainsDialog::kArrivalPlaces> arrival;
        const ResultTexts& results = m_game.results();
        for (std::size_t i = 0; i < arrival.size() && i < results.size(); ++i) {
            arrival[i] = results[i];
        }
        m_costDialog->setArrival(arrival);
        PlaceBeside(m_costDialog, m_window.widget, kCostDialogRoomForMessages);
        m_costDialog->show();
        if (kept) {
            showOpenedArrival(*kept);
        }
        // With lines to check, the player comes to type the finish.
        if (!m_game.list().empty()) {
            m_costDialog->focusArrival();
        }
    }
    m_costDialog->show();
    m_costDialog->raise();
    m_costDialog->activateWindow();
}

void CostView::showOpenedGame()
{
    m_arrivalOpened = m_game.arrival().has_value();
    if (m_arrivalOpened && m_costDialog && m_costDialog->isVisible()) {
        m_arrivalOpened = false;
        showOpenedArrival(*m_game.arrival());
    }
}

void CostView::showOpenedArrival(SavedArrival arrival)
{
    // Checking again gives the classes the rapports belong to; the check shows the rapports the boxes held until
    // the game's own are put back.
    std::array<std::string, CoutGainsDialog::kArrivalPlaces> places;
    for (std::size_t i = 0; i < places.size() && i < arrival.numbers.size(); ++i) {
        places[i] = arrival.numbers[i];
    }
    m_costDialog->setArrival(places);
    const std::vector<SavedPayout> payouts = arrival.payouts;
    m_costDialog->showArrivalCheck(m_game.checkArrival(std::move(arrival)));
    m_costDialog->showPayouts(payouts);
}

} // namespace ornal
