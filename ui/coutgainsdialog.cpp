#include "ui/coutgainsdialog.h"

#include "betting/bettexts.h"
#include "betting/money.h"
#include "betting/winnings.h"
#include "ui/chancespanel.h"
#include "ui/eurospinbox.h"
#include "ui/qtbridge.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace ornal {

namespace {

const char* const kPlaceNames[CoutGainsDialog::kArrivalPlaces] = { "1er", "2e", "3e", "4e", "5e" };

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const char* tooltip, const char* accessibleName)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setToolTip(QString::fromUtf8(tooltip));
    widget->setAccessibleName(QString::fromUtf8(accessibleName));
    return widget;
}

QLabel* Figure(const QString& name, const char* accessibleName)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAccessibleName(QString::fromUtf8(accessibleName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* MessageLabel(const QString& name)
{
    QLabel* label = Figure(name, "Message");
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xC0, 0x00, 0x00));
    label->setPalette(palette);
    return label;
}

// A message line takes room only while it says something.
void Say(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

CoutGainsDialog::CoutGainsDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CoutGainsDialog"));
    setWindowTitle(QStringLiteral("Coût et gains"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    QGroupBox* cost = buildTypeAndStake();
    QGroupBox* arrival = buildArrival();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Fermer"));
    buttons->button(QDialogButtonBox::Close)->setToolTip(QStringLiteral(" Fermer la fenêtre Coût et gains "));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_chances = new ChancesPanel(this);
    connect(m_chances, &ChancesPanel::runnersRequested, this, [this] { emit runnersRequested(); });
    layout->addWidget(cost);
    layout->addWidget(m_chances);
    layout->addWidget(arrival);
    layout->addWidget(buttons);
    forgetCheck();
}

QGroupBox* CoutGainsDialog::buildTypeAndStake()
{
    auto* group = new QGroupBox(QStringLiteral("Coût du jeu"), this);
    group->setObjectName(QStringLiteral("CoutGroupe"));
    auto* form = new QFormLayout(group);

    m_type = Named(new QComboBox, "TypeJeu", " Le type de pari joué avec la liste ", "Type de jeu");
    connect(m_type, &QComboBox::currentIndexChanged, this, [this](int index) { chooseType(index); });
    form->addRow(QStringLiteral("&Type de jeu :"), m_type);

    m_stake = Named(new EuroSpinBox, "MiseUnitaire", " La mise de base d'une combinaison, en euros ", "Mise unitaire");
    m_stake->setRange(0.01, static_cast<double>(kMaxAmountCents / 100));
    m_stake->setSingleStep(0.5);
    // The text rather than the value, so that a refused stake is said while it is typed.
    connect(m_stake, &EuroSpinBox::amountTextChanged, this, [this] { readStake(); });
    m_defaultStake = Named(new QPushButton(QStringLiteral("Mise par &défaut")), "MiseParDefaut",
        " Remettre la mise de base habituelle de ce type de jeu ", "Mise par défaut");
    m_defaultStake->setAutoDefault(false);
    connect(m_defaultStake, &QPushButton::clicked, this, [this] {
        if (const BetType* type = m_choice.type()) {
            emit stakeChosen(type, type->defaultStakeCents);
        }
    });
    auto* stakeRow = new QHBoxLayout;
    stakeRow->addWidget(m_stake, 1);
    stakeRow->addWidget(m_defaultStake);
    form->addRow(QStringLiteral("&Mise unitaire :"), stakeRow);
    qobject_cast<QLabel*>(form->labelForField(stakeRow))->setBuddy(m_stake);

    m_lines = Figure(QStringLiteral("CoutLignes"), "Lignes");
    m_units = Figure(QStringLiteral("CoutMises"), "Mises");
    m_total = Figure(QStringLiteral("CoutTotal"), "Total");
    form->addRow(QStringLiteral("Lignes :"), m_lines);
    form->addRow(QStringLiteral("Mises :"), m_units);
    form->addRow(QStringLiteral("Total :"), m_total);
    m_costMessage = MessageLabel(QStringLiteral("CoutMessage"));
    form->addRow(m_costMessage);
    return group;
}

QGroupBox* CoutGainsDialog::buildArrival()
{
    auto* group = new QGroupBox(QStringLiteral("Arrivée"), this);
    group->setObjectName(QStringLiteral("ArriveeGroupe"));
    auto* column = new QVBoxLayout(group);

    auto* places = new QGridLayout;
    const auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this);
    for (int i = 0; i < kArrivalPlaces; ++i) {
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("Arrivee_%1").arg(i));
        box->setToolTip(QStringLiteral(" Numéro du cheval arrivé %1 ").arg(QString::fromUtf8(kPlaceNames[i])));
        box->setAccessibleName(QStringLiteral("Arrivée, %1").arg(QString::fromUtf8(kPlaceNames[i])));
        box->setValidator(digits);
        box->setMaximumWidth(48);
        auto* caption = new QLabel(QString::fromUtf8(kPlaceNames[i]));
        caption->setBuddy(box);
        places->addWidget(caption, 0, i, Qt::AlignHCenter);
        places->addWidget(box, 1, i);
        m_arrival[static_cast<std::size_t>(i)] = box;
    }
    m_check = Named(new QPushButton(QStringLiteral("&Vérifier")), "Verifier",
        " Chercher les combinaisons que paie cette arrivée ", "Vérifier");
    m_check->setDefault(true);
    connect(m_check, &QPushButton::clicked, this, [this] { checkArrival(); });
    places->addWidget(m_check, 1, kArrivalPlaces);
    column->addLayout(places);
    m_arrivalMessage = MessageLabel(QStringLiteral("MessageArrivee"));
    column->addWidget(m_arrivalMessage);

    auto* classes = new QGridLayout;
    classes->addWidget(new QLabel(QStringLiteral("<b>Classe</b>")), 0, 0);
    classes->addWidget(new QLabel(QStringLiteral("<b>Lignes</b>")), 0, 1);
    m_rapportBase = Named(new EuroSpinBox, "RapportPour",
        " La mise pour laquelle les rapports sont donnés : d'ordinaire la mise de base du type de jeu ",
        "Rapport pour");
    m_rapportBase->setRange(0.01, static_cast<double>(kMaxAmountCents / 100));
    m_rapportBase->setSingleStep(1);
    connect(m_rapportBase, &EuroSpinBox::amountTextChanged, this, [this] { readRapportBase(); });
    auto* rapportHeading = new QHBoxLayout;
    auto* rapportCaption = new QLabel(QStringLiteral("<b>&Rapport pour</b>"));
    rapportCaption->setBuddy(m_rapportBase);
    rapportHeading->addWidget(rapportCaption);
    rapportHeading->addWidget(m_rapportBase, 1);
    classes->addLayout(rapportHeading, 0, 2);
    for (int c = 0; c < kMaxPayClasses; ++c) {
        const auto i = static_cast<std::size_t>(c);
        m_classNames[i] = Figure(QStringLiteral("NomClasse_%1").arg(c), "Classe");
        m_classCounts[i] = Figure(QStringLiteral("LignesClasse_%1").arg(c), "Lignes de la classe");
        m_classCounts[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_rapports[i] = new QLineEdit;
        m_rapports[i]->setObjectName(QStringLiteral("Rapport_%1").arg(c));
        m_rapports[i]->setToolTip(
            QStringLiteral(" Ce que paie cette classe pour la mise en tête de colonne, en euros (par exemple 12,40) "));
        m_rapports[i]->setPlaceholderText(QStringLiteral("€"));
        m_rapports[i]->setAccessibleName(QStringLiteral("Rapport"));
        connect(m_rapports[i], &QLineEdit::textChanged, this, [this] {
            showWinnings();
            typePayouts();
        });
        classes->addWidget(m_classNames[i], c + 1, 0);
        classes->addWidget(m_classCounts[i], c + 1, 1);
        classes->addWidget(m_rapports[i], c + 1, 2);
    }
    column->addLayout(classes);

    m_payingCount = Figure(QStringLiteral("TotalGagnant"), "Lignes gagnantes");
    m_gains = Figure(QStringLiteral("Gains"), "Gains");
    m_net = Figure(QStringLiteral("Net"), "Net");
    auto* money = new QHBoxLayout;
    money->addWidget(m_payingCount);
    money->addStretch();
    money->addWidget(m_gains);
    money->addSpacing(16);
    money->addWidget(m_net);
    column->addLayout(money);

    m_payingLines = Named(
        new QListWidget, "LignesGagnantes", " Les combinaisons payées et leur classe ", "Combinaisons gagnantes");
    m_payingLines->setMinimumHeight(120);
    connect(m_payingLines, &QListWidget::itemActivated, this, [this] { selectPayingLine(); });
    column->addWidget(m_payingLines);
    m_select = Named(new QPushButton(QStringLiteral("&Sélectionner dans la liste")), "SelectionnerLigne",
        " Sélectionner la combinaison gagnante dans la liste de la fenêtre ", "Sélectionner dans la liste");
    m_select->setAutoDefault(false);
    connect(m_select, &QPushButton::clicked, this, [this] { selectPayingLine(); });
    column->addWidget(m_select, 0, Qt::AlignLeft);
    return group;
}

void CoutGainsDialog::showGame(
    const CombinationList& list, const BetChoice& choice, const std::optional<Result<BetCost>>& cost, bool listChanged)
{
    m_showing = true;
    const bool typeChanged = choice.type() != m_choice.type();
    m_list = &list;
    m_choice = choice;
    if (listChanged || typeChanged) {
        forgetCheck();
    }
    if (typeChanged) {
        for (QLineEdit* rapport : m_rapports) {
            rapport->clear();
        }
    }

    // An empty list has no size yet: every type is offered, so that stakes can be set before computing.
    const int lineSize = list.empty() ? 0 : LineSize(list.line(0));
    std::vector<const BetType*> offered;
    if (lineSize == 0) {
        for (const BetType& type : BetTypes()) {
            offered.push_back(&type);
        }
    } else {
        offered = BetTypesForLineSize(lineSize);
    }
    // Rebuilt only when the offer changes: this runs from within the box's own signal when the player picks a type.
    QStringList ids;
    for (const BetType* type : offered) {
        ids.append(ToQString(type->id));
    }
    QStringList shownIds;
    for (int i = 0; i < m_type->count(); ++i) {
        shownIds.append(m_type->itemData(i).toString());
    }
    if (ids != shownIds) {
        m_type->clear();
        for (const BetType* type : offered) {
            m_type->addItem(ToQString(type->name), ToQString(type->id));
        }
    }
    m_type->setCurrentIndex(choice.type() ? static_cast<int>(ids.indexOf(ToQString(choice.type()->id))) : -1);

    const BetType* type = choice.type();
    m_stake->setEnabled(type != nullptr);
    m_defaultStake->setEnabled(type != nullptr);
    // Rewriting the box while the player types in it would move the cursor past the euro sign.
    const std::int64_t stakeCents = type ? choice.stakeCents(*type) : 0;
    const Result<std::int64_t> shown = ParseEuros(ToStd(m_stake->cleanText()));
    if (!shown || *shown != stakeCents) {
        m_stake->setValue(static_cast<double>(stakeCents) / 100);
    }
    m_rapportBase->setEnabled(type != nullptr);
    const std::int64_t baseCents = type ? choice.rapportBaseCents(*type) : 0;
    const Result<std::int64_t> shownBase = ParseEuros(ToStd(m_rapportBase->cleanText()));
    if (!shownBase || *shownBase != baseCents) {
        m_rapportBase->setValue(static_cast<double>(baseCents) / 100);
    }
    m_rapportBaseRefusal.reset();
    m_cost = cost;
    showCostFigures();
    showWinnings();
    m_showing = false;
}

void CoutGainsDialog::setArrival(const std::array<std::string, kArrivalPlaces>& places)
{
    for (int i = 0; i < kArrivalPlaces; ++i) {
        m_arrival[static_cast<std::size_t>(i)]->setText(ToQString(places[static_cast<std::size_t>(i)]));
    }
}

void CoutGainsDialog::showChances(const std::optional<Result<TicketChances>>& chances)
{
    m_chances->showChances(chances);
}

void CoutGainsDialog::focusArrival()
{
    m_arrival[0]->setFocus();
    m_arrival[0]->selectAll();
}

void CoutGainsDialog::showCostFigures()
{
    m_lines->setText(m_list ? QString::number(m_list->size()) : QString());
    Say(m_costMessage, QString());
    if (!m_cost) {
        m_units->clear();
        m_total->clear();
        Say(m_costMessage, QStringLiteral("Choisissez un type de jeu."));
        return;
    }
    if (!*m_cost) {
        m_units->clear();
        m_total->clear();
        Say(m_costMessage, ToQString(m_cost->refusal().text()));
        return;
    }
    m_units->setText(ToQString(CostTooltip(**m_cost)));
    m_total->setText(ToQString(FormatEuros((*m_cost)->totalCents)));
}

void CoutGainsDialog::chooseType(int index)
{
    if (m_showing || index < 0) {
        return;
    }
    if (const BetType* type = FindBetType(ToStd(m_type->itemData(index).toString()))) {
        emit betTypeChosen(type);
    }
}

void CoutGainsDialog::readStake()
{
    const BetType* type = m_choice.type();
    if (m_showing || !type) {
        return;
    }
    // The box's own text, read as the player sees it: no binary fraction comes between the euros and the cents.
    const Result<std::int64_t> stake = ParseStake(ToStd(m_stake->cleanText()));
    if (!stake) {
        Say(m_costMessage, ToQString(stake.refusal().text()));
        return;
    }
    emit stakeChosen(type, *stake);
}

void CoutGainsDialog::readRapportBase()
{
    const BetType* type = m_choice.type();
    if (m_showing || !type) {
        return;
    }
    const Result<std::int64_t> base = ParseStake(ToStd(m_rapportBase->cleanText()));
    if (!base) {
        m_rapportBaseRefusal = base.refusal().text();
        showWinnings();
        return;
    }
    emit rapportBaseChosen(type, *base);
}

void CoutGainsDialog::checkArrival()
{
    forgetCheck();
    SavedArrival arrival;
    for (std::size_t i = 0; i < m_arrival.size() && i < arrival.numbers.size(); ++i) {
        arrival.numbers[i] = ToStd(m_arrival[i]->text());
    }
    emit arrivalToCheck(arrival);
}

void CoutGainsDialog::forgetCheck()
{
    m_outcome.reset();
    Say(m_arrivalMessage, QString());
    for (int c = 0; c < kMaxPayClasses; ++c) {
        const auto i = static_cast<std::size_t>(c);
        m_classNames[i]->setVisible(c == 0);
        m_classNames[i]->setText(c == 0 ? QStringLiteral("Tapez l'arrivée puis Vérifier.") : QString());
        m_classCounts[i]->hide();
        m_rapports[i]->hide();
    }
    m_payingCount->clear();
    m_payingLines->clear();
    m_select->setEnabled(false);
    showWinnings();
}

void CoutGainsDialog::showCheck()
{
    const ArrivalOutcome& outcome = *m_outcome;
    for (int c = 0; c < kMaxPayClasses; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const bool shown = i < outcome.classNames.size();
        m_classNames[i]->setVisible(shown);
        m_classCounts[i]->setVisible(shown);
        m_rapports[i]->setVisible(shown);
        if (shown) {
            m_classNames[i]->setText(ToQString(outcome.classNames[i]));
            m_classCounts[i]->setText(QString::number(outcome.classCounts[i]));
            m_rapports[i]->setAccessibleName(QStringLiteral("Rapport %1").arg(ToQString(outcome.classNames[i])));
        }
    }
    m_payingCount->setText(ToQString(ArrivalLines(outcome).back()));
    for (const PayingLine& paying : outcome.paying) {
        auto* item = new QListWidgetItem(ToQString(m_list->line(paying.line)) + QStringLiteral("    ")
            + ToQString(outcome.classNames[static_cast<std::size_t>(paying.classIndex)]));
        item->setData(Qt::UserRole, static_cast<qint64>(paying.line));
        m_payingLines->addItem(item);
    }
    m_select->setEnabled(!outcome.paying.empty());
    showWinnings();
}

void CoutGainsDialog::showWinnings()
{
    m_gains->clear();
    m_net->clear();
    if (m_rapportBaseRefusal) {
        m_gains->setText(QStringLiteral("Rapport pour : ") + ToQString(*m_rapportBaseRefusal));
        return;
    }
    const BetType* type = m_choice.type();
    if (!m_outcome || !type) {
        return;
    }
    std::vector<std::optional<std::int64_t>> rapports;
    for (std::size_t c = 0; c < m_outcome->classNames.size(); ++c) {
        const QString text = m_rapports[c]->text().trimmed();
        if (text.isEmpty()) {
            rapports.emplace_back();
            continue;
        }
        const Result<std::int64_t> rapport = ParseEuros(ToStd(text), kMaxRapportCents);
        if (!rapport) {
            m_gains->setText(QStringLiteral("Rapport %1 : %2")
                                 .arg(ToQString(m_outcome->classNames[c]), ToQString(rapport.refusal().text())));
            return;
        }
        rapports.emplace_back(*rapport);
    }
    if (std::none_of(rapports.begin(), rapports.end(), [](const auto& r) { return r.has_value(); })) {
        m_gains->setText(QStringLiteral("Gains : tapez les rapports."));
        return;
    }
    const std::int64_t costCents = m_cost && *m_cost ? (*m_cost)->totalCents : 0;
    const RapportStakes stakes { m_choice.stakeCents(*type), m_choice.rapportBaseCents(*type) };
    const Result<Winnings> winnings = ComputeWinnings(m_outcome->classCounts, rapports, stakes, costCents);
    if (!winnings) {
        m_gains->setText(ToQString(winnings.refusal().text()));
        return;
    }
    m_gains->setText(QStringLiteral("Gains : ") + ToQString(FormatEuros(winnings->gainsCents))
        + (winnings->rapportMissing ? QStringLiteral(" (rapport manquant)") : QString()));
    m_net->setText(QStringLiteral("Net : ") + ToQString(FormatEuros(winnings->netCents)));
}

void CoutGainsDialog::selectPayingLine()
{
    if (!m_outcome || m_outcome->paying.empty()) {
        return;
    }
    const QListWidgetItem* picked = m_payingLines->currentItem();
    emit lineToSelect(
        picked ? picked->data(Qt::UserRole).toLongLong() : static_cast<qint64>(m_outcome->paying.front().line));
}

} // namespace ornal
