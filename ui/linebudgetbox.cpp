#include "ui/linebudgetbox.h"

#include "betting/money.h"
#include "engine/groupednumber.h"
#include "ui/qtbridge.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <cmath>
#include <string>

namespace ornal {

namespace {

// More lines than any list of 20 horses holds: C(20, 10) = 184 756.
constexpr int kMostLines = 200000;

template <typename Control> Control* Named(Control* control, const char* name, const char* tip, const char* spoken)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setToolTip(QString::fromUtf8(tip));
    control->setAccessibleName(QString::fromUtf8(spoken));
    return control;
}

} // namespace

LineBudgetBox::LineBudgetBox(std::function<std::int64_t()> stakeCents, QWidget* parent)
    : QGroupBox(QStringLiteral("Lignes gardées"), parent)
    , m_stakeCents(std::move(stakeCents))
{
    setObjectName(QStringLiteral("LignesGardees"));
    setToolTip(QStringLiteral("Tenir toute la garantie, ou garder un nombre de lignes choisi"));
    setAccessibleName(QStringLiteral("Lignes gardées"));
    m_full = Named(new QRadioButton(QStringLiteral("Garantie &entière : le moins de lignes possible"), this),
        "GarantieEntiere", "Garder le moins de lignes possible en tenant toutes les arrivées", "Garantie entière");
    m_count = Named(new QRadioButton(QStringLiteral("&Nombre de lignes :"), this), "NombreDeLignes",
        "Garder ce nombre de lignes, celles qui tiennent le plus d'arrivées", "Nombre de lignes");
    m_budget = Named(new QRadioButton(QStringLiteral("&Budget :"), this), "Budget",
        "Garder autant de lignes que le budget en paie à la mise du type de jeu, celles qui tiennent le plus "
        "d'arrivées",
        "Budget");
    m_lines = Named(new QSpinBox(this), "LignesVoulues", "Le nombre de lignes à garder", "Lignes à garder");
    m_lines->setRange(1, kMostLines);
    m_lines->setValue(50);
    m_euros = Named(new QDoubleSpinBox(this), "BudgetEuros", "Le budget en euros", "Budget en euros");
    m_euros->setLocale(QLocale(QLocale::French, QLocale::France));
    m_euros->setDecimals(2);
    m_euros->setRange(0, static_cast<double>(kMaxAmountCents / 100));
    m_euros->setValue(100);
    m_euros->setSuffix(QStringLiteral(" €"));
    m_euros->setGroupSeparatorShown(false);
    m_price = Named(new QLabel(this), "PrixBudget", "Les lignes que le budget paie", "Lignes payées par le budget");
    m_price->setWordWrap(true);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : { m_full, m_count, m_budget }) {
        group->addButton(button);
    }
    m_full->setChecked(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_full, 0, 0, 1, 3);
    layout->addWidget(m_count, 1, 0);
    layout->addWidget(m_lines, 1, 1);
    layout->addWidget(m_budget, 2, 0);
    layout->addWidget(m_euros, 2, 1);
    layout->addWidget(m_price, 2, 2);
    layout->setColumnStretch(2, 1);

    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool checked) {
        if (checked) {
            choiceChanged();
        }
    });
    connect(m_lines, &QSpinBox::valueChanged, this, [this] { choiceChanged(); });
    connect(m_euros, &QDoubleSpinBox::valueChanged, this, [this] { choiceChanged(); });
    refresh();
}

Result<std::uint64_t> LineBudgetBox::chosen() const
{
    if (m_count->isChecked()) {
        return LinesAsked(static_cast<std::uint64_t>(m_lines->value()));
    }
    if (m_budget->isChecked()) {
        const auto cents = static_cast<std::int64_t>(std::llround(m_euros->value() * 100));
        return LinesOfBudget(cents, m_stakeCents ? m_stakeCents() : 0);
    }
    return std::uint64_t { 0 };
}

void LineBudgetBox::refresh()
{
    m_lines->setEnabled(m_count->isChecked());
    m_euros->setEnabled(m_budget->isChecked());
    if (!m_budget->isChecked()) {
        m_price->clear();
        return;
    }
    const Result<std::uint64_t> budget = chosen();
    const std::int64_t stake = m_stakeCents ? m_stakeCents() : 0;
    m_price->setText(ToQString(!budget
            ? budget.refusal().text()
            : GroupedNumber(*budget) + (*budget > 1 ? " lignes" : " ligne") + " à " + FormatEuros(stake)));
}

void LineBudgetBox::saveInto(SavedGuarantee& guarantee) const
{
    guarantee.lines.reset();
    guarantee.budgetCents.reset();
    guarantee.extent = SavedGuarantee::Extent::Full;
    if (m_count->isChecked()) {
        guarantee.extent = SavedGuarantee::Extent::Lines;
        guarantee.lines = static_cast<std::uint64_t>(m_lines->value());
    } else if (m_budget->isChecked()) {
        guarantee.extent = SavedGuarantee::Extent::Budget;
        guarantee.budgetCents = static_cast<std::int64_t>(std::llround(m_euros->value() * 100));
    }
}

void LineBudgetBox::show(const SavedGuarantee& guarantee)
{
    switch (guarantee.extent) {
    case SavedGuarantee::Extent::Full:
        m_full->setChecked(true);
        break;
    case SavedGuarantee::Extent::Lines:
        m_count->setChecked(true);
        break;
    case SavedGuarantee::Extent::Budget:
        m_budget->setChecked(true);
        break;
    }
    if (guarantee.lines) {
        m_lines->setValue(static_cast<int>(std::min<std::uint64_t>(*guarantee.lines, kMostLines)));
    }
    if (guarantee.budgetCents) {
        m_euros->setValue(static_cast<double>(*guarantee.budgetCents) / 100);
    }
    refresh();
}

void LineBudgetBox::choiceChanged()
{
    refresh();
    emit changed();
}

} // namespace ornal
