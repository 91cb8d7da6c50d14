// The window's part of cost and gains: the bet type and stakes, the cost label, the logos that choose a type and
// the dialog "Coût et gains".
#include "ui/form1.h"

#include "betting/bettexts.h"
#include "betting/chancetexts.h"
#include "betting/ticketchances.h"
#include "engine/numericvalue.h"
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
    m_runners = std::move(runners);
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
        m_runnersDialog->showRunners(m_runners);
        MoveBeside(m_runnersDialog, this);
    }
    m_runnersDialog->show();
    m_runnersDialog->raise();
    m_runnersDialog->activateWindow();
}

void Form1::ChooseBetType(const BetType* type)
{
    m_bets.choose(type);
    showCost();
}

void Form1::SetUnitStake(const BetType& type, std::int64_t cents)
{
    m_bets.setStakeCents(type, cents);
    showCost();
}

void Form1::SetRapportBase(const BetType& type, std::int64_t cents)
{
    m_bets.setRapportBaseCents(type, cents);
    showCost();
}

void Form1::chooseDefaultBetType()
{
    // The bet size as the computation reads it, so that the type proposed takes the lines it will compute.
    const std::string betSize = ToStd(m_ui.Jeu->currentText());
    const std::optional<std::int16_t> size
        = IsNumeric(TrimSpaces(betSize)) ? RoundToInt16(NumericValue(betSize)) : std::nullopt;
    ChooseBetType(size ? DefaultBetType(*size) : nullptr);
}

void Form1::showListCost()
{
    showCost(true);
}

void Form1::showCost(bool listChanged)
{
    const CombinationList& list = m_model->list();
    const std::optional<BetCost> cost = m_bets.cost(list);
    const bool priced = !list.empty() && cost && !cost->message;
    std::optional<TicketChances> chances;
    if (priced && !m_runners.empty()) {
        chances = ComputeTicketChances(list, *m_bets.type(), m_runners, HorsesOfSelection(readSelection()).horses);
    } else if (!m_runners.empty()) {
        chances = TicketChances {};
        chances->message = Message { "Les chances viennent avec le coût : il faut une liste et un type de jeu qui "
                                     "prend ses lignes.",
            MessageIcon::Information };
    }
    if (priced) {
        m_ext.CoutJeu->setText(ToQString(CostLabel(*cost)));
        std::string tooltip = CostTooltip(*cost);
        if (chances && !chances->message) {
            tooltip += "\n" + GainChanceLine(*chances);
        }
        m_ext.CoutJeu->setToolTip(ToQString(tooltip));
    } else {
        m_ext.CoutJeu->clear();
        m_ext.CoutJeu->setToolTip(QStringLiteral("Coût du jeu"));
    }
    for (std::size_t i = 0; i < kLogoTypes.size(); ++i) {
        m_ui.PictureJeux[i]->setChosen(m_bets.type() && m_bets.type()->id == kLogoTypes[i]);
    }
    if (m_costDialog) {
        m_costDialog->showGame(list, m_bets, cost, listChanged);
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
        m_costDialog->showGame(m_model->list(), m_bets, m_bets.cost(m_model->list()), true);
        showCost();
    }
    if (!m_costDialog->isVisible()) {
        // The player types the finish in the result boxes first; the dialog starts from there.
        std::array<std::string, CoutGainsDialog::kArrivalPlaces> arrival;
        for (std::size_t i = 0; i < arrival.size() && i < m_ui.txtscan.size(); ++i) {
            arrival[i] = ToStd(m_ui.txtscan[i]->text());
        }
        m_costDialog->setArrival(arrival);
        PlaceBeside(m_costDialog, this, kCostDialogRoomForMessages);
        m_costDialog->show();
        // With lines to check, the player comes to type the finish.
        if (!m_model->list().empty()) {
            m_costDialog->focusArrival();
        }
    }
    m_costDialog->show();
    m_costDialog->raise();
    m_costDialog->activateWindow();
}

void Form1::selectLine(CombinationList::Count line)
{
    if (line >= m_model->list().size()) {
        return;
    }
    const QModelIndex index = m_model->index(static_cast<int>(line));
    m_ui.List1->setCurrentIndex(index);
    m_ui.List1->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    m_ui.List1->scrollTo(index);
}

} // namespace ornal
