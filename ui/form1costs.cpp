// The window's part of cost and gains: the bet type and stakes, the cost label, the logos that choose a type and
// the dialog "Coût et gains".
#include "ui/form1.h"

#include "betting/bettexts.h"
#include "betting/chancetexts.h"
#include "betting/ticketchances.h"
#include "reduction/gamehorses.h"
#include "ui/clickablelabel.h"
#include "ui/coutgainsdialog.h"
#include "ui/dialogplacement.h"
#include "ui/focusring.h"
#include "ui/qtbridge.h"
#include "ui/runnersdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>

namespace ornal {

namespace {

// The type each logo chooses, by logo index. The Couplé logo chooses the Couplé gagnant; the other Couplés and the
// Trio ordre have no logo and are chosen in the dialog.
constexpr std::array<std::string_view, 7> kLogoTypes { "couple-gagnant", "2sur4", "trio", "tierce", "quarte", "multi",
    "quinte" };

// The dialog's message lines take room only while they say something: its size keeps room for two of them.
constexpr int kCostDialogRoomForMessages = 40;

} // namespace

void Form1::connectCosts()
{
    const QCursor pointingHand = m_ui.Picture10->cursor();
    for (std::size_t i = 0; i < kLogoTypes.size(); ++i) {
        ClickableLabel* logo = m_ui.PictureJeux[i];
        logo->setCursor(pointingHand);
        logo->setAccessibleDescription(QStringLiteral("Choisir ce type de jeu"));
        const BetType* type = FindBetType(kLogoTypes[i]);
        connect(logo, &ClickableLabel::clicked, this, [this, type] { ChooseBetType(type); });
    }
    connect(m_ext.CoutGains, &QPushButton::clicked, this, [this] { ShowCostAndGains(); });
    m_ext.CoutJeu->setToolTip(QStringLiteral("Coût du jeu"));
    auto* runners = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    runners->setObjectName(QStringLiteral("RaccourciPartantsCotes"));
    connect(runners, &QShortcut::activated, this, [this] { ShowRunners(); });
}

void Form1::SetRunners(std::vector<Runner> runners)
{
    // The runners come from the dialog, which shows them already.
    (void)m_game.setRunners(std::move(runners), m_game.oddsThresholds());
    showCost();
}

void Form1::ShowRunners()
{
    if (!m_runnersDialog) {
        m_runnersDialog = new RunnersDialog(m_services.clipboardText, this);
        connect(m_runnersDialog, &RunnersDialog::runnersChosen, this,
            [this](const std::vector<Runner>& runners) { SetRunners(runners); });
    }
    if (!m_runnersDialog->isVisible()) {
        m_runnersDialog->showRunners(m_game.runners());
        MoveBeside(m_runnersDialog, this);
    }
    m_runnersDialog->show();
    m_runnersDialog->raise();
    m_runnersDialog->activateWindow();
}

void Form1::ChooseBetType(const BetType* type)
{
    showChanges(m_game.chooseBetType(type));
}

void Form1::SetUnitStake(const BetType& type, std::int64_t cents)
{
    showChanges(m_game.setStake(type, cents));
}

void Form1::SetRapportBase(const BetType& type, std::int64_t cents)
{
    showChanges(m_game.setRapportBase(type, cents));
}

void Form1::showCost(bool listChanged)
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
    if (priced) {
        m_ext.CoutJeu->setText(ToQString(CostLabel(**cost)));
        std::string tooltip = CostTooltip(**cost);
        if (chances && *chances) {
            tooltip += "\n" + GainChanceLine(**chances);
        }
        m_ext.CoutJeu->setToolTip(ToQString(tooltip));
    } else {
        m_ext.CoutJeu->clear();
        m_ext.CoutJeu->setToolTip(QStringLiteral("Coût du jeu"));
    }
    for (std::size_t i = 0; i < kLogoTypes.size(); ++i) {
        m_ui.PictureJeux[i]->setChosen(bets.type() && bets.type()->id == kLogoTypes[i]);
    }
    if (m_costDialog) {
        m_costDialog->showGame(list, bets, cost, listChanged);
        m_costDialog->showChances(chances);
    }
}

void Form1::ShowCostAndGains()
{
    if (!m_costDialog) {
        m_costDialog = new CoutGainsDialog(this);
        new FocusRing(m_costDialog);
        connect(
            m_costDialog, &CoutGainsDialog::betTypeChosen, this, [this](const BetType* type) { ChooseBetType(type); });
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
                selectLine(static_cast<CombinationList::Count>(line));
            }
        });
        connect(m_costDialog, &CoutGainsDialog::runnersRequested, this, [this] { ShowRunners(); });
        connect(m_costDialog, &CoutGainsDialog::arrivalToCheck, this,
            [this](const SavedArrival& arrival) { m_costDialog->showArrivalCheck(m_game.checkArrival(arrival)); });
        connect(m_costDialog, &CoutGainsDialog::payoutsTyped, this,
            [this](const std::vector<SavedPayout>& payouts) { (void)m_game.setPayouts(payouts); });
        m_costDialog->showGame(m_game.list(), m_game.bets(), m_game.bets().cost(m_game.list()), true);
        showCost();
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
        PlaceBeside(m_costDialog, this, kCostDialogRoomForMessages);
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

void Form1::showOpenedArrival(SavedArrival arrival)
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

void Form1::selectLine(CombinationList::Count line)
{
    if (line >= m_game.list().size()) {
        return;
    }
    const QModelIndex index = m_model->index(static_cast<int>(line));
    m_ui.List1->setCurrentIndex(index);
    m_ui.List1->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    m_ui.List1->scrollTo(index);
}

} // namespace ornal
