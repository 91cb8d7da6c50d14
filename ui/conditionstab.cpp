#include "ui/conditionstab.h"

#include "betting/betcost.h"
#include "betting/oddsgroups.h"
#include "engine/inputlimits.h"
#include "engine/numericvalue.h"
#include "listops/conditions.h"
#include "ui/qtbridge.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ornal {

namespace {

constexpr int kNumbersPerRow = 10;

QString Name(const char* base, int rank)
{
    return QString::fromLatin1(base).arg(rank + 1);
}

QLabel* Heading(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QSpinBox* SpinBox(QWidget* parent, const QString& name, const QString& accessible, const QString& tip, int limit)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setAccessibleName(accessible);
    spin->setToolTip(tip);
    spin->setRange(0, limit);
    return spin;
}

} // namespace

ConditionsTab::ConditionsTab(GameAccess game, QWidget* parent)
    : ReduceTab(parent)
    , m_game(std::move(game))
    , m_countTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("ConditionsOnglet"));
    setAccessibleName(QStringLiteral("Conditions"));
    setToolTip(QStringLiteral("Ne garder que les combinaisons qui remplissent ces conditions"));

    auto* groups = new QGridLayout;
    buildGroups(groups);
    QLayout* odds = buildOddsRow();
    auto* bounds = new QGridLayout;
    buildBounds(bounds);

    m_remaining = new QLabel(this);
    m_remaining->setObjectName(QStringLiteral("CombinaisonsRestantes"));
    m_remaining->setAccessibleName(QStringLiteral("Combinaisons restantes"));
    m_remaining->setToolTip(QStringLiteral("Combinaisons de la liste qui remplissent toutes les conditions choisies"));
    QFont bold = m_remaining->font();
    bold.setBold(true);
    m_remaining->setFont(bold);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("ConditionsProbleme"));
    m_problem->setAccessibleName(QStringLiteral("Ce qui empêche d'appliquer les conditions"));
    m_problem->setToolTip(QStringLiteral("Ce qu'il faut corriger avant d'appliquer les conditions"));
    m_problem->setWordWrap(true);
    QPalette red = m_problem->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_problem->setPalette(red);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(odds);
    layout->addSpacing(8);
    layout->addLayout(bounds);
    layout->addSpacing(8);
    layout->addWidget(m_remaining);
    layout->addWidget(m_problem);
    layout->addStretch();

    // A ticked number must stand out at a glance, whatever the desktop's style.
    setStyleSheet(QStringLiteral("QToolButton:checked { background: #1f5fa8; color: white; font-weight: bold; "
                                 "border: 1px solid #123a66; border-radius: 3px; } "
                                 "QToolButton:checked:focus { border: 2px solid #f0a000; }"));

    // Changes come in bursts (a spin box held down, settings shown at once): one count per burst is enough, and
    // a count takes a few milliseconds at most, so the window's thread keeps up.
    m_countTimer->setSingleShot(true);
    m_countTimer->setInterval(0);
    connect(m_countTimer, &QTimer::timeout, this, [this] { showCount(); });
}

void ConditionsTab::buildGroups(QGridLayout* grid)
{
    grid->addWidget(Heading(this, "TitreNomGroupe", QStringLiteral("Groupe")), 0, 0);
    grid->addWidget(Heading(this, "TitreNumeros", QStringLiteral("Numéros du pronostic")), 0, 1);
    grid->addWidget(Heading(this, "TitreAuMoins", QStringLiteral("Au moins")), 0, 2);
    grid->addWidget(Heading(this, "TitreAuPlus", QStringLiteral("Au plus")), 0, 3);
    for (int g = 0; g < kMaxGroupCount; ++g) {
        GroupRow& row = m_groups[static_cast<std::size_t>(g)];
        row.name = new QLineEdit(this);
        row.name->setObjectName(Name("NomGroupe%1", g));
        row.name->setAccessibleName(Name("Nom du groupe %1", g));
        row.name->setToolTip(QStringLiteral("Nom du groupe, repris dans les messages"));
        row.name->setMaxLength(40);
        row.name->setMinimumWidth(110);
        row.name->setMaximumWidth(150);
        grid->addWidget(row.name, g + 1, 0);

        auto* numbers = new QWidget(this);
        numbers->setObjectName(Name("NumerosGroupe%1", g));
        auto* numberGrid = new QGridLayout(numbers);
        numberGrid->setContentsMargins(0, 0, 0, 0);
        numberGrid->setSpacing(2);
        for (int i = 0; i < kNumberBoxCount; ++i) {
            auto* button = new QToolButton(numbers);
            button->setCheckable(true);
            button->setFixedSize(30, 24);
            button->hide();
            connect(button, &QToolButton::toggled, this, [this] { scheduleCount(); });
            numberGrid->addWidget(button, i / kNumbersPerRow, i % kNumbersPerRow);
            row.numbers[static_cast<std::size_t>(i)] = button;
        }
        grid->addWidget(numbers, g + 1, 1, Qt::AlignLeft);

        row.atLeast = SpinBox(this, Name("Groupe%1AuMoins", g), Name("Groupe %1, au moins", g),
            QStringLiteral("Nombre minimum de numéros du groupe dans chaque combinaison"), kMaxLineSize);
        row.atMost = SpinBox(this, Name("Groupe%1AuPlus", g), Name("Groupe %1, au plus", g),
            QStringLiteral("Nombre maximum de numéros du groupe dans chaque combinaison"), kMaxLineSize);
        for (QSpinBox* spin : { row.atLeast, row.atMost }) {
            connect(spin, &QSpinBox::valueChanged, this, [this] { scheduleCount(); });
        }
        grid->addWidget(row.atLeast, g + 1, 2);
        grid->addWidget(row.atMost, g + 1, 3);
    }
}

