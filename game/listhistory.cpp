#include "game/listhistory.h"

#include <utility>

namespace ornal {

std::size_t ListState::memoryBytes() const
{
    return list.memoryBytes() + selectionText.capacity() + caption.capacity()
        + (race ? race->runners.capacity() * sizeof(Runner) : 0);
}

ListHistory::ListHistory(std::size_t maxBytes, std::size_t maxSteps)
    : m_maxBytes(maxBytes)
    , m_maxSteps(maxSteps)
{
}

void ListHistory::record(ListState before)
{
    while (!m_redo.empty()) {
        pop(m_redo);
    }
    push(m_undo, std::move(before));
}

void ListHistory::recordRace(RaceState before)
{
    if (m_undo.empty()) {
        return;
    }
    ListState& last = m_undo.back();
    m_bytes -= last.memoryBytes();
    last.race = std::move(before);
    m_bytes += last.memoryBytes();
    trim();
}

std::optional<ListState> ListHistory::undo(ListState current, std::optional<RaceState> raceNow)
{
    return step(m_undo, m_redo, std::move(current), std::move(raceNow));
}

std::optional<ListState> ListHistory::redo(ListState current, std::optional<RaceState> raceNow)
{
    return step(m_redo, m_undo, std::move(current), std::move(raceNow));
}

std::optional<ListState> ListHistory::step(
    std::deque<ListState>& from, std::deque<ListState>& to, ListState current, std::optional<RaceState> raceNow)
{
    if (from.empty()) {
        return std::nullopt;
    }
    ListState brought = pop(from);
    if (brought.race) {
        current.race = std::move(raceNow);
    }
    push(to, std::move(current));
    return brought;
}

void ListHistory::push(std::deque<ListState>& stack, ListState state)
{
    m_bytes += state.memoryBytes();
    stack.push_back(std::move(state));
    trim();
}

ListState ListHistory::pop(std::deque<ListState>& stack)
{
    ListState state = std::move(stack.back());
    stack.pop_back();
    m_bytes -= state.memoryBytes();
    return state;
}

void ListHistory::trim()
{
    while (!m_undo.empty() && (m_bytes > m_maxBytes || m_undo.size() + m_redo.size() > m_maxSteps)) {
        m_bytes -= m_undo.front().memoryBytes();
        m_undo.pop_front();
    }
    while (!m_redo.empty() && (m_bytes > m_maxBytes || m_redo.size() > m_maxSteps)) {
        m_bytes -= m_redo.front().memoryBytes();
        m_redo.pop_front();
    }
}

} // namespace ornal
