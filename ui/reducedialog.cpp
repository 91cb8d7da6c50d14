#include "ui/reducedialog.h"

#include "ui/reducetab.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ornal {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* text, const char* tip)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(tip));
    button->setAccessibleName(button->text());
    return button;
}

// The last widget of tab that Tab reaches, or nullptr: the focus chain runs through a page's children one after
// another, and Qt leaves the order as it is when asked to follow a widget that takes no focus.
QWidget* LastTabStop(QWidget* tab)
{
    QWidget* last = (tab->focusPolicy() & Qt::TabFocus) ? tab : nullptr;
    for (QWidget* next = tab->nextInFocusChain(); next != tab && tab->isAncestorOf(next);
         next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus) {
            last = next;
        }
    }
    return last;
}

} // namespace

ReduceDialog::ReduceDialog(QWidget* window)
    : QDialog(window)
    , m_tabs(new QTabWidget(this))
    , m_apply(Button(this, "Appliquer", "Appliquer", "Réduire la liste selon l'onglet affiché (Entrée)"))
    , m_cancel(Button(this, "Annuler", "Annuler", "Fermer sans rien changer à la liste (Échap)"))
{
    setObjectName(QStringLiteral("ReduireJeuDialog"));
    setWindowTitle(QStringLiteral("Réduire le jeu"));
    setAccessibleName(windowTitle());
    m_tabs->setObjectName(QStringLiteral("ReduireJeuOnglets"));
    m_tabs->setAccessibleName(QStringLiteral("Manières de réduire le jeu"));
    m_tabs->setToolTip(QStringLiteral("Choisir la manière de réduire le jeu (Ctrl+Tab)"));
    m_apply->setDefault(true);
    // Enter applies wherever the focus stands; Space still presses a focused Annuler.
    m_cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_apply, &QPushButton::clicked, this, [this] { applyShownTab(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ReduceDialog::addTab(ReduceTab* tab, const QString& title)
{
    m_tabs->addTab(tab, title);
    // A page joins the focus chain at its end, after the buttons: put the buttons back after it.
    if (QWidget* last = LastTabStop(tab)) {
        QWidget::setTabOrder(last, m_apply);
        QWidget::setTabOrder(m_apply, m_cancel);
    }
}

void ReduceDialog::open()
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* tab = dynamic_cast<ReduceTab*>(m_tabs->widget(i))) {
            tab->prepare();
        }
    }
    QDialog::open();
}

void ReduceDialog::reject()
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* tab = dynamic_cast<ReduceTab*>(m_tabs->widget(i))) {
            tab->cancel();
        }
    }
    QDialog::reject();
}

void ReduceDialog::applyShownTab()
{
    auto* tab = dynamic_cast<ReduceTab*>(m_tabs->currentWidget());
    if (tab && tab->apply()) {
        accept();
    }
}

} // namespace ornal