ConditionsTab::BoundsRow ConditionsTab::boundsRow(QGridLayout* grid, int row, const char* name, const QString& caption,
    const QString& tip, int limit, bool withMinimum)
{
    const QString base = QString::fromLatin1(name);
    BoundsRow bounds;
    bounds.on = new QCheckBox(caption, this);
    bounds.on->setObjectName(base + QStringLiteral("Active"));
    bounds.on->setAccessibleName(caption);
    bounds.on->setToolTip(tip);
    grid->addWidget(bounds.on, row, 0);
    if (withMinimum) {
        bounds.minimum = SpinBox(this, base + QStringLiteral("Min"), caption + QStringLiteral(", minimum"),
            QStringLiteral("Valeur minimale : ") + caption.toLower(), limit);
        grid->addWidget(new QLabel(QStringLiteral("de"), this), row, 1, Qt::AlignRight);
        grid->addWidget(bounds.minimum, row, 2);
    }
    bounds.maximum = SpinBox(this, base + QStringLiteral("Max"), caption + QStringLiteral(", maximum"),
        QStringLiteral("Valeur maximale : ") + caption.toLower(), limit);
    grid->addWidget(
        new QLabel(withMinimum ? QStringLiteral("à") : QStringLiteral("au plus"), this), row, 3, Qt::AlignRight);
    grid->addWidget(bounds.maximum, row, 4);
    connect(bounds.on, &QCheckBox::toggled, this, [this, bounds](bool on) {
        for (QSpinBox* spin : { bounds.minimum, bounds.maximum }) {
            if (spin) {
                spin->setEnabled(on);
            }
        }
        scheduleCount();
    });
    for (QSpinBox* spin : { bounds.minimum, bounds.maximum }) {
        if (spin) {
            connect(spin, &QSpinBox::valueChanged, this, [this] { scheduleCount(); });
        }
    }
    return bounds;
}

QLayout* ConditionsTab::buildOddsRow()
{
    m_groupByOdds = new QPushButton(QStringLiteral("Grouper selon les &cotes"), this);
    m_groupByOdds->setObjectName(QStringLiteral("GrouperCotes"));
    m_groupByOdds->setAccessibleName(QStringLiteral("Grouper selon les cotes"));
    m_groupByOdds->setToolTip(QStringLiteral("Mettre les chevaux du pronostic dans les groupes Favoris, Outsiders "
                                             "et Tocards selon leur cote (Partants et cotes, Ctrl+K)"));
    m_groupByOdds->setAutoDefault(false);
    connect(m_groupByOdds, &QPushButton::clicked, this, [this] { groupByOdds(); });
    const auto threshold = [this](const char* name, const QString& accessible, const QString& tip, double value) {
        auto* spin = new QDoubleSpinBox(this);
        spin->setObjectName(QString::fromLatin1(name));
        spin->setAccessibleName(accessible);
        spin->setToolTip(tip);
        spin->setLocale(QLocale(QLocale::French, QLocale::France));
        spin->setDecimals(1);
        spin->setRange(kLowestOddsThreshold, kHighestOddsThreshold);
        spin->setSingleStep(0.5);
        spin->setValue(value);
        return spin;
    };
    m_favouriteOdds = threshold("SeuilFavoris", QStringLiteral("Cote la plus haute d'un favori"),
        QStringLiteral("Un favori a une cote jusqu'à celle-ci"), kDefaultFavouriteOdds);
    m_outsiderOdds = threshold("SeuilOutsiders", QStringLiteral("Cote la plus haute d'un outsider"),
        QStringLiteral("Un outsider a une cote au-dessus de celle des favoris, jusqu'à celle-ci ; au-delà, un tocard"),
        kDefaultOutsiderOdds);
    for (QDoubleSpinBox* spin : { m_favouriteOdds, m_outsiderOdds }) {
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this] {
            if (m_game.keepOddsThresholds) {
                m_game.keepOddsThresholds(OddsThresholds { m_favouriteOdds->value(), m_outsiderOdds->value() });
            }
        });
    }
    auto* row = new QHBoxLayout;
    row->addWidget(m_groupByOdds);
    auto* favourites = new QLabel(QStringLiteral("&Favoris jusqu'à"), this);
    favourites->setBuddy(m_favouriteOdds);
    row->addWidget(favourites);
    row->addWidget(m_favouriteOdds);
    auto* outsiders = new QLabel(QStringLiteral("&Outsiders jusqu'à"), this);
    outsiders->setBuddy(m_outsiderOdds);
    row->addWidget(outsiders);
    row->addWidget(m_outsiderOdds);
    row->addStretch();
    return row;
}

