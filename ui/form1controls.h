#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QString;
class QWidget;

namespace ornal {

class ClickableLabel;
class NumberBoxFilter;

// Every control of the main window, under its own name. Arrays are named with an underscore and the index as
// object names (Text1_0 ... Text1_19, Check1_0 ..., txtscan_0 ..., PictureJeux_0 ...), so tests and accessibility
// tools find each member.
struct Form1Controls {
    QPushButton* Command1 = nullptr; // quit
    QPushButton* Command7 = nullptr; // spreadsheet export
    QPushButton* Command6 = nullptr; // web site
    QPushButton* Command8 = nullptr; // version box
    QFrame* Frame1 = nullptr;
    QGroupBox* Frame3 = nullptr; // "Les filtres de calcul"
    QLabel* NombreLabel = nullptr;
    QComboBox* NombreChevaux = nullptr;
    QLabel* JeuLabel = nullptr;
    QComboBox* Jeu = nullptr;
    QLabel* BaseLabel = nullptr;
    QComboBox* Base = nullptr;
    std::array<ClickableLabel*, 7> PictureJeux {};
    QGroupBox* Frame2 = nullptr; // "Chiffres pronostic"
    std::array<QLineEdit*, 20> Text1 {};
    std::array<QCheckBox*, 20> Check1 {};
    QListView* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* garde = nullptr;
    QPushButton* Command3 = nullptr; // keep filter
    ClickableLabel* Picture10 = nullptr; // the Valider picture that starts the computation
    QLabel* Label7 = nullptr;
    QComboBox* supp = nullptr;
    QPushButton* Command4 = nullptr; // remove filter
    QGroupBox* Frame4 = nullptr; // "Rechercher un résultat"
    std::array<QLineEdit*, 5> txtscan {};
    QPushButton* Command2 = nullptr; // result search
    QLabel* TotalComb = nullptr;
    // Below the client area: real controls the player never sees.
    QPushButton* Valider = nullptr;
    QPushButton* Command5 = nullptr; // shuffle
    QListView* List2 = nullptr;
    QLabel* Image1 = nullptr;

    // Creates every control on window at its design position, with its captions, tooltips, fonts and colours.
    void build(QWidget* window, NumberBoxFilter* numberFilter);

private:
    // Names and descriptions that screen readers speak for each control.
    void nameForAssistiveTechnologies();
    // The Tab order of the design through the controls that can take the focus.
    void chainKeyboardFocus();
};

// The family of the window's fonts: Arial, or Liberation Sans, of the same metrics, where Arial is absent.
QString WindowFontFamily();

// Twips (1/1440 inch) to pixels at 96 dots per inch.
int TwipsToPixels(int twips);

} // namespace ornal
