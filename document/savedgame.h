#pragma once

#include "betting/bettype.h"
#include "betting/oddsgroups.h"
#include "betting/runners.h"
#include "engine/combinationlist.h"
#include "engine/inputlimits.h"
#include "engine/selection.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// A game saved by the player: the file name ends in kGameExtension and holds JSON in UTF-8.
inline constexpr std::string_view kGameExtension = ".ornal";
inline constexpr std::string_view kGameFormatName = "ornal-jeu";
// Version 2 holds the whole game (every stake, the conditions' line bounds, how the guarantee counts its lines);
// version 1 files still open, without those members.
inline constexpr int kGameFormatVersion = 2;

// What a game file may hold at most; a file past these limits is refused before anything changes. Values a player
// enters are held to the limits the window and the command line set (inputlimits.h).
inline constexpr std::size_t kMaxGameFileBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxGameLines = 77520;
inline constexpr std::size_t kMaxGameTextBytes = 256; // a box, a name, an identifier
inline constexpr std::size_t kMaxGameSelectionTextBytes = 8192;
inline constexpr std::size_t kMaxGameLineBytes = 8192;
inline constexpr std::size_t kMaxGameConditionGroups = kMaxGroupCount;
inline constexpr std::size_t kMaxGamePayoutClasses = kMaxPayClasses;
inline constexpr std::size_t kMaxGameRunners = kMaxRunners;
inline constexpr int kBetTypeLogoCount = 7; // the bet-type pictures beside Jeu
inline constexpr std::size_t kMaxGameStakes = 32; // more than there are bet types
inline constexpr std::uint64_t kMaxGameReductionLines = 200000; // the tab "Garantie"'s largest count of lines
inline constexpr int kMaxGameReductionSeconds = 3600; // and its longest search

// The selection controls as they stand, every text exactly as its control holds it.
struct SavedSelection {
    static constexpr int kResultBoxes = 5;

    std::string horseCountText; // NombreChevaux
    std::string betSizeText; // Jeu
    std::string baseText; // Base
    int baseCount = -1; // BaseCount: -1, or 1 to 3
    std::array<std::string, kNumberBoxCount> numbers {};
    std::array<bool, kNumberBoxCount> numbersShown {};
    std::array<bool, kNumberBoxCount> marks {};
    std::array<bool, kNumberBoxCount> marksShown {};
    std::array<std::string, kResultBoxes> results {};
    std::array<bool, kResultBoxes> resultsShown {};

    bool operator==(const SavedSelection&) const = default;
};

// The bet played: its type's identifier, the stake of one combination and the stake its rapports are quoted for
// (absent from files written before it was kept: the type's default stake then).
struct SavedBet {
    std::string typeId;
    std::int64_t unitStakeCents = 0;
    std::optional<std::int64_t> rapportBaseCents = std::nullopt;

    bool operator==(const SavedBet&) const = default;
};

// What one class of winning combinations pays.
struct SavedPayout {
    std::string className;
    std::int64_t cents = 0;

    bool operator==(const SavedPayout&) const = default;
};

// The race's arrival as typed, and the payouts per class.
struct SavedArrival {
    std::array<std::string, SavedSelection::kResultBoxes> numbers {};
    std::vector<SavedPayout> payouts;

    bool operator==(const SavedArrival&) const = default;
};

// The stake a bet type was played at in this game, and the stake its rapports are quoted for.
struct SavedStake {
    std::string typeId;
    std::int64_t unitStakeCents = 0;
    std::optional<std::int64_t> rapportBaseCents = std::nullopt;

    bool operator==(const SavedStake&) const = default;
};

// An inclusive range of counts or sums.
struct SavedRange {
    int min = 0;
    int max = 0;

    bool operator==(const SavedRange&) const = default;
};

// A condition group: how many of its numbers a kept line holds, with optional bounds on their sum, on how many of
// them are even and on the longest run of consecutive ones.
struct SavedConditionGroup {
    std::string name;
    std::vector<std::string> numbers;
    int min = 0;
    int max = 0;
    std::optional<SavedRange> sum;
    std::optional<SavedRange> even;
    std::optional<SavedRange> run;

    bool operator==(const SavedConditionGroup&) const = default;
};

// Bounds on a whole line that a tick turns on; kept while off, so that they come back as the player left them.
struct SavedLineBound {
    bool on = false;
    int min = 0;
    int max = 0;

    bool operator==(const SavedLineBound&) const = default;
};

// The conditions on a whole line, beside the groups: its sum, how many of its numbers are even, and the longest run
// of consecutive numbers (only its maximum counts).
struct SavedLineConditions {
    SavedLineBound sum;
    SavedLineBound even;
    SavedLineBound run;

    bool operator==(const SavedLineConditions&) const = default;
};

// The guarantee asked of a reduction, as its two numbers P and T, and how many lines it may keep: as few as the full
// guarantee needs, a number of lines, or what a budget pays. The count and the budget are kept whichever is chosen.
struct SavedGuarantee {
    enum class Extent { Full, Lines, Budget };

    int p = 0;
    int t = 0;
    Extent extent = Extent::Full; // files of version 1: the full guarantee
    std::optional<std::uint64_t> lines = std::nullopt; // 1 to kMaxGameReductionLines
    std::optional<std::int64_t> budgetCents = std::nullopt; // 0 to kMaxAmountCents
    std::optional<int> seconds = std::nullopt; // the search's time limit, 1 to kMaxGameReductionSeconds

    bool operator==(const SavedGuarantee&) const = default;
};

// What the window showed besides its controls' texts and ticks. Files written before it was kept lack it: the
// window then works it out from the selection (see gameselection.h).
struct SavedView {
    // The count caption: the list's count, or one of the two prompts shown before any list.
    enum class Caption { Count, ChooseHorseCount, ChooseBetType };

    bool betSizeShown = false; // Jeu, its label and Valider
    bool baseShown = false; // Base and its label
    std::optional<std::array<int, 2>> logos; // the bet-type pictures shown, the first next to Jeu (0 to 6)
    Caption caption = Caption::Count;

    bool operator==(const SavedView&) const = default;
};

// Everything a game file holds. The optional members came with later features: a file without them still opens.
struct SavedGame {
    SavedSelection selection;
    std::string selectionText; // SelectionText
    CombinationList list; // the list as it stands, in its order
    std::optional<SavedBet> bet; // the bet type in force
    std::vector<SavedStake> stakes; // every bet type played, each once, with its stake; empty when none
    std::optional<SavedArrival> arrival;
    std::vector<SavedConditionGroup> conditions; // the groups in rank order, empty ones included; empty when none
    std::optional<SavedLineConditions> lineConditions;
    std::optional<SavedGuarantee> guarantee;
    std::optional<SavedView> view;
    std::vector<Runner> runners; // the race's runners and their odds, in the order given; empty when none
    std::optional<OddsThresholds> oddsThresholds; // those of "Grouper selon les cotes"

    bool operator==(const SavedGame&) const = default;
};

} // namespace ornal
