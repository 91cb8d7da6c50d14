#include "ui/runnersdialog.h"

#include "betting/runnerpaste.h"
#include "ui/qtbridge.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ornal {

namespace {

constexpr int kNumberColumn = 0;
constexpr int kOddsColumn = 1;

QPushButton* Button(const QString& text, const char* name, const char* tooltip, const char* accessibleName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(tooltip));
    button->setAccessibleName(QString::fromUtf8(accessibleName));
    button->setAutoDefault(false);
    return button;
}

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

QString runnersCount(std::size_t count)
{
    return count < 2 ? QStringLiteral("%1 partant").arg(count) : QStringLiteral("%1 partants").arg(count);
}

} // namespace

RunnersDialog::RunnersDialog(std::function<std::string()> clipboardText, QWidget* parent)
    : QDialog(parent)
    , m_clipboardText(std::move(clipboardText))
{
    setObjectName(QStringLiteral("PartantsCotesDialog"));
    setWindowTitle(QStringLiteral("Partants et cotes"));
    setModal(false);
    setMinimumWidth(340);
    auto* layout = new QVBoxLayout(this);

    auto* intro = new QLabel(QStringLiteral("Les partants de la course et leur cote (ce que rapporte 1 €, mise "
                                            "comprise), par exemple 5,2 :"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_table = new QTableWidget(kMaxRunners, 2, this);
    m_table->setObjectName(QStringLiteral("TablePartants"));
    m_table->setToolTip(QStringLiteral(" Un partant par ligne : son numéro, puis sa cote "));
    m_table->setAccessibleName(QStringLiteral("Partants et cotes"));
    m_table->setHorizontalHeaderLabels({ QStringLiteral("Numéro"), QStringLiteral("Cote") });
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->setTabKeyNavigation(false);
    m_table->setMinimumHeight(10 * (m_table->fontMetrics().height() + 8));
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        if (!m_filling) {
            readRows();
        }
    });
    intro->setBuddy(m_table);
    layout->addWidget(m_table);

    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("NombrePartants"));
    m_count->setAccessibleName(QStringLiteral("Nombre de partants"));
    layout->addWidget(m_count);
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("MessagePartants"));
    m_message->setAccessibleName(QStringLiteral("Message"));
    m_message->setWordWrap(true);
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::WindowText, QColor(0xC0, 0x00, 0x00));
    m_message->setPalette(palette);
    m_message->hide();
    layout->addWidget(m_message);

    m_paste = Button(QStringLiteral("&Coller"), "CollerPartants",
        " Remplir les lignes depuis le presse-papiers : un partant par ligne, son numéro puis sa cote ",
        "Coller les partants");
    connect(m_paste, &QPushButton::clicked, this, [this] { paste(); });
    m_clear = Button(QStringLiteral("&Effacer"), "EffacerPartants", " Effacer tous les partants et leurs cotes ",
        "Effacer les partants");
    connect(m_clear, &QPushButton::clicked, this, [this] {
        clearRows();
        readRows();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("Fermer"));
    close->setObjectName(QStringLiteral("FermerPartants"));
    close->setToolTip(QStringLiteral(" Fermer la fenêtre Partants et cotes "));
    close->setAccessibleName(QStringLiteral("Fermer"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(m_paste);
    row->addWidget(m_clear);
    row->addStretch();
    row->addWidget(buttons);
    layout->addLayout(row);
    showRunners({});
}

void RunnersDialog::showRunners(const std::vector<Runner>& runners)
{
    m_filling = true;
    clearRows();
    for (std::size_t i = 0; i < runners.size() && i < static_cast<std::size_t>(kMaxRunners); ++i) {
        const int row = static_cast<int>(i);
        m_table->setItem(row, kNumberColumn, new QTableWidgetItem(QString::number(runners[i].number)));
        m_table->setItem(row, kOddsColumn, new QTableWidgetItem(ToQString(OddsText(runners[i].odds))));
    }
    m_filling = false;
    m_count->setText(runnersCount(runners.size()));
    say(QString());
}

QString RunnersDialog::message() const
{
    return m_message->text();
}

void RunnersDialog::paste()
{
    const PastedRunners pasted = ReadRunnerLines(m_clipboardText ? m_clipboardText() : std::string());
    if (pasted.runners.empty() && pasted.unreadableLines.empty()) {
        say(QStringLiteral("Le presse-papiers ne contient aucun partant."));
        return;
    }
    if (pasted.runners.size() > static_cast<std::size_t>(kMaxRunners)) {
        say(QStringLiteral("Le presse-papiers contient %1 partants : une course en compte au plus %2.")
                .arg(pasted.runners.size())
                .arg(kMaxRunners));
        return;
    }
    m_filling = true;
    clearRows();
    for (std::size_t i = 0; i < pasted.runners.size(); ++i) {
        const int row = static_cast<int>(i);
        m_table->setItem(row, kNumberColumn, new QTableWidgetItem(QString::number(pasted.runners[i].number)));
        m_table->setItem(row, kOddsColumn, new QTableWidgetItem(ToQString(OddsText(pasted.runners[i].odds))));
    }
    m_filling = false;
    readRows();
    if (!pasted.unreadableLines.empty() && m_message->isHidden()) {
        say(ToQString(UnreadableLinesText(pasted.unreadableLines)));
    }
}

void RunnersDialog::clearRows()
{
    const bool filling = m_filling;
    m_filling = true;
    m_table->clearContents();
    m_filling = filling;
}

void RunnersDialog::readRows()
{
    std::vector<Runner> runners;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString numberText = cellText(m_table, row, kNumberColumn);
        const QString oddsText = cellText(m_table, row, kOddsColumn);
        if (numberText.isEmpty() && oddsText.isEmpty()) {
            continue;
        }
        const std::optional<int> number = ParseRunnerNumber(ToStd(numberText));
        if (!number) {
            say(numberText.isEmpty() ? QStringLiteral("Ligne %1 : entrez le numéro du partant.").arg(row + 1)
                                     : QStringLiteral("Ligne %1 : « %2 » n'est pas un numéro de partant (1 à %3).")
                                           .arg(row + 1)
                                           .arg(numberText)
                                           .arg(kMaxRunnerNumber));
            return;
        }
        const std::optional<double> odds = ParseOdds(ToStd(oddsText));
        if (!odds) {
            say(oddsText.isEmpty() ? QStringLiteral("Entrez la cote du partant %1.").arg(*number)
                                   : QStringLiteral("La cote du partant %1 est illisible : « %2 » (par exemple 5,2).")
                                         .arg(*number)
                                         .arg(oddsText));
            return;
        }
        runners.push_back(Runner { *number, *odds });
    }
    m_count->setText(runnersCount(runners.size()));
    if (const Result<void> checked = CheckRunners(runners); !checked) {
        say(ToQString(checked.refusal().text()));
        return;
    }
    say(QString());
    emit runnersChosen(runners);
}

void RunnersDialog::say(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

} // namespace ornal
