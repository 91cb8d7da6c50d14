#pragma once

class QLabel;
class QPushButton;
class QWidget;

namespace ornal {

// The controls added beside the first window's own: toolbar buttons continuing the top row, and the cost of the
// list in the status band. Each has an object name, a French tooltip and an accessible name; a button's shortcut is
// that of the command it triggers (WindowCommands).
struct ExtensionControls {
    QPushButton* OuvrirJeu = nullptr; // open a saved game (Ctrl+O)
    QPushButton* EnregistrerJeu = nullptr; // save the game (Ctrl+S)
    QPushButton* ImprimerJeu = nullptr; // print preview, print or PDF (Ctrl+P)
    QPushButton* AnnulerJeu = nullptr; // undo the last change of the list (Ctrl+Z)
    QPushButton* CoutGains = nullptr; // the dialog "Coût et gains" (Ctrl+G)
    QPushButton* ReduireJeu = nullptr; // the dialog "Réduire le jeu" (Ctrl+R)
    QLabel* CoutJeu = nullptr; // "Quinté+ : 112,00 €", right-aligned over the count caption's band

    // Creates the controls on window at their design positions; statusFont is the count caption's font.
    void build(QWidget* window, const QLabel* countCaption);
};

} // namespace ornal
