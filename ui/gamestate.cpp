#include "ui/gamestate.h"

#include "document/gameselection.h"
#include "engine/combinationlist.h"
#include "ui/clickablelabel.h"
#include "ui/qtbridge.h"
#include "ui/selectionview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace ornal {

namespace {

ResultTexts ResultsOf(const Form1Controls& ui)
{
    ResultTexts results;
    for (int i = 0; i < kResultBoxCount; ++i) {
        results[i] = ToStd(ui.txtscan[i]->text());
    }
    return results;
}

// An item's text selects that item, as a pick does; any other text stands in the edit field with no item chosen,
// as when typed.
void PutText(QComboBox* box, const std::string& text)
{
    const QString wanted = ToQString(text);
    box->setCurrentIndex(box->findText(wanted, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(wanted);
}

} // namespace

SavedSelection ReadSavedSelection(const Form1Controls& ui, std::int16_t baseCount)
{
    SavedSelection saved = SaveSelection(ReadSelection(ui, baseCount, std::nullopt), ResultsOf(ui));
    // Each result box's own visibility: the selection only counts those shown from the left.
    for (int i = 0; i < kResultBoxCount; ++i) {
        saved.resultsShown[i] = !ui.txtscan[i]->isHidden();
    }
    return saved;
}

SavedView ReadSavedView(const Form1Controls& ui, std::int16_t baseCount, std::optional<std::pair<int, int>> logos)
{
    return SaveView(ReadSelection(ui, baseCount, logos), CaptionKindOf(ToStd(ui.TotalComb->text())));
}

Selection ShowSavedSelection(Form1Controls& ui, const SavedSelection& saved, const SavedView& view)
{
    const Selection sel = OpenSelection(saved, view);
    PutText(ui.NombreChevaux, saved.horseCountText);
    PutText(ui.Jeu, saved.betSizeText);
    PutText(ui.Base, saved.baseText);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        ui.Text1[i]->setText(ToQString(saved.numbers[i]));
    }
    ShowSelection(ui, sel);
    if (!view.betSizeShown && !view.logos) {
        // Before any choice the window shows every picture in its first place.
        for (ClickableLabel* logo : ui.PictureJeux) {
            const QVariant home = logo->property(kLogoHomeProperty);
            if (home.isValid()) {
                logo->move(home.toPoint());
                logo->show();
            }
        }
    }
    for (int i = 0; i < kResultBoxCount; ++i) {
        ui.txtscan[i]->setText(ToQString(saved.results[i]));
        ui.txtscan[i]->setVisible(saved.resultsShown[i]);
    }
    return sel;
}

std::string CaptionText(SavedView::Caption caption, std::uint32_t count)
{
    switch (caption) {
    case SavedView::Caption::ChooseHorseCount:
        return std::string(text::kChooseHorseCount);
    case SavedView::Caption::ChooseBetType:
        return std::string(text::kChooseBetTypeNow);
    case SavedView::Caption::Count:
        break;
    }
    return CountCaption(count);
}

} // namespace ornal