void ConditionsTab::groupByOdds()
{
    std::vector<double> horses;
    for (const PredictionNumber& number : m_prediction) {
        horses.push_back(number.value);
    }
    const std::vector<Runner> runners = m_game.runners ? m_game.runners() : std::vector<Runner> {};
    const Result<OddsGroups> groups = GroupByOdds(runners, horses, m_favouriteOdds->value(), m_outsiderOdds->value());
    if (!groups) {
        m_game.showMessage(groups.refusal().message);
        return;
    }
    ConditionsSettings settings = shownSettings();
    const CombinationList& list = m_game.list();
    const int lineSize = list.empty() ? kMaxLineSize : LineSize(list.line(0));
    for (std::size_t g = 0; g < groups->groups.size(); ++g) {
        // Every count allowed at first: grouping sorts the horses, the player then says how many of each to keep.
        GroupSetting& group = settings.groups[g];
        group.name = std::string(kOddsGroupNames[g]);
        group.numbers = groups->groups[g];
        group.atLeast = 0;
        group.atMost = lineSize;
    }
    showSettings(settings);
    scheduleCount();
}

void ConditionsTab::buildBounds(QGridLayout* grid)
{
    m_sum = boundsRow(grid, 0, "Somme", QStringLiteral("Somme des numéros"),
        QStringLiteral("Borner la somme des numéros de chaque combinaison"), kMaxConditionSum, true);
    m_even = boundsRow(grid, 1, "Pairs", QStringLiteral("Numéros pairs"),
        QStringLiteral("Borner le nombre de numéros pairs de chaque combinaison"), kMaxLineSize, true);
    m_run = boundsRow(grid, 2, "Suite", QStringLiteral("Plus longue suite"),
        QStringLiteral("Borner la plus longue suite de numéros consécutifs (4, 5, 6 forment une suite de 3)"),
        kMaxLineSize, false);
    m_run.maximum->setMinimum(1);
    grid->setColumnStretch(5, 1);
}

void ConditionsTab::prepare()
{
    // The thresholds are the game's: a game opened since brings its own. Showing them is no change of the player's.
    if (m_game.oddsThresholds) {
        const OddsThresholds thresholds = m_game.oddsThresholds();
        const QSignalBlocker favourites(m_favouriteOdds);
        const QSignalBlocker outsiders(m_outsiderOdds);
        m_favouriteOdds->setValue(thresholds.favourites);
        m_outsiderOdds->setValue(thresholds.outsiders);
        // The boxes hold one decimal: a file's finer threshold is the one they round it to, for the grouping and
        // for the game saved next.
        const OddsThresholds shown { m_favouriteOdds->value(), m_outsiderOdds->value() };
        if (!(shown == thresholds) && m_game.keepOddsThresholds) {
            m_game.keepOddsThresholds(shown);
        }
    }
    if (m_game.conditions) {
        LineConditions held = m_game.conditions();
        if (held != m_keptForGame) {
            m_kept = ConditionsSettings::Showing(held);
            m_keptForGame = std::move(held);
        }
    }
    m_prediction.clear();
    std::vector<double> values;
    for (const std::string& box : m_game.prediction()) {
        const std::string_view text = TrimSpaces(box);
        if (text.empty()) {
            continue;
        }
        const double value = NumericValue(text);
        if (std::find(values.begin(), values.end(), value) == values.end()) {
            values.push_back(value);
            m_prediction.push_back(PredictionNumber { ToQString(text), value });
        }
    }
    m_kept.keepOnly(values);
    const CombinationList& list = m_game.list();
    m_kept.widenUnused(values, list.empty() ? kMaxLineSize : LineSize(list.line(0)));
    showSettings(m_kept);
    showCount();
}

