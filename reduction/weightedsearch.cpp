#include "reduction/weightedsearch.h"

#include <algorithm>

namespace ornal {

WeightedSearch::WeightedSearch(const SetSystem& sets, std::uint64_t seed, std::vector<std::int64_t> costs)
    : m_sets(sets)
    , m_random(seed)
    , m_slotOf(sets.setCount(), kNoSlot)
    , m_score(sets.setCount(), 0)
    , m_changed(sets.setCount(), 0)
    , m_mayEnter(sets.setCount(), 1)
    , m_metBy(sets.elementCount(), 0)
    , m_keptXor(sets.elementCount(), 0)
    , m_weight(sets.elementCount(), 1)
    , m_cost(std::move(costs))
    , m_unmet(sets.elementCount())
{
}

bool WeightedSearch::weighsMore(Index a, Index b) const
{
    if (m_cost.empty()) {
        return m_score[a] > m_score[b];
    }
    // Scores stay far below 2^40 and costs below 2^20 on any list a player can make: the products do not overflow.
    return m_score[a] * m_cost[b] > m_score[b] * m_cost[a];
}

void WeightedSearch::load(std::span<const Index> lines)
{
    for (Index line : m_lines) {
        m_slotOf[line] = kNoSlot;
    }
    m_lines.assign(lines.begin(), lines.end());
    std::fill(m_metBy.begin(), m_metBy.end(), 0);
    std::fill(m_keptXor.begin(), m_keptXor.end(), 0);
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        const Index line = m_lines[slot];
        m_slotOf[line] = slot;
        for (Index arrival : m_sets.members(line)) {
            ++m_metBy[arrival];
            m_keptXor[arrival] ^= line;
        }
    }
    m_unmet.clear();
    for (Index arrival = 0; arrival < m_sets.elementCount(); ++arrival) {
        if (m_metBy[arrival] == 0) {
            m_unmet.insert(arrival);
        }
    }
    for (Index line = 0; line < m_sets.setCount(); ++line) {
        const bool kept = m_slotOf[line] != kNoSlot;
        std::int64_t score = 0;
        for (Index arrival : m_sets.members(line)) {
            if (kept && m_metBy[arrival] == 1) {
                score -= m_weight[arrival];
            } else if (!kept && m_metBy[arrival] == 0) {
                score += m_weight[arrival];
            }
        }
        m_score[line] = score;
    }
    std::fill(m_mayEnter.begin(), m_mayEnter.end(), 1);
    m_lastIn = kNone;
}

void WeightedSearch::add(Index line)
{
    for (Index arrival : m_sets.members(line)) {
        const std::uint32_t before = m_metBy[arrival]++;
        if (before == 0) {
            for (Index other : m_sets.setsOf(arrival)) {
                m_score[other] -= m_weight[arrival];
                m_mayEnter[other] = 1;
            }
            m_unmet.erase(arrival);
        } else if (before == 1) {
            m_score[m_keptXor[arrival]] += m_weight[arrival];
        }
        m_keptXor[arrival] ^= line;
    }
    m_slotOf[line] = static_cast<std::uint32_t>(m_lines.size());
    m_lines.push_back(line);
    std::int64_t score = 0;
    for (Index arrival : m_sets.members(line)) {
        score -= m_metBy[arrival] == 1 ? m_weight[arrival] : 0;
    }
    m_score[line] = score;
    m_changed[line] = m_moves;
}

void WeightedSearch::remove(std::uint32_t slot)
{
    const Index line = m_lines[slot];
    for (Index arrival : m_sets.members(line)) {
        m_keptXor[arrival] ^= line;
        const std::uint32_t after = --m_metBy[arrival];
        if (after == 0) {
            for (Index other : m_sets.setsOf(arrival)) {
                m_score[other] += m_weight[arrival];
                m_mayEnter[other] = 1;
            }
            m_unmet.insert(arrival);
        } else if (after == 1) {
            m_score[m_keptXor[arrival]] -= m_weight[arrival];
        }
    }
    // The loop above counted the line among the others; its score is now its gain.
    std::int64_t score = 0;
    for (Index arrival : m_sets.members(line)) {
        score += m_metBy[arrival] == 0 ? m_weight[arrival] : 0;
    }
    m_score[line] = score;
    m_slotOf[line] = kNoSlot;
    const auto last = static_cast<std::uint32_t>(m_lines.size() - 1);
    if (slot != last) {
        m_lines[slot] = m_lines[last];
        m_slotOf[m_lines[slot]] = slot;
    }
    m_lines.pop_back();
    m_changed[line] = m_moves;
}

std::uint32_t WeightedSearch::lightestSlot(Index spare) const
{
    std::uint32_t chosen = kNoSlot;
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        const Index line = m_lines[slot];
        if (line == spare) {
            continue;
        }
        if (chosen == kNoSlot) {
            chosen = slot;
            continue;
        }
        const Index best = m_lines[chosen];
        if (weighsMore(line, best) || (!weighsMore(best, line) && m_changed[line] < m_changed[best])) {
            chosen = slot;
        }
    }
    return chosen;
}

WeightedSearch::Index WeightedSearch::heaviestMeeting(Index arrival)
{
    Index chosen = kNone;
    bool chosenMayEnter = false;
    for (Index line : m_sets.setsOf(arrival)) {
        const bool mayEnter = m_mayEnter[line] != 0;
        if (chosen == kNone || (mayEnter && !chosenMayEnter)) {
            chosen = line;
            chosenMayEnter = mayEnter;
            continue;
        }
        if (mayEnter != chosenMayEnter) {
            continue;
        }
        if (weighsMore(line, chosen) || (!weighsMore(chosen, line) && m_changed[line] < m_changed[chosen])) {
            chosen = line;
        }
    }
    return chosen;
}

void WeightedSearch::step()
{
    // The number of kept sets never changes here: with one set left, the one just put in goes out again.
    std::uint32_t slot = lightestSlot(m_lastIn);
    if (slot == kNoSlot) {
        slot = lightestSlot(kNone);
    }
    const Index out = m_lines[slot];
    remove(slot);
    m_mayEnter[out] = 0;
    const Index arrival = m_unmet[m_random.below(m_unmet.size())];
    const Index in = heaviestMeeting(arrival);
    add(in);
    m_lastIn = in;
    for (Index unmet : m_unmet.items()) {
        ++m_weight[unmet];
        for (Index line : m_sets.setsOf(unmet)) {
            ++m_score[line];
        }
    }
    ++m_moves;
}

bool WeightedSearch::search(std::uint64_t moves)
{
    if (m_lines.empty()) {
        return m_unmet.empty();
    }
    for (std::uint64_t i = 0; i < moves && !m_unmet.empty(); ++i) {
        step();
    }
    return m_unmet.empty();
}

void WeightedSearch::dropOne()
{
    const std::uint32_t slot = lightestSlot(kNone);
    if (slot != kNoSlot) {
        remove(slot);
    }
}

void WeightedSearch::dropIdle()
{
    for (std::uint32_t slot = static_cast<std::uint32_t>(m_lines.size()); slot-- > 0;) {
        if (m_score[m_lines[slot]] == 0) {
            remove(slot);
        }
    }
}

} // namespace ornal
