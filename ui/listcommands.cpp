#include "ui/listcommands.h"

#include "engine/allocation.h"
#include "game/game.h"
#include "listops/filters.h"
#include "ui/busycursor.h"
#include "ui/extensioncontrols.h"
#include "ui/form1controls.h"
#include "ui/gameview.h"
#include "ui/messageboxes.h"
#include "ui/qtbridge.h"
#include "ui/windowcommands.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QPushButton>

namespace ornal {

ListCommands::ListCommands(Game& game, GameView& view, MessageBoxes& messages, Form1Controls& ui,
    ExtensionControls& ext, WindowCommands& commands)
    : m_game(game)
    , m_view(view)
    , m_messages(messages)
    , m_ui(ui)
{
    connect(m_ui.Command3, &QPushButton::clicked, this, [this] { KeepCombinationsWith(); });
    connect(m_ui.Command4, &QPushButton::clicked, this, [this] { RemoveCombinationsWith(); });
    connect(m_ui.Command2, &QPushButton::clicked, this, [this] { SearchResult(); });
    // The shuffle's button lies below the window's edge: only its action is seen, in the list's menu.
    Run(
        this, commands.MelangerCombinaisons, [this] { ShuffleWithinCombinations(); }, m_ui.Command5);
    Run(this, commands.CopierCombinaisons, [this] { CopyCombinations(); });
    RunPressingButton(this, commands.Annuler, ext.AnnulerJeu, [this] { UndoListChange(); });
    Run(this, commands.Retablir, [this] { RedoListChange(); });
    AttachMenu(ext.AnnulerJeu, "MenuAnnulerJeu", { commands.Annuler, commands.Retablir });
    ext.AnnulerJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : rétablir ce qui a été annulé (Ctrl+Maj+Z)"));
    attachListMenu(commands);
}

void ListCommands::attachListMenu(WindowCommands& commands)
{
    auto* menu = new QMenu(m_ui.List1);
    menu->setObjectName(QStringLiteral("MenuListe"));
    menu->addAction(commands.MelangerCombinaisons);
    menu->addAction(commands.CopierCombinaisons);
    m_ui.List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui.List1, &QWidget::customContextMenuRequested, menu,
        [this, menu](const QPoint& at) { menu->popup(m_ui.List1->viewport()->mapToGlobal(at)); });
    m_ui.List1->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : mélanger (Ctrl+M) ou copier les combinaisons"));
}

void ListCommands::KeepCombinationsWith()
{
    runFilter(m_ui.garde, true);
}

void ListCommands::RemoveCombinationsWith()
{
    runFilter(m_ui.supp, false);
}

void ListCommands::runFilter(QComboBox* filterBox, bool keepHolders)
{
    // The number chosen is the command's own, not a part of the game: it is read when the command runs.
    const std::string chosen = ToStd(filterBox->currentText());
    if (const Result<void> check = m_game.checkFilter(chosen); !check) {
        m_messages.show(check.refusal().message);
        return;
    }
    if (!m_messages.ask(keepHolders ? KeepQuestion(chosen) : RemoveQuestion(chosen))) {
        return;
    }
    changeList([&] {
        filterBox->setCurrentIndex(-1);
        filterBox->setEditText(QString());
        return keepHolders ? m_game.keep(chosen) : m_game.remove(chosen);
    });
}

void ListCommands::changeList(const std::function<GameOutcome()>& change)
{
    // The largest lists take a moment: the caption says so before the list changes.
    BusyCursor busy;
    m_view.showBusyCaption();
    const std::optional<GameOutcome> outcome = TryAllocating(change);
    if (!outcome) {
        busy.restore();
        m_view.showOutOfMemory();
        return;
    }
    m_view.showChanges(*outcome);
}

void ListCommands::ShuffleWithinCombinations()
{
    if (m_game.list().empty()) {
        return;
    }
    changeList([this] { return m_game.shuffle(m_random); });
}

void ListCommands::SearchResult()
{
    const GameOutcome outcome = m_game.search();
    m_view.showRefusal(outcome);
    if (outcome.line) {
        m_view.selectLine(*outcome.line);
    }
}

void ListCommands::UndoListChange()
{
    m_view.showChanges(m_game.undo());
}

void ListCommands::RedoListChange()
{
    m_view.showChanges(m_game.redo());
}

void ListCommands::CopyCombinations()
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
        m_view.showOutOfMemory();
    }
}

} // namespace ornal
