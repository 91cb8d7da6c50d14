#include "ui/windowcommands.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

#include <memory>

namespace ornal {

namespace {

// text names the command as its menu shows it; a menu entry whose shortcut has a modifier the player reads in French
// carries it after a tab, which the menu then shows instead of Qt's English name of the keys.
QAction* Command(QWidget* window, const char* name, const char* text, const QKeySequence& keys = {})
{
    auto* action = new QAction(QString::fromUtf8(text), window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

} // namespace

void WindowCommands::build(QWidget* window)
{
    OuvrirUnJeu = Command(window, "OuvrirUnJeu", "Ouvrir un jeu…\tCtrl+O", QKeySequence::Open);
    RouvrirDernierJeu = Command(window, "RouvrirDernierJeu", "Rouvrir le dernier jeu\tCtrl+Maj+O",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    Enregistrer = Command(window, "Enregistrer", "Enregistrer\tCtrl+S", QKeySequence::Save);
    EnregistrerSous = Command(
        window, "EnregistrerSous", "Enregistrer sous…\tCtrl+Maj+S", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Imprimer = Command(window, "Imprimer", "Imprimer le jeu…\tCtrl+P", QKeySequence::Print);
    Annuler = Command(window, "Annuler", "Annuler\tCtrl+Z", QKeySequence::Undo);
    Retablir = Command(window, "Retablir", "Rétablir\tCtrl+Maj+Z", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    CoutEtGains = Command(window, "CoutEtGains", "Coût et gains…\tCtrl+G", QKeySequence(Qt::CTRL | Qt::Key_G));
    PartantsCotes = Command(window, "PartantsCotes", "Partants et cotes…\tCtrl+K", QKeySequence(Qt::CTRL | Qt::Key_K));
    ReduireLeJeu = Command(window, "ReduireLeJeu", "Réduire le jeu…\tCtrl+R", QKeySequence(Qt::CTRL | Qt::Key_R));
    MelangerCombinaisons
        = Command(window, "MelangerCombinaisons", "Mélanger les combinaisons", QKeySequence(Qt::CTRL | Qt::Key_M));
    CopierCombinaisons = Command(window, "CopierCombinaisons", "Copier les combinaisons");
}

void WindowCommands::followList(bool hasLines)
{
    MelangerCombinaisons->setEnabled(hasLines);
    CopierCombinaisons->setEnabled(hasLines);
}

void RunPressingButton(QObject* context, QAction* action, QPushButton* button, std::function<void()> run)
{
    auto fromButton = std::make_shared<bool>(false);
    QObject::connect(button, &QPushButton::clicked, action, [action, fromButton] {
        *fromButton = true;
        action->trigger();
        *fromButton = false;
    });
    QObject::connect(action, &QAction::triggered, context, [button, fromButton, run = std::move(run)] {
        if (*fromButton || !button->isVisible()) {
            run();
        } else {
            // The click that comes on release triggers the action again, from the button this time.
            button->animateClick();
        }
    });
}

void Run(QObject* context, QAction* action, std::function<void()> run, QPushButton* button)
{
    QObject::connect(action, &QAction::triggered, context, std::move(run));
    if (button) {
        QObject::connect(button, &QPushButton::clicked, action, [action] { action->trigger(); });
    }
}

void AttachMenu(QPushButton* button, const char* name, std::initializer_list<QAction*> actions)
{
    auto* menu = new QMenu(button);
    menu->setObjectName(QString::fromLatin1(name));
    for (QAction* action : actions) {
        menu->addAction(action);
    }
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(button, &QWidget::customContextMenuRequested, menu,
        [button, menu](const QPoint& at) { menu->popup(button->mapToGlobal(at)); });
}

} // namespace ornal
