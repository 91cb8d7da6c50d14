#pragma once

#include "betting/arrivalcheck.h"
#include "betting/betchoice.h"
#include "betting/oddsgroups.h"
#include "betting/runners.h"
#include "document/gameselection.h"
#include "document/savedgame.h"
#include "engine/combinationlist.h"
#include "engine/preload.h"
#include "engine/refusal.h"
#include "engine/selection.h"
#include "game/gameoutcome.h"
#include "game/listhistory.h"
#include "listops/lineconditions.h"
#include "listops/shuffle.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ornal {

// The numbers of each line of a list, read once: line i's values are values[starts[i]] to values[starts[i + 1] - 1].
struct LineValues {
    std::vector<double> values;
    std::vector<std::size_t> starts; // one more than the lines
};

// One game as the player builds it, owned here for the window and the command line alike: the selection, the list
// and its history, the bet, the conditions, the guarantee, the arrival and the runners. Every operation of the
// program is a verb that says how it ended and what it changed; the front ends only show what it holds.
// A shortage of memory ends a verb with std::bad_alloc, as it ends the engine's functions, and the front end reports
// it; the list shown is then still whole.
class Game {
public:
    Game();

    // --- the selection
    // The horse count typed or picked: shows its boxes and asks for the bet type.
    GameOutcome chooseHorseCount(std::string text);
    // The bet size typed or picked: checked against the horse count, then proposes the bet type of that size.
    GameOutcome chooseBetSize(std::string text);
    // The base mode picked: unticks every mark and shows those a base may take.
    GameOutcome chooseBaseMode(std::string text);
    // Mark i ticked or unticked; a tick beyond the base mode's number is refused and undone.
    GameOutcome setMark(int i, bool ticked);
    // A choice's box whose text the player typed without picking it: the text is kept, no rule runs until it is picked
    // or the selection is computed.
    enum class Choice { HorseCount, BetSize, BaseMode };
    GameOutcome typeChoice(Choice choice, std::string text);
    // Number box i now holds text, exactly as typed.
    GameOutcome typeNumber(int i, std::string text);
    // Result box i now holds text.
    GameOutcome typeResult(int i, std::string text);
    // The preload's road: horse count, bet size when usable, the numbers; proposes the bet type unless refused.
    GameOutcome preload(const PreloadFields& fields);
    // The mark a player would tick for the base number: that of the first shown mark whose box holds its value; -1
    // when none.
    int markFor(double number) const;

    // --- the list
    // Checks the selection and computes its combinations, which replace the list.
    GameOutcome compute();
    // The refusal a filter on filterText meets before its question, or done when it may ask.
    Result<void> checkFilter(std::string_view filterText) const;
    // Keeps the lines holding the number filterText names.
    GameOutcome keep(std::string_view filterText);
    // Removes the lines holding the number filterText names.
    GameOutcome remove(std::string_view filterText);
    // Draws a new order of the numbers within each line; nothing on an empty list.
    GameOutcome shuffle(UniformSource& random);
    // Finds the first line holding the result boxes' numbers (outcome's line).
    GameOutcome search() const;
    // Sets the conditions and keeps the lines meeting them, after the checks against the prediction.
    GameOutcome applyConditions(LineConditions conditions);
    // The lines a reduction left take the list's place.
    GameOutcome applyLines(CombinationList lines);
    // Back to the list before the last change; nothing changes when there is none.
    GameOutcome undo();
    // Again the list the last undo left; nothing changes when there is none.
    GameOutcome redo();

    // --- the bet, the guarantee, the arrival, the runners
    // Chooses the bet type (nullptr: none).
    GameOutcome chooseBetType(const BetType* type);
    // Sets the unit stake of type.
    GameOutcome setStake(const BetType& type, std::int64_t cents);
    // Sets the stake the rapports of type are quoted for.
    GameOutcome setRapportBase(const BetType& type, std::int64_t cents);
    // What the list costs on the chosen type, or the refusal (no type, lines it does not take, stake).
    Result<BetCost> price() const;
    // Keeps arrival and checks the list against it on the chosen type.
    Result<ArrivalOutcome> checkArrival(SavedArrival arrival);
    // Sets the rapports of the arrival kept, in the type's class order; nothing without an arrival.
    GameOutcome setPayouts(std::vector<SavedPayout> payouts);
    // Sets the guarantee chosen for a reduction, or none.
    GameOutcome chooseGuarantee(std::optional<SavedGuarantee> guarantee);
    // Sets the race's runners and the thresholds that group them by odds.
    GameOutcome setRunners(std::vector<Runner> runners, std::optional<OddsThresholds> thresholds);

