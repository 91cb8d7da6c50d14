// The list's own menu and the shortcuts that reach the shuffle from anywhere in the window.
#include "ui/form1.h"

#include "engine/allocation.h"
#include "ui/busycursor.h"
#include "ui/qtbridge.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QListView>
#include <QMenu>

namespace ornal {

void Form1::connectListMenu()
{
    auto* menu = new QMenu(m_ui.List1);
    menu->setObjectName(QStringLiteral("MenuListe"));
    QAction* shuffle = menu->addAction(QStringLiteral("Mélanger les combinaisons"));
    shuffle->setObjectName(QStringLiteral("MelangerCombinaisons"));
    shuffle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    // The window answers the key, whichever control has the focus, and the menu shows it.
    shuffle->setShortcutContext(Qt::WindowShortcut);
    addAction(shuffle);
    connect(shuffle, &QAction::triggered, this, [this] { ShuffleWithinCombinations(); });
    QAction* copy = menu->addAction(QStringLiteral("Copier les combinaisons"));
    copy->setObjectName(QStringLiteral("CopierCombinaisons"));
    connect(copy, &QAction::triggered, this, [this] { CopyCombinations(); });
    connect(menu, &QMenu::aboutToShow, this, [this, shuffle, copy] {
        const bool lines = !m_game.list().empty();
        shuffle->setEnabled(lines);
        copy->setEnabled(lines);
    });
    m_ui.List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui.List1, &QWidget::customContextMenuRequested, menu,
        [this, menu](const QPoint& at) { menu->popup(m_ui.List1->viewport()->mapToGlobal(at)); });
    m_ui.List1->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : mélanger (Ctrl+M) ou copier les combinaisons"));
}

void Form1::CopyCombinations()
{
    const CombinationList& list = m_game.list();
    if (list.empty()) {
        return;
    }
    BusyCursor busy;
    // One line a combination, each ended by a line break, as the command line prints them.
    const bool done = TryAllocating([&list] {
        std::string text;
        text.reserve(list.textBytes() + list.size());
        for (CombinationList::Count i = 0; i < list.size(); ++i) {
            text.append(list.line(i));
            text.push_back('\n');
        }
        QGuiApplication::clipboard()->setText(ToQString(text));
        return true;
    }).has_value();
    if (!done) {
        busy.restore();
        showOutOfMemory();
    }
}

} // namespace ornal
