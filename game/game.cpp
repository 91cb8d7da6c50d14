#include "game/game.h"

#include "betting/betcost.h"
#include "engine/combinationengine.h"
#include "engine/linefields.h"
#include "engine/messages.h"
#include "engine/numericvalue.h"
#include "engine/selectionflow.h"
#include "listops/conditions.h"
#include "listops/filters.h"
#include "listops/search.h"

namespace ornal {

namespace {

GameOutcome refused(
    Message message, GameChanges changed = {}, GameOutcome::Focus focus = GameOutcome::Focus::None, int box = -1)
{
    GameOutcome outcome;
    outcome.changed = changed;
    outcome.refusal = Refusal { std::move(message) };
    outcome.focus = focus;
    outcome.box = box;
    return outcome;
}

GameOutcome changed(GameChanges parts)
{
    GameOutcome outcome;
    outcome.changed = parts;
    return outcome;
}

constexpr GameChanges kListChange = GamePart::List | GamePart::Caption | GamePart::History;

} // namespace

Game::Game()
{
    selectionChanged();
    resultBoxesFromSelection();
}

GameOutcome Game::chooseHorseCount(std::string text)
{
    m_sel.horseCountText = std::move(text);
    ChooseHorseCount(m_sel);
    resultBoxesFromSelection();
    m_caption = SavedView::Caption::ChooseBetType;
    selectionChanged();
    return changed(GamePart::Selection | GamePart::Caption);
}

GameOutcome Game::chooseBetSize(std::string text)
{
    Selection sel = m_sel;
    sel.betSizeText = std::move(text);
    const FlowOutcome outcome = ChooseBetSize(sel);
    if (outcome.refusal) {
        // The refused size stays in its box as typed; nothing else follows from it.
        m_sel.betSizeText = sel.betSizeText;
        const auto focus = outcome.status == FlowOutcome::Status::NoHorseCount ? GameOutcome::Focus::HorseCount
                                                                               : GameOutcome::Focus::None;
        return refused(outcome.refusal->message, GamePart::Selection, focus);
    }
    m_sel = std::move(sel);
    selectionChanged();
    resultBoxesFromSelection();
    chooseDefaultBetType();
    return changed(GamePart::Selection | GamePart::Bet);
}

GameOutcome Game::chooseBaseMode(std::string text)
{
    Selection sel = m_sel;
    sel.baseText = std::move(text);
    const FlowOutcome outcome = ChooseBaseMode(sel);
    if (outcome.status == FlowOutcome::Status::NoHorseCount) {
        m_sel.baseText = sel.baseText;
    } else {
        m_sel = std::move(sel);
        resultBoxesFromSelection();
    }
    selectionChanged();
    if (outcome.refusal) {
        const auto focus = outcome.status == FlowOutcome::Status::NoHorseCount ? GameOutcome::Focus::HorseCount
                                                                               : GameOutcome::Focus::None;
        return refused(outcome.refusal->message, GamePart::Selection, focus);
    }
    return changed(GamePart::Selection);
}

GameOutcome Game::setMark(int i, bool ticked)
{
    if (i < 0 || i >= kNumberBoxCount) {
        return {};
    }
    m_sel.marks[i] = ticked;
    const FlowOutcome outcome = ToggleBaseMark(m_sel, i);
    if (outcome.refusal) {
        resultBoxesFromSelection();
        return refused(outcome.refusal->message, GamePart::Selection);
    }
    return changed(GamePart::Selection);
}

GameOutcome Game::typeChoice(Choice choice, std::string text)
{
    switch (choice) {
    case Choice::HorseCount:
        m_sel.horseCountText = std::move(text);
        break;
    case Choice::BetSize:
        m_sel.betSizeText = std::move(text);
        break;
    case Choice::BaseMode:
        m_sel.baseText = std::move(text);
        break;
    }
    return changed(GamePart::Selection);
}

GameOutcome Game::typeNumber(int i, std::string text)
{
    if (i < 0 || i >= kNumberBoxCount) {
        return {};
    }
    m_sel.numbers[i] = std::move(text);
    selectionChanged();
    return changed(GamePart::Selection);
}

GameOutcome Game::typeResult(int i, std::string text)
{
    if (i < 0 || i >= kResultBoxCount) {
        return {};
    }
    m_results[i] = std::move(text);
    return changed(GamePart::Results);
}

GameOutcome Game::preload(const PreloadFields& fields)
{
    const FlowOutcome outcome = ApplyPreload(m_sel, fields);
    m_caption = SavedView::Caption::ChooseBetType;
    selectionChanged();
    resultBoxesFromSelection();
    const GameChanges parts = GamePart::Selection | GamePart::Caption | GamePart::Bet;
    if (outcome.refusal) {
        return refused(outcome.refusal->message, parts);
    }
    chooseDefaultBetType();
    return changed(parts);
}

int Game::markFor(double number) const
{
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (m_sel.markShown[i] && NumericValue(m_sel.numbers[i]) == number) {
            return i;
        }
    }
    return -1;
}