    // --- the file
    // The game as a file holds it.
    SavedGame saved() const;
    // Shows game in place of the one held; the list before it can be undone to.
    GameOutcome open(SavedGame game);
    // The file the game was last saved to or opened from; empty when none.
    const std::filesystem::path& file() const { return m_file; }
    // Sets that file.
    GameOutcome setFile(std::filesystem::path file);

    // --- what the game holds
    const Selection& selection() const { return m_sel; }
    const ResultTexts& results() const { return m_results; }
    // Which result boxes are shown, each on its own: a game opened shows those its file shows until the selection's
    // rules show them again from the left.
    const std::array<bool, kResultBoxCount>& resultsShown() const { return m_resultsShown; }
    const CombinationList& list() const { return m_list; }
    // The selection text of the list shown (that of the last computation while the list is empty).
    const std::string& selectionText() const { return m_list.empty() ? m_selectionText : m_listSelectionText; }
    // The selection text of the last computation, refused or not, whatever list is shown.
    const std::string& lastSelectionText() const { return m_selectionText; }
    // The count caption's text.
    std::string caption() const;
    SavedView::Caption captionKind() const { return m_caption; }
    // True once a computation has succeeded: the shuffle button is shown.
    bool shuffleShown() const { return m_shuffleShown; }
    const ListHistory& history() const { return m_history; }
    const BetChoice& bets() const { return m_bets; }
    const LineConditions& conditions() const { return m_conditions; }
    const std::optional<SavedGuarantee>& guarantee() const { return m_guarantee; }
    const std::optional<SavedArrival>& arrival() const { return m_arrival; }
    const std::vector<Runner>& runners() const { return m_runners; }
    const std::optional<OddsThresholds>& oddsThresholds() const { return m_oddsThresholds; }
    // The texts of the shown number boxes, in their order.
    const std::vector<std::string>& predictionTexts() const { return m_predictionTexts; }
    // Their values as the program reads them (0 for a box that holds no number).
    const std::vector<double>& predictionValues() const { return m_predictionValues; }
    // The values of the list's lines, read once after each change of the list.
    const LineValues& lineValues() const;

private:
    // The list becomes lines; the one replaced is kept to undo to.
    void replaceList(CombinationList lines);
    ListState takeListState();
    // Shows state, its race too when it carries one; the parts it changed.
    GameChanges restoreListState(ListState state);
    void selectionChanged();
    // The selection's rules show the result boxes from the left, as many as it says.
    void resultBoxesFromSelection();
    void chooseDefaultBetType();
    GameOutcome filter(std::string_view filterText, bool keepHolders);

    Selection m_sel;
    ResultTexts m_results {};
    std::array<bool, kResultBoxCount> m_resultsShown {};
    CombinationList m_list;
    std::string m_selectionText; // that of the last computation, refused or not
    std::string m_listSelectionText; // that of the list shown
    SavedView::Caption m_caption = SavedView::Caption::ChooseHorseCount;
    bool m_shuffleShown = false;
    ListHistory m_history;
    BetChoice m_bets;
    LineConditions m_conditions;
    std::optional<SavedGuarantee> m_guarantee;
    std::optional<SavedArrival> m_arrival;
    std::vector<Runner> m_runners;
    std::optional<OddsThresholds> m_oddsThresholds;
    std::filesystem::path m_file;
    SavedGame m_keptParts; // what a file held that the game does not work on, saved back as it came
    std::vector<std::string> m_predictionTexts;
    std::vector<double> m_predictionValues;
    mutable std::optional<LineValues> m_lineValues;
};

} // namespace ornal
