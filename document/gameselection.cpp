#include "document/gameselection.h"

#include "engine/messages.h"
#include "engine/selectionrules.h"

#include <algorithm>

namespace ornal {

static_assert(SavedSelection::kResultBoxes == kResultBoxCount);

SavedSelection SaveSelection(const Selection& sel, const ResultTexts& results)
{
    SavedSelection saved;
    saved.horseCountText = sel.horseCountText;
    saved.betSizeText = sel.betSizeText;
    saved.baseText = sel.baseText;
    saved.baseCount = sel.baseCount;
    saved.numbers = sel.numbers;
    saved.numbersShown = sel.shown;
    saved.marks = sel.marks;
    saved.marksShown = sel.markShown;
    saved.results = results;
    for (int i = 0; i < kResultBoxCount; ++i) {
        saved.resultsShown[i] = i < sel.resultBoxesShown;
    }
    return saved;
}

SavedView::Caption CaptionKindOf(std::string_view caption)
{
    if (caption == text::kChooseHorseCount) {
        return SavedView::Caption::ChooseHorseCount;
    }
    if (caption == text::kChooseBetTypeNow) {
        return SavedView::Caption::ChooseBetType;
    }
    return SavedView::Caption::Count;
}

SavedView SaveView(const Selection& sel, SavedView::Caption caption)
{
    SavedView view;
    view.betSizeShown = sel.choicesShown;
    view.baseShown = sel.baseShown;
    if (sel.logos) {
        view.logos = std::array { sel.logos->first, sel.logos->second };
    }
    view.caption = caption;
    return view;
}

SavedView ViewOf(const SavedGame& game)
{
    if (game.view) {
        return *game.view;
    }
    const SavedSelection& selection = game.selection;
    const auto any = [](const auto& flags) { return std::find(flags.begin(), flags.end(), true) != flags.end(); };
    SavedView view;
    view.betSizeShown = view.baseShown = any(selection.numbersShown) || any(selection.marksShown);
    if (view.betSizeShown) {
        if (const auto logos = BetTypeLogos(selection.betSizeText)) {
            view.logos = std::array { logos->first, logos->second };
        }
    }
    if (!game.list.empty() || !game.selectionText.empty()) {
        view.caption = SavedView::Caption::Count;
    } else {
        view.caption = view.betSizeShown ? SavedView::Caption::ChooseBetType : SavedView::Caption::ChooseHorseCount;
    }
    return view;
}

Selection OpenSelection(const SavedSelection& saved, const SavedView& view)
{
    Selection sel;
    sel.horseCountText = saved.horseCountText;
    sel.betSizeText = saved.betSizeText;
    sel.baseText = saved.baseText;
    sel.baseCount = static_cast<std::int16_t>(saved.baseCount);
    sel.numbers = saved.numbers;
    sel.shown = saved.numbersShown;
    sel.marks = saved.marks;
    sel.markShown = saved.marksShown;
    sel.choicesShown = view.betSizeShown;
    sel.baseShown = view.baseShown;
    sel.resultBoxesShown = 0;
    while (sel.resultBoxesShown < kResultBoxCount && saved.resultsShown[sel.resultBoxesShown]) {
        ++sel.resultBoxesShown;
    }
    if (view.logos) {
        sel.logos = std::pair { (*view.logos)[0], (*view.logos)[1] };
    }
    return sel;
}

} // namespace ornal
