#include "ui/selectionview.h"

#include "ui/clickablelabel.h"
#include "ui/qtbridge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace ornal {

namespace {

constexpr int kLogoWidthTwips = 285;
constexpr int kLogoGapTwips = 10;
constexpr int kJeuLeftTwips = 1800;

void ShowLogos(Form1Controls& ui, const std::optional<std::pair<int, int>>& logos)
{
    for (ClickableLabel* logo : ui.PictureJeux) {
        logo->hide();
    }
    if (!logos) {
        return;
    }
    // The first logo ends 10 twips left of Jeu, the second touches it on its left.
    const int top = ui.Jeu->y();
    const int lefts[2]
        = { kJeuLeftTwips - (kLogoWidthTwips + kLogoGapTwips), kJeuLeftTwips - (2 * kLogoWidthTwips + kLogoGapTwips) };
    const int indexes[2] = { logos->first, logos->second };
    for (int which = 0; which < 2; ++which) {
        ClickableLabel* logo = ui.PictureJeux[indexes[which]];
        logo->move(TwipsToPixels(lefts[which]), top);
        logo->raise();
        logo->show();
    }
}

void ShowLogosAtHome(Form1Controls& ui)
{
    for (ClickableLabel* logo : ui.PictureJeux) {
        const QVariant home = logo->property(kLogoHomeProperty);
        if (home.isValid()) {
            logo->move(home.toPoint());
            logo->show();
        }
    }
}

// A box already holding the text is left alone: writing it again would move the player's cursor and forget the
// box's own undo while the player types.
void PutText(QLineEdit* box, const std::string& text)
{
    const QString wanted = ToQString(text);
    if (box->text() != wanted) {
        box->setText(wanted);
    }
}

// An item's text selects that item, as a pick does; any other text stands in the edit field with no item chosen,
// as when typed.
void PutText(QComboBox* box, const std::string& text)
{
    const QString wanted = ToQString(text);
    if (box->currentText() == wanted) {
        return;
    }
    box->setCurrentIndex(box->findText(wanted, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(wanted);
}

} // namespace

void KeepLogoHomes(Form1Controls& ui)
{
    for (ClickableLabel* logo : ui.PictureJeux) {
        logo->setProperty(kLogoHomeProperty, logo->pos());
    }
}

void ShowSelection(Form1Controls& ui, const Selection& sel, const ResultTexts& results,
    const std::array<bool, kResultBoxCount>& resultsShown, bool whole)
{
    PutText(ui.NombreChevaux, sel.horseCountText);
    PutText(ui.Jeu, sel.betSizeText);
    PutText(ui.Base, sel.baseText);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        PutText(ui.Text1[i], sel.numbers[i]);
        ui.Check1[i]->setChecked(sel.marks[i]);
        ui.Check1[i]->setVisible(sel.markShown[i]);
        ui.Text1[i]->setVisible(sel.shown[i]);
    }
    for (QWidget* choice :
        { static_cast<QWidget*>(ui.Valider), static_cast<QWidget*>(ui.Jeu), static_cast<QWidget*>(ui.JeuLabel) }) {
        choice->setVisible(sel.choicesShown);
    }
    ui.Base->setVisible(sel.baseShown);
    ui.BaseLabel->setVisible(sel.baseShown);
    for (int i = 0; i < kResultBoxCount; ++i) {
        PutText(ui.txtscan[i], results[i]);
        ui.txtscan[i]->setVisible(resultsShown[i]);
    }
    if (whole && !sel.choicesShown && !sel.logos) {
        // Before any choice the window shows every picture in its first place.
        ShowLogosAtHome(ui);
    } else {
        ShowLogos(ui, sel.logos);
    }
}

} // namespace ornal