void ConditionsTab::showSettings(const ConditionsSettings& settings)
{
    for (int g = 0; g < kMaxGroupCount; ++g) {
        const GroupSetting& group = settings.groups[static_cast<std::size_t>(g)];
        GroupRow& row = m_groups[static_cast<std::size_t>(g)];
        row.name->setText(ToQString(group.name));
        for (std::size_t i = 0; i < row.numbers.size(); ++i) {
            QToolButton* button = row.numbers[i];
            if (i >= m_prediction.size()) {
                button->setObjectName(QString());
                button->setChecked(false);
                button->hide();
                continue;
            }
            const PredictionNumber& number = m_prediction[i];
            const QString value = ToQString(HorseNumberText(number.value));
            button->setObjectName(Name("Groupe%1Numero", g) + value);
            button->setText(number.text);
            button->setAccessibleName(Name("Groupe %1, numéro ", g) + number.text);
            button->setToolTip(QStringLiteral("Mettre le %1 dans le groupe ou l'en retirer").arg(number.text));
            button->setChecked(
                std::find(group.numbers.begin(), group.numbers.end(), number.value) != group.numbers.end());
            button->show();
        }
        row.atLeast->setValue(group.atLeast);
        row.atMost->setValue(group.atMost);
    }
    const auto showBounds = [](const BoundsRow& row, const SwitchedRange& bounds) {
        row.on->setChecked(bounds.on);
        if (row.minimum) {
            row.minimum->setValue(bounds.range.minimum);
            row.minimum->setEnabled(bounds.on);
        }
        row.maximum->setValue(bounds.range.maximum);
        row.maximum->setEnabled(bounds.on);
    };
    showBounds(m_sum, settings.sum);
    showBounds(m_even, settings.even);
    showBounds(m_run, settings.run);
}

ConditionsSettings ConditionsTab::shownSettings() const
{
    ConditionsSettings settings;
    for (int g = 0; g < kMaxGroupCount; ++g) {
        GroupSetting& group = settings.groups[static_cast<std::size_t>(g)];
        const GroupRow& row = m_groups[static_cast<std::size_t>(g)];
        const QString name = row.name->text().trimmed();
        group.name = name.isEmpty() ? DefaultGroupName(g) : ToStd(name);
        group.numbers.clear();
        for (std::size_t i = 0; i < m_prediction.size() && i < row.numbers.size(); ++i) {
            if (row.numbers[i]->isChecked()) {
                group.numbers.push_back(m_prediction[i].value);
            }
        }
        group.atLeast = row.atLeast->value();
        group.atMost = row.atMost->value();
    }
    const auto readBounds = [](const BoundsRow& row, SwitchedRange& bounds) {
        bounds.on = row.on->isChecked();
        if (row.minimum) {
            bounds.range.minimum = row.minimum->value();
        }
        bounds.range.maximum = row.maximum->value();
    };
    readBounds(m_sum, settings.sum);
    readBounds(m_even, settings.even);
    readBounds(m_run, settings.run);
    return settings;
}

bool ConditionsTab::apply()
{
    m_countTimer->stop();
    const ConditionsSettings settings = shownSettings();
    const Result<void> applied = m_game.applyConditions(settings.conditions());
    // The game keeps what it was given even when it refuses it; the settings shown next are still those applied.
    if (m_game.conditions) {
        m_keptForGame = m_game.conditions();
    }
    if (!applied) {
        showCount();
        m_game.showMessage(applied.refusal().message);
        return false;
    }
    m_kept = settings;
    return true;
}

void ConditionsTab::scheduleCount()
{
    m_countTimer->start();
}

void ConditionsTab::showCount()
{
    // A count asked for by a change of the settings is this one: the whole list is walked once.
    m_countTimer->stop();
    const ConditionsSettings settings = shownSettings();
    const LineConditions conditions = settings.conditions();
    const CombinationList& list = m_game.list();
    m_remaining->setText(ToQString(RemainingCaption(CountMeeting(list, conditions).value_or(0), list.size())));
    const Result<void> checked = CheckConditions(list, conditions, m_game.prediction());
    m_problem->setText(checked ? QString() : ToQString(checked.refusal().text()));
}

} // namespace ornal
