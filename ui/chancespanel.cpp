#include "ui/chancespanel.h"

#include "betting/chancetexts.h"
#include "ui/qtbridge.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ornal {

namespace {

QLabel* Figure(const QString& name, const char* accessibleName)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAccessibleName(QString::fromUtf8(accessibleName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void Show(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

ChancesPanel::ChancesPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Chances selon les cotes"), parent)
{
    setObjectName(QStringLiteral("ChancesGroupe"));
    auto* column = new QVBoxLayout(this);
    m_message = Figure(QStringLiteral("ChancesMessage"), "Message");
    m_message->setWordWrap(true);
    column->addWidget(m_message);
    m_gain = Figure(QStringLiteral("ProbabiliteGain"), "Probabilité de gain");
    QFont bold = m_gain->font();
    bold.setBold(true);
    m_gain->setFont(bold);
    column->addWidget(m_gain);
    for (std::size_t c = 0; c < m_classes.size(); ++c) {
        m_classes[c] = Figure(QStringLiteral("ProbabiliteClasse_%1").arg(c), "Probabilité de la classe");
        column->addWidget(m_classes[c]);
    }
    m_lines = Figure(QStringLiteral("LignesPayeesMoyenne"), "Lignes payées en moyenne");
    column->addWidget(m_lines);
    m_runners = new QPushButton(QStringLiteral("&Partants et cotes..."));
    m_runners->setObjectName(QStringLiteral("PartantsCotes"));
    m_runners->setToolTip(QStringLiteral(" Donner les partants de la course et leurs cotes (Ctrl+K) "));
    m_runners->setAccessibleName(QStringLiteral("Partants et cotes"));
    m_runners->setAutoDefault(false);
    connect(m_runners, &QPushButton::clicked, this, [this] { emit runnersRequested(); });
    column->addWidget(m_runners, 0, Qt::AlignLeft);
    showChances(std::nullopt);
}

void ChancesPanel::showChances(const std::optional<Result<TicketChances>>& chances)
{
    const bool figures = chances && *chances;
    if (!chances) {
        Show(m_message, QStringLiteral("Donnez les partants et leurs cotes pour savoir combien de fois le jeu paie."));
    } else {
        Show(m_message, *chances ? QString() : ToQString(chances->refusal().text()));
    }
    const std::vector<std::string> lines = figures ? ChanceLines(**chances) : std::vector<std::string> {};
    // The gain first, then one line per class, then the lines paid: ChanceLines' order.
    Show(m_gain, lines.empty() ? QString() : ToQString(lines.front()));
    for (std::size_t c = 0; c < m_classes.size(); ++c) {
        Show(m_classes[c], figures && c + 2 < lines.size() ? ToQString(lines[c + 1]) : QString());
    }
    Show(m_lines, lines.empty() ? QString() : ToQString(lines.back()));
}

} // namespace ornal