GameOutcome Game::compute()
{
    ComputeResult result = ComputeCombinations(m_sel);
    // A refused bet size stops before the prediction is read: the selection text of the list shown stays.
    if (result.status != ComputeResult::Status::NoBetSize) {
        m_selectionText = result.selectionText;
    }
    if (result.refusal) {
        using Status = ComputeResult::Status;
        GameOutcome outcome = refused(result.refusal->message, GamePart::List);
        if (result.box >= 0) {
            outcome.focus = GameOutcome::Focus::NumberBox;
            outcome.box = result.box;
            outcome.selectBoxText = result.status == Status::SeparatorInBox || result.status == Status::DuplicateBox;
        } else if (result.status == Status::NoBetSize && m_sel.choicesShown) {
            outcome.focus = GameOutcome::Focus::BetSize;
        }
        return outcome;
    }
    replaceList(std::move(result.list));
    m_shuffleShown = true;
    return changed(kListChange);
}

Result<void> Game::checkFilter(std::string_view filterText) const
{
    return CheckFilter(m_list, filterText);
}

GameOutcome Game::keep(std::string_view filterText)
{
    return filter(filterText, true);
}

GameOutcome Game::remove(std::string_view filterText)
{
    return filter(filterText, false);
}

GameOutcome Game::filter(std::string_view filterText, bool keepHolders)
{
    if (const Result<void> check = checkFilter(filterText); !check) {
        return refused(check.refusal().message);
    }
    const double n = FilterNumber(filterText).value_or(0);
    replaceList(keepHolders ? KeepCombinationsWith(m_list, n) : RemoveCombinationsWith(m_list, n));
    return changed(kListChange);
}

GameOutcome Game::shuffle(UniformSource& random)
{
    if (m_list.empty()) {
        return {};
    }
    replaceList(ShuffleWithinCombinations(m_list, random));
    return changed(kListChange);
}

GameOutcome Game::search() const
{
    const SearchOutcome found = SearchResult(m_list, m_sel.betSizeText, m_results);
    GameOutcome outcome;
    if (found.refusal) {
        outcome = refused(found.refusal->message);
        if (found.box >= 0 && found.box < kResultBoxCount && m_resultsShown[found.box]) {
            outcome.focus = GameOutcome::Focus::ResultBox;
            outcome.box = found.box;
            outcome.selectBoxText = found.selectBoxText;
        }
    } else if (found.status == SearchOutcome::Status::Found) {
        outcome.line = found.line;
    }
    return outcome;
}

GameOutcome Game::applyConditions(LineConditions conditions)
{
    m_conditions = std::move(conditions);
    if (const Result<void> checked = CheckConditions(m_list, m_conditions, m_predictionTexts); !checked) {
        return refused(checked.refusal().message, GamePart::Conditions);
    }
    replaceList(ApplyConditions(m_list, m_conditions));
    return changed(kListChange | GamePart::Conditions);
}

