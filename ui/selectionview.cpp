#include "ui/selectionview.h"

#include "ui/clickablelabel.h"
#include "ui/qtbridge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

} // namespace

Selection ReadSelection(const Form1Controls& ui, std::int16_t baseCount, std::optional<std::pair<int, int>> logos)
{
    Selection sel;
    sel.horseCountText = ToStd(ui.NombreChevaux->currentText());
    sel.betSizeText = ToStd(ui.Jeu->currentText());
    sel.baseText = ToStd(ui.Base->currentText());
    sel.baseCount = baseCount;
    for (int i = 0; i < kNumberBoxCount; ++i) {
        sel.numbers[i] = ToStd(ui.Text1[i]->text());
        sel.shown[i] = !ui.Text1[i]->isHidden();
        sel.marks[i] = ui.Check1[i]->isChecked();
        sel.markShown[i] = !ui.Check1[i]->isHidden();
    }
    sel.choicesShown = !ui.Jeu->isHidden();
    sel.baseShown = !ui.Base->isHidden();
    sel.resultBoxesShown = 0;
    while (sel.resultBoxesShown < kResultBoxCount && !ui.txtscan[sel.resultBoxesShown]->isHidden()) {
        ++sel.resultBoxesShown;
    }
    sel.logos = logos;
    return sel;
}

void ShowSelection(Form1Controls& ui, const Selection& sel)
{
    for (int i = 0; i < kNumberBoxCount; ++i) {
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
        ui.txtscan[i]->setVisible(i < sel.resultBoxesShown);
    }
    ShowLogos(ui, sel.logos);
}

} // namespace ornal
