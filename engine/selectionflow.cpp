#include "engine/selectionflow.h"

#include "engine/numericvalue.h"
#include "engine/selectionrules.h"

#include <algorithm>

namespace ornal {

namespace {

FlowOutcome refuse(FlowOutcome::Status status, std::string_view text)
{
    return FlowOutcome { status, Refusal::Saying(std::string(text)) };
}

void untickAll(Selection& sel)
{
    sel.marks.fill(false);
}

} // namespace

FlowOutcome ChooseHorseCount(Selection& sel)
{
    const int shown = ShownNumberBoxCount(sel.horseCountText);
    // The marks follow the Base text here, not BaseCount: a base mode typed but not chosen still counts.
    const bool basesChosen = sel.baseText != text::kNoBase;
    untickAll(sel);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        sel.shown[i] = i < shown;
        sel.markShown[i] = i < shown && basesChosen && MarkAllowed(i, sel.betSizeText);
    }
    sel.choicesShown = true;
    sel.baseShown = true;
    return {};
}

FlowOutcome ChooseBaseMode(Selection& sel)
{
    if (sel.horseCountText.empty()) {
        return refuse(FlowOutcome::Status::NoHorseCount, text::kChooseNumber);
    }
    if (sel.baseText == text::kNoBase) {
        sel.baseCount = -1;
        untickAll(sel);
        sel.markShown.fill(false);
        return {};
    }
    // The box is editable: a typed text that is no small whole number allows no base at all.
    sel.baseCount = RoundToInt16(NumericValue(sel.baseText)).value_or(0);
    if (!(NumericValue(sel.horseCountText) > sel.baseCount)) {
        return refuse(FlowOutcome::Status::InvalidChoice, text::kInvalidChoice);
    }
    untickAll(sel);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        sel.markShown[i] = sel.shown[i] && MarkAllowed(i, sel.betSizeText);
    }
    return {};
}

FlowOutcome ToggleBaseMark(Selection& sel, int i)
{
    if (i < 0 || i >= kNumberBoxCount || !sel.marks[i] || sel.baseText == text::kNoBase) {
        return {};
    }
    const auto ticked = std::count(sel.marks.begin(), sel.marks.end(), true);
    if (static_cast<double>(ticked) > NumericValue(sel.baseText)) {
        sel.marks[i] = false;
        return refuse(FlowOutcome::Status::TooManyMarks, text::kInvalidClickCount);
    }
    return {};
}

FlowOutcome ChooseBetSize(Selection& sel)
{
    if (const Result<void> checked = CheckBetSizeChoice(sel.horseCountText, sel.betSizeText); !checked) {
        const auto status
            = sel.horseCountText.empty() ? FlowOutcome::Status::NoHorseCount : FlowOutcome::Status::InvalidChoice;
        return FlowOutcome { status, checked.refusal() };
    }
    if (sel.baseCount != -1) {
        untickAll(sel);
        for (int i = 0; i < kNumberBoxCount; ++i) {
            sel.markShown[i] = MarkAllowed(i, sel.betSizeText);
        }
    }
    sel.baseShown = true;
    sel.resultBoxesShown = ShownResultBoxCount(sel.betSizeText);
    sel.logos = BetTypeLogos(sel.betSizeText);
    return {};
}

FlowOutcome ApplyPreload(Selection& sel, const PreloadFields& fields)
{
    sel.horseCountText = fields.horseCountText;
    ChooseHorseCount(sel);
    FlowOutcome outcome;
    if (fields.betSizeText) {
        sel.betSizeText = *fields.betSizeText;
        outcome = ChooseBetSize(sel);
    }
    for (std::size_t i = 0; i < fields.numbers.size() && i < sel.numbers.size(); ++i) {
        sel.numbers[i] = fields.numbers[i];
    }
    return outcome;
}

} // namespace ornal
