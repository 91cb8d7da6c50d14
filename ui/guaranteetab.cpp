#include "ui/guaranteetab.h"

#include "betting/arrivalweight.h"
#include "betting/bettype.h"
#include "betting/chancetexts.h"
#include "betting/ticketchances.h"
#include "engine/allocation.h"
#include "engine/inputlimits.h"
#include "reduction/reductiontexts.h"
#include "ui/linebudgetbox.h"
#include "ui/qtbridge.h"
#include "ui/searchtexts.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <utility>

namespace ornal {

namespace {

template <typename Control> Control* Named(Control* control, const char* name, const char* tip, const char* spoken)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setToolTip(QString::fromUtf8(tip));
    control->setAccessibleName(QString::fromUtf8(spoken));
    return control;
}

QLabel* WrappingLabel(QWidget* parent, const char* name, const char* tip, const char* spoken)
{
    auto* label = Named(new QLabel(parent), name, tip, spoken);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

GuaranteeTab::GuaranteeTab(GuaranteeAccess game, QWidget* parent)
    : ReduceTab(parent)
    , m_game(std::move(game))
    , m_job([this](const ReductionProgress& progress) { showProgress(progress); },
          [this](const ReductionOutcome& outcome) { finish(outcome); })
{
    setObjectName(QStringLiteral("GarantieTab"));
    setAccessibleName(QStringLiteral("Réduction garantie"));
    buildControls();
    showOffers();
    enableControls();
}

GuaranteeTab::~GuaranteeTab()
{
    // m_job goes first and joins its thread; nothing is applied on the way out. Children emit signals while they are
    // destroyed, after this part of the tab is gone: their handlers must not run.
    m_applyWhenDone = false;
    for (QObject* child : findChildren<QObject*>()) {
        disconnect(child, nullptr, this, nullptr);
    }
}

void GuaranteeTab::buildControls()
{
    m_choices = Named(new QGroupBox(QStringLiteral("Garantie à tenir"), this), "GarantiesOffertes",
        "Les garanties du type de jeu, ou une autre", "Garantie à tenir");
    m_choiceGroup = new QButtonGroup(this);
    auto* choices = new QVBoxLayout(m_choices);

    // One button for each guarantee a bet type may offer, made here so that the keyboard meets them before "Autre
    // garantie"; those a type does not use stay hidden.
    std::size_t mostOffers = 0;
    for (const BetType& type : BetTypes()) {
        const Result<std::vector<OfferedGuarantee>> offers = OfferedGuarantees(type.id);
        mostOffers = std::max(mostOffers, offers ? offers->size() : 0);
    }
    for (std::size_t i = 0; i < mostOffers; ++i) {
        const std::string name = "Garantie_" + std::to_string(i);
        auto* button = Named(new QRadioButton(m_choices), name.c_str(),
            "Garder le moins de lignes possible en tenant cette garantie", "Garantie offerte");
        button->hide();
        choices->addWidget(button);
        m_choiceGroup->addButton(button);
        m_offerButtons.push_back(button);
    }
    m_other = Named(new QRadioButton(QStringLiteral("A&utre garantie :"), m_choices), "GarantieAutre",
        "Choisir vous-même le nombre de premiers et combien d'entre eux une ligne doit contenir", "Autre garantie");
    m_finishers = Named(new QSpinBox(m_choices), "PremiersAutre",
        "P : le nombre de premiers de l'arrivée qui doivent être dans votre jeu", "Nombre de premiers");
    m_finishers->setRange(1, kMostFinishers);
    m_inLine = Named(new QSpinBox(m_choices), "DansLigneAutre",
        "T : combien de ces premiers une ligne gardée doit contenir", "Premiers tenus dans une ligne");
    m_inLine->setRange(1, kMostInLine);
    m_choiceGroup->addButton(m_other);
    auto* other = new QHBoxLayout;
    other->addWidget(m_other);
    other->addWidget(m_finishers);
    other->addWidget(Named(new QLabel(QStringLiteral("premiers,"), m_choices), "LibellePremiers",
        "P : le nombre de premiers", "premiers"));
    other->addWidget(m_inLine);
    other->addWidget(Named(new QLabel(QStringLiteral("dans une ligne"), m_choices), "LibelleDansLigne",
        "T : combien de ces premiers une ligne contient", "dans une ligne"));
    other->addStretch();
    choices->addLayout(other);
    m_otherRule
        = WrappingLabel(m_choices, "RegleAutre", "Ce que promet l'autre garantie", "Ce que promet l'autre garantie");
    m_otherRule->setIndent(24);
    choices->addWidget(m_otherRule);

    m_refusal = WrappingLabel(this, "RefusGarantie", "Pourquoi ce jeu ne se réduit pas", "Réduction impossible");
    m_budget = new LineBudgetBox(m_game.stakeCents, this);

    m_seconds = Named(new QSpinBox(this), "TempsRecherche",
        "Le temps laissé à la recherche, en secondes : la meilleure réduction trouvée dans ce temps est gardée",
        "Temps de recherche en secondes");
    m_seconds->setRange(1, kMostReductionSeconds);
    m_seconds->setValue(kDefaultReductionSeconds);
    m_seconds->setSuffix(QStringLiteral(" s"));
    auto* secondsLabel = Named(new QLabel(QStringLiteral("&Temps de recherche :"), this), "LibelleTemps",
        "Le temps laissé à la recherche (Alt+T)", "Temps de recherche");
    secondsLabel->setBuddy(m_seconds);
    m_reduce = Named(new QPushButton(QStringLiteral("&Réduire"), this), "Reduire",
        "Chercher la réduction la plus courte qui tient la garantie (Alt+R)", "Réduire");
    m_stop = Named(new QPushButton(QStringLiteral("&Arrêter"), this), "Arreter",
        "Arrêter la recherche en gardant la meilleure réduction trouvée (Alt+A)", "Arrêter");
    for (QPushButton* button : { m_reduce, m_stop }) {
        // Enter belongs to the dialog's Appliquer; Space presses a focused button.
        button->setAutoDefault(false);
    }
    auto* run = new QHBoxLayout;
    run->addWidget(secondsLabel);
    run->addWidget(m_seconds);
    run->addStretch();
    run->addWidget(m_reduce);
    run->addWidget(m_stop);

    m_clock = Named(new QProgressBar(this), "TempsEcoule", "Le temps de recherche écoulé", "Temps de recherche écoulé");
    m_clock->setTextVisible(false);
    m_clock->setRange(0, 1);
    m_clock->setValue(0);
    m_state = WrappingLabel(this, "EtatRecherche", "Où en est la recherche", "État de la recherche");
    m_answer = WrappingLabel(this, "ReponseReduction", "Ce que garde la réduction", "Résultat de la réduction");
    QFont bold = m_answer->font();
    bold.setBold(true);
    m_answer->setFont(bold);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choices);
    layout->addWidget(m_budget);
    layout->addWidget(m_refusal);
    layout->addLayout(run);
    layout->addWidget(m_clock);
    layout->addWidget(m_state);
    layout->addWidget(m_answer);
    layout->addStretch();

    connect(m_choiceGroup, &QButtonGroup::buttonToggled, this, [this](QAbstractButton* button, bool checked) {
        if (checked) {
            chooseOther(button == m_other);
        }
    });
    for (QSpinBox* box : { m_finishers, m_inLine }) {
        connect(box, &QSpinBox::valueChanged, this, [this] { choiceChanged(); });
    }
    connect(m_budget, &LineBudgetBox::changed, this, [this] { choiceChanged(); });
    connect(m_reduce, &QPushButton::clicked, this, [this] { reduce(); });
    connect(m_stop, &QPushButton::clicked, this, [this] { stop(); });
}

void GuaranteeTab::showOffers()
{
    const std::string id = m_game.betTypeId ? m_game.betTypeId() : std::string();
    if (m_betTypeId == id) {
        return;
    }
    m_betTypeId = id;
    Result<std::vector<OfferedGuarantee>> offer = id.empty()
        ? Refusal::Saying("Aucun type de jeu : choisissez la taille du jeu avant de réduire.", MessageIcon::Information)
        : OfferedGuarantees(id);
    m_offers = offer ? std::move(offer).value() : std::vector<OfferedGuarantee> {};
    m_offers.resize(std::min(m_offers.size(), m_offerButtons.size()));
    m_offered = offer.ok();
    m_refusal->setText(offer ? QString() : ToQString(offer.refusal().text()));
    m_refusal->setVisible(!offer.ok());
    for (std::size_t i = 0; i < m_offerButtons.size(); ++i) {
        QRadioButton* button = m_offerButtons[i];
        const QString sentence = i < m_offers.size() ? ToQString(m_offers[i].sentence) : QString();
        button->setText(sentence);
        button->setAccessibleName(sentence);
        button->setVisible(i < m_offers.size());
    }
    const Guarantee first = m_offers.empty() ? Guarantee { 3, 3 } : m_offers.front().guarantee;
    {
        const QSignalBlocker blockP(m_finishers);
        const QSignalBlocker blockT(m_inLine);
        m_finishers->setValue(first.finishers);
        m_inLine->setValue(first.inLine);
    }
    (m_offers.empty() ? m_other : m_offerButtons.front())->setChecked(true);
    chooseOther(m_offers.empty());
}

void GuaranteeTab::chooseOther(bool other)
{
    m_finishers->setEnabled(other);
    m_inLine->setEnabled(other);
    m_otherRule->setVisible(other);
    choiceChanged();
}

void GuaranteeTab::choiceChanged()
{
    const Guarantee other { m_finishers->value(), m_inLine->value() };
    const std::string rule = GuaranteeRule(other);
    m_otherRule->setText(ToQString("Garantie : " + rule));
    // A reduction shown for another guarantee or another number of lines would be applied by mistake.
    const Result<std::uint64_t> budget = m_budget->chosen();
    if (!searching() && m_reduction
        && (m_reduction->inputs.guarantee != chosenGuarantee()
            || m_reduction->inputs.lineBudget != (budget ? *budget : 0))) {
        m_reduction.reset();
        m_state->clear();
        m_answer->clear();
    }
}

Guarantee GuaranteeTab::chosenGuarantee() const
{
    for (std::size_t i = 0; i < m_offers.size(); ++i) {
        if (m_offerButtons[i]->isChecked()) {
            return m_offers[i].guarantee;
        }
    }
    return Guarantee { m_finishers->value(), m_inLine->value() };
}

void GuaranteeTab::prepare()
{
    if (searching()) {
        return; // the search keeps the inputs it started with
    }
    showOffers();
    showSavedGuarantee();
    m_budget->refresh(); // the stake may have changed
    if (m_reduction && !reductionIsCurrent()) {
        m_reduction.reset();
        m_state->clear();
        m_answer->clear();
        m_clock->setValue(0);
    }
    enableControls();
}

void GuaranteeTab::reduce()
{
    if (searching() || !m_offered) {
        return;
    }
    const Result<std::uint64_t> budget = m_budget->chosen();
    if (!budget) {
        m_applyWhenDone = false;
        m_reduction.reset();
        m_answer->clear();
        m_state->setText(ToQString(budget.refusal().text()));
        return;
    }
    // The search reads its own copy of the lines while the player may change the window's.
    std::optional<std::shared_ptr<const CombinationList>> lines
        = TryAllocating([this] { return std::make_shared<const CombinationList>(m_game.list()); });
    if (!lines) {
        m_state->setText(ToQString(text::kOutOfMemory));
        return;
    }
    Inputs inputs { std::move(*lines), m_game.horses(), m_game.bases(), chosenGuarantee(), *budget, {} };
    const BetType* type = FindBetType(m_game.betTypeId ? m_game.betTypeId() : std::string());
    if (inputs.lineBudget > 0 && type && m_game.runners) {
        inputs.runners = m_game.runners();
    }
    if (!inputs.runners.empty()) {
        // A horse without odds would weigh nothing: the odds must cover the prediction before the search.
        const Result<TicketChances> check = ComputeTicketChances(*inputs.list, *type, inputs.runners, inputs.horses);
        if (!check) {
            m_applyWhenDone = false;
            m_reduction.reset();
            m_answer->clear();
            m_state->setText(ToQString(check.refusal().text()));
            return;
        }
    }
    ReductionRequest request;
    if (!inputs.runners.empty()) {
        request.arrivalWeight = FirstPlacesWeight(inputs.runners);
    }
    request.horses = inputs.horses;
    request.bases = inputs.bases;
    request.guarantee = inputs.guarantee;
    request.lineBudget = inputs.lineBudget;
    request.timeLimit = std::chrono::seconds(m_seconds->value());
    request.maxThreads = 0;
    request.seed = ++m_runs;
    m_reduction.reset();
    m_answer->clear();
    if (!m_job.start(inputs.list, std::move(request))) {
        m_applyWhenDone = false;
        m_state->setText(QStringLiteral("La recherche n'a pas pu démarrer : le système refuse un fil de plus."));
        return;
    }
    m_running = std::move(inputs);
    m_clock->setRange(0, m_seconds->value() * 1000);
    m_clock->setValue(0);
    m_state->setText(QStringLiteral("Recherche en cours..."));
    const bool hadFocus = m_reduce->hasFocus();
    enableControls();
    if (hadFocus) {
        m_stop->setFocus();
    }
}

void GuaranteeTab::stop()
{
    m_job.stop();
}

void GuaranteeTab::cancel()
{
    m_applyWhenDone = false;
    m_job.stop();
}

bool GuaranteeTab::apply()
{
    if (searching()) {
        m_applyWhenDone = true;
        m_job.stop();
        return false;
    }
    if (reductionIsCurrent()) {
        return applyReduction();
    }
    if (!m_offered) {
        return false;
    }
    m_applyWhenDone = true;
    reduce();
    if (searching()) {
        m_state->setText(QStringLiteral("Recherche en cours ; la réduction sera appliquée à la fin."));
    }
    return false;
}

void GuaranteeTab::hideEvent(QHideEvent* event)
{
    // Leaving for the other tab keeps the search going; closing the dialog stops it.
    if (!window()->isVisible()) {
        m_applyWhenDone = false;
        m_job.stop();
    }
    ReduceTab::hideEvent(event);
}

void GuaranteeTab::showProgress(const ReductionProgress& progress)
{
    m_clock->setValue(static_cast<int>(std::min<std::int64_t>(progress.elapsed.count(), m_clock->maximum())));
    m_state->setText(ToQString(m_weighted ? ComparisonProgressText(progress) : SearchProgressText(progress)));
}

void GuaranteeTab::finish(const ReductionOutcome& outcome)
{
    std::optional<Inputs> inputs = std::exchange(m_running, std::nullopt);
    m_clock->setValue(m_clock->maximum());
    if (std::optional<Reduction> weighted = std::exchange(m_weighted, std::nullopt)) {
        // A comparison stopped before its time would be compared at a disadvantage: then none is given.
        std::optional<double> withoutOdds;
        const BetType* type = FindBetType(m_game.betTypeId ? m_game.betTypeId() : std::string());
        if (outcome.ok() && !outcome->stoppedEarly && type) {
            const Inputs& used = weighted->inputs;
            const Result<TicketChances> unweighted
                = ComputeTicketChances(KeptLines(*used.list, outcome->kept), *type, used.runners, used.horses);
            withoutOdds = unweighted ? unweighted->gain : 0;
        }
        showReduction(std::move(*weighted), withoutOdds, std::exchange(m_applyWhenDone, false));
        return;
    }
    if (!outcome.ok() || !inputs) {
        m_applyWhenDone = false;
        m_state->clear();
        m_answer->setText(!outcome.ok() ? ToQString(outcome.refusal().text()) : QString());
        enableControls();
        return;
    }
    const ReductionResult& result = *outcome;
    const BetType* type = FindBetType(m_game.betTypeId ? m_game.betTypeId() : std::string());
    if (result.partial && !inputs->runners.empty() && type && !result.stoppedEarly && !m_applyWhenDone
        && startComparison(*inputs, result)) {
        return;
    }
    showReduction(Reduction { std::move(*inputs), result }, std::nullopt, std::exchange(m_applyWhenDone, false));
}

bool GuaranteeTab::startComparison(const Inputs& inputs, const ReductionResult& weighted)
{
    ReductionRequest request;
    request.horses = inputs.horses;
    request.bases = inputs.bases;
    request.guarantee = inputs.guarantee;
    request.lineBudget = weighted.kept.size();
    request.timeLimit = std::chrono::seconds(m_seconds->value());
    request.maxThreads = 0;
    request.seed = m_runs;
    if (!m_job.start(inputs.list, std::move(request))) {
        return false;
    }
    m_weighted = Reduction { inputs, weighted };
    m_running = inputs;
    m_clock->setValue(0);
    m_state->setText(ToQString(ComparisonProgressText({})));
    return true;
}

void GuaranteeTab::showReduction(Reduction reduction, std::optional<double> withoutOdds, bool applyNow)
{
    const ReductionResult& result = reduction.result;
    m_state->setText(ToQString(SearchEndText(result)));
    std::string answer = result.partial
        ? BudgetAnswer(result.listSize, result.kept.size(), result.met, result.promised)
        : ReductionAnswer(result.listSize, result.kept.size(), result.met, result.promised);
    const BetType* type = FindBetType(m_game.betTypeId ? m_game.betTypeId() : std::string());
    const Inputs& inputs = reduction.inputs;
    if (result.partial && !inputs.runners.empty() && type) {
        const Result<TicketChances> found
            = ComputeTicketChances(KeptLines(*inputs.list, result.kept), *type, inputs.runners, inputs.horses);
        const TicketChances chances = found ? *found : TicketChances {};
        answer += "\n" + (withoutOdds ? WeightedGainLine(chances.gain, *withoutOdds) : GainChanceLine(chances));
    }
    if (result.outside > 0) {
        answer += "\n" + OutsideLine(result.outside);
    }
    m_answer->setText(ToQString(answer));
    m_reduction = std::move(reduction);
    enableControls();
    if (applyNow && reductionIsCurrent() && applyReduction()) {
        if (auto* dialog = qobject_cast<QDialog*>(window())) {
            dialog->accept();
        }
    }
}

bool GuaranteeTab::reductionIsCurrent() const
{
    const Result<std::uint64_t> budget = m_budget->chosen();
    return m_reduction && m_reduction->inputs.guarantee == chosenGuarantee() && budget
        && m_reduction->inputs.lineBudget == *budget && m_reduction->inputs.horses == m_game.horses()
        && m_reduction->inputs.bases == m_game.bases() && *m_reduction->inputs.list == m_game.list();
}

bool GuaranteeTab::applyReduction()
{
    // Every line kept: the list stays as it is, with no change for the history to record.
    if (m_reduction->result.kept.size() < m_reduction->inputs.list->size()) {
        const bool applied = TryAllocating([this] {
            m_game.replaceList(KeptLines(*m_reduction->inputs.list, m_reduction->result.kept));
            return true;
        }).has_value();
        if (!applied) {
            m_state->setText(ToQString(text::kOutOfMemory));
            return false;
        }
    }
    m_reduction.reset();
    keepGuaranteeInGame();
    return true;
}

void GuaranteeTab::enableControls()
{
    const bool running = searching();
    m_choices->setVisible(m_offered);
    m_choices->setEnabled(!running);
    m_budget->setVisible(m_offered);
    m_budget->setEnabled(!running);
    m_seconds->setEnabled(m_offered && !running);
    m_reduce->setEnabled(m_offered && !running);
    m_stop->setEnabled(running);
}

} // namespace ornal
