#pragma once

#include "betting/oddsgroups.h"
#include "betting/runners.h"
#include "engine/combinationlist.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace ornal {

// The race's runners with their odds and the thresholds of the groups made from them.
struct RaceState {
    std::vector<Runner> runners;
    std::optional<OddsThresholds> thresholds;

    bool operator==(const RaceState&) const = default;
};

// What one change of the list replaces: the lines, the SelectionText that goes with them and the count caption,
// and the race when the change replaced it too (opening a game brings its own runners).
struct ListState {
    CombinationList list;
    std::string selectionText;
    std::string caption;
    std::optional<RaceState> race = std::nullopt;

    // Bytes the state holds in memory, its list's storage first.
    std::size_t memoryBytes() const;
};

// The states the list went through, for undo and redo. The oldest are forgotten first, past a number of steps or
// a memory budget: 20 steps of the largest list (77,520 lines of 7, about 2 MB each) stay well inside it.
class ListHistory {
public:
    static constexpr std::size_t kMaxSteps = 100;
    static constexpr std::size_t kMaxBytes = 64'000'000;

    explicit ListHistory(std::size_t maxBytes = kMaxBytes, std::size_t maxSteps = kMaxSteps);

    // A change is about to replace before: keeps it to undo to, and forgets what could be redone.
    void record(ListState before);

    // The last change recorded also replaced the race: before comes back with its undo. Nothing without a change.
    void recordRace(RaceState before);

    // True when the step undo() or redo() would bring back also brings back a race.
    bool undoBringsRace() const { return !m_undo.empty() && m_undo.back().race.has_value(); }
    bool redoBringsRace() const { return !m_redo.empty() && m_redo.back().race.has_value(); }

    // The state before the last change, keeping current to redo to; nullopt (current dropped) when there is none.
    // When that state brings back a race, raceNow (the race shown) goes with current, for the redo to restore.
    std::optional<ListState> undo(ListState current, std::optional<RaceState> raceNow = std::nullopt);

    // The state the last undo left, keeping current to undo to again; nullopt when there is none.
    std::optional<ListState> redo(ListState current, std::optional<RaceState> raceNow = std::nullopt);

    std::size_t undoSteps() const { return m_undo.size(); }
    std::size_t redoSteps() const { return m_redo.size(); }
    // Bytes held by every kept state.
    std::size_t memoryBytes() const { return m_bytes; }

private:
    // One step from one stack to the other: undo from m_undo to m_redo, redo the other way.
    std::optional<ListState> step(
        std::deque<ListState>& from, std::deque<ListState>& to, ListState current, std::optional<RaceState> raceNow);
    void push(std::deque<ListState>& stack, ListState state);
    ListState pop(std::deque<ListState>& stack);
    // Forgets states, oldest undo first, then farthest redo, until both limits hold.
    void trim();

    std::deque<ListState> m_undo; // oldest first
    std::deque<ListState> m_redo; // farthest first
    std::size_t m_bytes = 0;
    std::size_t m_maxBytes;
    std::size_t m_maxSteps;
};

} // namespace ornal
