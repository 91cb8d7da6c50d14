#pragma once

#include <functional>
#include <initializer_list>

class QAction;
class QObject;
class QPushButton;
class QWidget;

namespace ornal {

// The window's commands that have a shortcut or a menu entry: each is one action, which its button, its menu entry
// and its shortcut all trigger, so that the three cannot drift apart. The shortcuts work wherever the focus is in the
// window. Object names are the actions' names.
struct WindowCommands {
    QAction* OuvrirUnJeu = nullptr; // Ctrl+O
    QAction* RouvrirDernierJeu = nullptr; // Ctrl+Maj+O
    QAction* Enregistrer = nullptr; // Ctrl+S
    QAction* EnregistrerSous = nullptr; // Ctrl+Maj+S
    QAction* Imprimer = nullptr; // Ctrl+P
    QAction* Annuler = nullptr; // Ctrl+Z
    QAction* Retablir = nullptr; // Ctrl+Maj+Z
    QAction* CoutEtGains = nullptr; // Ctrl+G
    QAction* PartantsCotes = nullptr; // Ctrl+K
    QAction* ReduireLeJeu = nullptr; // Ctrl+R
    QAction* MelangerCombinaisons = nullptr; // Ctrl+M
    QAction* CopierCombinaisons = nullptr;

    // Creates the actions on window.
    void build(QWidget* window);
    // The commands that need lines are offered only while the list has some.
    void followList(bool hasLines);
};

// action runs run while context lives, and a click on button triggers it. Triggered otherwise (its shortcut, a menu),
// action presses the button as the eye sees a click, and the command runs on its release. A disabled action does
// nothing.
void RunPressingButton(QObject* context, QAction* action, QPushButton* button, std::function<void()> run);

// action runs run while context lives; a click on button, if any, triggers it at once.
void Run(QObject* context, QAction* action, std::function<void()> run, QPushButton* button = nullptr);

// A right-click (or the menu key) on button offers the actions in a menu named name; the plain click is the first's.
void AttachMenu(QPushButton* button, const char* name, std::initializer_list<QAction*> actions);

} // namespace ornal