GameOutcome Game::applyLines(CombinationList lines)
{
    replaceList(std::move(lines));
    return changed(kListChange);
}

GameOutcome Game::undo()
{
    if (m_history.undoSteps() == 0) {
        return {};
    }
    if (std::optional<ListState> previous
        = m_history.undo(takeListState(), RaceState { m_runners, m_oddsThresholds })) {
        return changed(restoreListState(std::move(*previous)));
    }
    return changed(kListChange);
}

GameOutcome Game::redo()
{
    if (m_history.redoSteps() == 0) {
        return {};
    }
    if (std::optional<ListState> next = m_history.redo(takeListState(), RaceState { m_runners, m_oddsThresholds })) {
        return changed(restoreListState(std::move(*next)));
    }
    return changed(kListChange);
}

std::string Game::caption() const
{
    switch (m_caption) {
    case SavedView::Caption::ChooseHorseCount:
        return std::string(text::kChooseHorseCount);
    case SavedView::Caption::ChooseBetType:
        return std::string(text::kChooseBetTypeNow);
    case SavedView::Caption::Count:
        break;
    }
    return CountCaption(m_list.size());
}

const LineValues& Game::lineValues() const
{
    if (!m_lineValues) {
        LineValues read;
        read.starts.reserve(m_list.size() + 1);
        for (CombinationList::Count i = 0; i < m_list.size(); ++i) {
            read.starts.push_back(read.values.size());
            ForEachLineNumber(
                m_list.line(i), [&read](std::string_view field) { read.values.push_back(FieldValue(field)); });
        }
        read.starts.push_back(read.values.size());
        m_lineValues = std::move(read);
    }
    return *m_lineValues;
}

void Game::replaceList(CombinationList lines)
{
    // The lines replaced move into the history as they are: a change never copies the whole list.
    m_history.record(ListState { std::exchange(m_list, std::move(lines)), m_listSelectionText, caption() });
    m_listSelectionText = m_selectionText;
    m_caption = SavedView::Caption::Count;
    m_lineValues.reset();
}

ListState Game::takeListState()
{
    std::string shown = caption();
    m_lineValues.reset();
    return ListState { std::exchange(m_list, {}), m_listSelectionText, std::move(shown) };
}

GameChanges Game::restoreListState(ListState state)
{
    GameChanges parts = kListChange;
    if (state.race) {
        m_runners = std::move(state.race->runners);
        m_oddsThresholds = state.race->thresholds;
        parts |= GamePart::Runners;
    }
    m_list = std::move(state.list);
    m_selectionText = std::move(state.selectionText);
    m_listSelectionText = m_selectionText;
    m_caption = CaptionKindOf(state.caption);
    m_lineValues.reset();
    return parts;
}

void Game::selectionChanged()
{
    m_predictionTexts.clear();
    m_predictionValues.clear();
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (m_sel.shown[i]) {
            m_predictionTexts.push_back(m_sel.numbers[i]);
            m_predictionValues.push_back(NumericValue(m_sel.numbers[i]));
        }
    }
}

void Game::resultBoxesFromSelection()
{
    for (int i = 0; i < kResultBoxCount; ++i) {
        m_resultsShown[i] = i < m_sel.resultBoxesShown;
    }
}

void Game::chooseDefaultBetType()
{
    // The bet size as the computation reads it, so that the type proposed takes the lines it will compute.
    const std::string_view size = m_sel.betSizeText;
    const std::optional<std::int16_t> rounded
        = IsNumeric(TrimSpaces(size)) ? RoundToInt16(NumericValue(size)) : std::nullopt;
    m_bets.choose(rounded ? DefaultBetType(*rounded) : nullptr);
}

} // namespace ornal
